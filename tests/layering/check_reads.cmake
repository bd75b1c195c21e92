# SPDX-License-Identifier: MIT
# The main window's layers read one way, downwards, too: no folder so much as names a control
# whose handler a layer above it connects. What the bench needs of such controls reaches it
# as a value (the bench's settings), filled at the window's level; the window's own folder,
# which lays every control out, is the one place that reads them all.
# Run as: cmake -DSOURCE_DIR=<src> -P check_reads.cmake
cmake_minimum_required(VERSION 3.21)

include(${CMAKE_CURRENT_LIST_DIR}/connected_controls.cmake)

set(reading_layers ${layers})
list(REMOVE_ITEM reading_layers window)

set(wrong)
foreach(layer IN LISTS reading_layers)
    list(FIND layers ${layer} reader)
    foreach(other IN LISTS layers)
        list(FIND layers ${other} handler)
        if(handler LESS_EQUAL reader)
            continue()
        endif()
        foreach(control IN LISTS connected_by_${other})
            if(" ${text_${layer}} " MATCHES "[^A-Za-z0-9_]${control}[^A-Za-z0-9_]")
                list(APPEND wrong "${layer}/ reads ${control}, whose handler ${other}/ connects")
            endif()
        endforeach()
    endforeach()
endforeach()

if(wrong)
    list(REMOVE_DUPLICATES wrong)
    list(LENGTH wrong count)
    list(JOIN wrong "\n  " report)
    message(FATAL_ERROR "${count} reads against the layers:\n  ${report}")
endif()
message(STATUS "No layer reads a control whose handler a layer above it connects")
