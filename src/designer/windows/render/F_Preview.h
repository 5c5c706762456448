#pragma once

#include "windows/tools/ToolWindow.h"

class QPushButton;

namespace kirabellum {

class PictureBox;

// The preview player "Preview": shows each frame while a render runs, plays the
// frame strip once at the chosen rate, and saves the strip as a picture.
class F_Preview : public ToolWindow {
    Q_OBJECT
public:
    explicit F_Preview(DesignerSession& session);

    // New and Open: the picture takes the document's frame size, and it and the
    // strip are cleared to their background colour.
    void DRefresh() override;
    // Opening sizes the picture to the frame; it leaves a rendered strip alone.
    void Form_Load() override;
    // The player has neither a minimize nor a maximize button.
    bool hasMinimizeButton() const override { return false; }

    // Milliseconds to wait per frame for refresh-rate option 0 to 5.
    static int PlayInterval(int option);

    // Plays the strip once: every frame in strip order, each shown at least
    // PlayInterval + 1 ms after the previous one, then a cleared picture.
    void play(bool doubleSize, int option);

    // Used by the render run.
    void prepareForRender(int frameSize, QRgb background);
    void showRenderedFrame(int frameIndex, int frameCount, const QImage& strip, const QRect& cell);

    PictureBox* Picture1;
    QPushButton* Command1; // "Save"

Q_SIGNALS:
    // Playback has put frame n (0-based) on the picture.
    void frameShown(int frameIndex);

private:
    void Command1_Click();
    void sizePicture(int edge);

    bool playing_ = false;
    QString saveFileName_;
};

} // namespace kirabellum
