# The SDK folder a host builds against (cmake --install of a Windows build):
#   bin/      ruzirareva.dll and every component DLL it loads, the SDK's copies in their folders
#   lib/      libruzirareva.dll.a, the import library
#   include/  the public headers (include/ruzirareva/), nothing internal
if(NOT WIN32)
  return()
endif()
install(TARGETS ruzirareva RUNTIME DESTINATION bin ARCHIVE DESTINATION lib)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/ DESTINATION include FILES_MATCHING PATTERN "*.h")
foreach(component IN ITEMS wtuxws32 memdata qxpack ztsdk)
  if(TARGET ${component})
    install(TARGETS ${component} RUNTIME DESTINATION bin)
  endif()
endforeach()
foreach(copy IN ITEMS geer_gm xasj_gm)
  if(TARGET ztsdk_${copy})
    install(TARGETS ztsdk_${copy} RUNTIME DESTINATION bin/${copy})
  endif()
endforeach()
