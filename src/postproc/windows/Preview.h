#pragma once

#include <QImage>
#include <QWidget>

namespace common {
class Dialogs;
class EngineView;
class FramePreview;
} // namespace common

namespace koratune {

// The preview window: one picture that shows the first look at an opened
// image and the frames of a playback, as a game engine will show them (the
// shared frame preview, with its scene, blend, zoom, play button and frame
// number). The window fits its picture, and its caption tells the frame
// shown ("4/10") or reads "Preview".
class Preview : public QWidget {
    Q_OBJECT

public:
    explicit Preview(common::Dialogs& dialogs, QWidget* parent = nullptr);

    common::EngineView* Picture1() const { return picture1_; }
    common::FramePreview* viewer() const { return viewer_; }

    // Makes the picture `edge` pixels square and the window fit it.
    void setPictureEdge(int edge);
    // The first look at an opened image: the picture cleared to `background`
    // with `opening` drawn at its top-left corner.
    void showOpening(const QImage& opening, QRgb background);
    // The caption: "4/10" during a playback, "Preview" otherwise.
    void showCaption(const QString& caption);

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

    common::FramePreview* viewer_;
    common::EngineView* picture1_;
};

} // namespace koratune
