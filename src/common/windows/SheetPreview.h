#pragma once

#include "common/sheets/SheetOptions.h"

#include <QImage>
#include <QRgb>
#include <QWidget>

#include <optional>

namespace common {

// A sheet as it will be written, shown over a checkerboard or over one
// colour, so that its transparency can be seen: within `area`, scaled down to
// fit when it is larger, pixel for pixel (nearest neighbour, never smoothed).
class SheetPreview : public QWidget {
    Q_OBJECT
public:
    explicit SheetPreview(QSize area, QWidget* parent = nullptr);

    // The sheet in `mode`, its pixels as written to the file; a null image
    // shows the ground alone.
    void setSheet(const QImage& sheet, AlphaMode mode);
    // The colour under the sheet; none: a checkerboard.
    void setGround(std::optional<QRgb> ground);

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
    QSize area_;
    // The sheet as QPainter reads it (premultiplied values as such).
    QImage shown_;
    std::optional<QRgb> ground_;
};

} // namespace common
