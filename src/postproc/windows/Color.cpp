#include "windows/Color.h"

#include "common/windows/BarValueEntry.h"
#include "common/windows/PictureBox.h"
#include "common/windows/ToolWindowHost.h"
#include "common/windows/ValueBarSteps.h"
#include "core/ColourDisplay.h"
#include "core/PostprocSession.h"
#include "core/SharedSettings.h"
#include "windows/Wait.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace koratune {

namespace {

constexpr int HueLargeChange = 15;
constexpr int SaturationLargeChange = 8;

QLabel* valueLabel(const QString& widest, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widest) + 6);
    return label;
}

} // namespace

Color::Color(PostprocSession& session, QWidget* parent)
    : QWidget(parent), session_(session), hScroll1_(new QScrollBar(Qt::Horizontal)),
      label2_(valueLabel(QStringLiteral("359.7ﾟ"), this)),
      picture1_(new common::PictureBox(QSize(HueStripWidth, HueStripHeight))),
      picture2_{new common::PictureBox(QSize(HueStripWidth, HueStripHeight)),
                new common::PictureBox(QSize(2 * HueStripWidth, HueStripHeight), this)},
      hScroll2_(new QScrollBar(Qt::Horizontal)), label1_(valueLabel(QStringLiteral("-100%"), this)),
      command1_(new QPushButton), command2_(new QPushButton), hueGroup_(new QGroupBox(this)),
      saturationGroup_(new QGroupBox(this)) {
    setObjectName(QStringLiteral("Color"));

    hScroll1_->setRange(0, MaximumHueShift);
    hScroll1_->setSingleStep(1);
    hScroll1_->setPageStep(HueLargeChange);
    hScroll2_->setRange(-MaximumSaturationShift, MaximumSaturationShift);
    hScroll2_->setSingleStep(1);
    hScroll2_->setPageStep(SaturationLargeChange);
    for (QScrollBar* bar : {hScroll1_, hScroll2_})
        new common::ValueBarSteps(bar);
    // Typed as they are shown: the hue in degrees, the saturation in percent.
    (new common::BarValueEntry(label2_, hScroll1_))->setScale(360.0 / HueTurn);
    (new common::BarValueEntry(label1_, hScroll2_))->setScale(100.0 / MaximumSaturationShift);
    picture1_->drawImage(HueCycleStrip(1));
    picture2_[1]->drawImage(HueCycleStrip(2));
    picture2_[1]->hide();

    auto* hueLayout = new QGridLayout(hueGroup_);
    hueLayout->addWidget(picture1_, 0, 0);
    hueLayout->addWidget(picture2_[0], 1, 0);
    hueLayout->addWidget(hScroll1_, 2, 0);
    hueLayout->addWidget(label2_, 2, 1);

    auto* saturationLayout = new QGridLayout(saturationGroup_);
    saturationLayout->addWidget(hScroll2_, 0, 0);
    saturationLayout->addWidget(label1_, 0, 1);
    saturationLayout->setColumnMinimumWidth(0, HueStripWidth);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command2_);
    buttons->addWidget(command1_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hueGroup_);
    layout->addWidget(saturationGroup_);
    layout->addLayout(buttons);

    connect(hScroll1_, &QScrollBar::valueChanged, this, &Color::showHueShift);
    connect(hScroll2_, &QScrollBar::valueChanged, this, &Color::showSaturationShift);
    connect(command1_, &QPushButton::clicked, this, &Color::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &Color::Command2_Click);
    showHueShift();
    showSaturationShift();
    retranslate();
}

void Color::retranslate() {
    setWindowTitle(tr("ColorTranceform"));
    hueGroup_->setTitle(tr("色相シフト"));
    saturationGroup_->setTitle(tr("彩度調整"));
    command1_->setText(tr("適用"));
    command1_->setToolTip(tr("この設定で画像の色を変換します"));
    command2_->setText(tr("デフォルト"));
    command2_->setToolTip(tr("色相と彩度を変えない値に戻す"));
    hScroll1_->setToolTip(tr("色相をずらす量"));
    hScroll2_->setToolTip(tr("彩度を上げ下げする割合（％）"));
}

void Color::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        // The window takes the size its texts need in the new language.
        common::ToolWindowHost::fitToContents(*this);
    }
    QWidget::changeEvent(event);
}

void Color::showHueShift() {
    const int value = hScroll1_->value();
    label2_->setText(HueShiftText(value));
    picture2_[0]->drawImage(
        picture2_[1]->image().copy(HueStripOffset(value), 0, HueStripWidth, HueStripHeight));
    picture2_[0]->refresh();
}

void Color::showSaturationShift() {
    label1_->setText(SaturationShiftText(hScroll2_->value()));
}

void Color::Command1_Click() {
    if (!session_.requireImage(tr("ColorTranceform")))
        return;
    SharedSettings& settings = session_.settings;
    settings.HueShift = hScroll1_->value();
    settings.SaturationShift = hScroll2_->value();
    Wait wait(session_.images, settings, this);
    Q_EMIT progressWindowOpened(&wait);
    wait.exec();
    const int rowCount = session_.images.work().height();
    const int rowsRecoloured = wait.rowsRecoloured();
    if (wait.cancelled()) {
        Q_EMIT session_.events.statusShown([rowsRecoloured, rowCount] {
            return tr("色変換を中止しました（%1 / %2 行を変換済み）")
                .arg(rowsRecoloured)
                .arg(rowCount);
        });
    } else {
        const double seconds = static_cast<double>(wait.runMilliseconds()) / 1000.0;
        Q_EMIT session_.events.statusShown([rowCount, seconds] {
            return tr("色変換が終わりました（%1 行、%2 秒）")
                .arg(rowCount)
                .arg(QString::number(seconds, 'f', 1));
        });
    }
    Q_EMIT session_.events.workImageChanged();
}

void Color::Command2_Click() {
    hScroll1_->setValue(0);
    hScroll2_->setValue(0);
}

void Color::closeEvent(QCloseEvent* event) {
    event->accept();
    Q_EMIT unloaded();
}

} // namespace koratune
