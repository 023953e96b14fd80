# 32-bit flavor: the installer.exe that ships. This machine cannot run it, so
# it is only compiled and linked.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ZANVO_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${ZANVO_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZANVO_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ZANVO_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZANVO_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
