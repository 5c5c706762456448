#include "windows/Preview.h"

#include "common/windows/PictureBox.h"
#include "common/windows/ToolWindowHost.h"

#include <QCloseEvent>
#include <QEvent>
#include <QVBoxLayout>

namespace koratune {

namespace {

constexpr int OpeningEdge = 160;

} // namespace

Preview::Preview(QWidget* parent)
    : QWidget(parent), picture1_(new common::PictureBox(QSize(OpeningEdge, OpeningEdge), this)) {
    setObjectName(QStringLiteral("Preview"));
    setWindowTitle(QStringLiteral("Preview"));
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setCursor(Qt::PointingHandCursor);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture1_);
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
    common::ToolWindowHost::fitToContents(*this);
}

void Preview::showOpening(const QImage& opening, QRgb background) {
    picture1_->setBackgroundColour(background);
    picture1_->clear();
    picture1_->drawImage(opening);
    picture1_->refresh();
}

void Preview::closeEvent(QCloseEvent* event) {
    event->accept();
    Q_EMIT unloaded();
}

} // namespace koratune
