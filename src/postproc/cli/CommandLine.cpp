#include "cli/CommandLine.h"

#include "cli/ProcessCommand.h"

#include <ostream>

namespace koratune {

namespace {

const char* const usageText =
    "Usage:\n"
    "  koratune process INPUT -o OUT [options]\n"
    "                         turn a frame image into a sheet of frames or a sequence\n"
    "  koratune --help        show this help\n"
    "  koratune --version     show the version\n"
    "\n"
    "Options of process (defaults in brackets):\n"
    "  -o, --output OUT       the sheet to write, .bmp (24-bit) or .png; with --sequence\n"
    "                         the name the frame files are named after\n"
    "  --overlay FILE         composite FILE over INPUT; its top-left colour is transparent\n"
    "  --frame-size N         edge of one square frame in pixels, 24 to 512 [160]\n"
    "  --frames N             number of frames in INPUT, 1 to 256 [10]\n"
    "  --start N              first frame used, counted from 0, below --frames [0]\n"
    "  --skip N               frames advanced per frame used, 1 to frames - 1 [1]\n"
    "  --flip-h               mirror each frame left to right\n"
    "  --flip-v               mirror each frame top to bottom\n"
    "  --hue N                hue shift in steps, 0 to 1529; 1530 steps make a turn [0]\n"
    "  --saturation N         saturation change, -255 (grey) to 255 (full colour) [0]\n"
    "  --columns N            columns of the sheet, 1 to the frames used\n"
    "                         [the square root of the frames used, rounded up]\n"
    "  --sequence             write one bitmap per frame instead of the sheet: OUT without\n"
    "                         \".bmp\", then 000, 001, ..., then \".bmp\"\n"
    "\n"
    "Exit codes: 0 success, 1 an image could not be read or written, 2 usage error.\n";

} // namespace

int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.isEmpty()) {
        err << usageText;
        return ExitUsage;
    }
    const QString& command = arguments.first();
    if (command == QStringLiteral("--help") || command == QStringLiteral("-h")) {
        out << usageText;
        return ExitSuccess;
    }
    if (command == QStringLiteral("--version")) {
        out << "Koratune v1.1\n";
        return ExitSuccess;
    }
    if (command == QStringLiteral("process"))
        return runProcessCommand(arguments.mid(1), out, err);

    err << "koratune: unknown command \"" << command.toStdString() << "\"\n\n" << usageText;
    return ExitUsage;
}

} // namespace koratune
