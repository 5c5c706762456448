#pragma once

#include "core/FrameImages.h"

#include <QWidget>

namespace koratune {

// The hidden window of the three off-screen images: the work image, the
// overlay image and the base image, which the session holds. It is never shown.
class Pict : public QWidget {
    Q_OBJECT

public:
    explicit Pict(FrameImages& images, QWidget* parent = nullptr);

    FrameImages& images() { return images_; }

private:
    FrameImages& images_;
};

} // namespace koratune
