# Settings that follow from what the toolchains do on this machine (docs/toolchain.md).
if(WIN32)
  # Each module carries its own C++ runtime; no MinGW DLLs need to sit beside the executables.
  add_link_options(-static)
  set(CMAKE_SHARED_LIBRARY_PREFIX "")
  set(CMAKE_IMPORT_LIBRARY_PREFIX "")
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-Wa,-mbig-obj>)
  # Wine runs every Windows executable the tests start.
  set(RUZI_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  # wine-run.sh starts Wine's loader itself: Debian's `wine` is a sh script, and dash drops
  # environment variables whose names are not shell names ("61057value").
  find_program(RUZI_WINE_LOADER NAMES wine64 PATHS /usr/lib/wine /usr/lib64/wine NO_DEFAULT_PATH)
  if(NOT RUZI_WINE_LOADER)
    find_program(RUZI_WINE_LOADER NAMES wine64 wine REQUIRED)
  endif()
  configure_file(${CMAKE_SOURCE_DIR}/tools/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
                 @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                 WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
endif()

if(RUZI_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=${RUZI_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${RUZI_SANITIZE})
endif()

if(RUZI_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  # A picture of 4096 pixels a side takes seconds to decode under this instrumentation, near the
  # fuzz runs' time-out on a busy machine; smaller sides reach every path of the decoders.
  add_compile_definitions(RUZI_IMAGE_MAX_SIDE=1024)
endif()
