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
// Floats are JSON numbers that convert back to the identical 32-bit float. The
// values a JSON number cannot carry are strings: "-0" for negative zero,
// "Infinity" and "-Infinity", "NaN" for the NaN with bits 7FC00000 and
// "NaN:0x7FC00001" (its bits in hex) for any other NaN, so that a design file
// converted to JSON and back is the same, byte for byte.

// Writes the design as indented JSON. Fails, with `json` unchanged, when the
// design holds what the JSON form cannot express: RampLength outside 0 to 256,
// or a spark image pixel or ramp entry with a non-zero high byte. The message
// names the key.
common::Status designToJson(const DesignDocument& document, QByteArray& json);

// Reads a design from JSON text and replaces the design fields of `document`
// (RenderCancel aside) only when the whole text is sound: every key present and
// no other ("Render" may be left out), each value of its type, integers whole and inside their
// field's width, colours "#RRGGBB", arrays of their lengths, RampLength within 0 to 256 and equal
// to the number of ColorRamp entries. Otherwise the message names the key, with its path for nested
// keys ("Layers[3].LayerShape[7]"), or, for text that is no JSON at all, gives the parser's message
// with its line and column; the document is exactly as it was. Ramp entries from RampLength on keep
// their earlier values.
common::Status designFromJson(const QByteArray& json, DesignDocument& document);

// File-name conveniences with messages that name the file. Writing goes to a
// temporary file beside the target that replaces it only once the whole design
// has been written, so a failed write never damages an existing file.
common::Status writeDesignJson(const QString& path, const DesignDocument& document);
common::Status readDesignJson(const QString& path, DesignDocument& document);

} // namespace kirabellum
