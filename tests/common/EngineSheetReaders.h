#pragma once

#include <QByteArray>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QStringList>

#include <map>
#include <vector>

namespace common::test {

// A frame as an engine draws it: the pixels `cut` of the sheet drawn at
// `placed` inside a box of `box` (the whole frame), its origin at `pivot`
// (a fraction of the box). A frame a reader could not make has a null cut.
struct LoadedFrame {
    QRect cut;
    QRect placed;
    QSize box;
    QPointF pivot{0.5, 0.5};
};

// An animation as an engine plays it; the rate is 0 and the loop false where
// the engine's reader takes neither from the file.
struct LoadedAnimation {
    QString name;
    double framesPerSecond = 0;
    bool loop = false;
    std::vector<LoadedFrame> frames;
};

// The frames of a sheet's JSON as PixiJS's Spritesheet makes them (hash form
// only): each frame's texture cut at "frame"; when "trimmed" is not false, its
// original size is "sourceSize" and its trim lies at spriteSourceSize's x and y
// with the frame's own width and height; "animations" lists each animation's
// frame names. Rotated frames, which these sheets never hold, are not read.
std::vector<LoadedAnimation> readPixiSpritesheet(const QByteArray& json);

// The same as Phaser 3's texture manager and animations make them from an
// atlas, hash or array form: each frame cut at "frame"; a "trimmed" frame set
// to spriteSourceSize inside sourceSize, its origin at "pivot" (or "anchor")
// when given, as a fraction of that whole size; one animation per entry of
// meta.frameTags from its frame names (the tag's name, "_", three digits, as
// generateFrameNames makes them) at the tag's frameRate, else meta.frameRate.
std::vector<LoadedAnimation> readPhaserAtlas(const QByteArray& json);

// What a reader of Godot's text resources finds in a SpriteFrames resource.
struct SpriteFrames {
    int loadSteps = 0;
    int format = 0;
    std::map<QString, QString> texturePaths; // by id
    struct AtlasTexture {
        QString texture; // the external resource's id
        QRect region;
        QRect margin;
    };
    std::map<QString, AtlasTexture> atlases; // by id
    struct Animation {
        QString name;
        QStringList frames; // atlas ids in play order
        double speed = 0;
        bool loop = false;
    };
    std::vector<Animation> animations;

    // The animations as an AnimatedSprite2D draws them: an AtlasTexture is
    // its region drawn at the margin's position inside region size plus the
    // margin's size.
    std::vector<LoadedAnimation> loaded() const;
};

SpriteFrames readSpriteFrames(const QString& text);

// The frame drawn as the engine draws it with nearest sampling, pixels copied
// as they are: a box of `fill` with the cut pixels of `sheet` at their place.
// A null image when the frame's cut and place differ in size or the cut leaves
// the sheet.
QImage drawnFrame(const QImage& sheet, const LoadedFrame& frame, QRgb fill);

} // namespace common::test
