# Warnings are errors everywhere; every target of the project calls mirel_target_defaults.
function(mirel_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  target_compile_features(${target} PUBLIC cxx_std_20)
  if(WIN32)
    # Wide Win32 API by default; the few ANSI calls are spelled with their A suffix.
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                 _WIN32_WINNT=0x0A00 WINVER=0x0A00)
  endif()
endfunction()

# Adds a library for one folder of the project: its portable sources always, its *_win.cpp
# sources only when building for Windows.
function(mirel_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;WIN_SOURCES;DEPS;WIN_DEPS" ${ARGN})
  set(sources ${ARG_SOURCES})
  if(WIN32)
    list(APPEND sources ${ARG_WIN_SOURCES})
  endif()
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    if(WIN32)
      target_link_libraries(${name} PUBLIC ${ARG_WIN_DEPS})
    endif()
    mirel_target_defaults(${name})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    target_compile_features(${name} INTERFACE cxx_std_20)
  endif()
endfunction()

# The library of one source folder: every *.cpp in it, where *_win.cpp files join only on Windows.
# Globbing keeps the folders independent of one another while they grow.
function(mirel_add_folder_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;WIN_DEPS" ${ARGN})
  file(GLOB all_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(portable "")
  set(windows "")
  foreach(source IN LISTS all_sources)
    if(source MATCHES "_win\\.cpp$")
      list(APPEND windows ${source})
    else()
      list(APPEND portable ${source})
    endif()
  endforeach()
  mirel_add_library(${name} SOURCES ${portable} WIN_SOURCES ${windows} DEPS ${ARG_DEPS}
                    WIN_DEPS ${ARG_WIN_DEPS})
endfunction()
