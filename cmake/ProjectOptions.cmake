# Warnings and sanitizers shared by every target of the project.

option(KIRABELLUM_SANITIZE_THREAD "Build with ThreadSanitizer" OFF)
if(KIRABELLUM_SANITIZE AND KIRABELLUM_SANITIZE_THREAD)
    message(FATAL_ERROR "ThreadSanitizer cannot be combined with AddressSanitizer: "
                        "turn KIRABELLUM_SANITIZE or KIRABELLUM_SANITIZE_THREAD off")
endif()

add_library(project_options INTERFACE)
target_compile_options(project_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
target_compile_definitions(project_options INTERFACE
    QT_NO_KEYWORDS QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)

if(KIRABELLUM_SANITIZE)
    target_compile_options(project_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()

if(KIRABELLUM_SANITIZE_THREAD)
    target_compile_options(project_options INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
    target_link_options(project_options INTERFACE -fsanitize=thread)
endif()
