# Warnings are errors everywhere; every target of the project calls mirel_target_defaults.
function(mirel_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  target_compile_features(${target} PUBLIC cxx_std_20)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 reports a false -Wrestrict inside std::string when optimising (GCC bug 105329).
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(WIN32)
    # Wide Win32 API by default; the few ANSI calls are spelled with their A suffix.
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                 _WIN32_WINNT=0x0A00 WINVER=0x0A00)
    # Every Windows program throws the C++ library's errors through the project's own helpers
    # (components/win32/runtime_throws_win.cpp).
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      target_link_libraries(${target} PRIVATE mirel_runtime_throws)
    endif()
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

# The library of one source folder: every *.cpp in it, where *_win.cpp files join only on Windows
# and *_posix.cpp files only elsewhere. Globbing keeps the folders independent while they grow;
# EXCLUDE names files of the folder that the folder's CMakeLists.txt builds otherwise.
function(mirel_add_folder_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;WIN_DEPS;EXCLUDE" ${ARGN})
  file(GLOB all_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(TRANSFORM ARG_EXCLUDE PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  if(ARG_EXCLUDE)
    list(REMOVE_ITEM all_sources ${ARG_EXCLUDE})
  endif()
  set(portable "")
  set(windows "")
  foreach(source IN LISTS all_sources)
    if(source MATCHES "_win\\.cpp$")
      list(APPEND windows ${source})
    elseif(source MATCHES "_posix\\.cpp$")
      if(NOT WIN32)
        list(APPEND portable ${source})
      endif()
    else()
      list(APPEND portable ${source})
    endif()
  endforeach()
  mirel_add_library(${name} SOURCES ${portable} WIN_SOURCES ${windows} DEPS ${ARG_DEPS}
                    WIN_DEPS ${ARG_WIN_DEPS})
endfunction()
