# SPDX-License-Identifier: MIT
# Helpers for the project's own targets.

# A library of the toolkit-free layers: none of Qt's code generators runs over its files.
function(lightbox_without_qt target)
    set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endfunction()

# Stops the configuration when a source file under `folder` is in none of the given
# targets' source lists. The lists are written out by hand, so a new file is built only
# once someone puts it into a layer; until then it would be left out without a word (a
# test that never runs, a definition that never links).
function(lightbox_require_listed folder)
    set(listed)
    foreach(target IN LISTS ARGN)
        get_target_property(sources ${target} SOURCES)
        get_target_property(base ${target} SOURCE_DIR)
        foreach(source IN LISTS sources)
            if(NOT source MATCHES "^\\$<")
                cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${base} NORMALIZE)
                list(APPEND listed ${source})
            endif()
        endforeach()
    endforeach()
    file(GLOB_RECURSE present CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h)
    set(unlisted)
    foreach(file IN LISTS present)
        if(NOT file IN_LIST listed)
            file(RELATIVE_PATH shown ${PROJECT_SOURCE_DIR} ${file})
            list(APPEND unlisted ${shown})
        endif()
    endforeach()
    if(unlisted)
        list(JOIN unlisted "\n  " shownList)
        file(RELATIVE_PATH lists ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_LIST_FILE})
        message(FATAL_ERROR
            "These files belong to no target; add each to its target's list in ${lists}:\n"
            "  ${shownList}")
    endif()
endfunction()
