# SPDX-License-Identifier: MIT
# The main window's layers call one way, downwards, through their controls as well as
# directly: no folder fires a control (clicks it, checks it, moves it) whose handler a layer
# above it connects, and no folder clicks one of the window's hidden operation buttons at
# all; those are the view's to press. Direct calls upwards cannot compile, for the layers'
# headers are out of reach (check_includes.cmake).
# Run as: cmake -DSOURCE_DIR=<src> -P check_calls.cmake
cmake_minimum_required(VERSION 3.21)

set(layers window bench sources devices interaction measure experiments shell)
set(operation_buttons plotbt drawlensbt flashlightbt rdbt resetbt)
set(identifier "[A-Za-z_][A-Za-z0-9_]*")

# A folder's sources as one line each, so that a statement split over lines is one match.
function(read_folder folder out)
    file(GLOB_RECURSE files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    set(text "")
    foreach(file IN LISTS files)
        file(READ ${file} content)
        string(REPLACE "\n" " " content "${content}")
        string(APPEND text " ${content}")
    endforeach()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The names inside "{&A, &B, ...}".
function(names_in list out)
    string(REGEX MATCHALL "&${identifier}" refs "${list}")
    list(TRANSFORM refs REPLACE "^&" "")
    set(${out} ${refs} PARENT_SCOPE)
endfunction()

# A menu's sub-items, as the layout lists them, for handlers connected over `parent.items`.
read_folder(window layout)
string(REGEX MATCHALL "setSubItems\\(${identifier}, *{[^}]*}" menus "${layout}")
foreach(menu IN LISTS menus)
    string(REGEX REPLACE "setSubItems\\((${identifier}),.*" "\\1" parent "${menu}")
    names_in("${menu}" sub_items_of_${parent})
endforeach()

# Which layer connects each control's handler.
foreach(layer IN LISTS layers)
    read_folder(${layer} text_${layer})
    set(connected "")
    string(REGEX MATCHALL "${identifier}\\.on(Click|Change|Exit|PageChange) *=" assignments
           "${text_${layer}}")
    foreach(assignment IN LISTS assignments)
        string(REGEX REPLACE "\\..*" "" control "${assignment}")
        list(APPEND connected ${control})
    endforeach()
    string(REGEX MATCHALL "for \\(MenuItem\\* item : [^)]*\\)" loops "${text_${layer}}")
    foreach(loop IN LISTS loops)
        if(loop MATCHES ": (${identifier})\\.items\\)")
            list(APPEND connected ${sub_items_of_${CMAKE_MATCH_1}})
        else()
            names_in("${loop}" items)
            list(APPEND connected ${items})
        endif()
    endforeach()
    foreach(control IN LISTS connected)
        set(layer_of_${control} ${layer})
    endforeach()
endforeach()

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
