# Cross build for 32-bit Windows, the real target. Its programs cannot run on our Linux machines,
# so no emulator is set and its tests are built but not run.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MIREL_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
