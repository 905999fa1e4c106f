# Runs one scenario script through the driver and compares its output with
# the expected output beside it. Variables: DRIVER, SCRIPT, WORKDIR.
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
set(expected_file ${dir}/${name}.expected)

file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
if(IS_DIRECTORY ${dir}/${name}.files)
  file(COPY ${dir}/${name}.files/ DESTINATION ${WORKDIR})
endif()

execute_process(COMMAND ${DRIVER} ${SCRIPT}
  WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "sudoku-script exited with ${status}: ${errors}")
endif()

file(READ ${expected_file} expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${WORKDIR}/actual.txt "${actual}")
  execute_process(COMMAND diff -u ${expected_file} ${WORKDIR}/actual.txt)
  message(FATAL_ERROR "output differs from ${expected_file}")
endif()
