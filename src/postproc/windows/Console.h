#pragma once

#include "common/FramePlayback.h"
#include "common/PlaybackClock.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace common {
struct FrameStripInfo;
}

namespace koratune {

class PostprocSession;
class Preview;

// The console: describes the frame image (frame size and count), chooses the
// frames used (start, step, mirroring) and copies these into the shared
// settings on apply; its "Preview" group plays the frames in the preview
// window at a chosen refresh rate and order (once, over and over, or back and
// forth), optionally at double size.
class Console : public QWidget {
    Q_OBJECT

public:
    // Scroll bars 0 to 3: frame size, frame count, step, start frame (from 1).
    static constexpr int ScrollBarCount = 4;
    static constexpr int RefreshRateCount = common::RefreshRateOptionCount;

    // Opens the preview window if it is closed (without the focus) and gives it.
    using PreviewLoader = std::function<Preview*()>;

    Console(PostprocSession& session, PreviewLoader loadPreview, QWidget* parent = nullptr);

    QScrollBar* HScroll1(int index) const { return hScroll1_[index]; }
    QLabel* Label2(int index) const { return label2_[index]; }
    QLabel* Label3(int index) const { return label3_[index]; }
    QRadioButton* Option1(int index) const { return option1_[index]; }
    QCheckBox* Check2() const { return check2_; }
    // The playback order: "1回", "繰り返し", "往復".
    QComboBox* Combo1() const { return combo1_; }
    QCheckBox* Check3() const { return check3_; }
    QCheckBox* Check4() const { return check4_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }

    // Copies the first group's values into the shared settings and sizes the
    // preview picture to one frame.
    void Command1_Click();
    // Takes the frame size, frame count and rate a picture says it has (the
    // refresh rate nearest to its rate) and applies them.
    void describeFrames(const common::FrameStripInfo& frames);
    // Plays the frames chosen by the shared settings in the preview window,
    // in the order chosen in Combo1, at the preview's zoom (double size is its
    // 2x zoom). A second start stops a playback, whatever its order; the
    // last frame shown stays. The button reads "停止" while it plays.
    void PlayPreview();
    // Left and Right in the preview: the frame before or after the one shown,
    // among the frames the settings choose, the first after the last.
    void stepFrame(int delta);
    // The zoom chosen in the preview: double size is ticked at 2x only.
    void showDoubleSize(bool doubleSize);
    bool isPlaying() const { return playing_; }
    // The refresh-rate option chosen (0 to 5: 60 to 10 frames per second).
    int selectedRefreshRate() const;
    // Playback is timed by the steady clock unless given another one.
    void setPlaybackClock(common::PlaybackClock& clock) { clock_ = &clock; }
    // Ends a running playback after the frame it is on.
    void stopPlayback() { stopRequested_ = true; }

Q_SIGNALS:
    // A frame of a playback is on screen, with the preview window's caption.
    void frameShown(int frame, const QString& caption);
    // A playback ran out of frames; its last frame stays on the picture.
    void playbackFinished();
    // The window was closed.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void HScroll1_Change(int index);
    void retranslate();
    // Whether a playback runs, on the play button.
    void showPlaying(bool playing);
    // The preview outside playback: its play button and the caption "Preview";
    // the picture keeps the last frame shown.
    static void showAtRest(Preview& preview);

    PostprocSession& session_;
    PreviewLoader loadPreview_;
    std::array<QScrollBar*, ScrollBarCount> hScroll1_{};
    std::array<QLabel*, ScrollBarCount> label2_{};
    std::array<QLabel*, ScrollBarCount> label3_{};
    std::array<QRadioButton*, RefreshRateCount> option1_{};
    QGroupBox* frameGroup_ = nullptr;
    QGroupBox* previewGroup_ = nullptr;
    QLabel* label1_ = nullptr;
    QCheckBox* check2_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QCheckBox* check3_ = nullptr;
    QCheckBox* check4_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    common::PlaybackClock steadyClock_;
    common::PlaybackClock* clock_ = &steadyClock_;
    bool playing_ = false;
    bool stopRequested_ = false;
};

} // namespace koratune
