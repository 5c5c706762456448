#include "common/sheets/GodotSpriteFrames.h"

#include <QIODevice>
#include <QStringList>

namespace common {

namespace {

// A string as the resource's text form quotes it.
QString quoted(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// The rate as a float of the resource's text form, which has a point even
// when whole ("15.0", "7.5").
QString speedText(double framesPerSecond) {
    const QString text = frameRateText(framesPerSecond);
    return text.contains(QLatin1Char('.')) ? text : text + QStringLiteral(".0");
}

QString atlasId(int frame) {
    return QStringLiteral("AtlasTexture_%1").arg(frame, 3, 10, QLatin1Char('0'));
}

// An animation of the resource. A sheet of one animation names it "default",
// the animation a SpriteFrames plays unless told otherwise.
QString animationEntry(const AtlasAnimation& animation, const QString& name,
                       const QStringList& frames) {
    return QStringLiteral("{\n"
                          "\"frames\": [%1],\n"
                          "\"loop\": %2,\n"
                          "\"name\": &%3,\n"
                          "\"speed\": %4\n"
                          "}")
        .arg(frames.join(QStringLiteral(", ")),
             animation.loop ? QStringLiteral("true") : QStringLiteral("false"), quoted(name),
             speedText(animation.framesPerSecond));
}

} // namespace

QByteArray godotSpriteFrames(const SheetDescription& description) {
    const SheetAtlas& atlas = description.atlas;
    // One external resource, one sub-resource per frame, and the resource itself.
    QString text = QStringLiteral("[gd_resource type=\"SpriteFrames\" load_steps=%1 format=3]\n\n")
                       .arg(atlas.frameCount() + 2);
    // SpriteFrames has no field for a ramp; a comment says what the pixels are.
    if (description.intensityRamp)
        text += QStringLiteral("; The texture holds ramp indices, not colours: %1 colours them\n"
                               "; (%2 x %3 pixels, a ramp for each channel used).\n\n")
                    .arg(quoted(description.intensityRamp->imageFileName))
                    .arg(description.intensityRamp->rampLength)
                    .arg(description.intensityRamp->channels);
    text += QStringLiteral("[ext_resource type=\"Texture2D\" path=%1 id=\"1\"]\n\n")
                .arg(quoted(description.imageFileName));
    QStringList animations;
    int id = 0;
    for (const AtlasAnimation& animation : atlas.animations) {
        QStringList frames;
        for (const AtlasFrame& frame : animation.frames) {
            const QRect& rect = frame.rect;
            text += QStringLiteral("[sub_resource type=\"AtlasTexture\" id=\"%1\"]\n"
                                   "atlas = ExtResource(\"1\")\n"
                                   "region = Rect2(%2, %3, %4, %5)\n")
                        .arg(atlasId(id))
                        .arg(rect.x())
                        .arg(rect.y())
                        .arg(rect.width())
                        .arg(rect.height());
            // A cut frame keeps the whole frame's size, its pixels where they were.
            if (frame.trimmed())
                text += QStringLiteral("margin = Rect2(%1, %2, %3, %4)\n")
                            .arg(frame.offset.x())
                            .arg(frame.offset.y())
                            .arg(frame.sourceSize.width() - rect.width())
                            .arg(frame.sourceSize.height() - rect.height());
            text += QLatin1Char('\n');
            frames << QStringLiteral("{\n\"duration\": 1.0,\n\"texture\": SubResource(\"%1\")\n}")
                          .arg(atlasId(id));
            ++id;
        }
        animations << animationEntry(
            animation, atlas.animations.size() == 1 ? QStringLiteral("default") : animation.name,
            frames);
    }
    text += QStringLiteral("[resource]\nanimations = [%1]\n")
                .arg(animations.join(QStringLiteral(", ")));
    return text.toUtf8();
}

Status writeGodotSpriteFrames(QIODevice& device, const SheetDescription& description) {
    const QByteArray text = godotSpriteFrames(description);
    if (device.write(text) != text.size())
        return Status::failure(device.errorString());
    return Status::success();
}

} // namespace common
