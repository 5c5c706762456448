// The samples in one atlas, and what a crop saves.
//
// 1. Every sample's sheet written with and without --crop: the sheet's pixels
//    each way and the share the crop saves, one line a sample.
// 2. Every sample with three variants, cropped, in one atlas with JSON hash
//    metadata: every animation's frames cut out by the metadata (placed at
//    their offsets in the whole frame) must equal those of the sample rendered
//    alone with that variant's seed. Prints the atlas and exits 1 on the first
//    animation that differs.
//   sample_atlas [SAMPLES]
#include "cli/CommandLine.h"
#include "core/render/AtlasRender.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <sstream>
#include <vector>

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

// The whole frames of animation `name` as the JSON hash beside `sheetPath`
// cuts them out, on `background`.
std::vector<QImage> framesCutOut(const QString& sheetPath, const QString& name, QRgb background) {
    const QImage sheet = QImage(sheetPath).convertToFormat(QImage::Format_RGB32);
    QFile file(QString(sheetPath).replace(QStringLiteral(".png"), QStringLiteral(".json")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonObject json = QJsonDocument::fromJson(file.readAll()).object();
    const QJsonObject frames = json.value(QStringLiteral("frames")).toObject();
    const auto number = [](const QJsonObject& object, const char* key) {
        return object.value(QLatin1String(key)).toInt();
    };
    std::vector<QImage> cut;
    for (const QJsonValue frameName :
         json.value(QStringLiteral("animations")).toObject().value(name).toArray()) {
        const QJsonObject frame = frames.value(frameName.toString()).toObject();
        const QJsonObject rect = frame.value(QStringLiteral("frame")).toObject();
        const QJsonObject offset = frame.value(QStringLiteral("spriteSourceSize")).toObject();
        const QJsonObject source = frame.value(QStringLiteral("sourceSize")).toObject();
        QImage whole(number(source, "w"), number(source, "h"), QImage::Format_RGB32);
        whole.fill(background);
        QPainter painter(&whole);
        painter.drawImage(
            QPoint(number(offset, "x"), number(offset, "y")), sheet,
            QRect(number(rect, "x"), number(rect, "y"), number(rect, "w"), number(rect, "h")));
        painter.end();
        cut.push_back(whole);
    }
    return cut;
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
    int animations = 0;
    for (const QString& name : names) {
        AtlasDesign entry;
        if (!readAtlasDesign(samples.filePath(name), entry).ok())
            return 1;
        const std::uint64_t seed = entry.design.Render.Seed.value_or(0);
        const QRgb background = common::colourToRgb(entry.design.ColorRamp[0]);
        for (int variant = 0; variant < 3; ++variant, ++animations) {
            const QString alone = at(QStringLiteral("alone.png"));
            if (!render({samples.filePath(name), QStringLiteral("--seed"),
                         QString::number(seed + static_cast<std::uint64_t>(variant)),
                         QStringLiteral("-o"), alone, QStringLiteral("--metadata"),
                         QStringLiteral("json-hash")}))
                return 1;
            const QString animation = QStringLiteral("%1_v%2").arg(entry.name).arg(variant);
            const std::vector<QImage> expected =
                framesCutOut(alone, QStringLiteral("alone"), background);
            if (expected.empty() || framesCutOut(atlas, animation, background) != expected) {
                std::printf("%s: the atlas's frames differ from those rendered alone\n",
                            qPrintable(animation));
                return 1;
            }
        }
    }
    std::printf("One atlas of %d samples x 3 variants, cropped: %d x %d pixels; all %d "
                "animations' frames equal those rendered alone\n",
                static_cast<int>(names.size()), sheet.width(), sheet.height(), animations);
    return 0;
}
