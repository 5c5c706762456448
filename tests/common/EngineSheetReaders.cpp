#include "EngineSheetReaders.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace common::test {

namespace {

QRect rectOf(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    return {object[QStringLiteral("x")].toInt(), object[QStringLiteral("y")].toInt(),
            object[QStringLiteral("w")].toInt(), object[QStringLiteral("h")].toInt()};
}

QSize sizeOf(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    return {object[QStringLiteral("w")].toInt(), object[QStringLiteral("h")].toInt()};
}

LoadedFrame pixiFrame(const QJsonObject& data) {
    if (data[QStringLiteral("rotated")].toBool())
        return {};
    const QRect rect = rectOf(data[QStringLiteral("frame")]);
    // JavaScript's `data.trimmed !== false`: only a written false turns it off.
    const bool trimmed = data[QStringLiteral("trimmed")] != QJsonValue(false);
    LoadedFrame frame;
    frame.cut = rect;
    frame.box = trimmed && data.contains(QStringLiteral("sourceSize"))
                    ? sizeOf(data[QStringLiteral("sourceSize")])
                    : rect.size();
    frame.placed = QRect(QPoint(), rect.size());
    if (trimmed && data.contains(QStringLiteral("spriteSourceSize")))
        frame.placed.moveTopLeft(rectOf(data[QStringLiteral("spriteSourceSize")]).topLeft());
    frame.pivot = QPointF(0, 0); // a Sprite's default anchor
    return frame;
}

LoadedFrame phaserFrame(const QJsonObject& source) {
    LoadedFrame frame;
    frame.cut = rectOf(source[QStringLiteral("frame")]);
    frame.box = frame.cut.size();
    frame.placed = QRect(QPoint(), frame.cut.size());
    if (source[QStringLiteral("trimmed")].toBool()) {
        frame.box = sizeOf(source[QStringLiteral("sourceSize")]);
        frame.placed = rectOf(source[QStringLiteral("spriteSourceSize")]);
    }
    const QJsonObject pivot = source.contains(QStringLiteral("anchor"))
                                  ? source[QStringLiteral("anchor")].toObject()
                                  : source[QStringLiteral("pivot")].toObject();
    if (!pivot.isEmpty())
        frame.pivot =
            QPointF(pivot[QStringLiteral("x")].toDouble(), pivot[QStringLiteral("y")].toDouble());
    return frame;
}

} // namespace

std::vector<LoadedAnimation> readPixiSpritesheet(const QByteArray& json) {
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    const QJsonObject frames = root[QStringLiteral("frames")].toObject();
    const QJsonObject animations = root[QStringLiteral("animations")].toObject();
    std::vector<LoadedAnimation> loaded;
    for (auto entry = animations.begin(); entry != animations.end(); ++entry) {
        LoadedAnimation animation;
        animation.name = entry.key();
        for (const QJsonValue name : entry.value().toArray())
            animation.frames.push_back(frames.contains(name.toString())
                                           ? pixiFrame(frames[name.toString()].toObject())
                                           : LoadedFrame{});
        loaded.push_back(animation);
    }
    return loaded;
}

std::vector<LoadedAnimation> readPhaserAtlas(const QByteArray& json) {
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    const QJsonValue frames = root[QStringLiteral("frames")];
    std::map<QString, LoadedFrame> texture;
    if (frames.isArray()) {
        for (const QJsonValue source : frames.toArray())
            texture[source[QStringLiteral("filename")].toString()] = phaserFrame(source.toObject());
    } else {
        const QJsonObject hash = frames.toObject();
        for (auto source = hash.begin(); source != hash.end(); ++source)
            texture[source.key()] = phaserFrame(source.value().toObject());
    }
    const QJsonObject meta = root[QStringLiteral("meta")].toObject();
    std::vector<LoadedAnimation> loaded;
    for (const QJsonValue tag : meta[QStringLiteral("frameTags")].toArray()) {
        LoadedAnimation animation;
        animation.name = tag[QStringLiteral("name")].toString();
        animation.framesPerSecond =
            tag[QStringLiteral("frameRate")].toDouble(meta[QStringLiteral("frameRate")].toDouble());
        animation.loop = tag[QStringLiteral("loop")].toBool();
        const int count =
            tag[QStringLiteral("to")].toInt() - tag[QStringLiteral("from")].toInt() + 1;
        for (int index = 0; index < count; ++index) {
            const QString name = QStringLiteral("%1_%2").arg(
                animation.name, QStringLiteral("%1").arg(index, 3, 10, QLatin1Char('0')));
            const auto frame = texture.find(name);
            animation.frames.push_back(frame == texture.end() ? LoadedFrame{} : frame->second);
        }
        loaded.push_back(animation);
    }
    return loaded;
}

