#include "cli/ConvertCommand.h"

#include "cli/CommandLine.h"
#include "core/document/DesignFormat.h"
#include "core/document/LayerEffects.h"

#include <ostream>

namespace kirabellum {

namespace {

const QString dropExtrasOption = QStringLiteral("drop-extras");

// The help lists the formats of the design format table.
QString convertHelp() {
    QString help = QStringLiteral(
        "Usage: kirabellum convert IN OUT [--drop-extras]\n"
        "\n"
        "Reads the design IN and writes it to OUT, each in the format its extension\n"
        "names (in any case):\n");
    for (const DesignFormat& format : DesignFormat::all())
        help += QStringLiteral("  %1%2, %3\n")
                    .arg(QLatin1Char('.') + format.extension, -8)
                    .arg(format.filter.description, format.writable()
                                                        ? QStringLiteral("read and written")
                                                        : QStringLiteral("read only"));
    return help +
           QStringLiteral("A design converted to JSON and back is the same, byte for byte.\n"
                          "A .df2 file cannot hold the layer effects (child bursts, layer\n"
                          "ramps, trails): converting a design that uses them to .df2 fails\n"
                          "unless --drop-extras is given.\n"
                          "\n"
                          "Options:\n"
                          "  --drop-extras          write a .df2 OUT without the layer effects\n"
                          "  -h, --help             show this help\n");
}

} // namespace

int runConvertCommand(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    common::CommandWords words(
        QStringLiteral("kirabellum convert"),
        QStringLiteral(
            "Usage: kirabellum convert IN OUT [--drop-extras]; see kirabellum convert --help\n"),
        convertHelp(), {QCommandLineOption(dropExtrasOption)});
    if (const std::optional<ExitCode> done = words.read(arguments, out, err))
        return *done;
    const QStringList paths = words.positional();
    if (paths.size() != 2)
        return words.usageError(QStringLiteral("expected IN and OUT"), err);
    const DesignFormat* const inFormat = DesignFormat::forPath(paths[0]);
    if (!inFormat)
        return words.usageError(QStringLiteral("cannot tell the format of \"%1\"; use %2")
                                    .arg(paths[0], DesignFormat::extensions(false)),
                                err);
    const DesignFormat* const outFormat = DesignFormat::forPath(paths[1]);
    if (!outFormat || !outFormat->writable()) {
        QString problem = QStringLiteral("cannot write \"%1\"; use %2")
                              .arg(paths[1], DesignFormat::extensions(true));
        if (outFormat)
            problem += QStringLiteral(" (.%1 is read only)").arg(outFormat->extension);
        return words.usageError(problem, err);
    }

    DesignDocument document;
    common::Status status = inFormat->read(paths[0], document);
    if (status.ok() && outFormat->kind == DesignFormat::Version12 && usesLayerEffects(document) &&
        !words.isSet(dropExtrasOption))
        status = common::Status::failure(
            QStringLiteral("\"%1\" uses %2, which a .df2 file cannot hold; convert it to .json "
                           "to keep them, or give --drop-extras to leave them out")
                .arg(paths[0], layerEffectNames(document)));
    if (status.ok())
        status = outFormat->write(paths[1], document);
    if (!status.ok()) {
        err << "kirabellum: " << status.message().toStdString() << '\n';
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace kirabellum
