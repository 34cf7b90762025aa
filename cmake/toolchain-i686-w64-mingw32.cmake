# Cross build for 32-bit Windows, the real target.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MIREL_MINGW_TRIPLET i686-w64-mingw32)
# Doubles computed in SSE2 registers, as on x86-64: the x87 unit's default 80-bit intermediates
# round some results differently (a time of day at an exact half second would split into another
# second), so the two programs would not give the same answers. Every processor Windows 8 and later
# runs on has SSE2; GCC's mingw targets realign the stack where Windows hands over a 4-byte one.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
