# SPDX-License-Identifier: MIT
# Runs the desktop's own checker TOOL (with ARGUMENTS) over FILE, a desktop entry or an
# AppStream metainfo file, and fails with its report when the file does not pass. Where the
# checker is not installed the test says "skipped: ..." and CTest counts it as skipped.
find_program(checker ${TOOL})
if(NOT checker)
    message("skipped: ${TOOL} is not installed")
    return()
endif()
execute_process(COMMAND ${checker} ${ARGUMENTS} ${FILE}
    RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT result EQUAL 0)
    string(JOIN " " shown ${TOOL} ${ARGUMENTS})
    message(FATAL_ERROR "${FILE} does not pass ${shown}:\n${report}")
endif()
message("${FILE} passes ${TOOL}")
