#include "cli/RenderCommand.h"

#include "cli/CommandLine.h"
#include "common/ImageFile.h"
#include "core/document/DesignFormat.h"
#include "core/render/RenderRun.h"

#include <ostream>

namespace kirabellum {

namespace {

const QString outputOption = QStringLiteral("output");
const QString seedOption = QStringLiteral("seed");

QString renderHelp() {
    return QStringLiteral(
               "Usage: kirabellum render DESIGN -o OUT [--seed N]\n"
               "\n"
               "Renders DESIGN exactly as the render button does, with its own frame size,\n"
               "frame count, width limit and afterimage, and writes the whole frame strip to\n"
               "OUT. DESIGN is read in the format its extension names: %1.\n"
               "Progress shows on a terminal.\n"
               "\n"
               "Options:\n"
               "  -o, --output OUT       the strip to write: .bmp (uncompressed, 24-bit) or .png\n"
               "  --seed N               where the random generator starts, 0 to\n"
               "                         18446744073709551615 [0]\n"
               "  -h, --help             show this help\n"
               "\n"
               "An option's value is the next word or follows an \"=\": --seed 3, --seed=3.\n")
        .arg(DesignFormat::extensions(false));
}

struct RenderOptions {
    const DesignFormat* designFormat = nullptr;
    QString designPath;
    QString outputPath;
    std::uint64_t seed = 0;
};

// Fills `options` from the words read; the problem with them, or nothing.
QString readRenderOptions(const common::CommandWords& words, RenderOptions& options) {
    if (words.isSet(seedOption)) {
        bool valid = false;
        options.seed = words.value(seedOption).toULongLong(&valid);
        if (!valid)
            return QStringLiteral("the seed \"%1\" is not a whole number from 0 to "
                                  "18446744073709551615")
                .arg(words.value(seedOption));
    }
    const QStringList designs = words.positional();
    if (designs.isEmpty())
        return QStringLiteral("no design given");
    if (designs.size() > 1)
        return QStringLiteral("more than one design given");
    options.designPath = designs.first();
    options.designFormat = &DesignFormat::toRead(options.designPath);
    options.outputPath = words.value(outputOption);
    if (options.outputPath.isEmpty())
        return QStringLiteral("no output given (-o OUT)");
    if (!common::imageFormatFor(options.outputPath))
        return QStringLiteral("cannot write \"%1\"; use .bmp or .png").arg(options.outputPath);
    return QString();
}

} // namespace

int runRenderCommand(const QStringList& arguments, std::ostream& out, std::ostream& err,
                     bool showProgress) {
    common::CommandWords words(
        QStringLiteral("kirabellum render"),
        QStringLiteral("Usage: kirabellum render DESIGN -o OUT [--seed N]; see kirabellum "
                       "render --help\n"),
        renderHelp(),
        {QCommandLineOption({QStringLiteral("o"), outputOption}, QString(), QStringLiteral("OUT")),
         QCommandLineOption(seedOption, QString(), QStringLiteral("N"))});
    if (const std::optional<ExitCode> done = words.read(arguments, out, err))
        return *done;
    RenderOptions options;
    const QString problem = readRenderOptions(words, options);
    if (!problem.isEmpty())
        return words.usageError(problem, err);

    DesignDocument design;
    common::Status status = options.designFormat->read(options.designPath, design);
    if (!status.ok()) {
        err << "kirabellum: " << status.message().toStdString() << '\n';
        return ExitFailure;
    }

    // As the render button does: the run may go on until the last frame.
    design.RenderCancel = 1;
    RandomSource random(options.seed);
    RenderRun run(random);
    status = run.PrepareRender(design);
    if (!status.ok()) {
        err << "kirabellum: cannot render \"" << options.designPath.toStdString()
            << "\": " << status.message().toStdString() << '\n';
        return ExitFailure;
    }

    RenderHooks hooks;
    if (showProgress) {
        const int frameCount = run.layout().FrameCount;
        hooks.frameStarted = [&err, frameCount](int frameIndex) {
            err << "\rframe " << frameIndex + 1 << " of " << frameCount << std::flush;
        };
    }
    run.RunFrames(design, hooks);
    if (showProgress)
        err << '\n';

    status = common::writeImage(options.outputPath, run.strip());
    if (!status.ok()) {
        err << "kirabellum: " << status.message().toStdString() << '\n';
        return ExitFailure;
    }
    out << "Wrote " << run.layout().FrameCount << " frames of " << run.layout().FrameSize << " x "
        << run.layout().FrameSize << " pixels to " << options.outputPath.toStdString() << " ("
        << run.strip().width() << " x " << run.strip().height() << ")\n";
    return ExitSuccess;
}

} // namespace kirabellum
