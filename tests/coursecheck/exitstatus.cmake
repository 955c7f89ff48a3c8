# Runs orindo-coursecheck (TOOL) on two folders made under WORK.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/plain ${WORK}/course/ZADS)

execute_process(COMMAND ${TOOL} ${WORK}/plain RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "a folder without ZADS gave status ${status}, not 2: ${out}${err}")
endif()

execute_process(COMMAND ${TOOL} ${WORK}/course RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "an empty course gave status ${status}, not 1: ${out}${err}")
endif()
string(FIND "${out}" "ZADS\\Contents.txt:0: " found)
if(found EQUAL -1)
  message(FATAL_ERROR "the missing contents was not reported: ${out}")
endif()
