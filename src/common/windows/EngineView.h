#pragma once

#include "common/sheets/SceneBackground.h"
#include "common/sheets/SheetOptions.h"
#include "common/windows/PictureBox.h"

namespace common {

// A picture box whose picture holds frames as the programs draw them
// (additively over the box's background colour) and which shows them as a game
// engine will: turned into the chosen blend's pixels as the sheet export
// writes them, with the background colour made transparent, and drawn over
// the chosen scene. Shown zoomed by whole pixels, or scaled down to fit the
// room it is given.
class EngineView : public PictureBox {
    Q_OBJECT
public:
    // The largest zoom offered, and the zoom that fits the room.
    static constexpr int MaximumZoom = 8;
    static constexpr int FitZoom = 0;

    explicit EngineView(QWidget* parent = nullptr);

    AlphaMode blend() const { return blend_; }
    void setBlend(AlphaMode blend);
    const SceneBackground& scene() const { return scene_; }
    void setScene(const SceneBackground& scene);

    // 1 to MaximumZoom, or FitZoom: the largest whole zoom that fits the room.
    int zoom() const { return zoom_; }
    void setZoom(int zoom);
    // The most room the box may take on screen; empty: no limit.
    void setRoom(QSize room);
    // The scale the picture is shown at: the zoom, or less where it would not
    // fit the room (then below 1 when not even the picture itself fits).
    double shownScale() const;
    // Whether the picture is shown smaller than the zoom chosen asks.
    bool zoomedOutToFit() const;

    // The picture as the engine will show it, one pixel per picture pixel.
    QImage shown() const;

Q_SIGNALS:
    // The box changed its size on screen.
    void displayResized();

protected:
    QSize displaySize() const override;
    void paintEvent(QPaintEvent* event) override;

private:
    void resizeDisplay();

    AlphaMode blend_ = AlphaMode::Additive;
    SceneBackground scene_;
    int zoom_ = 1;
    QSize room_;
};

} // namespace common
