#pragma once

#include <QImage>
#include <QWidget>

namespace common {

// A picture box with a persistent image of its own, as both programs' windows
// draw into them: it paints what it holds pixel for pixel, never smoothed, and
// is exactly as large as its picture.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    // A one-pixel black picture until the window gives it a size.
    explicit PictureBox(QWidget* parent = nullptr);
    // A black picture of the given size.
    explicit PictureBox(QSize size, QWidget* parent = nullptr);

    const QImage& image() const { return image_; }
    QImage& image() { return image_; }
    QRgb backgroundColour() const { return background_; }
    // Takes the colour and clears the whole picture to it.
    void setBackgroundColour(QRgb colour);

    // Gives the picture a new size in pixels (at least 1 x 1); the part it
    // shares with the old size keeps its content, the rest takes the
    // background colour.
    void setPictureSize(QSize size);
    // Fills the whole picture with the background colour.
    void clear();
    // Copies `image` into the picture with its top-left corner at `at`,
    // replacing what was there.
    void drawImage(const QImage& image, QPoint at = QPoint(0, 0));
    // Copies `area` of `source` to the top-left corner, each pixel becoming a
    // `scale` x `scale` block. Parts outside `source` are left as they were.
    void copyFrom(const QImage& source, const QRect& area, int scale = 1);
    // Repaints the picture on screen.
    void refresh() { update(); }

Q_SIGNALS:
    // A mouse button went down on the picture.
    void pressed();

protected:
    // How large the box is on screen: its picture's size, unless a box that
    // shows its picture otherwise says so; setPictureSize and showAtDisplaySize
    // fix the box to it.
    virtual QSize displaySize() const { return image_.size(); }
    void showAtDisplaySize();
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage image_;
    QRgb background_ = qRgb(0, 0, 0);
};

} // namespace common
