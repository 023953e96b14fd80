# 32-bit flavor: the installer.exe that ships. This machine cannot run it, so
# it is only compiled and linked.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ZANVO_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
