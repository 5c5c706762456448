# add_core_library(name SOURCES ...): a library of a program's core.
#
# A core holds documents, file formats, engines and image arithmetic. It may use
# QtCore and QtGui (QImage works without a display) but never QtWidgets, so that
# the command-line path runs headless. This is enforced twice: the library links
# only Core and Gui, and configuration fails when one of its sources includes a
# widgets header.

function(add_core_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    foreach(source IN LISTS ARG_SOURCES)
        get_filename_component(path "${source}" ABSOLUTE)
        file(STRINGS "${path}" widget_includes
             REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](QtWidgets|QApplication|QWidget|QMainWindow|QMessageBox|QFileDialog|QDialog)")
        if(widget_includes)
            message(FATAL_ERROR "${path} is part of the core library ${name} "
                                "and must not include QtWidgets: ${widget_includes}")
        endif()
    endforeach()
    add_library(${name} STATIC ${ARG_SOURCES})
    target_link_libraries(${name} PUBLIC Qt6::Core Qt6::Gui ${ARG_LINKS} PRIVATE project_options)
    target_include_directories(${name} PUBLIC "${CMAKE_CURRENT_SOURCE_DIR}")
endfunction()
