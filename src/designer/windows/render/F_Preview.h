#pragma once

#include "windows/tools/ToolWindow.h"

#include "common/PlaybackClock.h"

#include <cstdint>
#include <memory>

class QCheckBox;
class QComboBox;
class QPushButton;
class QTimer;

namespace common {
class PictureBox;
}

namespace kirabellum {

class LiveRender;

// The preview player "Preview": shows each frame while a render runs, plays the
// frame strip at the chosen rate in the order it offers (once, over and over,
// or back and forth), and saves the strip as a picture. In live mode it renders
// the design again in the background after every change and plays the newest
// frames over and over, while the render button's strip stays as it was. A
// render or a playback leaves its last frame on the picture until the next
// change of the design.
class F_Preview : public ToolWindow {
    Q_OBJECT
public:
    explicit F_Preview(DesignerSession& session);
    ~F_Preview() override;

    // New and Open: the picture takes the document's frame size, and it and the
    // strip are cleared to their background colour.
    void DRefresh() override;
    // Opening sizes the picture to the frame; it leaves a rendered strip alone.
    void Form_Load() override;

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

    // A render's start (the preview is opened for it), its frames and its end,
    // as the progress window announces them: in between the picture shows the
    // frames as they are drawn.
    void prepareForRender(int frameSize, QRgb background);
    void showRenderedFrame(int frameIndex, int frameCount, const QImage& strip, const QRect& cell);
    void renderFinished();

    // Live mode: the next frame of the newest live frames on the picture, the
    // first once a newer render has drawn it (the live timer's step).
    void showNextLiveFrame();
    // The background render of live mode; null while live mode is off.
    LiveRender* liveRender() const { return live_.get(); }

    common::PictureBox* Picture1;
    QPushButton* Command1; // "Save"
    QComboBox* Combo1;     // the playback order: "1回", "繰り返し", "往復"
    QCheckBox* LiveCheck;  // "ライブ": the design played as it is edited

Q_SIGNALS:
    // Playback has put frame n (0-based) on the picture.
    void frameShown(int frameIndex);

protected:
    void retranslate() override;
    // Closing the window ends a playback.
    void closeEvent(QCloseEvent* event) override;

private:
    void Command1_Click();
    void sizePicture(int edge);
    void LiveCheck_Click();
    // Renders the document as it now is, from its fixed seed or else from 0.
    void requestLiveRender();
    void liveFrameReady(quint64 request, int frameIndex);
    // Live frames are shown unless a playback or a render uses the picture.
    bool showsLiveFrames() const { return live_ && !playing_ && !rendering_; }
    // Sizes the picture to the live frames and times them at the document's rate.
    void resumeLive();
    // After a render or a playback in live mode the picture keeps its last
    // frame until the design changes: the frames of the live renders requested
    // so far are not shown.
    void holdUntilNextChange();

    common::PlaybackClock steadyClock_;
    common::PlaybackClock* clock_ = &steadyClock_;
    bool playing_ = false;
    bool endless_ = false;
    bool stopRequested_ = false;
    bool rendering_ = false;
    QString saveFileName_;
    std::unique_ptr<LiveRender> live_;
    QTimer* liveTimer_;
    std::uint64_t liveShown_ = 0;      // the live request whose frames are on the picture
    int liveFrame_ = 0;                // the live frame on the picture
    std::uint64_t liveRequested_ = 0;  // the newest live request
    std::uint64_t heldUntilAfter_ = 0; // live frames are shown from later requests only
};

} // namespace kirabellum
