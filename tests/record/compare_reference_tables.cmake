# Regenerates the reference tables into OUT and compares them with the committed ones.
execute_process(COMMAND ${PYTHON} ${SCRIPT} ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the generator failed")
endif()
foreach(table high middle low)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${table}.txt ${COMMITTED}/${table}.txt
                  RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${table}.txt differs from what scripts/make-reference-tables makes")
  endif()
endforeach()
