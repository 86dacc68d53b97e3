# Shipped Windows builds (RUZI_SEPARATE_DEBUG_INFO): each DLL and executable is stripped after
# linking, its debug information kept beside it in <file>.debug, which the stripped file names
# through a .gnu_debuglink section (gdb and objdump find it there).
option(RUZI_SEPARATE_DEBUG_INFO "Strip DLLs and executables, keeping <file>.debug beside them" OFF)
if(RUZI_SEPARATE_DEBUG_INFO)
  add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-g>)
  find_program(RUZI_OBJCOPY NAMES x86_64-w64-mingw32-objcopy objcopy REQUIRED)
endif()

# Call once every target exists: walks every folder's targets.
function(ruzi_separate_debug_info directory)
  if(NOT RUZI_SEPARATE_DEBUG_INFO)
    return()
  endif()
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "SHARED_LIBRARY" OR type STREQUAL "EXECUTABLE")
      add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${RUZI_OBJCOPY} --only-keep-debug $<TARGET_FILE_NAME:${target}> $<TARGET_FILE_NAME:${target}>.debug
        COMMAND ${RUZI_OBJCOPY} --strip-all $<TARGET_FILE_NAME:${target}>
        COMMAND ${RUZI_OBJCOPY} --add-gnu-debuglink=$<TARGET_FILE_NAME:${target}>.debug $<TARGET_FILE_NAME:${target}>
        WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
        VERBATIM)
    endif()
  endforeach()
  get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory IN LISTS subdirectories)
    ruzi_separate_debug_info(${subdirectory})
  endforeach()
endfunction()
