# The catalogues of the programs' texts, two for each library, which names and
# embeds its own: NAME_ja.ts the Japanese of the messages its core writes in
# English, NAME_en.ts the English of its windows' Japanese texts.
# common::WindowTranslations installs every catalogue of the windows' language
# that the program embeds.
#
#   embed_translations(TARGET target TS_FILES files.ts...)
# compiles the files at build time and embeds them in `target` as
# ":/translations/NAME.qm" (one call per target).
#
#   translation_sources(TS_FILE file.ts SOURCES sources...)
# names the sources whose texts the file translates: `cmake --build build
# --target update_translations` takes their texts into it anew (new texts come
# in unfinished, texts gone from the sources go), and a test checks that none
# of them lacks a finished translation.
function(embed_translations)
    cmake_parse_arguments(ARG "" "TARGET" "TS_FILES" ${ARGN})
    qt_add_lrelease(${ARG_TARGET} TS_FILES ${ARG_TS_FILES} QM_FILES_OUTPUT_VARIABLE qm_files)
    qt_add_resources(${ARG_TARGET} ${ARG_TARGET}_translations PREFIX "/translations"
        BASE "${CMAKE_CURRENT_BINARY_DIR}" FILES ${qm_files})
endfunction()

function(translation_sources)
    cmake_parse_arguments(ARG "" "TS_FILE" "SOURCES" ${ARGN})
    set_property(GLOBAL APPEND PROPERTY TRANSLATION_FILES "${ARG_TS_FILE}")
    get_filename_component(name "${ARG_TS_FILE}" NAME_WE)
    set_property(GLOBAL PROPERTY TRANSLATION_SOURCES_${name} "${ARG_SOURCES}")
endfunction()

# After every part has named its sources: the update target, and a file per
# .ts file listing its sources for the test.
function(add_translation_update)
    get_property(files GLOBAL PROPERTY TRANSLATION_FILES)
    set(commands)
    foreach(file IN LISTS files)
        get_filename_component(name "${file}" NAME_WE)
        get_property(sources GLOBAL PROPERTY TRANSLATION_SOURCES_${name})
        string(REPLACE ";" "\n" lines "${sources}")
        file(WRITE "${PROJECT_BINARY_DIR}/translations/${name}.sources" "${lines}\n")
        list(APPEND commands COMMAND Qt6::lupdate -no-obsolete -locations none
             -I "${PROJECT_SOURCE_DIR}/src" -I "${PROJECT_SOURCE_DIR}/src/designer"
             -I "${PROJECT_SOURCE_DIR}/src/postproc"
             "@${PROJECT_BINARY_DIR}/translations/${name}.sources" -ts "${file}")
    endforeach()
    add_custom_target(update_translations ${commands} VERBATIM)
endfunction()
