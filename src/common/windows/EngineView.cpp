#include "common/windows/EngineView.h"

#include "common/sheets/EngineBlend.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace common {

EngineView::EngineView(QWidget* parent) : PictureBox(parent) {}

void EngineView::setBlend(AlphaMode blend) {
    blend_ = blend;
    update();
}

void EngineView::setScene(const SceneBackground& scene) {
    scene_ = scene;
    update();
}

void EngineView::setZoom(int zoom) {
    zoom_ = std::clamp(zoom, FitZoom, MaximumZoom);
    resizeDisplay();
}

void EngineView::setRoom(QSize room) {
    room_ = room;
    resizeDisplay();
}

double EngineView::shownScale() const {
    const QSize picture = image().size();
    const double fits = room_.isEmpty()
                            ? MaximumZoom
                            : std::min(static_cast<double>(room_.width()) / picture.width(),
                                       static_cast<double>(room_.height()) / picture.height());
    if (fits < 1.0)
        return fits;
    const int wholeFit = std::min(static_cast<int>(fits), MaximumZoom);
    return zoom_ == FitZoom ? wholeFit : std::min(zoom_, wholeFit);
}

bool EngineView::zoomedOutToFit() const {
    return zoom_ != FitZoom && shownScale() < zoom_;
}

QImage EngineView::shown() const {
    return engineView(image(), blend_, colourFromRgb(backgroundColour()), scene_);
}

QSize EngineView::displaySize() const {
    const double scale = shownScale();
    const QSize picture = image().size();
    return QSize(std::max(1, static_cast<int>(std::floor(picture.width() * scale))),
                 std::max(1, static_cast<int>(std::floor(picture.height() * scale))));
}

void EngineView::resizeDisplay() {
    const QSize before = size();
    showAtDisplaySize();
    if (size() != before)
        Q_EMIT displayResized();
}

void EngineView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), shown());
}

} // namespace common
