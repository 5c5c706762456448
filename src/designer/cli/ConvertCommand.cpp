#include "cli/ConvertCommand.h"

#include "cli/CommandLine.h"
#include "core/document/DesignFile.h"
#include "core/document/DesignJson.h"

#include <ostream>

namespace kirabellum {

namespace {

enum class DesignFormat { Df1, Df2, Json, Unknown };

DesignFormat formatOf(const QString& path) {
    if (path.endsWith(QStringLiteral(".df1"), Qt::CaseInsensitive))
        return DesignFormat::Df1;
    if (path.endsWith(QStringLiteral(".df2"), Qt::CaseInsensitive))
        return DesignFormat::Df2;
    if (path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive))
        return DesignFormat::Json;
    return DesignFormat::Unknown;
}

common::Status readDesign(const QString& path, DesignDocument& document) {
    switch (formatOf(path)) {
    case DesignFormat::Df1:
        return readDesignFile(path, DesignFileVersion::V1_1, document);
    case DesignFormat::Df2:
        return readDesignFile(path, DesignFileVersion::V1_2, document);
    case DesignFormat::Json:
        return readDesignJson(path, document);
    case DesignFormat::Unknown:
        break;
    }
    return common::Status::failure(QStringLiteral("\"%1\": unknown design format").arg(path));
}

common::Status writeDesign(const QString& path, const DesignDocument& document) {
    if (formatOf(path) == DesignFormat::Df2)
        return writeDesignFile(path, document);
    if (formatOf(path) == DesignFormat::Json)
        return writeDesignJson(path, document);
    return common::Status::failure(QStringLiteral("\"%1\": unknown design format").arg(path));
}

} // namespace

int runConvertCommand(const QStringList& arguments, std::ostream& /*out*/, std::ostream& err) {
    if (arguments.size() != 2) {
        err << "kirabellum convert: expected IN and OUT\n"
               "Usage: kirabellum convert IN OUT\n";
        return ExitUsage;
    }
    const QString& inPath = arguments[0];
    const QString& outPath = arguments[1];
    if (formatOf(inPath) == DesignFormat::Unknown) {
        err << "kirabellum convert: cannot tell the format of \"" << inPath.toStdString()
            << "\"; use .df2, .df1 or .json\n";
        return ExitUsage;
    }
    const DesignFormat outFormat = formatOf(outPath);
    if (outFormat != DesignFormat::Df2 && outFormat != DesignFormat::Json) {
        err << "kirabellum convert: cannot write \"" << outPath.toStdString()
            << "\"; use .df2 or .json (.df1 is read only)\n";
        return ExitUsage;
    }

    DesignDocument document;
    common::Status status = readDesign(inPath, document);
    if (status.ok())
        status = writeDesign(outPath, document);
    if (!status.ok()) {
        err << "kirabellum: " << status.message().toStdString() << '\n';
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace kirabellum
