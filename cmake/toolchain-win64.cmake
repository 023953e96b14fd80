# 64-bit flavor: the same sources as the shipped program, runnable under wine64
# here, so every test and benchmark uses it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZANVO_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZANVO_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZANVO_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ZANVO_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZANVO_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
