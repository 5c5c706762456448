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

} // namespace

QByteArray godotSpriteFrames(const SheetDescription& description) {
    const SheetGrid& grid = description.grid;
    // One external resource, one sub-resource per frame, and the resource itself.
    QString text = QStringLiteral("[gd_resource type=\"SpriteFrames\" load_steps=%1 format=3]\n\n")
                       .arg(grid.frameCount() + 2);
    // SpriteFrames has no field for a ramp; a comment says what the pixels are.
    if (description.intensityRamp)
        text += QStringLiteral("; The texture holds ramp indices, not colours: %1 colours them\n"
                               "; (%2 x %3 pixels, a ramp for each channel used).\n\n")
                    .arg(quoted(description.intensityRamp->imageFileName))
                    .arg(description.intensityRamp->rampLength)
                    .arg(description.intensityRamp->channels);
    text += QStringLiteral("[ext_resource type=\"Texture2D\" path=%1 id=\"1\"]\n\n")
                .arg(quoted(description.imageFileName));
    QStringList frames;
    for (int frame = 0; frame < grid.frameCount(); ++frame) {
        const QRect rect = grid.frameRect(frame);
        text += QStringLiteral("[sub_resource type=\"AtlasTexture\" id=\"%1\"]\n"
                               "atlas = ExtResource(\"1\")\n"
                               "region = Rect2(%2, %3, %4, %5)\n\n")
                    .arg(atlasId(frame))
                    .arg(rect.x())
                    .arg(rect.y())
                    .arg(rect.width())
                    .arg(rect.height());
        frames << QStringLiteral("{\n\"duration\": 1.0,\n\"texture\": SubResource(\"%1\")\n}")
                      .arg(atlasId(frame));
    }
    text += QStringLiteral("[resource]\n"
                           "animations = [{\n"
                           "\"frames\": [%1],\n"
                           "\"loop\": %2,\n"
                           "\"name\": &\"default\",\n"
                           "\"speed\": %3\n"
                           "}]\n")
                .arg(frames.join(QStringLiteral(", ")),
                     description.loop ? QStringLiteral("true") : QStringLiteral("false"),
                     speedText(description.framesPerSecond));
    return text.toUtf8();
}

Status writeGodotSpriteFrames(QIODevice& device, const SheetDescription& description) {
    const QByteArray text = godotSpriteFrames(description);
    if (device.write(text) != text.size())
        return Status::failure(device.errorString());
    return Status::success();
}

} // namespace common
