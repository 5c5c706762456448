#pragma once

#include "windows/tools/ToolWindow.h"

#include "common/PlaybackClock.h"

class QComboBox;
class QPushButton;

namespace common {
class PictureBox;
}

namespace kirabellum {

// The preview player "Preview": shows each frame while a render runs, plays the
// frame strip at the chosen rate in the order it offers (once, over and over,
// or back and forth), and saves the strip as a picture.
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

    // Plays the strip in the order chosen in Combo1, each frame shown at least
    // PlayInterval + 1 ms after the previous one for refresh-rate option
    // `option`. Played once: every frame in strip order, then a cleared
    // picture. Played over and over or back and forth, it runs until the
    // window closes or play is called again, which stops it and clears the
    // picture; a call during a single playback is refused.
    void play(bool doubleSize, int option);
    bool isPlaying() const { return playing_; }
    // Playback is timed by the steady clock unless given another one.
    void setPlaybackClock(common::PlaybackClock& clock) { clock_ = &clock; }

    // Used by the render run.
    void prepareForRender(int frameSize, QRgb background);
    void showRenderedFrame(int frameIndex, int frameCount, const QImage& strip, const QRect& cell);

    common::PictureBox* Picture1;
    QPushButton* Command1; // "Save"
    QComboBox* Combo1;     // the playback order: "1回", "繰り返し", "往復"

Q_SIGNALS:
    // Playback has put frame n (0-based) on the picture.
    void frameShown(int frameIndex);

protected:
    // Closing the window ends a playback.
    void closeEvent(QCloseEvent* event) override;

private:
    void Command1_Click();
    void sizePicture(int edge);

    common::PlaybackClock steadyClock_;
    common::PlaybackClock* clock_ = &steadyClock_;
    bool playing_ = false;
    bool endless_ = false;
    bool stopRequested_ = false;
    QString saveFileName_;
};

} // namespace kirabellum
