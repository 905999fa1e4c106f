# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one scenario script through the driver and compares its output with
# the expected output beside it. Variables: DRIVER, SCRIPT, WORKDIR.
#
# Optional folders beside the script:
#   NAME.files/           copied into the fresh working directory before the run
#   NAME.files-expected/  every file in it must exist in the working directory
#                         after the run, byte for byte the same
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

set(expected_dir ${dir}/${name}.files-expected)
if(IS_DIRECTORY ${expected_dir})
  file(GLOB_RECURSE expected_files LIST_DIRECTORIES false RELATIVE ${expected_dir} ${expected_dir}/*)
  foreach(written ${expected_files})
    if(NOT EXISTS ${WORKDIR}/${written})
      message(FATAL_ERROR "the run did not write ${written}")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
        ${expected_dir}/${written} ${WORKDIR}/${written}
      RESULT_VARIABLE differs)
    if(NOT differs EQUAL 0)
      execute_process(COMMAND cmp ${expected_dir}/${written} ${WORKDIR}/${written})
      message(FATAL_ERROR "${written} differs from ${expected_dir}/${written}")
    endif()
  endforeach()
endif()
