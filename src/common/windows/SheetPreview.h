#pragma once

#include "common/sheets/SceneBackground.h"
#include "common/sheets/SheetOptions.h"

#include <QImage>
#include <QRgb>
#include <QWidget>

namespace common {

// A sheet as it will be written, shown as a game engine draws it in its mode
// over a checkerboard or one colour, so that its transparency can be seen:
// within `area`, scaled down to fit when it is larger, pixel for pixel
// (nearest neighbour, never smoothed).
class SheetPreview : public QWidget {
    Q_OBJECT
public:
    explicit SheetPreview(QSize area, QWidget* parent = nullptr);

    // The sheet in `mode`, its pixels as written to the file; a null image
    // shows the ground alone.
    void setSheet(const QImage& sheet, AlphaMode mode);
    // What the sheet is drawn over.
    void setScene(const SceneBackground& scene);

    // The sheet as the engine shows it over the scene, one pixel per pixel.
    const QImage& shown() const { return shown_; }
    // The part of the area the sheet takes.
    QRect sheetRect() const;
    // The percentage the sheet is shown at: 100 unless it is scaled down.
    int scalePercent() const;

    QSize sizeHint() const override { return area_; }
    QSize minimumSizeHint() const override { return area_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void compose();

    QSize area_;
    QImage sheet_;
    AlphaMode mode_ = AlphaMode::Additive;
    SceneBackground scene_{SceneKind::Checkerboard, qRgb(0, 0, 0), QImage()};
    QImage shown_;
};

} // namespace common
