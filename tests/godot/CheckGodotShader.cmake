cmake_minimum_required(VERSION 3.21)

# Checks a Godot 4 canvas_item shader without Godot: its shader type, render
# modes and uniform hints must be Godot's and every uniform must be used; then
# the shader is turned into a GLSL fragment shader (the Godot-only statements
# taken out, PRELUDE declaring Godot's built-ins, a main() calling vertex()
# and fragment()) that glslangValidator checks as GLSL 4.50 and as GLSL ES
# 3.10, whose types are as strict as Godot's (no int where a float is wanted).
# Without glslangValidator (Debian package glslang-tools) that second step is
# skipped with a message saying so.
#   cmake -DSHADER=x.gdshader -DPRELUDE=prelude.glsl -DWORK_DIR=dir -P CheckGodotShader.cmake

get_filename_component(name "${SHADER}" NAME_WE)
file(READ "${SHADER}" code)

function(refuse reason)
    message(FATAL_ERROR "${SHADER}: ${reason}")
endfunction()

# Comments hold words that are no code; a ";" or a bracket would split the
# CMake lists below, so they travel as stand-ins until the end.
string(REGEX REPLACE "//[^\n]*" "" code "${code}")
if(code MATCHES "/\\*|@")
    refuse("block comments and @ are not checked here; use // comments")
endif()
string(REPLACE ";" "@S@" code "${code}")
string(REPLACE "[" "@L@" code "${code}")
string(REPLACE "]" "@R@" code "${code}")

if(NOT code MATCHES "^[ \t\r\n]*shader_type[ \t]+canvas_item[ \t]*@S@")
    refuse("the first statement is not `shader_type canvas_item;`")
endif()
string(REGEX REPLACE "^([ \t\r\n]*)shader_type[ \t]+canvas_item[ \t]*@S@" "\\1" code "${code}")

set(render_modes blend_mix blend_add blend_sub blend_mul blend_premul_alpha blend_disabled
    unshaded light_only skip_vertex_transform world_vertex_coords)
string(REGEX MATCHALL "render_mode[^@]*@S@" statements "${code}")
foreach(statement IN LISTS statements)
    string(REGEX REPLACE "render_mode|@S@|[ \t\r\n]" "" modes "${statement}")
    string(REPLACE "," ";" modes "${modes}")
    foreach(mode IN LISTS modes)
        if(NOT mode IN_LIST render_modes)
            refuse("`${mode}` is no render mode of a canvas_item shader")
        endif()
    endforeach()
    string(REPLACE "${statement}" "" code "${code}")
endforeach()

# Each uniform becomes a plain GLSL uniform; its default value becomes a
# constant of its type beside it, so that the value is type-checked too.
set(sampler_hints source_color hint_default_white hint_default_black hint_default_transparent
    hint_normal hint_anisotropy hint_roughness_r hint_roughness_g hint_roughness_b
    hint_roughness_a hint_roughness_normal hint_roughness_gray hint_screen_texture
    hint_depth_texture hint_normal_roughness_texture filter_nearest filter_linear
    filter_nearest_mipmap filter_linear_mipmap filter_nearest_mipmap_anisotropic
    filter_linear_mipmap_anisotropic repeat_enable repeat_disable)
set(value_hints source_color hint_range hint_enum instance_index)
set(space "[ \t\r\n]")
set(uniform_pattern
    "^uniform${space}+([A-Za-z0-9]+)${space}+([A-Za-z_][A-Za-z0-9_]*)${space}*(:[^=@]*)?(=[^@]*)?@S@$")
string(REGEX MATCHALL "uniform${space}[^@]*@S@" statements "${code}")
set(names "")
foreach(statement IN LISTS statements)
    if(NOT statement MATCHES "${uniform_pattern}")
        refuse("cannot read `${statement}`")
    endif()
    set(type "${CMAKE_MATCH_1}")
    set(uniform "${CMAKE_MATCH_2}")
    set(hints "${CMAKE_MATCH_3}")
    set(value "${CMAKE_MATCH_4}")
    list(APPEND names "${uniform}")
    if(type MATCHES "^sampler")
        set(allowed_hints "${sampler_hints}")
    else()
        set(allowed_hints "${value_hints}")
    endif()
    string(REGEX MATCHALL "[a-z_]+(\\([^)]*\\))?" hints "${hints}")
    foreach(hint IN LISTS hints)
        string(REGEX REPLACE "\\(.*" "" hint "${hint}")
        if(NOT hint IN_LIST allowed_hints)
            refuse("`${hint}` is no hint Godot takes on a ${type} uniform (${uniform})")
        endif()
    endforeach()
    set(translated "uniform ${type} ${uniform}@S@")
    if(value)
        string(REGEX REPLACE "^=${space}*" "" value "${value}")
        string(APPEND translated " const ${type} ${uniform}_default = ${value}@S@")
    endif()
    string(REPLACE "${statement}" "${translated}" code "${code}")
endforeach()

foreach(uniform IN LISTS names)
    string(REGEX MATCHALL "[^A-Za-z0-9_]${uniform}[^A-Za-z0-9_]" uses "${code}")
    list(LENGTH uses count)
    # One is the declaration; a default value's constant does not count as a use.
    if(count LESS 2)
        refuse("the uniform ${uniform} is declared but never used")
    endif()
endforeach()

# A varying is a global shared by vertex() and fragment(), which main() runs
# one after the other.
string(REGEX REPLACE "(^|[^A-Za-z0-9_])varying${space}+" "\\1" code "${code}")
if(NOT code MATCHES "void${space}+fragment${space}*\\(${space}*\\)")
    refuse("there is no fragment()")
endif()
set(main "layout(location = 0) out vec4 checked_colour@S@\nvoid main() {\n")
if(code MATCHES "void${space}+vertex${space}*\\(${space}*\\)")
    string(APPEND main "    vertex()@S@\n")
endif()
string(APPEND main "    fragment()@S@\n    checked_colour = COLOR@S@\n}\n")

file(READ "${PRELUDE}" prelude)
string(APPEND code "\n${main}")
string(REPLACE "@S@" ";" code "${code}")
string(REPLACE "@L@" "[" code "${code}")
string(REPLACE "@R@" "]" code "${code}")

find_program(GLSLANG glslangValidator)
if(NOT GLSLANG)
    message("SKIPPED: glslangValidator (Debian package glslang-tools, which "
            "scripts/install-dependencies installs) is not installed; ${name} was only "
            "checked for its statements, hints and uniforms")
    return()
endif()
foreach(version IN ITEMS "450" "310 es")
    string(REPLACE " " "" suffix "${version}")
    set(translated "${WORK_DIR}/${name}.${suffix}.frag")
    # The #line after the prelude keeps glslang's line numbers near the shader's own.
    file(WRITE "${translated}" "#version ${version}\n${prelude}#line 1\n${code}")
    execute_process(COMMAND "${GLSLANG}" "${translated}"
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        refuse("GLSL ${version} (${translated}) does not compile:\n${output}")
    endif()
endforeach()
