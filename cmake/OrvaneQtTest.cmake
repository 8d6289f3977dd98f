include_guard(GLOBAL)

# orvane_add_qtest(NAME name SOURCES ... [LIBS ...] [LABELS ...] [ENV VAR=value ...])
# One Qt Test program registered as one ctest case; it runs on the offscreen platform.
function(orvane_add_qtest)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS;ENV" ${ARGN})
  find_package(Qt6 REQUIRED COMPONENTS Test)
  add_executable(${T_NAME} ${T_SOURCES})
  set_target_properties(${T_NAME} PROPERTIES AUTOMOC ON)
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} Qt6::Test)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    LABELS "${T_LABELS}" TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${T_ENV}")
endfunction()
