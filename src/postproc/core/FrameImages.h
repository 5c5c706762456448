#pragma once

#include "common/Status.h"

#include <QImage>
#include <QString>

namespace koratune {

// The three off-screen images of the post-processor:
//   work     the frame image in its current state, played, recoloured and output;
//   overlay  the last image composited over the work image;
//   base     the work image as it was after the last open or composite, from
//            which every recolouring starts again.
// All three are 32-bit RGB; they are empty until the first OpenPic.
class FrameImages {
public:
    const QImage& work() const { return work_; }
    QImage& work() { return work_; }
    const QImage& overlay() const { return overlay_; }
    const QImage& base() const { return base_; }
    bool isEmpty() const { return work_.isNull(); }

    // Makes `image` the work image and the base image.
    void OpenPic(const QImage& image);
    // Reads the image file first; a failure leaves all three images as they were.
    common::Status OpenPic(const QString& path);

    // Lays `overlay` over the work image, aligned at the top-left corner. The
    // overlay's top-left colour is its transparent key: overlay pixels of that
    // colour, and work pixels outside the overlay, stay as they are. The result
    // becomes the new base image; the work image keeps its size.
    void UnionPic(const QImage& overlay);
    // Reads the overlay file first; a failure leaves all three images as they were.
    common::Status UnionPic(const QString& path);

    // The background colour: the work image's top-left pixel (black while empty).
    QRgb backgroundColour() const;
    // The first look at an opened image: its top-left 160 x 160 pixels on the
    // background colour.
    QImage openingPreview() const;

private:
    QImage work_;
    QImage overlay_;
    QImage base_;
};

} // namespace koratune
