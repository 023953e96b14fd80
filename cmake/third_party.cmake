# tinyxml2 and minizip come from Debian's source packages that scripts/setup
# unpacks into third_party/src; zlib is Debian's mingw-w64 build.
set(ZANVO_THIRD_PARTY_SRC ${CMAKE_SOURCE_DIR}/third_party/src)
if(NOT EXISTS ${ZANVO_THIRD_PARTY_SRC}/tinyxml2/tinyxml2.cpp OR NOT EXISTS ${ZANVO_THIRD_PARTY_SRC}/zlib/contrib/minizip/unzip.c)
  message(FATAL_ERROR "third_party/src is incomplete: run scripts/setup")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/tinyxml2_digit_names.cmake)
set(tinyxml2_dir ${CMAKE_BINARY_DIR}/third_party/tinyxml2)
file(MAKE_DIRECTORY ${tinyxml2_dir})
zanvo_prepare_tinyxml2(${ZANVO_THIRD_PARTY_SRC}/tinyxml2 ${tinyxml2_dir})
add_library(tinyxml2 STATIC ${tinyxml2_dir}/tinyxml2.cpp)
target_include_directories(tinyxml2 SYSTEM PUBLIC ${tinyxml2_dir})

set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)
set(minizip_dir ${ZANVO_THIRD_PARTY_SRC}/zlib/contrib/minizip)
# iowin32.c: archives are opened by their UTF-16 names.
add_library(minizip STATIC ${minizip_dir}/unzip.c ${minizip_dir}/ioapi.c ${minizip_dir}/iowin32.c)
target_include_directories(minizip SYSTEM PUBLIC ${minizip_dir})
target_link_libraries(minizip PUBLIC ZLIB::ZLIB)
target_compile_options(minizip PRIVATE -w)
