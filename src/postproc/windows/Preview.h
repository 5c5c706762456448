#pragma once

#include <QImage>
#include <QWidget>

namespace common {
class PictureBox;
}

namespace koratune {

// The preview window: one picture that shows the first look at an opened
// image and the frames of a playback. The window fits its picture, and its
// caption tells the frame shown ("4/10") or reads "Preview".
class Preview : public QWidget {
    Q_OBJECT

public:
    explicit Preview(QWidget* parent = nullptr);

    common::PictureBox* Picture1() const { return picture1_; }

    // Makes the picture `edge` pixels square and the window fit it.
    void setPictureEdge(int edge);
    // The first look at an opened image: the picture cleared to `background`
    // with `opening` drawn at its top-left corner.
    void showOpening(const QImage& opening, QRgb background);

Q_SIGNALS:
    // A mouse button went down on the picture.
    void picturePressed();
    // The window was closed.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    common::PictureBox* picture1_;
};

} // namespace koratune
