cmake_minimum_required(VERSION 3.21)

# Checks that no core header names a window: a forward declaration, in a
# header of a core folder, of a class that a windows folder defines would let
# the core point up at the windows without including them, where
# CheckFolderIncludes.cmake cannot see it.
# Run as: cmake -DSOURCE_DIR=<project> -P CheckCoreWindowNames.cmake

file(GLOB_RECURSE window_headers "${SOURCE_DIR}/src/*/windows/*.h")
set(window_classes "")
foreach(header IN LISTS window_headers)
    file(STRINGS "${header}" definitions REGEX "^(class|struct) [A-Za-z_0-9]+[^;]*$")
    foreach(line IN LISTS definitions)
        string(REGEX REPLACE "^(class|struct) ([A-Za-z_0-9]+).*" "\\2" name "${line}")
        list(APPEND window_classes "${name}")
    endforeach()
endforeach()

file(GLOB core_headers "${SOURCE_DIR}/src/common/*.h" "${SOURCE_DIR}/src/common/sheets/*.h")
file(GLOB_RECURSE program_core_headers "${SOURCE_DIR}/src/designer/core/*.h"
     "${SOURCE_DIR}/src/postproc/core/*.h")
list(APPEND core_headers ${program_core_headers})

set(failures "")
foreach(header IN LISTS core_headers)
    file(STRINGS "${header}" declarations REGEX "^[ \t]*(class|struct) [A-Za-z_0-9]+;")
    foreach(line IN LISTS declarations)
        string(REGEX REPLACE "^[ \t]*(class|struct) ([A-Za-z_0-9]+);.*" "\\2" name "${line}")
        if(name IN_LIST window_classes)
            string(APPEND failures "\n  ${header}: ${name}")
        endif()
    endforeach()
endforeach()

if(failures)
    message(FATAL_ERROR "Core headers that name a window class:${failures}")
endif()
