#include "common/palettes/PaletteFile.h"

#include "common/AtomicFile.h"
#include "common/palettes/BuiltInPalettes.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QList>
#include <QRegularExpression>

#include <algorithm>

#include <vector>

namespace common {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("common::PaletteFile", text);
}

// The lines of a text palette, without their ends and surrounding spaces.
QStringList linesOf(const QByteArray& content) {
    QStringList lines = QString::fromUtf8(content).split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = line.trimmed();
    return lines;
}

Status notAColour(int lineIndex, const QString& line) {
    return Status::failure(tr("Line %1 is not a colour: \"%2\"").arg(lineIndex + 1).arg(line));
}

Status finished(std::vector<Colour> colours, Palette& palette) {
    if (colours.empty())
        return Status::failure(tr("The palette has no colours"));
    if (colours.size() > static_cast<std::size_t>(Palette::MaximumColours))
        return Status::failure(
            tr("The palette has more than %1 colours").arg(Palette::MaximumColours));
    palette = Palette(std::move(colours));
    return Status::success();
}

// "R G B" and anything after them (a name), each 0 to 255.
bool readChannels(const QString& line, Colour& colour) {
    static const QRegularExpression channels(
        QStringLiteral("^(\\d{1,3})\\s+(\\d{1,3})\\s+(\\d{1,3})(\\s.*)?$"));
    const QRegularExpressionMatch match = channels.match(line);
    if (!match.hasMatch())
        return false;
    const int red = match.captured(1).toInt();
    const int green = match.captured(2).toInt();
    const int blue = match.captured(3).toInt();
    if (red > 255 || green > 255 || blue > 255)
        return false;
    colour = makeColour(red, green, blue);
    return true;
}

Status parseHex(const QByteArray& content, Palette& palette) {
    static const QRegularExpression hexColour(QStringLiteral("^#?[0-9A-Fa-f]{6}$"));
    std::vector<Colour> colours;
    const QStringList lines = linesOf(content);
    for (int index = 0; index < lines.size(); ++index) {
        const QString& line = lines[index];
        if (line.isEmpty())
            continue;
        if (!hexColour.match(line).hasMatch())
            return notAColour(index, line);
        Colour colour = 0;
        colourFromHex(line.startsWith(QLatin1Char('#')) ? line : QLatin1Char('#') + line, colour);
        colours.push_back(colour);
    }
    return finished(std::move(colours), palette);
}

Status parseGimp(const QByteArray& content, Palette& palette) {
    const QStringList lines = linesOf(content);
    if (lines.first() != QLatin1String("GIMP Palette"))
        return Status::failure(tr("The first line is not \"GIMP Palette\""));
    std::vector<Colour> colours;
    for (int index = 1; index < lines.size(); ++index) {
        const QString& line = lines[index];
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) ||
            line.startsWith(QLatin1String("Name:")) || line.startsWith(QLatin1String("Columns:")))
            continue;
        Colour colour = 0;
        if (!readChannels(line, colour))
            return notAColour(index, line);
        colours.push_back(colour);
    }
    return finished(std::move(colours), palette);
}

Status parseJasc(const QByteArray& content, Palette& palette) {
    const QStringList lines = linesOf(content);
    if (lines.size() < 3 || lines[0] != QLatin1String("JASC-PAL") ||
        lines[1] != QLatin1String("0100"))
        return Status::failure(tr("The first lines are not \"JASC-PAL\" and \"0100\""));
    bool isNumber = false;
    const int count = lines[2].toInt(&isNumber);
    if (!isNumber || count < 0)
        return Status::failure(tr("Line 3 is not a colour count: \"%1\"").arg(lines[2]));
    std::vector<Colour> colours;
    for (int index = 3; index < lines.size(); ++index) {
        const QString& line = lines[index];
        if (line.isEmpty())
            continue;
        Colour colour = 0;
        if (!readChannels(line, colour))
            return notAColour(index, line);
        colours.push_back(colour);
    }
    if (colours.size() != static_cast<std::size_t>(count))
        return Status::failure(
            tr("Line 3 counts %1 colours, but %2 follow").arg(count).arg(colours.size()));
    return finished(std::move(colours), palette);
}

Status parsePicture(const QByteArray& content, Palette& palette) {
    QBuffer buffer;
    buffer.setData(content);
    QImageReader reader(&buffer, "png");
    QImage picture;
    if (!reader.read(&picture))
        return Status::failure(tr("The picture cannot be read: %1").arg(reader.errorString()));
    picture = picture.convertToFormat(QImage::Format_ARGB32);
    std::vector<Colour> colours;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            // Transparent pixels are no swatches.
            if (qAlpha(line[x]) == 0)
                continue;
            const Colour colour = colourFromRgb(line[x]);
            if (std::find(colours.begin(), colours.end(), colour) != colours.end())
                continue;
            colours.push_back(colour);
            if (colours.size() > static_cast<std::size_t>(Palette::MaximumColours))
                return finished(std::move(colours), palette);
        }
    }
    return finished(std::move(colours), palette);
}

} // namespace

std::optional<PaletteFormat> paletteFormatFor(const QString& path) {
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == QLatin1String("hex"))
        return PaletteFormat::Hex;
    if (extension == QLatin1String("gpl"))
        return PaletteFormat::Gimp;
    if (extension == QLatin1String("pal"))
        return PaletteFormat::Jasc;
    if (extension == QLatin1String("png"))
        return PaletteFormat::Picture;
    return std::nullopt;
}

Status parsePalette(const QByteArray& content, PaletteFormat format, Palette& palette) {
    switch (format) {
    case PaletteFormat::Hex:
        return parseHex(content, palette);
    case PaletteFormat::Gimp:
        return parseGimp(content, palette);
    case PaletteFormat::Jasc:
        return parseJasc(content, palette);
    case PaletteFormat::Picture:
        return parsePicture(content, palette);
    }
    return Status::failure(tr("The palette has no colours"));
}

Status loadPalette(const QString& nameOrPath, Palette& palette) {
    if (const std::optional<Palette> builtIn = builtInPalette(nameOrPath)) {
        palette = *builtIn;
        return Status::success();
    }
    const std::optional<PaletteFormat> format = paletteFormatFor(nameOrPath);
    if (!format)
        return Status::failure(
            tr("\"%1\" is neither a palette name (%2) nor a palette file (.hex, .gpl, .pal or "
               ".png)")
                .arg(nameOrPath, builtInPaletteNames().join(QStringLiteral(", "))));
    QByteArray content;
    Status status = readWholeFile(nameOrPath, content);
    if (status.ok())
        status = parsePalette(content, *format, palette);
    return status.prefixed(tr("Cannot read the palette \"%1\"").arg(nameOrPath));
}

} // namespace common
