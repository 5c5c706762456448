#include "core/document/DesignFormat.h"

#include "core/document/DesignFile.h"
#include "core/document/DesignJson.h"

#include <QStringList>

namespace kirabellum {

const std::array<DesignFormat, 3>& DesignFormat::all() {
    static const std::array<DesignFormat, 3> formats = {{
        {Version12,
         QStringLiteral("df2"),
         {QStringLiteral("Kirabellum Data File-v1.2"), {QStringLiteral("*.df2")}},
         [](const QString& path, DesignDocument& document) {
             return ReadDesignFile(path, DesignFileVersion::V1_2, document);
         },
         WriteDesignFile},
        {Version11,
         QStringLiteral("df1"),
         {QStringLiteral("Kirabellum Data File-v1.1"), {QStringLiteral("*.df1")}},
         [](const QString& path, DesignDocument& document) {
             return ReadDesignFile(path, DesignFileVersion::V1_1, document);
         },
         nullptr},
        {Json,
         QStringLiteral("json"),
         {QStringLiteral("Kirabellum Design JSON"), {QStringLiteral("*.json")}},
         readDesignJson,
         writeDesignJson},
    }};
    return formats;
}

const DesignFormat& DesignFormat::of(Kind kind) {
    return all()[static_cast<std::size_t>(kind)];
}

const DesignFormat* DesignFormat::forPath(const QString& path) {
    for (const DesignFormat& format : all())
        if (path.endsWith(QLatin1Char('.') + format.extension, Qt::CaseInsensitive))
            return &format;
    return nullptr;
}

const DesignFormat& DesignFormat::toRead(const QString& path) {
    const DesignFormat* format = forPath(path);
    return format ? *format : of(Version12);
}

QString DesignFormat::extensions(bool writableOnly) {
    QStringList names;
    for (const DesignFormat& format : all())
        if (format.writable() || !writableOnly)
            names << QLatin1Char('.') + format.extension;
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

} // namespace kirabellum
