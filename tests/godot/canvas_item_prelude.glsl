// Godot's canvas_item built-ins as a checked shader sees them. What Godot only
// lets a shader read is a uniform here, so that writing it fails as it does in
// Godot; what a shader may write is a plain global. Godot's shading language
// has GLSL ES 3.0's precision and types.
precision highp float;
precision highp int;

uniform float TIME;
uniform float PI;
uniform float TAU;
uniform sampler2D TEXTURE;
uniform vec2 TEXTURE_PIXEL_SIZE;
uniform vec2 SCREEN_PIXEL_SIZE;
uniform vec4 FRAGCOORD;
uniform vec2 SCREEN_UV;
uniform vec4 INSTANCE_CUSTOM;
uniform int INSTANCE_ID;
uniform mat4 MODEL_MATRIX;
uniform mat4 CANVAS_MATRIX;
vec2 VERTEX;
vec2 UV;
vec4 COLOR;
float POINT_SIZE;
