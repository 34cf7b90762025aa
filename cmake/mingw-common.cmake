# Shared by both mingw-w64 toolchain files. The -posix variants are the default because
# GoogleTest needs std::thread and friends. The program itself runs on one thread, so the release
# builds take the -win32 variants (MIREL_MINGW_THREADS=win32): their runtime locks with Windows'
# own primitives and links no POSIX thread emulation into the executable.
set(MIREL_MINGW_THREADS posix CACHE STRING "Thread model of the mingw-w64 compilers: posix or win32")
set(CMAKE_C_COMPILER ${MIREL_MINGW_TRIPLET}-gcc-${MIREL_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${MIREL_MINGW_TRIPLET}-g++-${MIREL_MINGW_THREADS})
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
