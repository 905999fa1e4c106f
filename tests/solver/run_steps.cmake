# SPDX-License-Identifier: GPL-3.0-or-later
# Runs sudoku-steps --steps on INPUT and compares its output with EXPECTED,
# the times written as MICROSECONDS.
execute_process(COMMAND ${STEPS} --steps ${INPUT} OUTPUT_VARIABLE output RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "sudoku-steps exited with ${status}")
endif()
string(REGEX REPLACE "\t[0-9]+\n" "\tMICROSECONDS\n" output "${output}")
file(READ ${EXPECTED} expected)
if(NOT output STREQUAL expected)
  message(FATAL_ERROR "sudoku-steps printed:\n${output}\nexpected:\n${expected}")
endif()
