include_guard(GLOBAL)

# The tests build into a few programs per tree, one per area and label: tests/CMakeLists.txt makes
# them, and each test folder adds its test files to one of them, one line per file. ctest still runs
# every test on its own, in a process of its own, under its own name.

find_package(GTest REQUIRED)
include(GoogleTest)
find_program(ORVANE_XVFB_RUN xvfb-run)

set(ORVANE_QTEST_CLASS_MAIN_HEADER ${PROJECT_SOURCE_DIR}/tests/support/qtest_main/qtest_class_main.h)
set(ORVANE_FUZZ_TARGET_HEADER ${PROJECT_SOURCE_DIR}/tests/support/fuzz/fuzz_target.h)
# Without its time stamp a clang precompiled header leaves the sources compiled with it to ccache.
set(ORVANE_PCH_OPTIONS "$<$<CXX_COMPILER_ID:Clang>:SHELL:-Xclang -fno-pch-timestamp>")

# orvane_test_headers()
# The precompiled headers of the test programs, each compiled once per tree in a program of its own,
# made in the folder of the test programs: they reuse it, and a precompiled header needs their compile
# flags and definitions (Qt Test's name the folder).
function(orvane_test_headers)
  set(main ${PROJECT_SOURCE_DIR}/tests/support/pch/headers_main.cpp)
  add_executable(orvane_gtest_headers EXCLUDE_FROM_ALL ${main})
  target_link_libraries(orvane_gtest_headers PRIVATE GTest::gtest GTest::gmock)
  target_precompile_headers(orvane_gtest_headers PRIVATE <gtest/gtest.h> <gmock/gmock.h>)
  target_compile_options(orvane_gtest_headers PRIVATE ${ORVANE_PCH_OPTIONS})
  if(ORVANE_BUILD_GUI)
    # Qt, Qt Test and the class registration; the Qt test programs link what this program links.
    add_executable(orvane_qt_test_headers EXCLUDE_FROM_ALL ${main})
    target_link_libraries(orvane_qt_test_headers PRIVATE orvane_app Qt6::Test)
    target_precompile_headers(orvane_qt_test_headers PRIVATE
      <QtWidgets/QtWidgets> <QtTest/QtTest> ${ORVANE_QTEST_CLASS_MAIN_HEADER})
    target_compile_options(orvane_qt_test_headers PRIVATE ${ORVANE_PCH_OPTIONS})
  endif()
endfunction()

# orvane_gtest_program(NAME name LABELS ... [LIBS ...] [ENV VAR=value ...])
# A GoogleTest program; every test in it is one ctest entry (gtest_discover_tests). Test files join it
# with target_sources.
function(orvane_gtest_program)
  cmake_parse_arguments(P "" "NAME" "LABELS;LIBS;ENV" ${ARGN})
  add_executable(${P_NAME})
  target_link_libraries(${P_NAME} PRIVATE ${P_LIBS} orvane_test_gtest GTest::gtest GTest::gmock GTest::gtest_main)
  target_precompile_headers(${P_NAME} REUSE_FROM orvane_gtest_headers)
  target_compile_options(${P_NAME} PRIVATE ${ORVANE_PCH_OPTIONS})
  gtest_discover_tests(${P_NAME}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES LABELS "${P_LABELS}" ENVIRONMENT "${P_ENV}" TIMEOUT 300)
endfunction()

# orvane_qt_test_program(NAME name LABELS ... [LIBS ...])
# A program of Qt Test classes, which orvane_qt_test adds; its main() runs the class named by its
# first argument (tests/support/qtest_main). `LABELS` are those of its tests unless a test names others.
function(orvane_qt_test_program)
  cmake_parse_arguments(P "" "NAME" "LABELS;LIBS" ${ARGN})
  add_executable(${P_NAME})
  set_target_properties(${P_NAME} PROPERTIES AUTOMOC ON ORVANE_TEST_LABELS "${P_LABELS}")
  target_link_libraries(${P_NAME} PRIVATE ${P_LIBS} orvane_test_qt orvane_qtest_main Qt6::Test)
  # The precompiled header carries the header that makes a class's QTEST_MAIN line its registration;
  # without precompiled headers it comes first on its own.
  if(CMAKE_DISABLE_PRECOMPILE_HEADERS)
    target_compile_options(${P_NAME} PRIVATE -include ${ORVANE_QTEST_CLASS_MAIN_HEADER})
  else()
    target_precompile_headers(${P_NAME} REUSE_FROM orvane_qt_test_headers)
    target_compile_options(${P_NAME} PRIVATE ${ORVANE_PCH_OPTIONS})
  endif()
