#pragma once

#include <QImage>
#include <QWidget>

namespace kirabellum {

// A picture with a persistent image of its own, shown pixel for pixel (or each
// pixel as a square block when zoomed), never smoothed.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Resizes the image (keeping what fits, new area in the background colour).
    void setPictureSize(QSize size);
    const QImage& image() const { return image_; }
    QImage& image() { return image_; }
    // Clears the whole image to the background colour.
    void setBackgroundColour(QRgb colour);
    QRgb backgroundColour() const { return background_; }
    void clear();
    // Copies `area` of `source` to the top-left corner, each pixel becoming a
    // `scale` x `scale` block. Parts outside `source` are left as they were.
    void copyFrom(const QImage& source, const QRect& area, int scale = 1);
    // Each image pixel is shown as a zoom x zoom block (the display only).
    void setZoom(double zoom);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    void pressed(QPoint imagePosition, Qt::MouseButton button);
    void moved(QPoint imagePosition, Qt::MouseButtons buttons);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPoint toImage(QPointF widgetPosition) const;

    QImage image_;
    QRgb background_ = qRgb(0, 0, 0);
    double zoom_ = 1.0;
};

} // namespace kirabellum
