#pragma once

#include "windows/tools/ToolWindow.h"

#include "common/FlipbookTiming.h"
#include "common/FramePlayback.h"
#include "common/PlaybackClock.h"
#include "common/sheets/SheetOptions.h"
#include "core/render/BlendedFrames.h"

#include <cstdint>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QPushButton;
class QTimer;

namespace common {
class EngineView;
class FramePreview;
} // namespace common

namespace kirabellum {

class FlipbookControls;
class LiveRender;
class PaletteControls;

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
    // `option`, at double size (the 2x zoom) or else at 1x unless another zoom
    // was chosen. Played once it runs through the frames in strip order;
    // played over and over or back and forth it runs until the window closes.
    // A call while it plays stops it. Either way the last frame shown stays.
    // With Flipbook's settings it plays only the kept frames, slowed, with
    // what an engine shows between them (common::FlipbookTiming); played over
    // and over the last kept frame leads into the first. Motion vectors come
    // from rendering the design again as the strip was rendered. With
    // PixelArt's palette and scale it shows the frames an export with those
    // options writes (see playedStrip).
    void play(bool doubleSize, int option);
    // Space and the play button: plays at the zoom shown and the document's
    // rate, or stops.
    void playOrStop();
    // Double size (２倍表示) is the 2x zoom: ticked, the picture is shown at 2x,
    // unticked at 1x, live frames and the strip alike.
    void setDoubleSize(bool doubleSize);
    // Left and Right: the frame before or after the one shown, from the strip,
    // the first after the last.
    void stepFrame(int delta);
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

    // The frames as they are drawn, shown as an engine will show them.
    common::EngineView* Picture1;
    // The picture with its scene, blend, zoom, play button and frame number.
    common::FramePreview* Viewer;
    QPushButton* Command1; // "Save"
    QComboBox* Combo1;     // the playback order: "1回", "繰り返し", "往復"
    QCheckBox* LiveCheck;  // "ライブ": the design played as it is edited
    // The kept frames, the blend between them and the speed of a playback.
    FlipbookControls* Flipbook;
    // The palette, dithering and scale the frames are played with, as an
    // export with them writes the frames; live frames take them too.
    PaletteControls* PixelArt;

    // The largest picture edge the preview shows: PixelArt offers no scale
    // that would enlarge the frames beyond it.
    static constexpr int MaximumPictureEdge = 1024;

Q_SIGNALS:
    // Playback has put frame n (0-based) on the picture.
    void frameShown(int frameIndex);

protected:
    void retranslate() override;
    // Closing the window ends a playback.
    void closeEvent(QCloseEvent* event) override;

private:
    void Command1_Click();
    // The play buttons read "停止" while a playback runs.
    void showPlaying(bool playing);
    // The render settings' double size follows the zoom the user chose here.
    void zoomChosen(int zoom);
    void sizePicture(int edge);
    // Sizes the picture to frames of `frameSize` enlarged by PixelArt's
    // scale, and offers no scale past MaximumPictureEdge.
    void sizePictureForFrames(int frameSize);
    // Shows `cell` of `source` enlarged as the export enlarges its frames.
    void showFrame(const QImage& source, const QRect& cell);
    // Shows frame `frame` of the played strip.
    void showStripFrame(int frame);
    // PixelArt changed: live mode renders again, the frame at rest is shown again.
    void pixelArtChanged();
    // The strip as playback shows it: the rendered strip, or with PixelArt's
    // palette the strip an export locked to it writes (the design rendered
    // again through the snapped ramp, dithered as chosen), made anew when the
    // strip or the palette changes. A render in progress plays as it draws;
    // a design changed since its render plays as rendered, the reason in the
    // status bar.
    const QImage& playedStrip();
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
    // The ticks of a playback of `frameCount` frames in `order` as Flipbook
    // sets them.
    common::FlipbookTiming flipbookTiming(int frameCount, common::PlaybackOrder order) const;
    // Shows tick `tick` of the rendered strip as Flipbook's blend shows it.
    void showTick(const common::FlipbookTiming& timing, const common::FlipbookTick& tick);
    // The strip's kept frames for the blend chosen, made anew when the strip,
    // the frame step or the blend ask for it; with motion vectors the design
    // is rendered again, and a design changed since its render is shown as a
    // cross-fade, the reason in the status bar.
    const BlendedFrames& blendedFrames();

    common::PlaybackClock steadyClock_;
    common::PlaybackClock* clock_ = &steadyClock_;
    bool playing_ = false;
    bool stopRequested_ = false;
    bool rendering_ = false;
    QString saveFileName_;
    std::unique_ptr<LiveRender> live_;
    QTimer* liveTimer_;
    std::uint64_t liveShown_ = 0;      // the live request whose frames are on the picture
    int liveFrame_ = 0;                // the live frame on the picture
    std::uint64_t liveRequested_ = 0;  // the newest live request
    std::uint64_t heldUntilAfter_ = 0; // live frames are shown from later requests only
    // The played strip for a palette: the rendered strip it was made from
    // (its cache key), the palette and dithering, and the frames.
    struct LockedStrip {
        qint64 from = 0;
        QString palette;
        common::Dither dither = common::Dither::None;
        QImage frames;
    };
    std::optional<LockedStrip> locked_;
    std::optional<BlendedFrames> blended_;
    bool blendedForMotion_ = false; // whether blended_ was made for motion blending
};

} // namespace kirabellum
