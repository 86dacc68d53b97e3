# Shipped Windows builds (RUZI_SEPARATE_DEBUG_INFO): every DLL and executable is stripped right
# after linking, its debug information kept beside it in <file>.debug, which the stripped file
# names through a .gnu_debuglink section (gdb and objdump find it there). The steps extend the
# link rules themselves, so they run exactly when a file is linked.
option(RUZI_SEPARATE_DEBUG_INFO "Strip DLLs and executables, keeping <file>.debug beside them" OFF)
if(RUZI_SEPARATE_DEBUG_INFO)
  add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-g>)
  find_program(RUZI_OBJCOPY NAMES x86_64-w64-mingw32-objcopy objcopy REQUIRED)
  foreach(rule IN ITEMS CMAKE_C_CREATE_SHARED_LIBRARY CMAKE_CXX_CREATE_SHARED_LIBRARY CMAKE_C_LINK_EXECUTABLE
                        CMAKE_CXX_LINK_EXECUTABLE)
    list(APPEND ${rule}
         "${RUZI_OBJCOPY} --only-keep-debug <TARGET> <TARGET>.debug"
         "${RUZI_OBJCOPY} --strip-all <TARGET>"
         "${RUZI_OBJCOPY} --add-gnu-debuglink=<TARGET>.debug <TARGET>")
  endforeach()
endif()
