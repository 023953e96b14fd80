# 64-bit flavor: the same sources as the shipped program, runnable under wine64
# here, so every test and benchmark uses it.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZANVO_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
