# SPDX-License-Identifier: MIT
# Reads the library search path (RUNPATH, or the older RPATH) of each program and fails on
# any entry the loader would take relative to the folder the program is started from: an
# empty entry means the current folder, so a build-tree program started beside a file named
# like a Qt library would load that file.
# cmake -DREADELF=<readelf> -DPROGRAMS=<program;...> -P check_runpath.cmake
foreach(required READELF PROGRAMS)
    if(NOT ${required})
        message(FATAL_ERROR "Give -D${required}=...")
    endif()
endforeach()

set(faults)
foreach(program IN LISTS PROGRAMS)
    execute_process(COMMAND ${READELF} -d ${program}
        RESULT_VARIABLE status OUTPUT_VARIABLE dynamic ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${READELF} cannot read ${program}: ${errors}")
    endif()
    string(REGEX MATCHALL "\\((RUNPATH|RPATH)\\)[^\n]*" lines "${dynamic}")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^.*\\[(.*)\\]$" "\\1" searched "${line}")
        string(REPLACE ":" ";" entries "${searched}")
        foreach(entry IN LISTS entries)
            if(entry STREQUAL "")
                list(APPEND faults "${program}: an empty entry (the current folder) in [${searched}]")
            elseif(NOT entry MATCHES "^(/|\\$ORIGIN)")
                list(APPEND faults "${program}: the relative entry \"${entry}\" in [${searched}]")
            endif()
        endforeach()
    endforeach()
endforeach()

if(faults)
    list(REMOVE_DUPLICATES faults)
    list(JOIN faults "\n  " shown)
    message(FATAL_ERROR "Library search paths that depend on the working folder:\n  ${shown}")
endif()
