#pragma once

#include "common/Status.h"
#include "core/document/DesignDocument.h"

#include <QDateTime>
#include <QString>

#include <iosfwd>

namespace kirabellum {

// A recovery file: the design the designer held when it last wrote one, with the
// design's file name and the time it was written, so that a designer that ends
// without saving leaves its work behind.
//
// Layout, little-endian: the 12 bytes "KIRARECOVERY"; the layout version, 16
// bits (3); the time written, 64 bits, in milliseconds since the epoch (UTC);
// the render settings, which the design file does not hold: a byte of flags
// (1: loop mode, 2: the seed is fixed) and the fixed seed, 64 bits (0 when not
// fixed); the design's file name, its UTF-8 length in 32 bits and then its bytes (none
// for an untitled design); the layer effects, which the design file does not
// hold either, their length in 32 bits and then their compact JSON text as
// layerEffectsToJson writes it (none when no layer uses an effect); then, to the
// end of the file, the design exactly as a version 1.2 design file holds it, so
// every design round-trips byte for byte. RenderCancel is not part of it. Files
// of layout version 2, which end their header after the name, and of version 1,
// which has no render settings either, are read too, with no layer effects, and
// for version 1 loop mode off and no fixed seed.

// Writes a recovery file. Fails, writing nothing, when the design cannot be
// written as a version 1.2 design file (RampLength above 256) or a layer ramp
// colour has a non-zero high byte.
common::Status writeRecoveryFile(std::ostream& stream, const DesignDocument& document,
                                 const QString& designFileName, const QDateTime& written);

// Reads a whole recovery file and replaces the design fields of `document`
// (RenderCancel aside), `designFileName` and `written` (UTC) only when all of it
// is sound: the header complete and of version 1 to 3, its layer effects sound
// as a JSON design's are, and the rest a sound version 1.2 design file with
// nothing after it. Otherwise all three are as they were and
// the message says what is wrong.
common::Status readRecoveryFile(std::istream& stream, DesignDocument& document,
                                QString& designFileName, QDateTime& written);

// File-name conveniences with messages that name the file. Writing goes to a
// temporary file beside the target that replaces it only once all of it has
// been written, so a failure never leaves a half recovery file.
common::Status writeRecoveryFile(const QString& path, const DesignDocument& document,
                                 const QString& designFileName, const QDateTime& written);
common::Status readRecoveryFile(const QString& path, DesignDocument& document,
                                QString& designFileName, QDateTime& written);

} // namespace kirabellum
