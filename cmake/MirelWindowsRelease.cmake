# How the Windows executables are linked: small, self-contained and reproducible.
#
# Everything the programs need from the C++ runtime is linked in, so the executables depend only
# on DLLs every Windows has. No link time stamp goes into the PE header, so one commit always
# links to the same bytes (the release zips are compared byte for byte).
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp)
# Nothing asks a type at run time (failures are told apart by catching them by type), so no
# type information for every class with virtual functions goes into the programs.
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-fno-rtti>)
if(NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
  # Stripped. No -ffunction-sections: the PE linker keeps the unwind tables of every function
  # (.pdata/.xdata on x86-64, .eh_frame on i686), and they keep their functions, so section
  # garbage collection frees next to nothing while every per-function section costs its
  # alignment padding (8 KB on i686).
  add_link_options(-Wl,--gc-sections -s)
endif()

# For the executables a user runs (the program, and the empty window the start-up benchmark
# compares it with). std::terminate's default handler in the static runtime prints the type of
# the escaping exception, demangled, to standard error, which a GUI program does not have: it
# pulls in the demangler (about 45 KB). Every window procedure catches everything, so terminate
# is only reached on a broken invariant; plain abort() ends the program just the same.
function(mirel_small_executable target)
  if(WIN32 AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      set(prefix _)  # i686 C symbols carry a leading underscore
    else()
      set(prefix "")
    endif()
    target_link_options(${target} PRIVATE
      "-Wl,--defsym,${prefix}_ZN9__gnu_cxx27__verbose_terminate_handlerEv=${prefix}abort")
  endif()
endfunction()
