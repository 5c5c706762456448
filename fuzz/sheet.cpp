// The sheet writers on any frames and sheet options: lay the grid out, make
// the sheet in every alpha mode, describe it and write its metadata in every
// form. Everything stays in memory.
//
// The input starts with eighteen option bytes:
//   0 frame size (1 to 24)        1 frame count (1 to 12)
//   2 the frames' own columns (1 to frame count + 2)
//   3 bit 0-1 alpha mode, bit 2 power-of-two edges, bit 3 a .png name,
//     bit 4 pixels a quarter of them the background, bits 5-7 the metadata
//     formats asked for (json-hash, json-array, godot)
//   4 columns asked for (0: none, else 0 to frame count + 1)
//   5-6 longest edge allowed (0: none, else up to 599)
//   7 padding (0 to 15; from 240 on -1, the largest and one more)
//   8-9 frames per second (0 to 1000)
//   10-12 background colour    (then 13-15 empty-cell colour)
//   16 bits 0-3 the frame step less 1, bits 4-5 the motion-vector preset
//     (none, unity, raw16), bit 6 an intensity sheet
//   17 length of the image's name (0 to 31)
// then the image's name and the frames' pixels, three bytes each, repeated
// as needed. The pixels of sheets above 2^18 pixels (the largest paddings) are
// not checked, so that an input takes milliseconds.
#include "EngineSheetReaders.h"
#include "FuzzInput.h"
#include "FuzzTarget.h"

#include "common/FrameGrid.h"
#include "common/ImageFile.h"
#include "common/sheets/AlphaConversion.h"
#include "common/sheets/AtlasJson.h"
#include "common/sheets/GodotSpriteFrames.h"
#include "common/sheets/SheetDescription.h"
#include "common/sheets/SheetGrid.h"
#include "common/sheets/SheetImage.h"
#include "common/sheets/SheetOptionTable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

using common::AlphaMode;
using common::Colour;
using common::MetadataFormat;
using common::SheetGrid;
using fuzz::require;

constexpr std::int64_t MostSheetPixels = 1 << 18;

struct Input {
    common::SheetShape shape;
    common::SheetOptions options;
    QString imagePath;
    Colour background = 0;
    Colour emptyCellColour = 0;
    bool backgroundPixels = false;
    bool loop = false;
    QByteArray pixels;
};

Colour colour(fuzz::FuzzInput& input) {
    const int red = input.byte();
    const int green = input.byte();
    return common::makeColour(red, green, input.byte());
}

Input readInput(fuzz::FuzzInput& input) {
    Input read;
    common::SheetShape& shape = read.shape;
    common::SheetOptions& options = read.options;
    shape.frameSize = 1 + input.byte() % 24;
    shape.frameCount = 1 + input.byte() % 12;
    shape.columns = 1 + input.byte() % (shape.frameCount + 2);
    const std::uint8_t flags = input.byte();
    options.alpha = static_cast<AlphaMode>(flags % 4 % 3);
    options.powerOfTwo = (flags & 4) != 0;
    // Shares its bit with the alpha mode; additive sheets take either loop.
    read.loop = (flags & 1) != 0;
    for (int format = 0; format < 3; ++format)
        if ((flags & (32 << format)) != 0)
            options.metadata.push_back(static_cast<MetadataFormat>(format));
    const int columns = input.byte();
    if (columns != 0)
        options.columns = columns % (shape.frameCount + 2);
    options.maxSize = input.uint16() % 600;
    const int padding = input.byte();
    const int unusualPadding[] = {-1, common::MaximumPadding, common::MaximumPadding + 1};
    options.padding = padding < 240 ? padding % 16 : unusualPadding[padding % 3];
    options.fps = input.uint16() % (common::MaximumFramesPerSecond + 1);
    read.background = colour(input);
    read.emptyCellColour = colour(input);
    read.backgroundPixels = (flags & 16) != 0;
    const std::uint8_t kinds = input.byte();
    options.frameStep = 1 + kinds % 16;
    options.motionVectors = static_cast<common::MotionVectorPreset>(kinds / 16 % 4 % 3);
    options.colour =
        (kinds & 64) != 0 ? common::SheetColour::Intensity : common::SheetColour::Colours;
    const QString name = QString::fromUtf8(input.take(static_cast<std::size_t>(input.byte() % 32)));
    read.imagePath = name + ((flags & 8) != 0 ? QStringLiteral(".png") : QStringLiteral(".bmp"));
    read.pixels = input.rest();
    return read;
}

