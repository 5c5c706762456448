#include "windows/editors/Syousai.h"

#include "common/windows/BarValueEntry.h"
#include "common/windows/ValueBarSteps.h"
#include "core/session/DesignerSession.h"
#include "windows/editors/F_Editer.h"
#include "windows/render/F_Animation.h"
#include "windows/tools/ToolWindowHost.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace kirabellum {

namespace {

// The dialog's title, which also names its edit in the Edit menu.
constexpr const char* TitleCaption = QT_TRANSLATE_NOOP("kirabellum::Syousai", "発生設定");

// The frame count the render settings window shows, which is the document's
// unless the document holds one outside the window's range; it opens the window
// if it is closed.
int renderSettingsFrameCount(ToolWindowHost& windows) {
    if (auto* settings = windows.openAs<F_Animation>(ToolKind::Animation))
        return settings->HScroll1[1]->value();
    return std::max<int>(windows.session().document.FrameCount, 1);
}

} // namespace

Syousai::Syousai(DesignerSession& session, ToolWindowHost& windows, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      session_(session), windows_(windows) {
    setModal(true);

    Option1[0] = new QRadioButton(this);
    Option1[1] = new QRadioButton(this);
    Option1[0]->setChecked(true);

    Frame1 = new QFrame(this);
    Frame1->setFrameShape(QFrame::StyledPanel);
    for (QLabel*& label : Label2)
        label = new QLabel(Frame1);
    const char* startTexts[] = {"0", "0", "1"};
    const int minimums[] = {0, 0, 1};
    for (std::size_t index = 0; index < HScroll1.size(); ++index) {
        auto* bar = new QScrollBar(Qt::Horizontal, Frame1);
        bar->setRange(minimums[index], std::max(minimums[index], 1));
        bar->setValue(minimums[index]);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->setMinimumWidth(80);
        new common::ValueBarSteps(bar);
        HScroll1[index] = bar;
        Label1[index] = new QLabel(QString::fromUtf8(startTexts[index]), Frame1);
        Label1[index]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Label1[index]->setMinimumWidth(24);
        new common::BarValueEntry(Label1[index], bar);
        const int k = static_cast<int>(index);
        connect(bar, &QScrollBar::valueChanged, this, [this, k] { HScroll1_Change(k); });
    }

    Command1 = new QPushButton(this);
    Command2 = new QPushButton(this);
    retranslate();
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Syousai::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);

    auto* range = new QGridLayout(Frame1);
    range->setContentsMargins(6, 4, 6, 4);
    range->setVerticalSpacing(3);
    range->addWidget(Label2[1], 0, 0, 1, 5);
    range->addWidget(Label1[0], 1, 0);
    range->addWidget(HScroll1[0], 1, 1);
    range->addWidget(Label2[0], 1, 2);
    range->addWidget(Label1[1], 1, 3);
    range->addWidget(HScroll1[1], 1, 4);
    range->addWidget(Label2[2], 2, 0, 1, 2);
    range->addWidget(Label1[2], 2, 3);
    range->addWidget(HScroll1[2], 2, 4);

    auto* options = new QHBoxLayout;
    options->addWidget(Option1[0]);
    options->addWidget(Option1[1]);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addLayout(options);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);

    // Opening: the ranges reach up to the render settings' frame count, then the
    // current layer's settings are shown. A stored value the bars cannot hold is
    // shown at the nearest end; the document changes only on OK.
    const int frameCount = renderSettingsFrameCount(windows_);
    for (QScrollBar* bar : HScroll1)
        bar->setMaximum(std::max(frameCount, bar->minimum()));
    const LayerSettings& layer = session_.document.layer(F_Editer::CurrentLayer(windows_));
    Option1[layer.LayerBurstMode != 0 ? 1 : 0]->setChecked(true);
    HScroll1[0]->setValue(layer.LayerBurstFrom);
    HScroll1[1]->setValue(layer.LayerBurstTo);
    HScroll1[2]->setValue(layer.LayerBurstStep);

    setFixedSize(sizeHint());
    // The dialog opens in the middle of the screen.
    if (const QScreen* display = screen())
        move(display->geometry().center() - rect().center());
}

void Syousai::retranslate() {
    setWindowTitle(tr(TitleCaption));
    Option1[0]->setText(tr("単爆発"));
    Option1[0]->setToolTip(tr("0フレーム時に１回発生"));
    Option1[1]->setText(tr("複数回爆発"));
    Option1[1]->setToolTip(tr("設定時に発生"));
    Label2[0]->setText(tr("～"));
    Label2[1]->setText(tr("フレーム範囲"));
    Label2[2]->setText(tr("ステップ"));
    HScroll1[0]->setToolTip(tr("最初に爆発するフレーム"));
    HScroll1[1]->setToolTip(tr("爆発が始まってよい最後のフレーム"));
    HScroll1[2]->setToolTip(tr("次の爆発までのフレーム数"));
    Command1->setText(tr("OK"));
    Command1->setToolTip(tr("この設定をレイヤーに使う"));
    Command2->setText(tr("Cancel"));
    Command2->setToolTip(tr("何も変えずに閉じる"));
}

void Syousai::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void Syousai::HScroll1_Change(int index) {
    Label1[static_cast<std::size_t>(index)]->setText(
        QString::number(HScroll1[static_cast<std::size_t>(index)]->value()));
    // The last frame never stays below the first.
    if (HScroll1[1]->value() < HScroll1[0]->value())
        HScroll1[1]->setValue(HScroll1[0]->value());
}

void Syousai::Command1_Click() {
    const int current = F_Editer::CurrentLayer(windows_);
    session_.history.edit(
        EditName(staticMetaObject, TitleCaption), [this, current](DesignDocument& document) {
            LayerSettings& layer = document.layer(current);
            layer.LayerBurstMode = Option1[0]->isChecked() ? 0 : 1;
            layer.LayerBurstFrom = static_cast<std::int16_t>(HScroll1[0]->value());
            layer.LayerBurstTo = static_cast<std::int16_t>(HScroll1[1]->value());
            layer.LayerBurstStep = static_cast<std::int16_t>(HScroll1[2]->value());
        });
    accept();
}

} // namespace kirabellum
