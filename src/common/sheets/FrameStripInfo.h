#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

namespace common {

// What a picture of frames written by either program says about its frames,
// so that the post-processor opens it with the right settings: the edge of
// one square cell in pixels (the frame, with its padding when a sheet has
// any), the number of frames and the frame rate (of the frames it holds).
//
// A PNG carries them as text chunks under the keys FrameSize, FrameCount and
// FrameRate, each a decimal number (the rate as frameRateText writes it); a sheet's JSON metadata
// carries them in "meta": "grid" "cellWidth" and "frameCount", and "frameRate".
struct FrameStripInfo {
    int frameSize = 0;
    int frameCount = 0;
    // Fractional for a sheet that keeps every other frame of 15 (7.5).
    double framesPerSecond = 0;

    static constexpr const char* FrameSizeKey = "FrameSize";
    static constexpr const char* FrameCountKey = "FrameCount";
    static constexpr const char* FrameRateKey = "FrameRate";

    // `image` with these as its text, which a PNG written of it keeps.
    QImage labelled(const QImage& image) const;

    // From a picture's text; none unless all three are there as positive numbers.
    static std::optional<FrameStripInfo> fromText(const QImage& image);
    // From a sheet's JSON metadata (both of its forms); none unless all three
    // are there as positive numbers.
    static std::optional<FrameStripInfo> fromAtlasJson(const QByteArray& json);
    // The picture `image` read from `path`: its own text, else the JSON
    // metadata beside it ("burst.png" beside "burst.json"), else none.
    static std::optional<FrameStripInfo> of(const QString& path, const QImage& image);

    bool operator==(const FrameStripInfo& other) const {
        return frameSize == other.frameSize && frameCount == other.frameCount &&
               framesPerSecond == other.framesPerSecond;
    }
};

} // namespace common
