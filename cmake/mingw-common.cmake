# Shared by both mingw-w64 toolchain files. The -posix variants are used because GoogleTest
# needs std::thread and friends.
set(CMAKE_C_COMPILER ${MIREL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MIREL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MIREL_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MIREL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Only 64-bit programs can run here; CTest runs them through Wine.
if(MIREL_MINGW_TRIPLET STREQUAL "x86_64-w64-mingw32" AND EXISTS /usr/lib/wine/wine64)
  set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
endif()
