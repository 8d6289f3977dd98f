# Runs the window bench once with the smallest counts. It must end with status 0 and print its four
# figure lines; the values themselves are not judged.
execute_process(COMMAND ${BENCH} 1 1 3 RESULT_VARIABLE status OUTPUT_VARIABLE output)
message("${output}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gui_bench ended with status ${status}")
endif()
foreach(figure "first window" "read to pages" "RefreshList" "resident memory")
  if(NOT output MATCHES "(^|\n)${figure} +-?[0-9.]+ ")
    message(FATAL_ERROR "gui_bench printed no \"${figure}\" line")
  endif()
endforeach()
