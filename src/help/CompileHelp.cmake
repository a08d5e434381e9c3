# Usage: cmake -DCHMCMD=... -DSOURCE_DIR=... -DWORK_DIR=... -DOUTPUT_DIR=...
#              "-DPROJECTS=a.hhp;b.hhp" -P CompileHelp.cmake
#
# chmcmd writes its output beside the project, so it runs on a fresh copy of
# the sources. A warning (a page or picture it cannot find) fails the build.

file(REMOVE_RECURSE ${WORK_DIR})
file(COPY ${SOURCE_DIR}/ DESTINATION ${WORK_DIR})
file(MAKE_DIRECTORY ${OUTPUT_DIR})

foreach(project IN LISTS PROJECTS)
    file(STRINGS ${WORK_DIR}/${project} compiled REGEX "^Compiled file=")
    string(REGEX REPLACE "^Compiled file=[ \t]*([^\r]*).*" "\\1" compiled "${compiled}")
    if(compiled STREQUAL "")
        message(FATAL_ERROR "${project} names no \"Compiled file\"")
    endif()
    file(REMOVE ${WORK_DIR}/${compiled})

    execute_process(COMMAND ${CHMCMD} ${project}
        WORKING_DIRECTORY ${WORK_DIR}
        RESULT_VARIABLE result
        OUTPUT_VARIABLE output
        ERROR_VARIABLE output)
    if(NOT result EQUAL 0 OR output MATCHES "(Warning|Error)" OR NOT EXISTS ${WORK_DIR}/${compiled})
        message(FATAL_ERROR "chmcmd could not compile ${project} cleanly:\n${output}")
    endif()
    file(COPY_FILE ${WORK_DIR}/${compiled} ${OUTPUT_DIR}/${compiled})
endforeach()