// The frames as a program holds them: frameCount cells of the shape's columns,
// the cells after the last frame in the empty-cell colour.
common::SheetFrames framesOf(const Input& input) {
    const common::SheetShape& shape = input.shape;
    common::SheetFrames frames;
    frames.grid = common::FrameGrid(shape.frameSize, shape.columns);
    frames.frameCount = shape.frameCount;
    frames.emptyCellColour = input.emptyCellColour;
    frames.image =
        QImage(shape.columns * shape.frameSize,
               frames.grid.rows(shape.frameCount) * shape.frameSize, QImage::Format_RGB32);
    frames.image.fill(common::colourToRgb(input.emptyCellColour));
    const QByteArray& bytes = input.pixels;
    qsizetype next = 0;
    const auto nextByte = [&] {
        return bytes.isEmpty() ? 0 : static_cast<std::uint8_t>(bytes[next++ % bytes.size()]);
    };
    for (int frame = 0; frame < shape.frameCount; ++frame) {
        const QRect cell = frames.grid.cellRect(frame);
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(frames.image.scanLine(y));
            for (int x = cell.left(); x <= cell.right(); ++x) {
                const int red = nextByte();
                const int green = nextByte();
                line[x] = qRgb(red, green, nextByte());
                if (input.backgroundPixels && red % 4 == 0)
                    line[x] = common::colourToRgb(input.background);
            }
        }
    }
    return frames;
}

bool fits(const SheetGrid& grid, int limit) {
    return std::max(grid.width(), grid.height()) <= limit;
}

// The frames the sheet keeps, every frame step-th, on the frames' own columns
// as far as they have frames.
common::SheetShape keptShape(const Input& input) {
    const common::SheetShape& shape = input.shape;
    const int step = input.options.frameStep;
    const int kept = (shape.frameCount + step - 1) / step;
    return {kept, shape.frameSize, std::min(shape.columns, kept)};
}

void checkGrid(const Input& input, const SheetGrid& grid) {
    const common::SheetShape shape = keptShape(input);
    const common::SheetOptions& options = input.options;
    require(grid.frameCount() == shape.frameCount &&
                grid.frameSize() == QSize(shape.frameSize, shape.frameSize) &&
                grid.padding() == options.padding && grid.powerOfTwo() == options.powerOfTwo,
            "the grid holds the shape and the options");
    require(grid.cellWidth() == shape.frameSize + 2 * options.padding &&
                grid.cellHeight() == grid.cellWidth(),
            "a cell is the frame and its padding");
    require(grid.rows() == (shape.frameCount + grid.columns() - 1) / grid.columns(),
            "the rows are those the frames fill");
    require(grid.gridWidth() == grid.columns() * grid.cellWidth() &&
                grid.gridHeight() == grid.rows() * grid.cellHeight(),
            "the grid is exactly its cells");
    for (const auto& [edge, gridEdge] :
         {std::pair(grid.width(), grid.gridWidth()), std::pair(grid.height(), grid.gridHeight())}) {
        if (options.powerOfTwo)
            require(edge >= gridEdge && edge < 2 * gridEdge && (edge & (edge - 1)) == 0,
                    "a power-of-two edge is the least one around the grid");
        else
            require(edge == gridEdge, "without power-of-two edges the sheet is the grid");
    }
    const int limit = options.maxSize > 0 ? options.maxSize : common::MaximumImageEdge;
    require(fits(grid, limit), "the sheet keeps within the longest edge allowed");
    if (options.columns)
        require(grid.columns() == *options.columns, "the columns asked for are taken");
    else if (fits(SheetGrid(shape.frameCount, shape.frameSize, shape.columns, options.padding,
                            options.powerOfTwo),
                  limit))
        require(grid.columns() == shape.columns, "the frames' own columns are kept when they fit");
    else
        require(grid.columns() >= 1 && grid.columns() <= shape.frameCount,
                "chosen columns have a frame each");
    for (int frame = 0; frame < grid.columns() * grid.rows(); ++frame) {
        const QRect cell = grid.cellRect(frame);
        require(QRect(0, 0, grid.gridWidth(), grid.gridHeight()).contains(cell),
                "every cell lies in the grid");
        require(grid.frameRect(frame) == QRect(cell.x() + options.padding,
                                               cell.y() + options.padding, shape.frameSize,
                                               shape.frameSize),
                "a frame lies in its cell's middle");
    }
}

