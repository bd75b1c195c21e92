# SPDX-License-Identifier: MIT
# Which layer of the main window connects each control's handler, shared by the checks of
# how the layers use each other's controls. After including it, `layers` lists the layers
# from the bottom up, `text_<layer>` holds a layer's sources as one line (comments left
# out), and `layer_of_<control>` names the layer that connects the control's handler.

set(layers window bench sources devices interaction measure experiments shell)
set(operation_buttons plotbt drawlensbt flashlightbt rdbt resetbt)
set(identifier "[A-Za-z_][A-Za-z0-9_]*")

# A folder's sources as one line each, so that a statement split over lines is one match;
# comments are left out, for they name controls without using them.
function(read_folder folder out)
    file(GLOB_RECURSE files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    set(text "")
    foreach(file IN LISTS files)
        file(READ ${file} content)
        string(REGEX REPLACE "//[^\n]*" "" content "${content}")
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
    set(connected_by_${layer} ${connected})
endforeach()

