cmake_minimum_required(VERSION 3.21)

# Checks that src/common/README.md names every unit of src/common and of its
# folders (sheets/, windows/) as `Name`, so that the README stays a true map of
# what both programs share. Run as: cmake -DSOURCE_DIR=<project> -P CheckCommonReadme.cmake
set(folder "${SOURCE_DIR}/src/common")
file(READ "${folder}/README.md" readme)
file(GLOB headers "${folder}/*.h" "${folder}/sheets/*.h" "${folder}/windows/*.h")
set(missing "")
foreach(header IN LISTS headers)
    get_filename_component(name "${header}" NAME_WE)
    string(FIND "${readme}" "`${name}`" at)
    if(at EQUAL -1)
        file(RELATIVE_PATH relative "${folder}" "${header}")
        string(APPEND missing "\n  ${relative}")
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "src/common/README.md does not name these units:${missing}")
endif()
