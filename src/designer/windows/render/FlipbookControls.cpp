#include "windows/render/FlipbookControls.h"

#include "common/sheets/SheetOptionTable.h"
#include "windows/render/ControlRow.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QSpinBox>

namespace kirabellum {

namespace {

constexpr int SlowDowns = 4; // 1, 1/2, 1/4, 1/8

const char* const blendCaptions[] = {
    QT_TRANSLATE_NOOP("kirabellum::FlipbookControls", "なし"),
    QT_TRANSLATE_NOOP("kirabellum::FlipbookControls", "クロスフェード"),
    QT_TRANSLATE_NOOP("kirabellum::FlipbookControls", "モーションベクター"),
};

} // namespace

FlipbookControls::FlipbookControls(QWidget* parent)
    : QWidget(parent), blend_(new QComboBox(this)), speed_(new QComboBox(this)),
      frameStep_(new QSpinBox(this)) {
    for (QLabel*& label : labels_)
        label = new QLabel(this);
    for (std::size_t blend = 0; blend < std::size(blendCaptions); ++blend)
        blend_->addItem(QString());
    for (int slowDown = 1, option = 0; option < SlowDowns; ++option, slowDown *= 2)
        speed_->addItem(slowDown == 1 ? QStringLiteral("1") : QStringLiteral("1/%1").arg(slowDown),
                        slowDown);
    // The steps the sheet export takes.
    const common::SheetOptionRow& step = common::sheetOptionRow(common::SheetOption::FrameStep);
    frameStep_->setRange(step.minimum, step.maximum);
    blend_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    layOutControlRow(*this, labels_, std::array<QWidget*, 3>{blend_, speed_, frameStep_});
    retranslate();
}

common::FlipbookBlend FlipbookControls::blend() const {
    return static_cast<common::FlipbookBlend>(blend_->currentIndex());
}

int FlipbookControls::slowDown() const {
    return speed_->currentData().toInt();
}

int FlipbookControls::frameStep() const {
    return frameStep_->value();
}

void FlipbookControls::retranslate() {
    labels_[0]->setText(tr("補間"));
    labels_[1]->setText(tr("速度"));
    labels_[2]->setText(tr("コマ間隔"));
    for (int blend = 0; blend < blend_->count(); ++blend)
        blend_->setItemText(blend, tr(blendCaptions[blend]));
    blend_->setToolTip(
        tr("残したコマの間をエンジンと同じように埋める: なし、"
           "2コマを重ねるクロスフェード、動きに沿ってずらすモーションベクター（Unity の形式）"));
    speed_->setToolTip(tr("フレームレートより遅く再生して、コマの間を見る"));
    frameStep_->setToolTip(tr("N コマごとに1コマを残し、書き出しと同じく残したコマだけを使う"));
}

void FlipbookControls::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace kirabellum
