# Fails when a source includes a header from a folder its own may not use, so
# the folders keep the layers the README's table shows: each folder of src may
# include its own headers and those of the folders listed for it, and a folder
# of tests what its namesake in src may, and the test support.
#
# cmake -DSOURCE_DIR=<the repository> -P cmake/IncludeLayers.cmake
cmake_minimum_required(VERSION 3.25)
set(may_include_app)
set(may_include_words app)
set(may_include_skins app game)
set(may_include_game app words)
set(may_include_checker app words skins game)
set(may_include_ui app words skins game)
set(may_include_help app)
set(may_include_launcher app)
set(layers app words skins game checker ui help launcher)

set(faults 0)
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
    ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h)
foreach(source IN LISTS sources)
    string(REGEX MATCH "^(src|tests)/([^/]+)/" found ${source})
    if(NOT found)
        continue() # src/main.cpp stands above every folder
    endif()
    set(tree ${CMAKE_MATCH_1})
    set(folder ${CMAKE_MATCH_2})
    if(NOT folder IN_LIST layers)
        if(tree STREQUAL "src")
            message(SEND_ERROR "${source}: the folder ${folder} has no place among the layers")
            math(EXPR faults "${faults} + 1")
        endif()
        continue() # the support, smoke, reliability and fuzz tests use every layer
    endif()
    set(allowed ${folder} ${may_include_${folder}})
    if(tree STREQUAL "tests")
        list(APPEND allowed support)
    endif()
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^#include \"[^/\"]+/")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include \"([^/\"]+)/.*" "\\1" target "${line}")
        if(NOT target IN_LIST allowed)
            message(SEND_ERROR "${source}: ${folder} may not include ${target}: ${line}")
            math(EXPR faults "${faults} + 1")
        endif()
    endforeach()
endforeach()
if(faults EQUAL 0)
    message(STATUS "Every include keeps to its layer")
endif()
