# SPDX-License-Identifier: MIT
# Installs the build BUILD_DIR into a scratch folder and checks the installed tree with
# appstreamcli validate-tree: each AppStream file names a desktop entry that is installed
# beside it, with its icon. Where appstreamcli is not installed the test says
# "skipped: ..." and CTest counts it as skipped.
find_program(checker appstreamcli)
if(NOT checker)
    message("skipped: appstreamcli is not installed")
    return()
endif()
set(tree ${BUILD_DIR}/installed-tree-check)
file(REMOVE_RECURSE ${tree})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${tree}
    RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${report}")
endif()
execute_process(COMMAND ${checker} validate-tree --no-net ${tree}
    RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
file(REMOVE_RECURSE ${tree})
if(NOT result EQUAL 0)
    message(FATAL_ERROR "The installed tree does not pass appstreamcli validate-tree:\n${report}")
endif()
message("The installed tree passes appstreamcli validate-tree")
