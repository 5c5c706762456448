#pragma once

#include "common/Colour.h"

#include <QImage>
#include <QWidget>

namespace kirabellum {

// The white drawing canvas of the particle and gravity editors: a persistent
// 161 x 161 image inside a one-pixel border, one design unit per pixel with the
// design square's centre at (80, 80). Figures outside the image are clipped.
// Presses arrive in design units as single-precision coordinates.
class DesignCanvas : public QWidget {
    Q_OBJECT
public:
    static constexpr int Edge = 161;
    static constexpr int Border = 1;

    explicit DesignCanvas(QWidget* parent = nullptr);

    const QImage& image() const { return image_; }

    void clear(common::Colour colour);
    // One-pixel lines and circle outlines, without smoothing.
    void line(double x1, double y1, double x2, double y2, common::Colour colour);
    void circle(double cx, double cy, double radius, common::Colour colour);
    // Shows what was drawn since the last repaint.
    void repaintCanvas();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    void pressed(float x, float y, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // A drag edits as a press at every point it passes, with the button held.
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void emitPressed(QPointF position, Qt::MouseButton button);

    QImage image_;
};

} // namespace kirabellum
