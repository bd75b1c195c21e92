# SPDX-License-Identifier: MIT
# The main window's layers call one way, downwards, through their controls as well as
# directly: no folder fires a control (clicks it, checks it, moves it) whose handler a layer
# above it connects, and no folder clicks one of the window's hidden operation buttons at
# all; those are the view's to press. Direct calls upwards cannot compile, for the layers'
# headers are out of reach (check_includes.cmake).
# Run as: cmake -DSOURCE_DIR=<src> -P check_calls.cmake
cmake_minimum_required(VERSION 3.21)

include(${CMAKE_CURRENT_LIST_DIR}/connected_controls.cmake)

# The layout (window/) sets its controls' first values while the window is being built,
# before any layer has connected a handler, so nothing it sets fires.
set(firing_layers ${layers})
list(REMOVE_ITEM firing_layers window)

set(wrong)
foreach(layer IN LISTS firing_layers)
    list(FIND layers ${layer} caller)
    string(REGEX MATCHALL
           "${identifier}\\.(click|userClick|setChecked|setPosition|setPageIndex|userSelect)\\("
           fired "${text_${layer}}")
    foreach(call IN LISTS fired)
        string(REGEX REPLACE "\\..*" "" control "${call}")
        if(control IN_LIST operation_buttons AND call MATCHES "\\.click\\(")
            list(APPEND wrong "${layer}/ clicks the operation button ${control}")
        elseif(DEFINED layer_of_${control})
            list(FIND layers ${layer_of_${control}} handler)
            if(handler GREATER caller)
                list(APPEND wrong
                     "${layer}/ fires ${control}, whose handler ${layer_of_${control}}/ connects")
            endif()
        endif()
    endforeach()
endforeach()

if(wrong)
    list(REMOVE_DUPLICATES wrong)
    list(JOIN wrong "\n  " report)
    message(FATAL_ERROR "Calls against the layers:\n  ${report}")
endif()
message(STATUS "No layer fires a control of a layer above it or clicks an operation button")
