# Warnings and sanitizers shared by every target of the project.

option(KIRABELLUM_SANITIZE_THREAD "Build with ThreadSanitizer" OFF)
option(KIRABELLUM_WARNINGS_AS_ERRORS "Fail the build on any compiler warning (.ci/run turns it on)" OFF)
if(KIRABELLUM_SANITIZE AND KIRABELLUM_SANITIZE_THREAD)
    message(FATAL_ERROR "ThreadSanitizer cannot be combined with AddressSanitizer: "
                        "turn KIRABELLUM_SANITIZE or KIRABELLUM_SANITIZE_THREAD off")
endif()
if(KIRABELLUM_FUZZ AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "KIRABELLUM_FUZZ needs clang, which has libFuzzer: "
                        "configure with -DCMAKE_CXX_COMPILER=clang++ (scripts/build --fuzz does)")
endif()
if(KIRABELLUM_FUZZ AND (KIRABELLUM_SANITIZE OR KIRABELLUM_SANITIZE_THREAD))
    message(FATAL_ERROR "KIRABELLUM_FUZZ brings AddressSanitizer and UBSan itself: "
                        "turn KIRABELLUM_SANITIZE and KIRABELLUM_SANITIZE_THREAD off")
endif()

add_library(project_options INTERFACE)
target_compile_options(project_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
if(KIRABELLUM_WARNINGS_AS_ERRORS)
    target_compile_options(project_options INTERFACE -Werror)
endif()
target_compile_definitions(project_options INTERFACE
    QT_NO_KEYWORDS QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)

if(KIRABELLUM_SANITIZE)
    target_compile_options(project_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()

# Every library is instrumented for the fuzzer's coverage; the fuzz targets
# alone link libFuzzer itself (fuzz/CMakeLists.txt).
if(KIRABELLUM_FUZZ)
    target_compile_options(project_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()

if(KIRABELLUM_SANITIZE_THREAD)
    target_compile_options(project_options INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
    target_link_options(project_options INTERFACE -fsanitize=thread)
endif()