endfunction()

# orvane_qt_test(program name source [LABELS ...] [ENV VAR=value ...] [XVFB])
# One Qt Test class: `source` joins `program`, and the ctest entry `name` runs the class of the source's
# QTEST_MAIN line, offscreen. With XVFB it runs under Xvfb instead, where xvfb-run is there (the test
# skips itself without an X display).
function(orvane_qt_test program name source)
  cmake_parse_arguments(T "XVFB" "" "LABELS;ENV" ${ARGN})
  get_filename_component(path ${source} ABSOLUTE)
  file(STRINGS ${path} main_line REGEX "^QTEST_(GUILESS_|APPLESS_)?MAIN\\([A-Za-z_0-9]+\\)")
  if(NOT main_line MATCHES "\\(([A-Za-z_0-9]+)\\)")
    message(FATAL_ERROR "${path} has no QTEST_MAIN(Class) line")
  endif()
  set(class ${CMAKE_MATCH_1})
  target_sources(${program} PRIVATE ${path})
  if(NOT T_LABELS)
    get_target_property(T_LABELS ${program} ORVANE_TEST_LABELS)
  endif()
  if(T_XVFB AND ORVANE_XVFB_RUN)
    add_test(NAME ${name} COMMAND ${ORVANE_XVFB_RUN} -a -s "-screen 0 1280x1024x24" $<TARGET_FILE:${program}> ${class})
    set(platform xcb)
  else()
    add_test(NAME ${name} COMMAND ${program} ${class})
    set(platform offscreen)
  endif()
  set_tests_properties(${name} PROPERTIES
    LABELS "${T_LABELS}" TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=${platform};${T_ENV}")
endfunction()

# orvane_add_fuzz(NAME name SOURCES ... [LIBS ...] CORPUS dir)
# A libFuzzer entry point (LLVMFuzzerTestOneInput, in the first of `SOURCES`). With ORVANE_LIBFUZZER it
# is a program of its own, linked with libFuzzer for real fuzzing; otherwise it joins the replay
# program fuzz_replay under `name`. Either way ctest replays every file of the corpus (label fuzz).
function(orvane_add_fuzz)
  cmake_parse_arguments(F "" "NAME;CORPUS" "SOURCES;LIBS" ${ARGN})
  if(ORVANE_LIBFUZZER)
    add_executable(${F_NAME} ${F_SOURCES})
    target_link_libraries(${F_NAME} PRIVATE ${F_LIBS})
    target_compile_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
    target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
    set(command ${F_NAME} ${F_CORPUS})
  else()
    list(GET F_SOURCES 0 entry)
    get_filename_component(entry ${entry} ABSOLUTE)
    target_sources(fuzz_replay PRIVATE ${F_SOURCES})
    target_link_libraries(fuzz_replay PRIVATE ${F_LIBS})
    # Its own name for the entry point, registered under the target's name (fuzz_target.h).
    set_source_files_properties(${entry} TARGET_DIRECTORY fuzz_replay PROPERTIES
      COMPILE_DEFINITIONS "LLVMFuzzerTestOneInput=orvane_fuzz_${F_NAME};ORVANE_FUZZ_TARGET=\"${F_NAME}\""
      COMPILE_OPTIONS "-include;${ORVANE_FUZZ_TARGET_HEADER}")
    set(command fuzz_replay ${F_NAME} ${F_CORPUS})
  endif()
  add_test(NAME ${F_NAME}_corpus COMMAND ${command})
  set_tests_properties(${F_NAME}_corpus PROPERTIES LABELS fuzz TIMEOUT 600)
endfunction()
