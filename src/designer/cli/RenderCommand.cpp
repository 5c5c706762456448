#include "cli/RenderCommand.h"

#include "cli/CommandLine.h"
#include "core/document/DesignFile.h"
#include "core/render/RenderRun.h"
#include "common/ImageFile.h"

#include <ostream>

namespace kirabellum {

namespace {

const char* const renderUsage = "Usage: kirabellum render DESIGN -o OUT [--seed N]\n";

struct RenderOptions {
    QString designPath;
    QString outputPath;
    std::uint64_t seed = 0;
};

// Parses the words after "render"; on failure `problem` says what is wrong.
bool parseRenderOptions(const QStringList& arguments, RenderOptions& options, QString& problem) {
    for (int index = 0; index < arguments.size(); ++index) {
        const QString& word = arguments[index];
        if (word == QStringLiteral("-o") || word == QStringLiteral("--seed")) {
            if (index + 1 == arguments.size()) {
                problem = word + QStringLiteral(" needs a value");
                return false;
            }
            const QString& value = arguments[++index];
            if (word == QStringLiteral("-o")) {
                options.outputPath = value;
                continue;
            }
            bool valid = false;
            options.seed = value.toULongLong(&valid);
            if (!valid) {
                problem = QStringLiteral("the seed \"%1\" is not a whole number from 0 to "
                                         "18446744073709551615")
                              .arg(value);
                return false;
            }
        } else if (word.startsWith(QLatin1Char('-')) && word.size() > 1) {
            problem = QStringLiteral("unknown option \"%1\"").arg(word);
            return false;
        } else if (options.designPath.isEmpty()) {
            options.designPath = word;
        } else {
            problem = QStringLiteral("more than one design given");
            return false;
        }
    }
    if (options.designPath.isEmpty())
        problem = QStringLiteral("no design given");
    else if (options.outputPath.isEmpty())
        problem = QStringLiteral("no output given (-o OUT)");
    else if (!common::imageFormatFor(options.outputPath))
        problem = QStringLiteral("cannot write \"%1\"; use .bmp or .png").arg(options.outputPath);
    return problem.isEmpty();
}

} // namespace

int runRenderCommand(const QStringList& arguments, std::ostream& out, std::ostream& err,
                     bool showProgress) {
    RenderOptions options;
    QString problem;
    if (!parseRenderOptions(arguments, options, problem)) {
        err << "kirabellum render: " << problem.toStdString() << '\n' << renderUsage;
        return ExitUsage;
    }

    DesignDocument design;
    common::Status status =
        readDesignFile(options.designPath, designVersionForPath(options.designPath), design);
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
