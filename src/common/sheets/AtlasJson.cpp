#include "common/sheets/AtlasJson.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace common {

namespace {

QJsonObject sizeObject(int width, int height) {
    return {{QStringLiteral("w"), width}, {QStringLiteral("h"), height}};
}

QJsonObject rectObject(const QRect& rect) {
    return {{QStringLiteral("x"), rect.x()},
            {QStringLiteral("y"), rect.y()},
            {QStringLiteral("w"), rect.width()},
            {QStringLiteral("h"), rect.height()}};
}

QJsonObject frameObject(const SheetDescription& description, int frame) {
    const int size = description.grid.frameSize();
    return {{QStringLiteral("frame"), rectObject(description.grid.frameRect(frame))},
            {QStringLiteral("rotated"), false},
            {QStringLiteral("trimmed"), false},
            {QStringLiteral("spriteSourceSize"), rectObject(QRect(0, 0, size, size))},
            {QStringLiteral("sourceSize"), sizeObject(size, size)},
            {QStringLiteral("duration"), description.frameDuration()}};
}

// What a sheet of ramp indices holds and where its ramp is.
QJsonObject colourObject(const SheetDescription::IntensityRamp& ramp) {
    return {{QStringLiteral("mode"), sheetColourName(SheetColour::Intensity)},
            {QStringLiteral("ramp"), ramp.imageFileName},
            {QStringLiteral("rampLength"), ramp.rampLength},
            {QStringLiteral("channels"), ramp.channels}};
}

QJsonObject metaObject(const SheetDescription& description) {
    const SheetGrid& grid = description.grid;
    const QJsonObject tag = {{QStringLiteral("name"), description.baseName},
                             {QStringLiteral("from"), 0},
                             {QStringLiteral("to"), grid.frameCount() - 1},
                             {QStringLiteral("direction"), QStringLiteral("forward")}};
    const QJsonObject gridObject = {{QStringLiteral("columns"), grid.columns()},
                                    {QStringLiteral("rows"), grid.rows()},
                                    {QStringLiteral("cellWidth"), grid.cellSize()},
                                    {QStringLiteral("cellHeight"), grid.cellSize()},
                                    {QStringLiteral("padding"), grid.padding()},
                                    {QStringLiteral("frameCount"), grid.frameCount()}};
    QJsonObject meta = {{QStringLiteral("app"), description.application},
                        {QStringLiteral("version"), description.version},
                        {QStringLiteral("image"), description.imageFileName},
                        {QStringLiteral("format"), QStringLiteral("RGBA8888")},
                        {QStringLiteral("size"), sizeObject(grid.width(), grid.height())},
                        {QStringLiteral("scale"), QStringLiteral("1")},
                        {QStringLiteral("frameTags"), QJsonArray{tag}},
                        {QStringLiteral("grid"), gridObject},
                        {QStringLiteral("frameRate"), description.framesPerSecond},
                        {QStringLiteral("blend"), alphaModeName(description.alpha)}};
    if (description.motionVectors) {
        const SheetDescription::MotionVectors& vectors = *description.motionVectors;
        meta.insert(QStringLiteral("motionVectors"),
                    QJsonObject{{QStringLiteral("image"), vectors.imageFileName},
                                {QStringLiteral("preset"), motionVectorPresetName(vectors.preset)},
                                {QStringLiteral("motionVectorScale"), vectors.scale},
                                {QStringLiteral("frameStep"), vectors.frameStep}});
    }
    return meta;
}

} // namespace

QByteArray atlasJson(const SheetDescription& description, MetadataFormat format) {
    const bool hash = format == MetadataFormat::JsonHash;
    QJsonObject framesByName;
    QJsonArray frameList;
    QJsonArray names;
    for (int frame = 0; frame < description.grid.frameCount(); ++frame) {
        const QString name = description.frameName(frame);
        QJsonObject entry = frameObject(description, frame);
        names.append(name);
        if (hash) {
            framesByName.insert(name, entry);
        } else {
            entry.insert(QStringLiteral("filename"), name);
            frameList.append(entry);
        }
    }
    QJsonObject meta = metaObject(description);
    if (description.intensityRamp)
        meta.insert(QStringLiteral("colour"), colourObject(*description.intensityRamp));
    const QJsonObject root = {
        {QStringLiteral("frames"), hash ? QJsonValue(framesByName) : QJsonValue(frameList)},
        {QStringLiteral("animations"), QJsonObject{{description.baseName, names}}},
        {QStringLiteral("meta"), meta}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Status writeAtlasJson(QIODevice& device, const SheetDescription& description,
                      MetadataFormat format) {
    const QByteArray text = atlasJson(description, format);
    if (device.write(text) != text.size())
        return Status::failure(device.errorString());
    return Status::success();
}

} // namespace common
