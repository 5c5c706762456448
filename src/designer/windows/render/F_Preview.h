#pragma once

#include "windows/tools/ToolWindow.h"

#include "common/PlaybackClock.h"

class QPushButton;

namespace common {
class PictureBox;
}

namespace kirabellum {

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

    // Plays the strip once: every frame in strip order, each shown at least
    // PlayInterval + 1 ms after the previous one for refresh-rate option
    // `option`, then a cleared picture.
    void play(bool doubleSize, int option);
    // Playback is timed by the steady clock unless given another one.
    void setPlaybackClock(common::PlaybackClock& clock) { clock_ = &clock; }

    // Used by the render run.
    void prepareForRender(int frameSize, QRgb background);
    void showRenderedFrame(int frameIndex, int frameCount, const QImage& strip, const QRect& cell);

    common::PictureBox* Picture1;
    QPushButton* Command1; // "Save"

Q_SIGNALS:
    // Playback has put frame n (0-based) on the picture.
    void frameShown(int frameIndex);

private:
    void Command1_Click();
    void sizePicture(int edge);

    common::PlaybackClock steadyClock_;
    common::PlaybackClock* clock_ = &steadyClock_;
    bool playing_ = false;
    QString saveFileName_;
};

} // namespace kirabellum
