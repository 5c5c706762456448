#include "cli/ProcessCommand.h"

#include "cli/CommandLine.h"
#include "cli/ProcessOptions.h"
#include "core/FrameImages.h"
#include "common/ImageFile.h"
#include "core/Recolouring.h"
#include "core/SheetOutput.h"

#include <ostream>

namespace koratune {

namespace {

common::Status process(const ProcessOptions& options) {
    FrameImages images;
    common::Status status = images.OpenPic(options.input);
    if (status.ok() && !options.overlay.isEmpty())
        status = images.UnionPic(options.overlay);
    if (!status.ok())
        return status;

    Recolouring().RecolourImage(images.base(), images.work(), options.settings);

    QImage sheet;
    status = ComposeSheet(images.work(), options.settings, options.columns, sheet);
    if (!status.ok())
        return status;
    if (options.sequence)
        return writeSequence(options.output, sheet, options.settings);
    return common::writeImage(options.output, sheet);
}

} // namespace

int runProcessCommand(const QStringList& arguments, std::ostream& /*out*/, std::ostream& err) {
    ProcessOptions options;
    const common::Status parsed = ProcessOptions::parse(arguments, options);
    if (!parsed.ok()) {
        err << "koratune process: " << parsed.message().toStdString() << "\n"
            << "Usage: koratune process INPUT -o OUT [options]; see koratune --help\n";
        return ExitUsage;
    }
    const common::Status status = process(options);
    if (!status.ok()) {
        err << "koratune: " << status.message().toStdString() << '\n';
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace koratune