// Whether a grid should have been refused: for options the programs never
// give, or when no columns make a sheet within the longest edge.
bool refusable(const Input& input) {
    const common::SheetShape shape = keptShape(input);
    const common::SheetOptions& options = input.options;
    if (options.padding < 0 || options.padding > common::MaximumPadding)
        return true;
    const int limit = options.maxSize > 0 ? options.maxSize : common::MaximumImageEdge;
    const auto fitsWith = [&](int columns) {
        return fits(SheetGrid(shape.frameCount, shape.frameSize, columns, options.padding,
                              options.powerOfTwo),
                    limit);
    };
    if (options.columns)
        return *options.columns < 1 || *options.columns > shape.frameCount ||
               !fitsWith(*options.columns);
    if (fitsWith(shape.columns))
        return false;
    for (int columns = 1; columns <= shape.frameCount; ++columns)
        if (fitsWith(columns))
            return false;
    return true;
}

void checkAdditiveSheet(const QImage& sheet, const common::SheetFrames& frames,
                        const SheetGrid& grid, const Input& input) {
    require(sheet.format() == QImage::Format_RGB32, "an additive sheet is opaque");
    const QRgb background = common::colourToRgb(input.background);
    QImage expected(grid.width(), grid.height(), QImage::Format_RGB32);
    expected.fill(background);
    for (int cell = 0; cell < grid.columns() * grid.rows(); ++cell) {
        const QRect frameRect = grid.frameRect(cell);
        // Cell n holds frame n K, the frame step's.
        const int frame = cell * frames.frameStep;
        const QPoint origin = frames.grid.originOf(frame);
        for (int y = 0; y < frameRect.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(expected.scanLine(frameRect.y() + y));
            const auto* frameLine =
                reinterpret_cast<const QRgb*>(frames.image.constScanLine(origin.y() + y));
            for (int x = 0; x < frameRect.width(); ++x)
                line[frameRect.x() + x] = frame < frames.frameCount
                                              ? frameLine[origin.x() + x]
                                              : common::colourToRgb(frames.emptyCellColour);
        }
    }
    require(sheet == expected, "frames in their cells, gutters in the background");
    if (frames.frameStep == 1 && grid.columns() == frames.grid.columns() && grid.padding() == 0 &&
        !grid.powerOfTwo())
        require(sheet == frames.image, "a sheet of the frames' own layout is the frames' image");
}

