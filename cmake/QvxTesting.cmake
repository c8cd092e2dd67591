# Test helpers shared by every tests/ folder.
#
#   qvx_add_gtest(NAME SOURCES a.cpp b.cpp LIBS qvx_engine ...)
#   qvx_add_qtest(NAME SOURCES a.cpp LIBS qvx_app ...)
#
# Both run without a display or a sound card: Qt uses its offscreen
# platform, SDL its dummy drivers. Test media is made with the ffmpeg
# command line into QVX_TEST_MEDIA_DIR and kept there between runs.

set(QVX_TEST_MEDIA_DIR ${CMAKE_BINARY_DIR}/test-media)
set(QVX_TEST_ENVIRONMENT
  QT_QPA_PLATFORM=offscreen
  SDL_AUDIODRIVER=dummy
  SDL_VIDEODRIVER=dummy
  QVX_TEST_MEDIA_DIR=${QVX_TEST_MEDIA_DIR}
  QVX_BIN_DIR=${CMAKE_BINARY_DIR}/bin
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0
  LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1)

function(qvx_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} qvx_test_support GTest::gtest_main GTest::gmock)
  # The test environment goes through `env` as the tests' launcher: the
  # ENVIRONMENT property of discovered tests keeps only its first entry.
  set_target_properties(${name} PROPERTIES
    CROSSCOMPILING_EMULATOR "env;${QVX_TEST_ENVIRONMENT}")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST)
endfunction()

function(qvx_add_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} qvx_test_support Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${QVX_TEST_ENVIRONMENT}")
endfunction()
