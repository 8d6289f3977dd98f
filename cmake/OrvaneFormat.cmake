include_guard(GLOBAL)

# The sources as clang-format lays them out with the project's .clang-format: the target `format`
# names every file that differs (dry run, nothing is changed), and the test format_check fails on one.
find_program(ORVANE_CLANG_FORMAT NAMES clang-format clang-format-14)
if(NOT ORVANE_CLANG_FORMAT)
  return()
endif()
set(format_globs "")
foreach(folder IN LISTS ORVANE_LAYERS)
  list(APPEND format_globs ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.h)
endforeach()
file(GLOB_RECURSE format_sources CONFIGURE_DEPENDS ${format_globs})
add_custom_target(format
  COMMAND ${ORVANE_CLANG_FORMAT} --dry-run --Werror ${format_sources}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Checking the layout of the sources with clang-format"
  VERBATIM)
add_test(NAME format_check COMMAND ${ORVANE_CLANG_FORMAT} --dry-run --Werror ${format_sources}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
set_tests_properties(format_check PROPERTIES LABELS unit)
