shader_type canvas_item;

// Godot refuses an int where a float is wanted (here the default value), so
// the check refuses it too.
uniform float strength : hint_range(0.0, 2.0) = 1;

void fragment() {
	COLOR = texture(TEXTURE, UV) * strength;
}
