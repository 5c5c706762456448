#include "windows/Preview.h"

#include "common/FramePlayback.h"
#include "common/windows/EngineView.h"
#include "common/windows/FramePreview.h"

#include <QCloseEvent>
#include <QEvent>
#include <QVBoxLayout>

namespace koratune {

namespace {

constexpr int OpeningEdge = 160;

} // namespace

Preview::Preview(common::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), viewer_(new common::FramePreview(QStringLiteral("koratune"), dialogs, this)),
      picture1_(viewer_->picture()) {
    setObjectName(QStringLiteral("Preview"));
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setCursor(Qt::PointingHandCursor);
    picture1_->setPictureSize(QSize(OpeningEdge, OpeningEdge));
    viewer_->attachTo(*this);
    viewer_->setCaption(common::FramePlayback::idleCaption());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(viewer_);
    connect(picture1_, &common::PictureBox::pressed, this, &Preview::picturePressed);
    retranslate();
}

void Preview::retranslate() {
    picture1_->setToolTip(tr("クリックで画像を開きます"));
}

void Preview::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void Preview::setPictureEdge(int edge) {
    picture1_->setPictureSize(QSize(edge, edge));
    viewer_->fitWindow();
}

void Preview::showOpening(const QImage& opening, QRgb background) {
    picture1_->setBackgroundColour(background);
    picture1_->clear();
    picture1_->drawImage(opening);
    picture1_->refresh();
    viewer_->setFrame(-1, 0);
}

void Preview::showCaption(const QString& caption) {
    viewer_->setCaption(caption);
}

void Preview::closeEvent(QCloseEvent* event) {
    event->accept();
    Q_EMIT unloaded();
}

} // namespace koratune
