cmake_minimum_required(VERSION 3.21)

# Checks that every folder of src/ includes only what its README allows, so
# that the folders stay free of include circles and the cores free of windows.
# Run as: cmake -DSOURCE_DIR=<project> -P CheckFolderIncludes.cmake
#
# Each rule: a folder, then the include prefixes its sources may use besides
# their own folder.
set(rules
    "src/common|"
    "src/common/animation|common/"
    "src/common/palettes|common/"
    "src/common/sheets|common/"
    "src/common/windows|common/"
    "src/designer/core/document|common/"
    "src/designer/core/render|common/ core/document/"
    "src/designer/core/session|common/ core/document/ core/render/"
    "src/designer/core/editing|common/ core/document/ core/render/ core/session/"
    "src/designer/cli|common/ core/ cli/"
    "src/designer/windows/tools|common/ core/"
    "src/designer/windows/render|common/ core/ windows/tools/"
    "src/designer/windows/editors|common/ core/ windows/tools/ windows/render/"
    "src/designer/windows/main|common/ core/ windows/"
    "src/postproc/core|common/ core/"
    "src/postproc/cli|common/ core/ cli/"
    "src/postproc/windows|common/ core/ windows/"
)

set(failures "")
foreach(rule IN LISTS rules)
    string(REPLACE "|" ";" parts "${rule}")
    list(GET parts 0 folder)
    list(LENGTH parts count)
    set(allowed "")
    if(count GREATER 1)
        list(GET parts 1 allowedText)
        string(REPLACE " " ";" allowed "${allowedText}")
    endif()
    # A folder's own includes are written from its program's folder.
    string(REGEX REPLACE "^src/(designer|postproc)/" "" own "${folder}/")
    string(REGEX REPLACE "^src/" "" own "${own}")
    list(APPEND allowed "${own}")
    file(GLOB sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" includes REGEX "^#include \"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" included "${line}")
            set(permitted FALSE)
            foreach(prefix IN LISTS allowed)
                string(FIND "${included}" "${prefix}" at)
                if(at EQUAL 0)
                    set(permitted TRUE)
                endif()
            endforeach()
            if(NOT permitted)
                string(APPEND failures "\n  ${source}: ${included}")
            endif()
        endforeach()
    endforeach()
endforeach()

if(failures)
    message(FATAL_ERROR "Includes outside what the folders' READMEs allow:${failures}")
endif()
