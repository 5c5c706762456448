// What a crop saves: every sample's sheet written with and without --crop,
// the sheet's pixels each way and the share the crop saves, one line a
// sample; then every sample in three cropped variants in one atlas, and its
// size. (The tests check that each engine plays that atlas's animations as the
// samples render alone.)
//   sample_atlas [SAMPLES]
#include "cli/CommandLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>
#include <sstream>

namespace {

using namespace kirabellum;

bool render(const QStringList& words) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = runCommandLine(QStringList{QStringLiteral("render")} + words, out, err);
    if (code != 0)
        std::fprintf(stderr, "%s", err.str().c_str());
    return code == 0;
}

double share(qint64 part, qint64 whole) {
    return 100.0 * static_cast<double>(part) / static_cast<double>(whole);
}

qint64 pixelsOf(const QString& path) {
    const QImage image(path);
    return qint64{image.width()} * image.height();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QDir samples(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("samples"));
    const QStringList names = samples.entryList({QStringLiteral("*.df2"), QStringLiteral("*.json")},
                                                QDir::Files, QDir::Name);
    QTemporaryDir out;
    const auto at = [&](const QString& name) { return out.filePath(name); };

    std::printf("%-16s %12s %12s %14s\n", "sample", "sheet px", "--crop px", "saved");
    qint64 allWhole = 0;
    qint64 allCropped = 0;
    for (const QString& name : names) {
        const QString design = samples.filePath(name);
        if (!render({design, QStringLiteral("-o"), at(QStringLiteral("whole.png"))}) ||
            !render({design, QStringLiteral("--crop"), QStringLiteral("-o"),
                     at(QStringLiteral("cropped.png"))}))
            return 1;
        const qint64 whole = pixelsOf(at(QStringLiteral("whole.png")));
        const qint64 cropped = pixelsOf(at(QStringLiteral("cropped.png")));
        allWhole += whole;
        allCropped += cropped;
        std::printf("%-16s %12lld %12lld %7lld %5.1f %%\n",
                    qPrintable(QFileInfo(name).completeBaseName()), whole, cropped, whole - cropped,
                    share(whole - cropped, whole));
    }
    std::printf("%-16s %12lld %12lld %7lld %5.1f %%\n\n", "all", allWhole, allCropped,
                allWhole - allCropped, share(allWhole - allCropped, allWhole));

    QStringList words;
    for (const QString& name : names)
        words << samples.filePath(name);
    const QString atlas = at(QStringLiteral("atlas.png"));
    if (!render(words + QStringList{QStringLiteral("--variants"), QStringLiteral("3"),
                                    QStringLiteral("--crop"), QStringLiteral("-o"), atlas,
                                    QStringLiteral("--metadata"), QStringLiteral("json-hash")}))
        return 1;
    const QImage sheet(atlas);
    std::printf("One atlas of %d samples x 3 variants, cropped: %d x %d pixels\n",
                static_cast<int>(names.size()), sheet.width(), sheet.height());
    return 0;
}
