#include "common/sheets/AtlasJson.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

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

QJsonObject pointObject(double x, double y) {
    return {{QStringLiteral("x"), x}, {QStringLiteral("y"), y}};
}

// A frame's entry. A cut frame also has the pivot that keeps the whole
// frame's centre (where the burst is) where it was: like TexturePacker's, a
// fraction of the whole frame (Phaser sets a sprite's origin to it, and
// draws the cut pixels at spriteSourceSize inside sourceSize).
QJsonObject frameObject(const AtlasAnimation& animation, const AtlasFrame& frame) {
    const QSize& source = frame.sourceSize;
    QJsonObject entry = {
        {QStringLiteral("frame"), rectObject(frame.rect)},
        {QStringLiteral("rotated"), false},
        {QStringLiteral("trimmed"), frame.trimmed()},
        {QStringLiteral("spriteSourceSize"), rectObject(QRect(frame.offset, frame.rect.size()))},
        {QStringLiteral("sourceSize"), sizeObject(source.width(), source.height())},
        {QStringLiteral("duration"), animation.frameDuration()}};
    if (frame.trimmed())
        entry.insert(QStringLiteral("pivot"), pointObject(0.5, 0.5));
    return entry;
}

// What a sheet of ramp indices holds and where its ramp is.
QJsonObject colourObject(const SheetDescription::IntensityRamp& ramp) {
    return {{QStringLiteral("mode"), sheetColourName(SheetColour::Intensity)},
            {QStringLiteral("ramp"), ramp.imageFileName},
            {QStringLiteral("rampLength"), ramp.rampLength},
            {QStringLiteral("channels"), ramp.channels}};
}

// One tag per animation, over its frames' places in the frame list. With
// several animations each tag also says its rate and whether it loops.
QJsonArray frameTags(const SheetAtlas& atlas, MetadataFormat format) {
    // A tag's "from" and "to" count frames in the order "frames" is written:
    // the array's, or the hash's keys, which a JSON object holds sorted.
    QStringList order;
    for (const AtlasAnimation& animation : atlas.animations)
        for (std::size_t frame = 0; frame < animation.frames.size(); ++frame)
            order << animation.frameName(static_cast<int>(frame));
    if (format == MetadataFormat::JsonHash)
        std::sort(order.begin(), order.end());
    QJsonArray tags;
    for (const AtlasAnimation& animation : atlas.animations) {
        const int count = static_cast<int>(animation.frames.size());
        const int first = static_cast<int>(order.indexOf(animation.frameName(0)));
        QJsonObject tag = {{QStringLiteral("name"), animation.name},
                           {QStringLiteral("from"), first},
                           {QStringLiteral("to"), first + count - 1},
                           {QStringLiteral("direction"), QStringLiteral("forward")}};
        if (atlas.animations.size() > 1) {
            tag.insert(QStringLiteral("frameRate"), animation.framesPerSecond);
            tag.insert(QStringLiteral("loop"), animation.loop);
        }
        tags.append(tag);
    }
    return tags;
}

QJsonObject gridObject(const SheetGrid& grid) {
    return {{QStringLiteral("columns"), grid.columns()},
            {QStringLiteral("rows"), grid.rows()},
            {QStringLiteral("cellWidth"), grid.cellWidth()},
            {QStringLiteral("cellHeight"), grid.cellHeight()},
            {QStringLiteral("padding"), grid.padding()},
            {QStringLiteral("frameCount"), grid.frameCount()}};
}

QJsonObject metaObject(const SheetDescription& description, MetadataFormat format) {
    const SheetAtlas& atlas = description.atlas;
    QJsonObject meta = {
        {QStringLiteral("app"), description.application},
        {QStringLiteral("version"), description.version},
        {QStringLiteral("image"), description.imageFileName},
        {QStringLiteral("format"), QStringLiteral("RGBA8888")},
        {QStringLiteral("size"), sizeObject(atlas.size.width(), atlas.size.height())},
        {QStringLiteral("scale"), QStringLiteral("1")},
        {QStringLiteral("frameTags"), frameTags(atlas, format)},
        {QStringLiteral("frameRate"), atlas.animations.front().framesPerSecond},
        {QStringLiteral("blend"), alphaModeName(description.alpha)}};
    if (atlas.grid)
        meta.insert(QStringLiteral("grid"), gridObject(*atlas.grid));
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
    QJsonObject animations;
    for (const AtlasAnimation& animation : description.atlas.animations) {
        QJsonArray names;
        for (std::size_t frame = 0; frame < animation.frames.size(); ++frame) {
            const QString name = animation.frameName(static_cast<int>(frame));
            QJsonObject entry = frameObject(animation, animation.frames[frame]);
            names.append(name);
            if (hash) {
                framesByName.insert(name, entry);
            } else {
                entry.insert(QStringLiteral("filename"), name);
                frameList.append(entry);
            }
        }
        animations.insert(animation.name, names);
    }
    QJsonObject meta = metaObject(description, format);
    if (description.intensityRamp)
        meta.insert(QStringLiteral("colour"), colourObject(*description.intensityRamp));
    const QJsonObject root = {
        {QStringLiteral("frames"), hash ? QJsonValue(framesByName) : QJsonValue(frameList)},
        {QStringLiteral("animations"), animations},
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
