# Runs orindo-formula on the sample lines, once as UTF-8 and once as
# Windows-1251, and compares what it prints with the expected text.
string(ASCII 232 pi)  # the Windows-1251 byte of the π symbol
file(WRITE ${WORK}/cp1251.txt "[${pi}*r]\r\n[drob[1][x]]\r\n")
execute_process(COMMAND ${TOOL} --set x=2 --set a=0,5 --suffix =0 ${SOURCE}/input.txt
                OUTPUT_FILE ${WORK}/utf8.out RESULT_VARIABLE utf8_result)
execute_process(COMMAND ${TOOL} --encoding cp1251 --prefix "y = " ${WORK}/cp1251.txt
                OUTPUT_FILE ${WORK}/cp1251.out RESULT_VARIABLE cp1251_result)
if(utf8_result OR cp1251_result)
  message(FATAL_ERROR "orindo-formula failed: ${utf8_result} ${cp1251_result}")
endif()
foreach(run utf8 cp1251)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${run}.out ${SOURCE}/${run}.expected
                  RESULT_VARIABLE differs)
  if(differs)
    file(READ ${WORK}/${run}.out printed)
    message(FATAL_ERROR "orindo-formula printed for the ${run} input:\n${printed}")
  endif()
endforeach()
