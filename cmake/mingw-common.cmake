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

# CTest runs the programs through Wine: 64-bit ones with wine64, 32-bit ones with the 32-bit Wine
# (wine32:i386), which exists only where the machine runs 32-bit programs at all
# (scripts/can-run-32bit.sh); elsewhere the 32-bit tests are built and not run.
if(MIREL_MINGW_TRIPLET STREQUAL "x86_64-w64-mingw32" AND EXISTS /usr/lib/wine/wine64)
  set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
elseif(MIREL_MINGW_TRIPLET STREQUAL "i686-w64-mingw32" AND EXISTS /usr/lib/wine/wine)
  execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../scripts/can-run-32bit.sh
                  RESULT_VARIABLE mirel_i686_check)
  if(mirel_i686_check EQUAL 0)
    set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine)
  endif()
endif()
