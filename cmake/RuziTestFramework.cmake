# GoogleTest: Debian's installed copy natively, built from Debian's sources for MinGW.
include(GoogleTest)
if(WIN32)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(RUZI_GTEST_LIBS GTest::gtest GTest::gmock)
  if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gmock ALIAS gmock)
  endif()
else()
  find_package(GTest REQUIRED)
  set(RUZI_GTEST_LIBS GTest::gtest GTest::gmock)
endif()

# ruzi_add_test(NAME n SOURCES ... [LIBS ...] [LABELS ...] [FIXTURES ...] [ENVIRONMENT ...]
#               [OUTPUT_DIRECTORY dir] [RESOURCE_LOCK name])
# OUTPUT_DIRECTORY puts the executable (and its working folder) elsewhere than bin/, for tests
# that must not find the components beside them. RESOURCE_LOCK keeps the cases from running
# beside other tests holding the same lock (a setting of the user's they share).
# One GoogleTest executable; its cases become CTest tests, listed just before they run
# (listing under Wine at build time is too slow on a fresh prefix).
function(ruzi_add_test)
  cmake_parse_arguments(T "" "NAME;OUTPUT_DIRECTORY;RESOURCE_LOCK" "SOURCES;LIBS;LABELS;FIXTURES;ENVIRONMENT" ${ARGN})
  if(RUZI_TEST_LABEL_ONLY AND NOT RUZI_TEST_LABEL_ONLY IN_LIST T_LABELS)
    return()
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ruzi_test_support ${T_LIBS} ${RUZI_GTEST_LIBS})
  set(work_dir ${RUZI_BIN_DIR})
  if(T_OUTPUT_DIRECTORY)
    set(work_dir ${T_OUTPUT_DIRECTORY})
    set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${work_dir})
  endif()
  set(props LABELS "${T_LABELS}")
  if(T_FIXTURES)
    list(APPEND props FIXTURES_REQUIRED "${T_FIXTURES}")
  endif()
  if(T_ENVIRONMENT)
    list(APPEND props ENVIRONMENT "${T_ENVIRONMENT}")
  endif()
  if(T_RESOURCE_LOCK)
    list(APPEND props RESOURCE_LOCK "${T_RESOURCE_LOCK}")
  endif()
  gtest_discover_tests(${T_NAME}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 300
    WORKING_DIRECTORY ${work_dir}
    PROPERTIES ${props})
endfunction()

# Every folder under tests/ holding *_test.cpp files becomes test executables by name:
#   *_test.cpp -> <folder>_tests, *_concurrency_test.cpp -> label concurrency,
#   *_ui_test.cpp -> label ui (Windows only). A folder with its own CMakeLists.txt decides itself.
function(ruzi_add_test_folder folder)
  file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR}/tests ${folder})
  string(REPLACE "/" "_" base ${rel})
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*_test.cpp)
  ruzi_filter_platform_sources(sources ${sources})
  set(plain ${sources})
  ruzi_take_sources(plain concurrency "_concurrency(_win32|_posix)?_test\\.cpp$")
  ruzi_take_sources(plain ui "_ui(_win32)?_test\\.cpp$")
  if(plain)
    ruzi_add_test(NAME ${base}_tests SOURCES ${plain} LIBS ruzi_core LABELS unit)
  endif()
  if(concurrency)
    ruzi_add_test(NAME ${base}_concurrency_tests SOURCES ${concurrency} LIBS ruzi_core
                  LABELS concurrency)
  endif()
  if(ui AND WIN32)
    ruzi_add_test(NAME ${base}_ui_tests SOURCES ${ui} LIBS ruzi_core LABELS ui)
  endif()
endfunction()
