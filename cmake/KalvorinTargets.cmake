# Helpers shared by the sub-directories.

function(kalvorin_warnings target)
  target_compile_options(${target} PRIVATE ${KALVORIN_WARNINGS})
endfunction()

# One GoogleTest executable per source folder: tests/<folder>/*.cpp.
# OWN_MAIN: the folder brings its own main() (the Qt tests need a QApplication).
# ONE_PROCESS: the program runs as one ctest test in every build, not only
# under the sanitizers (see below).
# LIBS: libraries to link besides the core. PCH: headers to precompile besides
# GoogleTest and the common standard ones.
function(kalvorin_gtest_folder folder)
  cmake_parse_arguments(ARG "OWN_MAIN;ONE_PROCESS" "" "LIBS;PCH" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  set(target ${folder}_tests)
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE kalvorin_core GTest::gtest GTest::gmock ${ARG_LIBS})
  if(NOT ARG_OWN_MAIN)
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
  endif()
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_BINARY_DIR})
  kalvorin_warnings(${target})
  # The test code itself is compiled without optimisation and without the
  # fuzzer's coverage hooks: what the tests check is the layers' code, which
  # keeps the build's flags. Optimising the test bodies bought nothing but
  # compile time (a test file took two and a half times as long under the
  # fuzz build's -O1 and hooks as under the sanitizers alone).
  target_compile_options(${target} PRIVATE -O0
    $<$<BOOL:${KALVORIN_FUZZ}>:-fno-sanitize=fuzzer-no-link>)
  # Parsed once per folder instead of in each of its files.
  target_precompile_headers(${target} PRIVATE <gtest/gtest.h> <memory> <string> <vector>
    ${ARG_PCH})
  if(KALVORIN_SANITIZE OR ARG_ONE_PROCESS)
    # Under the sanitizers a process costs about a fifth of a second beyond
    # its test (their start, the leak check at its end): the 1574 cases took
    # 154 s as processes of their own, 12 s as the seven programs. There each
    # program runs as one ctest test; GoogleTest's output names a failing
    # case.
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES LABELS ${folder}
      ENVIRONMENT QT_QPA_PLATFORM=offscreen)
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
      PROPERTIES LABELS ${folder} ENVIRONMENT QT_QPA_PLATFORM=offscreen)
  endif()
endfunction()