std::vector<LoadedAnimation> SpriteFrames::loaded() const {
    std::vector<LoadedAnimation> loaded;
    for (const Animation& animation : animations) {
        LoadedAnimation played{animation.name, animation.speed, animation.loop, {}};
        for (const QString& id : animation.frames) {
            const auto atlas = atlases.find(id);
            if (atlas == atlases.end()) {
                played.frames.push_back({});
                continue;
            }
            const QRect& region = atlas->second.region;
            const QRect& margin = atlas->second.margin;
            played.frames.push_back({region, QRect(margin.topLeft(), region.size()),
                                     region.size() + margin.size(), QPointF(0.5, 0.5)});
        }
        loaded.push_back(played);
    }
    return loaded;
}

SpriteFrames readSpriteFrames(const QString& text) {
    SpriteFrames read;
    const QRegularExpression header(QStringLiteral(
        R"re(^\[gd_resource type="SpriteFrames" load_steps=(\d+) format=(\d+)\]$)re"));
    const QRegularExpression texture(
        QStringLiteral(R"re(^\[ext_resource type="Texture2D" path="([^"]*)" id="([^"]*)"\]$)re"));
    const QRegularExpression atlas(
        QStringLiteral(R"re(^\[sub_resource type="AtlasTexture" id="([^"]*)"\]$)re"));
    const QRegularExpression atlasOf(QStringLiteral(R"re(^atlas = ExtResource\("([^"]*)"\)$)re"));
    const QRegularExpression rect(
        QStringLiteral(R"re(^(region|margin) = Rect2\((\d+), (\d+), (\d+), (\d+)\)$)re"));
    QString current;
    bool inResource = false;
    QString animations;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QRegularExpressionMatch match;
        if ((match = header.match(line)).hasMatch()) {
            read.loadSteps = match.captured(1).toInt();
            read.format = match.captured(2).toInt();
        } else if ((match = texture.match(line)).hasMatch()) {
            read.texturePaths[match.captured(2)] = match.captured(1);
        } else if ((match = atlas.match(line)).hasMatch()) {
            current = match.captured(1);
        } else if ((match = atlasOf.match(line)).hasMatch()) {
            read.atlases[current].texture = match.captured(1);
        } else if ((match = rect.match(line)).hasMatch()) {
            const QRect value(match.captured(2).toInt(), match.captured(3).toInt(),
                              match.captured(4).toInt(), match.captured(5).toInt());
            (match.captured(1) == QStringLiteral("region") ? read.atlases[current].region
                                                           : read.atlases[current].margin) = value;
        } else if (line == QStringLiteral("[resource]")) {
            inResource = true;
        } else if (inResource) {
            animations += line;
        }
    }
    const QRegularExpression animation(QStringLiteral(
        R"re("frames": \[(.*?)\],\s*"loop": (\w+),\s*"name": &"([^"]*)",\s*"speed": ([0-9.]+))re"));
    const QRegularExpression subResource(QStringLiteral(R"re(SubResource\("([^"]*)"\))re"));
    for (const QRegularExpressionMatch& match : animation.globalMatch(animations)) {
        SpriteFrames::Animation played;
        played.name = match.captured(3);
        played.loop = match.captured(2) == QStringLiteral("true");
        played.speed = match.captured(4).toDouble();
        for (const QRegularExpressionMatch& frame : subResource.globalMatch(match.captured(1)))
            played.frames << frame.captured(1);
        read.animations.push_back(played);
    }
    return read;
}

QImage drawnFrame(const QImage& sheet, const LoadedFrame& frame, QRgb fill) {
    if (frame.cut.isNull() || frame.cut.size() != frame.placed.size() ||
        !sheet.rect().contains(frame.cut) || !QRect(QPoint(), frame.box).contains(frame.placed))
        return {};
    QImage drawn(frame.box, sheet.format());
    drawn.fill(fill);
    for (int y = 0; y < frame.cut.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(sheet.constScanLine(frame.cut.y() + y));
        auto* to = reinterpret_cast<QRgb*>(drawn.scanLine(frame.placed.y() + y));
        std::copy(from + frame.cut.x(), from + frame.cut.right() + 1, to + frame.placed.x());
    }
    return drawn;
}

} // namespace common::test
