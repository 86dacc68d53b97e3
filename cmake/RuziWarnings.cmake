# Warnings as errors and GBK literals for every C/C++ target of ours.
add_compile_options(
  $<$<COMPILE_LANGUAGE:C,CXX>:-Wall>
  $<$<COMPILE_LANGUAGE:C,CXX>:-Wextra>
  $<$<COMPILE_LANGUAGE:C,CXX>:-Werror>)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # GB18030 gives GBK bytes for every GBK character; plain GBK breaks <chrono> with g++ 12.
  add_compile_options(
    $<$<COMPILE_LANGUAGE:C,CXX>:-finput-charset=UTF-8>
    $<$<COMPILE_LANGUAGE:C,CXX>:-fexec-charset=GB18030>)
  add_compile_definitions(RUZI_GBK_LITERALS=1)
  # g++ 12 at -O3 reports -Wrestrict inside libstdc++ for "text" + std::string (GCC bug 105329).
  add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-Wno-restrict>)
else()
  # clang accepts only UTF-8 as execution charset: the fuzz build keeps UTF-8 literals.
  add_compile_definitions(RUZI_GBK_LITERALS=0)
endif()
