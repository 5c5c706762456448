#pragma once

#include "core/FrameImages.h"

#include <QWidget>

namespace koratune {

// The hidden window that owns the three off-screen images: the work image,
// the overlay image and the base image. It is never shown.
class Pict : public QWidget {
    Q_OBJECT

public:
    explicit Pict(QWidget* parent = nullptr);

    FrameImages& images() { return images_; }

private:
    FrameImages images_;
};

} // namespace koratune
