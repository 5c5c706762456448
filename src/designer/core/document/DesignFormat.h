#pragma once

#include "common/Dialogs.h"
#include "common/Status.h"
#include "core/document/DesignDocument.h"

#include <QString>

#include <array>

namespace kirabellum {

// One form a design is kept in, known by its extension. The table of them is
// the one place that says what a design file name means: the command line, the
// designer's Open and Save and its start with a design all go by it.
struct DesignFormat {
    enum Kind {
        Version12, // ".df2": the design file, version 1.2
        Version11, // ".df1": the design file, version 1.1, read only
        Json,      // ".json": the design as JSON text
    };

    Kind kind;
    QString extension;         // without the dot: "df2"
    common::FileFilter filter; // the file dialogs' filter: "Kirabellum Data File-v1.2", "*.df2"
    common::Status (*read)(const QString& path, DesignDocument& document);
    common::Status (*write)(const QString& path, const DesignDocument& document); // null: read only

    bool writable() const { return write != nullptr; }

    // Every format, in the order the dialogs and the help list them.
    static const std::array<DesignFormat, 3>& all();
    static const DesignFormat& of(Kind kind);
    // The format whose extension the name ends in, in any case; null for any other name.
    static const DesignFormat* forPath(const QString& path);
    // The format a design of that name is read in: the one its extension
    // names, otherwise the design file of version 1.2, as names without a
    // known extension have always been read.
    static const DesignFormat& toRead(const QString& path);
    // The extensions for messages: ".df2, .df1 or .json", or with `writableOnly`
    // ".df2 or .json".
    static QString extensions(bool writableOnly);
};

} // namespace kirabellum
