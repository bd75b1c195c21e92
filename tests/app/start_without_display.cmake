# SPDX-License-Identifier: MIT
# Starts an edition as from a text console, with every variable that names a display or a Qt
# platform removed (and the language English, the language the line is checked in), and expects one line naming the edition and what is missing on the
# error output, nothing else, and exit status 1 (Qt left alone would abort, status 134).
# cmake -DPROGRAM=<executable> -DEDITION=<name> -P start_without_display.cmake
foreach(required PROGRAM EDITION)
    if(NOT DEFINED ${required})
        message(FATAL_ERROR "Give -D${required}=...")
    endif()
endforeach()

execute_process(
    COMMAND env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE
            -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 ${PROGRAM}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors
    TIMEOUT 30)

set(expected "${EDITION} needs a graphical display: none was found (DISPLAY is not set). Run it from a desktop session, or set QT_QPA_PLATFORM=offscreen for a headless run.\n")
if(NOT status STREQUAL "1")
    message(FATAL_ERROR "${PROGRAM} without a display ended with \"${status}\", not 1:\n${errors}")
endif()
if(NOT errors STREQUAL expected OR NOT output STREQUAL "")
    message(FATAL_ERROR "${PROGRAM} without a display said:\n${output}${errors}\n"
                        "and should have said only:\n${expected}")
endif()
