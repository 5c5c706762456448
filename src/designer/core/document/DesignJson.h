#pragma once

#include "common/Status.h"
#include "core/document/DesignDocument.h"

#include <QByteArray>
#include <QString>

namespace kirabellum {

// A design as JSON text, for designs kept under version control: one object
// whose keys are the document's field names ("Layers" holds layers 1 to 8,
// "Gravity" forces 0 to 2, "SparkImage" slots 0 to 7 as 32 rows from the top of
// 32 colours from the left, "ColorRamp" exactly RampLength colours). Colours
// are "#RRGGBB", red first. RenderCancel is run state and not part of it.
//
// The render settings are one optional object, "Render": {"Loop": true,
// "Seed": "12345678901234567890"}, written only when loop mode is on or the
// seed fixed; "Seed" is there only when the seed is fixed. A seed is written as
// a string of decimal digits, since JSON numbers are doubles and cannot carry
// every 64-bit seed exactly; a JSON number that is whole and at most 2^53 is read
// as well. A design without "Render" has loop mode off and no fixed seed.
//
// A layer's effects are optional keys of its object, each absent when the layer
// does not use it: "Trigger": {"Parent": P, "When": "death", "Inherit": K} or
// {"Parent": P, "When": "age", "Age": A, "Split": true, "Inherit": K};
// "Trail": {"Steps": S, "Fade": F}; "Ramp": ["#000000", ...], the layer's own
// colour ramp of 1 to 256 colours. A design without them has the text it had
// before layers had effects.
//
// Floats are JSON numbers that convert back to the identical 32-bit float. The
// values a JSON number cannot carry are strings: "-0" for negative zero,
// "Infinity" and "-Infinity", "NaN" for the NaN with bits 7FC00000 and
// "NaN:0x7FC00001" (its bits in hex) for any other NaN, so that a design file
// converted to JSON and back is the same, byte for byte.

// Writes the design as indented JSON. Fails, with `json` unchanged, when the
// design holds what the JSON form cannot express: RampLength outside 0 to 256,
// or a spark image pixel, ramp entry or layer ramp colour with a non-zero high
// byte. The message names the key.
common::Status designToJson(const DesignDocument& document, QByteArray& json);

// Reads a design from JSON text and replaces the design fields of `document`
// (RenderCancel aside) only when the whole text is sound: every key present and
// no other ("Render" and the layer effects may be left out), each value of its
// type, integers whole and inside their field's width, colours "#RRGGBB", arrays
// of their lengths, RampLength within 0 to 256 and equal to the number of
// ColorRamp entries, the layer effects' values within their ranges (the parent 1
// to 8, the others as LayerEffects.h gives them; "Age" and "Split" only with
// "When": "age") and the rules between them kept (checkLayerEffects). Otherwise
// the message names the key, with its path for nested keys
// ("Layers[3].LayerShape[7]"), names the layers for a broken rule, or, for text
// that is no JSON at all, gives the parser's message with its line and column;
// the document is exactly as it was. Ramp entries from RampLength on keep their
// earlier values.
common::Status designFromJson(const QByteArray& json, DesignDocument& document);

// The layer effects alone, as the recovery file keeps them beside the design
// file's bytes: compact JSON text {"Layers": [...]} of eight objects that hold
// only the effect keys of their layer. Writing fails, with `json` unchanged,
// when a layer ramp colour has a non-zero high byte; reading replaces only the
// layer effects of `document`, when the whole text is sound as designFromJson
// requires, and otherwise leaves `document` as it was.
common::Status layerEffectsToJson(const DesignDocument& document, QByteArray& json);
common::Status layerEffectsFromJson(const QByteArray& json, DesignDocument& document);

// File-name conveniences with messages that name the file. Writing goes to a
// temporary file beside the target that replaces it only once the whole design
// has been written, so a failed write never damages an existing file.
common::Status writeDesignJson(const QString& path, const DesignDocument& document);
common::Status readDesignJson(const QString& path, DesignDocument& document);

} // namespace kirabellum
