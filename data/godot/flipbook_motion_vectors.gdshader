// Plays a Kirabellum sheet as a flipbook whose frames are blended along the
// sheet's motion vectors (NAME_mv.png, written by --motion-vectors unity), the
// way Unity's VFX Graph blends a flipbook with motion vectors. It also takes an
// intensity sheet (--colour intensity) with its ramp (NAME_ramp.png).
//
// On a Sprite2D: texture = the sheet, hframes = vframes = 1 (the whole sheet);
// the shader shrinks the sprite to one cell and picks the frames itself.
// On a GPUParticles2D: texture = the sheet, this shader in the node's material,
// use_particle_animation on; the process material's animation speed plays the
// frames (1 = every frame once over a particle's life).
// The values of the uniforms are in the sheet's JSON metadata (--metadata json-hash).
shader_type canvas_item;

// The blend of the sheet's alpha mode (meta.blend): blend_add for additive,
// blend_premul_alpha for premultiplied, blend_mix for straight.
render_mode blend_add;

// The grid: meta.grid.columns, meta.grid.rows and meta.grid.frameCount (the
// frames the sheet keeps, also with a frame step).
uniform int columns : hint_range(1, 256) = 1;
uniform int rows : hint_range(1, 256) = 1;
uniform int frame_count : hint_range(1, 65536) = 1;

// Playback on a Sprite2D: the frame shown is start_frame + TIME * fps, so with
// fps 0 a script or an AnimationPlayer sets start_frame (a fraction blends).
// fps is the sheet's rate, meta.frameRate (already divided by the frame step).
uniform float fps : hint_range(0.0, 120.0) = 15.0;
uniform float start_frame = 0.0;
// Whether the last frame flows into the first (a loop render); otherwise the
// flipbook stops on its last frame.
uniform bool looping = true;
// Whether the frame comes from the particle's animation phase (INSTANCE_CUSTOM.z,
// set by the GPUParticles2D's process material) instead of the time.
uniform bool use_particle_animation = false;

// The motion vectors, on the same grid as the sheet. They are data, not
// colour: read linear (no source_color), filtered, never repeated. Without a
// texture (transparent by default) the frames cross-fade.
uniform sampler2D motion_vectors : hint_default_transparent, filter_linear, repeat_disable;
// The Motion Vector Scale S: meta.motionVectors.motionVectorScale, also
// printed by the render command.
uniform float motion_vector_scale = 1.0;

// An intensity sheet holds ramp indices instead of colours; ramp is its
// NAME_ramp.png, one row per channel the sheet uses (R, then G, then B).
uniform bool intensity_sheet = false;
uniform sampler2D ramp : source_color, filter_nearest, repeat_disable;

varying float frame_position; // frames since frame 0; the fraction is the blend
varying vec4 tint; // the node's modulate, or the particle's colour

void vertex() {
	// The node draws the whole sheet; one cell of it is the picture.
	VERTEX /= vec2(float(columns), float(rows));
	if (use_particle_animation) {
		frame_position = INSTANCE_CUSTOM.z * float(frame_count);
	} else {
		frame_position = start_frame + TIME * fps;
	}
	tint = COLOR;
}

// Where cell_uv (0 to 1 across one cell, y down) of frame `frame` lies on the
// sheet. cell_uv is held half a texel inside the cell, so that filtering never
// reads a neighbouring frame.
vec2 sheet_uv(int frame, vec2 cell_uv, vec2 texel_size) {
	vec2 grid = vec2(float(columns), float(rows));
	vec2 inset = 0.5 * texel_size * grid;
	vec2 cell = vec2(float(frame % columns), float(frame / columns));
	return (cell + clamp(cell_uv, inset, vec2(1.0) - inset)) / grid;
}

// The motion of frame `frame` at cell_uv to the next frame, in cells with y
// down. Unity's decode: mv = rg * 2 - 1 (0.5 is no motion) times S is a
// fraction of one cell, and G counts up, so its sign flips for Godot's UV.
// A texel's alpha is 1 in every vector texture and 0 where none is set.
vec2 motion(int frame, vec2 cell_uv, vec2 texel_size) {
	vec4 texel = texture(motion_vectors, sheet_uv(frame, cell_uv, texel_size));
	vec2 mv = (texel.rg * 2.0 - 1.0) * texel.a;
	return vec2(mv.x, -mv.y) * motion_vector_scale;
}

// One ramp row's colour for the index a channel holds: index = round(value *
// 255), sampled at the texel's centre, (index + 0.5) / length.
vec4 ramp_colour(float value, int row, ivec2 ramp_size) {
	float index = min(round(value * 255.0), float(ramp_size.x - 1));
	vec2 at = vec2((index + 0.5) / float(ramp_size.x), (float(row) + 0.5) / float(ramp_size.y));
	return texture(ramp, at);
}

// The colour of a sheet texel: the texel itself, or for an intensity sheet
// the colours of its channels' ramp rows added up and held to 1.
vec4 colour_of(vec4 texel) {
	if (!intensity_sheet) {
		return texel;
	}
	ivec2 ramp_size = textureSize(ramp, 0);
	vec4 colour = ramp_colour(texel.r, 0, ramp_size);
	if (ramp_size.y > 1) {
		colour += ramp_colour(texel.g, 1, ramp_size);
	}
	if (ramp_size.y > 2) {
		colour += ramp_colour(texel.b, 2, ramp_size);
	}
	return min(colour, vec4(1.0));
}

void fragment() {
	// The two frames shown and the blend between them.
	float position = max(frame_position, 0.0);
	int current = int(floor(position));
	float blend = fract(position);
	int next = current + 1;
	if (looping) {
		current = current % frame_count;
		next = next % frame_count;
	} else if (current >= frame_count - 1) {
		current = frame_count - 1;
		next = current;
		blend = 0.0;
	}

	// Unity's blend: frame n is sampled back along its motion by the blend,
	// frame n + 1 forward along its own motion by what is left of the step.
	vec2 offset0 = motion(current, UV, TEXTURE_PIXEL_SIZE) * -blend;
	vec2 offset1 = motion(next, UV, TEXTURE_PIXEL_SIZE) * (1.0 - blend);
	vec4 colour0 = colour_of(texture(TEXTURE, sheet_uv(current, UV + offset0, TEXTURE_PIXEL_SIZE)));
	vec4 colour1 = colour_of(texture(TEXTURE, sheet_uv(next, UV + offset1, TEXTURE_PIXEL_SIZE)));
	COLOR = mix(colour0, colour1, blend) * tint;
}
