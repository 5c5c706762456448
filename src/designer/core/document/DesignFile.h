#pragma once

#include "common/Status.h"
#include "core/document/DesignDocument.h"

#include <QString>

#include <iosfwd>

namespace kirabellum {

// The two versions of the design file. Nothing in a file tells them apart: the
// version comes from the command or the extension (see DesignFormat).
enum class DesignFileVersion {
    V1_1, // ".df1": one spark image for all eight layers; read only
    V1_2, // ".df2": eight spark images
};

// Byte sizes of the layout, without the ramp entries.
constexpr int DesignHeaderBytes = 14;
constexpr int DesignLayerRecordBytes = 91;
constexpr int DesignGravityRecordBytes = 9;
constexpr int DesignSparkImageBytes = 4096;
constexpr int DesignSparkOffset = 769;
int designFixedBytes(DesignFileVersion version); // up to and including RampLength

// Writes a version 1.2 file. The layout has no room for the layers' effects,
// which are left out: whoever must not lose them asks first (usesLayerEffects).
// Fails, writing nothing, when RampLength is above 256 (no editor or file can
// produce that); a RampLength of 0 or less writes the length alone.
common::Status WriteDesignFile(std::ostream& stream, const DesignDocument& document);

// Reads a whole file of the given version and replaces the design fields of
// `document` (RenderCancel aside) only when the file is complete and sound: long
// enough for its layout, RampLength within 0 to 256, nothing after the last ramp
// entry. On failure the document is exactly as it was. Version 1.1 copies its
// one spark image into all eight slots. The layout holds no render settings
// and no layer effects: the design read has loop mode off, no fixed seed and no
// layer that uses an effect. Ramp entries from RampLength on keep
// their earlier values. A refused file that holds JSON text, or that reads as
// the other version, is refused with a message that says so.
common::Status ReadDesignFile(std::istream& stream, DesignFileVersion version,
                              DesignDocument& document);

// File-name conveniences with messages that name the file. Saving writes a
// temporary file beside the target and replaces the target only once the whole
// design has been written, so a failed save never damages an existing file.
common::Status WriteDesignFile(const QString& path, const DesignDocument& document);
common::Status ReadDesignFile(const QString& path, DesignFileVersion version,
                              DesignDocument& document);

// The name Save proposes after a file was opened or saved: the held name with its
// extension replaced by "df2" (".../big.df1" becomes ".../big.df2"). A name whose
// file part has no "." gets ".df2" appended. An empty name stays empty.
QString proposedSaveName(const QString& heldName);

} // namespace kirabellum
