include_guard(GLOBAL)

find_package(GTest REQUIRED)

# Adds every direct subfolder of the current source folder that has a CMakeLists.txt.
function(orvane_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# orvane_add_gtest(NAME name SOURCES ... [LIBS ...] [LABELS ...] [ENV VAR=value ...])
# One GoogleTest program registered as one ctest case per test (gtest_discover_tests).
function(orvane_add_gtest)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS;ENV" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  include(GoogleTest)
  gtest_discover_tests(${T_NAME}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES LABELS "${T_LABELS}" ENVIRONMENT "${T_ENV}" TIMEOUT 300)
endfunction()

# orvane_add_fuzz(NAME name SOURCES ... [LIBS ...] CORPUS dir)
# A libFuzzer entry point (LLVMFuzzerTestOneInput). With ORVANE_LIBFUZZER it links libFuzzer for
# real fuzzing; otherwise it links a replayer, and ctest replays every file of the corpus (label fuzz).
function(orvane_add_fuzz)
  cmake_parse_arguments(F "" "NAME;CORPUS" "SOURCES;LIBS" ${ARGN})
  add_executable(${F_NAME} ${F_SOURCES})
  target_link_libraries(${F_NAME} PRIVATE ${F_LIBS})
  if(ORVANE_LIBFUZZER)
    target_compile_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
    target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
  else()
    target_sources(${F_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests/fuzz/replay_main.cpp)
  endif()
  add_test(NAME ${F_NAME}_corpus COMMAND ${F_NAME} ${F_CORPUS})
  set_tests_properties(${F_NAME}_corpus PROPERTIES LABELS fuzz TIMEOUT 600)
endfunction()