// Over the background, a pixel of alpha a and colour c shows
// c a / 255 + b (1 - a / 255) straight, c + b (1 - a / 255) premultiplied.
void checkAlphaSheet(const QImage& sheet, const QImage& opaque, AlphaMode mode, Colour background) {
    require(sheet.format() == QImage::Format_ARGB32 && sheet.size() == opaque.size(),
            "a sheet with alpha is 32-bit ARGB of the same size");
    const int under[3] = {common::colourRed(background), common::colourGreen(background),
                          common::colourBlue(background)};
    for (int y = 0; y < sheet.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(sheet.constScanLine(y));
        const auto* opaqueLine = reinterpret_cast<const QRgb*>(opaque.constScanLine(y));
        for (int x = 0; x < sheet.width(); ++x) {
            const QRgb pixel = line[x];
            const QRgb original = opaqueLine[x];
            const double alpha = qAlpha(pixel) / 255.0;
            const int colour[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
            const int wanted[3] = {qRed(original), qGreen(original), qBlue(original)};
            for (int channel = 0; channel < 3; ++channel) {
                if (mode == AlphaMode::Premultiplied)
                    require(colour[channel] <= qAlpha(pixel),
                            "a premultiplied channel is at most its alpha");
                const double shown =
                    (mode == AlphaMode::Straight ? colour[channel] * alpha : colour[channel]) +
                    under[channel] * (1.0 - alpha);
                require(std::abs(shown - wanted[channel]) <= 1.0 + 1e-9,
                        "over the background the pixel shows within 1 of the opaque sheet");
            }
            if (original == common::colourToRgb(background))
                require(qAlpha(pixel) == 0, "the background becomes transparent");
        }
    }
}

// Every animation of the atlas as an engine's reader loads it, under its
// name: each frame cut at its rectangle and drawn at its offset in the whole
// frame.
void checkLoaded(const common::SheetAtlas& atlas,
                 const std::vector<common::test::LoadedAnimation>& loaded) {
    require(loaded.size() == atlas.animations.size(), "the reader finds every animation");
    for (const common::AtlasAnimation& animation : atlas.animations) {
        const auto played = std::find_if(
            loaded.begin(), loaded.end(),
            [&](const common::test::LoadedAnimation& read) { return read.name == animation.name; });
        require(played != loaded.end() && played->frames.size() == animation.frames.size(),
                "the reader finds every frame of an animation under its name");
        for (std::size_t kept = 0; kept < animation.frames.size(); ++kept) {
            const common::AtlasFrame& frame = animation.frames[kept];
            const common::test::LoadedFrame& read = played->frames[kept];
            require(read.cut == frame.rect && read.box == frame.sourceSize &&
                        read.placed == QRect(frame.offset, frame.rect.size()),
                    "the reader cuts each frame at its rectangle and puts it back where it was");
        }
    }
}

void checkAtlasJson(const common::SheetDescription& description, MetadataFormat format) {
    const QByteArray json = common::atlasJson(description, format);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    require(error.error == QJsonParseError::NoError && document.isObject(),
            "the atlas is a JSON object");
    const common::SheetAtlas& atlas = description.atlas;
    const QJsonObject root = document.object();
    const QJsonValue frames = root.value(QStringLiteral("frames"));
    require((format == MetadataFormat::JsonHash ? frames.toObject().size()
                                                : frames.toArray().size()) == atlas.frameCount(),
            "the atlas has every frame once");
    checkLoaded(atlas, common::test::readPhaserAtlas(json));
    if (format == MetadataFormat::JsonHash)
        checkLoaded(atlas, common::test::readPixiSpritesheet(json));
    const QJsonObject meta = root.value(QStringLiteral("meta")).toObject();
    const QJsonObject size = meta.value(QStringLiteral("size")).toObject();
    require(size.value(QStringLiteral("w")).toInt() == atlas.size.width() &&
                size.value(QStringLiteral("h")).toInt() == atlas.size.height(),
            "the atlas states the sheet's size");
    require(meta.value(QStringLiteral("image")).toString() == description.imageFileName,
            "the atlas names the image");
    require(meta.value(QStringLiteral("frameRate")).toDouble() ==
                atlas.animations.front().framesPerSecond,
            "the atlas states the rate exactly");
}

// The image's path as the resource's text quotes it, unquoted again.
QString godotImagePath(const QString& text) {
    const QString start = QStringLiteral("path=\"");
    qsizetype at = text.indexOf(start);
    require(at >= 0, "the resource names its image");
    QString path;
    for (at += start.size(); at < text.size() && text[at] != QLatin1Char('"'); ++at) {
        if (text[at] == QLatin1Char('\\'))
            ++at;
        require(at < text.size(), "the image's path is quoted whole");
        path += text[at];
    }
    require(at < text.size(), "the image's path ends its quotes");
    return path;
}

void checkGodot(const common::SheetDescription& description) {
    const QByteArray bytes = common::godotSpriteFrames(description);
    const QString text = QString::fromUtf8(bytes);
    require(text.toUtf8() == bytes, "the resource is UTF-8");
    const common::SheetAtlas& atlas = description.atlas;
    const common::test::SpriteFrames read = common::test::readSpriteFrames(text);
    require(read.loadSteps == atlas.frameCount() + 2, "the resource counts its steps");
    require(read.atlases.size() == static_cast<std::size_t>(atlas.frameCount()),
            "one atlas texture per frame");
    require(godotImagePath(text) == description.imageFileName,
            "the resource's image path reads back as the image's name");
    std::vector<common::test::LoadedAnimation> loaded = read.loaded();
    if (atlas.animations.size() == 1 && !loaded.empty()) {
        require(loaded.front().name == QStringLiteral("default"),
                "a resource of one animation names it default");
        loaded.front().name = atlas.animations.front().name;
    }
    checkLoaded(atlas, loaded);
    for (std::size_t index = 0; index < loaded.size(); ++index) {
        const common::AtlasAnimation& animation = atlas.animations[index];
        require(loaded[index].loop == animation.loop,
                "the animation loops only the frames of a loop");
        require(loaded[index].framesPerSecond == animation.framesPerSecond,
                "the speed is the rate exactly");
    }
    const qsizetype speed = text.indexOf(QStringLiteral("\"speed\": "));
    require(text.mid(speed + 9).section(QLatin1Char('\n'), 0, 0).contains(QLatin1Char('.')),
            "the speed is a float");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput bytes(data, size);
    const Input input = readInput(bytes);

    SheetGrid grid;
    const common::Status laidOut = SheetGrid::layOut(input.shape, input.options, grid);
    require(laidOut.ok() != refusable(input), "a grid is refused exactly when nothing fits");
    require(laidOut.ok() || !laidOut.message().isEmpty(), "a refused grid says why");
    const common::Status output = input.options.checkOutput(input.imagePath);
    const bool png = input.imagePath.endsWith(QStringLiteral(".png"));
    const auto asks = [&](MetadataFormat format) {
        return std::count(input.options.metadata.begin(), input.options.metadata.end(), format) > 0;
    };
    const bool needsPng = input.options.alpha != AlphaMode::Additive ||
                          input.options.colour == common::SheetColour::Intensity;
    require(output.ok() == ((png || !needsPng) &&
                            !(asks(MetadataFormat::JsonHash) && asks(MetadataFormat::JsonArray))),
            "an output is refused for alpha or intensity without a .png, or two JSON forms");
    if (!laidOut.ok())
        return 0;
    checkGrid(input, grid);

    const common::SheetDescription description = common::SheetDescription::of(
        input.imagePath, grid, input.options.alpha, input.options.statedFrameRate(15), input.loop,
        QStringLiteral("Kirabellum"), QStringLiteral("1.22"));
    const int duration = description.atlas.animations.front().frameDuration();
    require(duration >= 1 && duration <= 1000 * input.options.frameStep,
            "a frame shows from 1 ms to a second a frame step");
    checkAtlasJson(description, MetadataFormat::JsonHash);
    checkAtlasJson(description, MetadataFormat::JsonArray);
    checkGodot(description);

    // Sheets of the largest paddings are mostly gutter: their pixels would
    // take most of the run for little.
    if (static_cast<std::int64_t>(grid.width()) * grid.height() > MostSheetPixels)
        return 0;
    common::SheetFrames frames = framesOf(input);
    frames.frameStep = input.options.frameStep;
    const QImage additive = common::makeSheet(frames, grid, AlphaMode::Additive, input.background);
    checkAdditiveSheet(additive, frames, grid, input);
    // With alpha, cells without a frame are background like the gutters.
    frames.emptyCellColour = input.background;
    const QImage opaque = common::makeSheet(frames, grid, AlphaMode::Additive, input.background);
    for (const AlphaMode mode : {AlphaMode::Straight, AlphaMode::Premultiplied}) {
        const QImage sheet = common::makeSheet(frames, grid, mode, input.background);
        require(sheet == common::withAlpha(opaque, mode, input.background),
                "a sheet with alpha is the opaque sheet converted");
        checkAlphaSheet(sheet, opaque, mode, input.background);
    }
    return 0;
}
