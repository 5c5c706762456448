#pragma once

#include <QImage>
#include <QWidget>

namespace koratune {

// A picture that keeps its image: the windows draw into it, it paints what it
// holds, and a new size is filled with its background colour.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    PictureBox(QSize size, QRgb background, QWidget* parent = nullptr);

    const QImage& image() const { return image_; }
    QRgb backgroundColour() const { return background_; }
    void setBackgroundColour(QRgb colour) { background_ = colour; }

    // Gives the picture a new size in pixels; the part it shares with the old
    // size keeps its content, the rest takes the background colour.
    void setPictureSize(QSize size);
    // Fills the whole picture with the background colour.
    void clear();
    // Copies `image` into the picture with its top-left corner at `at`.
    void drawImage(const QImage& image, QPoint at = QPoint(0, 0));
    // Repaints the picture on screen.
    void refresh() { update(); }

Q_SIGNALS:
    // A mouse button went down on the picture.
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage image_;
    QRgb background_;
};

} // namespace koratune
