#include "windows/render/F_Animation.h"

#include "common/Rounding.h"
#include "common/windows/BarValueEntry.h"
#include "common/windows/EngineView.h"
#include "common/windows/ValueBarSteps.h"
#include "core/document/DesignMath.h"
#include "core/document/SeedText.h"
#include "core/render/StripLayout.h"
#include "core/session/DesignerSession.h"
#include "windows/render/F_Preview.h"
#include "windows/render/Wait.h"
#include "windows/tools/ToolWindowHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <cmath>
#include <optional>

namespace kirabellum {

namespace {

struct BarSettings {
    int minimum, maximum, step, start;
};
// Bars 0 to 4: size, frame count, afterimage, add rate, width limit.
constexpr BarSettings bars[] = {
    {FrameSizeMinimum, FrameSizeMaximum, 8, 160},
    {FrameCountMinimum, FrameCountMaximum, 1, 10},
    {10, 100, 1, 20},
    {10, 200, 1, 100},
    {WidthLimitMinimum, WidthLimitMaximum, 32, 640},
};
constexpr int SizeBar = 0;
constexpr int FrameCountBar = 1;
constexpr int AfterimageBar = 2;
constexpr int AddRateBar = 3;
constexpr int WidthLimitBar = 4;

// The captions of the bars (the afterimage's on its switch), of the rate and of
// the loop and seed switches, which also name their edits in the Edit menu.
constexpr const char* barCaptions[] = {QT_TRANSLATE_NOOP("kirabellum::F_Animation", "サイズ"),
                                       QT_TRANSLATE_NOOP("kirabellum::F_Animation", "フレーム数"),
                                       QT_TRANSLATE_NOOP("kirabellum::F_Animation", "残像"),
                                       QT_TRANSLATE_NOOP("kirabellum::F_Animation", "加算率"),
                                       QT_TRANSLATE_NOOP("kirabellum::F_Animation", "横幅制限")};
constexpr const char* RateCaption =
    QT_TRANSLATE_NOOP("kirabellum::F_Animation", "リフレッシュレート");
constexpr const char* LoopCaption = QT_TRANSLATE_NOOP("kirabellum::F_Animation", "ループ");
constexpr const char* SeedCaption = QT_TRANSLATE_NOOP("kirabellum::F_Animation", "固定シード");

// The seed FixedSeed holds, read as typed or pasted: spaces around it do not count.
std::optional<std::uint64_t> seedIn(const QLineEdit* field) {
    return seedFromText(field->text().trimmed());
}

// Shows `value` on `bar`; when the bar cannot hold it, it shows the nearest end
// without writing that back into the document.
void showOnBar(QScrollBar* bar, double value, bool& showingClampedValue) {
    const bool fits = value >= bar->minimum() && value <= bar->maximum();
    showingClampedValue = !fits;
    const int shown = !std::isfinite(value)    ? bar->minimum()
                      : value < bar->minimum() ? bar->minimum()
                      : value > bar->maximum() ? bar->maximum()
                                               : static_cast<int>(value);
    bar->setValue(shown);
    showingClampedValue = false;
}

} // namespace

F_Animation::F_Animation(DesignerSession& session) : ToolWindow(session, ToolKind::Animation) {
    Frame2 = new QGroupBox(this);
    auto* rendering = new QGridLayout(Frame2);
    rendering->setContentsMargins(6, 4, 6, 6);
    rendering->setVerticalSpacing(3);
    int label = 0;
    for (int index = 0; index < 5; ++index) {
        QWidget* name;
        if (index == AfterimageBar) {
            Check1 = new QCheckBox(Frame2);
            connect(Check1, &QCheckBox::toggled, this, &F_Animation::writeAfterimageOn);
            name = Check1;
        } else {
            Label2[static_cast<std::size_t>(label)] = new QLabel(Frame2);
            name = Label2[static_cast<std::size_t>(label++)];
        }
        auto* bar = new QScrollBar(Qt::Horizontal, Frame2);
        const BarSettings& settings = bars[index];
        bar->setRange(settings.minimum, settings.maximum);
        bar->setSingleStep(settings.step);
        bar->setPageStep(settings.step);
        bar->setMinimumWidth(90);
        new common::ValueBarSteps(bar);
        auto* valueLabel = new QLabel(Frame2);
        valueLabel->setMinimumWidth(56);
        // The afterimage's label counts down from 110 as the bar runs backwards.
        new common::BarValueEntry(valueLabel, bar, index == AfterimageBar ? 110 : 0);
        HScroll1[static_cast<std::size_t>(index)] = bar;
        Label3[static_cast<std::size_t>(index)] = valueLabel;
        rendering->addWidget(name, index, 0);
        rendering->addWidget(bar, index, 1);
        rendering->addWidget(valueLabel, index, 2);
        connect(bar, &QScrollBar::valueChanged, this, [this, index] { HScroll1_Change(index); });
    }
    // The afterimage bar runs backwards: 100 at its left end, 10 at its right.
    // Laying it out right to left turns its thumb and both arrows around.
    HScroll1[AfterimageBar]->setLayoutDirection(Qt::RightToLeft);

    Command1 = new QPushButton(Frame2);
    rendering->addWidget(Command1, 5, 0, 1, 3);
    connect(Command1, &QPushButton::clicked, this, &F_Animation::Command1_Click);

    Frame1 = new QGroupBox(this);
    auto* preview = new QGridLayout(Frame1);
    preview->setContentsMargins(6, 4, 6, 6);
    preview->setVerticalSpacing(3);
    Label1 = new QLabel(Frame1);
    preview->addWidget(Label1, 0, 0, 1, 2);
    const char* rates[] = {"60fps", "40fps", "30fps", "20fps", "15fps", "10fps"};
    for (int index = 0; index < 6; ++index) {
        auto* option = new QRadioButton(QString::fromUtf8(rates[index]), Frame1);
        Option1[static_cast<std::size_t>(index)] = option;
        preview->addWidget(option, 1 + index / 2, index % 2);
    }
    Option1[4]->setChecked(true);
    for (int index = 0; index < 6; ++index)
        connect(Option1[static_cast<std::size_t>(index)], &QRadioButton::toggled, this,
                [this, index](bool checked) {
                    if (checked)
                        writeRefreshRate(index);
                });
    Check2 = new QCheckBox(Frame1);
    Command2 = new QPushButton(Frame1);
    preview->addWidget(Check2, 4, 0, 1, 2);
    preview->addWidget(Command2, 5, 0, 1, 2);
    // The group is as tall as the rendering settings; its controls stay at the top.
    preview->setRowStretch(6, 1);
    connect(Command2, &QPushButton::clicked, this, &F_Animation::Command2_Click);
    connect(Check2, &QCheckBox::toggled, this, &F_Animation::Check2_Click);

    // The loop and seed settings stand in a column of their own, so that the
    // window keeps the height of its two groups and clears the colour editor
    // below it.
    Frame3 = new QGroupBox(this);
    auto* loop = new QGridLayout(Frame3);
    loop->setContentsMargins(6, 4, 6, 6);
    loop->setVerticalSpacing(3);
    LoopCheck = new QCheckBox(Frame3);
    loop->addWidget(LoopCheck, 0, 0);
    connect(LoopCheck, &QCheckBox::toggled, this, &F_Animation::writeLoop);
    // The seed rows: the last render's start under its label, read only but
    // selectable, on the window's grey so that it does not look like a field to
    // type into; and the fixed seed under its check box, which every render
    // starts from while that is checked. Each field holds the twenty digits of
    // the largest seed.
    SeedLabel = new QLabel(Frame3);
    loop->addWidget(SeedLabel, 1, 0);
    LastSeed = new QLineEdit(Frame3);
    LastSeed->setReadOnly(true);
    QPalette readOnly = LastSeed->palette();
    readOnly.setColor(QPalette::Base, readOnly.color(QPalette::Window));
    LastSeed->setPalette(readOnly);
    SeedLabel->setBuddy(LastSeed);
    constexpr int FieldMargins = 8;
    const int seedWidth =
        LastSeed->fontMetrics().horizontalAdvance(QString(20, QLatin1Char('0'))) + FieldMargins;
    LastSeed->setFixedWidth(seedWidth);
    loop->addWidget(LastSeed, 2, 0);
    FixSeedCheck = new QCheckBox(Frame3);
    FixedSeed = new QLineEdit(Frame3);
    FixedSeed->setMaxLength(40);
    FixedSeed->setEnabled(false);
    FixedSeed->setFixedWidth(seedWidth);
    loop->addWidget(FixSeedCheck, 3, 0);
    loop->addWidget(FixedSeed, 4, 0);
    connect(FixSeedCheck, &QCheckBox::clicked, this, &F_Animation::FixSeedCheck_Click);
    connect(FixedSeed, &QLineEdit::editingFinished, this, &F_Animation::writeSeed);
    // Holds its two lines even while empty, so the fixed window size has room
    // for it.
    SeamNotice = new QLabel(Frame3);
    SeamNotice->setWordWrap(true);
    SeamNotice->setFixedWidth(seedWidth);
    SeamNotice->setMinimumHeight(SeamNotice->fontMetrics().lineSpacing() * 2);
    SeamNotice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette warning = SeamNotice->palette();
    warning.setColor(QPalette::WindowText, QColor(192, 0, 0));
    SeamNotice->setPalette(warning);
    loop->addWidget(SeamNotice, 5, 0);
    loop->setRowStretch(6, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Frame2);
    layout->addWidget(Frame1);
    layout->addWidget(Frame3);

    retranslate();

    // The start values of a freshly built window write nothing into the document.
    showingClampedValue_ = true;
    for (int index = 0; index < 5; ++index) {
        const QSignalBlocker quiet(HScroll1[static_cast<std::size_t>(index)]);
        HScroll1[static_cast<std::size_t>(index)]->setValue(bars[index].start);
        HScroll1_Change(index);
    }
    showingClampedValue_ = false;
    showLastRender();
    // A render starts from the settings as this window shows them.
    connect(&session_.events, &DesignerEvents::renderPreparing, this,
            &F_Animation::copyRenderSettings);
}

void F_Animation::retranslate() {
    setWindowTitle(tr("Animation"));
    Frame2->setTitle(tr("Rendering"));
    std::size_t label = 0;
    for (int bar = 0; bar < 5; ++bar)
        if (bar != AfterimageBar)
            Label2[label++]->setText(tr(barCaptions[bar]));
    Check1->setText(tr(barCaptions[AfterimageBar]));
    const char* barTips[] = {QT_TR_NOOP("フレーム一枚の大きさ（ピクセル）"),
                             QT_TR_NOOP("レンダリングするフレームの数"),
                             QT_TR_NOOP("残像の長さ（右ほど長く残る）"),
                             QT_TR_NOOP("重なった粒の光を足し合わせる強さ（％）"),
                             QT_TR_NOOP("フレームストリップの横幅の上限（ピクセル）")};
    for (std::size_t bar = 0; bar < HScroll1.size(); ++bar)
        HScroll1[bar]->setToolTip(tr(barTips[bar]));
    Check1->setToolTip(tr("前のフレームの光を残して尾を引かせる"));
    Command1->setText(tr("レンダリング"));
    Command1->setToolTip(tr("この設定でフレームストリップをレンダリングする（%1）")
                             .arg(renderShortcut().toString(QKeySequence::NativeText)));
    Frame1->setTitle(tr("Preview"));
    Label1->setText(tr(RateCaption));
    for (QRadioButton* option : Option1)
        option->setToolTip(tr("プレビューを再生する速さ"));
    Check2->setText(tr("２倍表示"));
    Check2->setToolTip(tr("プレビューを２倍の大きさで再生する"));
    Command2->setText(previewPlaying_ ? tr("停止") : tr("プレビュー"));
    Command2->setToolTip(tr("レンダリングしたフレームをプレビューで再生する"));
    Frame3->setTitle(tr("ループとシード"));
    LoopCheck->setText(tr(LoopCaption));
    LoopCheck->setToolTip(tr("最後のフレームが最初のフレームにつながる、繰り返し再生用の"
                             "ストリップをレンダリングする"));
    SeedLabel->setText(tr("前回のシード"));
    LastSeed->setToolTip(tr("最後のレンダリングのシード"));
    FixSeedCheck->setText(tr(SeedCaption));
    FixSeedCheck->setToolTip(tr("いつも同じシードからレンダリングして同じ結果を出す"));
    FixedSeed->setAccessibleName(FixSeedCheck->text());
    FixedSeed->setToolTip(tr("レンダリングを始めるシード（0～18446744073709551615）"));
    showSeamNotice();
}

EditName F_Animation::refreshRateName() {
    return EditName(staticMetaObject, RateCaption);
}

QKeySequence F_Animation::renderShortcut() {
    return QKeySequence(Qt::Key_F5);
}

void F_Animation::DRefresh() {
    const DesignDocument& document = session_.document;
    showOnBar(HScroll1[0], document.FrameSize, showingClampedValue_);
    showOnBar(HScroll1[1], document.FrameCount, showingClampedValue_);
    showOnBar(HScroll1[2], document.Afterimage, showingClampedValue_);
    showOnBar(HScroll1[3], common::roundHalfEven(static_cast<double>(document.AddRate) * 100.0),
              showingClampedValue_);
    showOnBar(HScroll1[4], document.WidthLimit, showingClampedValue_);
    // The switch and the rate show the document's own values and write nothing
    // back: a file may hold an AfterimageOn other than 0 or 1, or a RefreshRate
    // that no option shows.
    const QSignalBlocker quietSwitch(Check1);
    Check1->setChecked(document.AfterimageOn != 0);
    if (document.RefreshRate < Option1.size()) {
        const QSignalBlocker quietRate(Option1[document.RefreshRate]);
        Option1[document.RefreshRate]->setChecked(true);
    }
    const QSignalBlocker quietLoop(LoopCheck);
    LoopCheck->setChecked(document.Render.Loop);
    // Without a fixed seed the field keeps what it showed, greyed.
    FixSeedCheck->setChecked(document.Render.Seed.has_value());
    FixedSeed->setEnabled(document.Render.Seed.has_value());
    if (document.Render.Seed)
        FixedSeed->setText(seedText(*document.Render.Seed));
}

void F_Animation::HScroll1_Change(int index) {
    const int value = HScroll1[static_cast<std::size_t>(index)]->value();
    QLabel* label = Label3[static_cast<std::size_t>(index)];
    if (index == SizeBar)
        label->setText(QStringLiteral("%1x%1").arg(value));
    else if (index == AfterimageBar)
        label->setText(QString::number(110 - value));
    else
        label->setText(QString::number(value));
    if (!showingClampedValue_)
        writeBarValue(index);
}

void F_Animation::writeBarValue(int index) {
    const int value = HScroll1[static_cast<std::size_t>(index)]->value();
    session_.history.edit(EditName(staticMetaObject, barCaptions[index]),
                          [index, value](DesignDocument& document) {
                              switch (index) {
                              case SizeBar:
                                  document.FrameSize = static_cast<std::int16_t>(value);
                                  break;
                              case FrameCountBar:
                                  document.FrameCount = static_cast<std::int16_t>(value);
                                  break;
                              case AfterimageBar:
                                  document.Afterimage = static_cast<std::int16_t>(value);
                                  break;
                              case AddRateBar:
                                  document.AddRate = static_cast<float>(value / 100.0);
                                  break;
                              case WidthLimitBar:
                                  document.WidthLimit = static_cast<std::int16_t>(value);
                                  break;
                              }
                          });
}

void F_Animation::writeAfterimageOn() {
    const bool on = Check1->isChecked();
    session_.history.edit(EditName(staticMetaObject, barCaptions[AfterimageBar]),
                          [on](DesignDocument& document) { document.AfterimageOn = on ? 1 : 0; });
}

void F_Animation::writeRefreshRate(int option) {
    session_.history.edit(refreshRateName(), [option](DesignDocument& document) {
        document.RefreshRate = static_cast<std::uint8_t>(option);
    });
}

void F_Animation::writeLoop() {
    const bool loop = LoopCheck->isChecked();
    session_.history.edit(EditName(staticMetaObject, LoopCaption),
                          [loop](DesignDocument& document) { document.Render.Loop = loop; });
}

void F_Animation::writeSeed() {
    std::optional<std::uint64_t> seed;
    if (FixSeedCheck->isChecked()) {
        seed = seedIn(FixedSeed);
        if (!seed)
            return;
    }
    session_.history.edit(EditName(staticMetaObject, SeedCaption),
                          [&seed](DesignDocument& document) { document.Render.Seed = seed; });
}

void F_Animation::FixSeedCheck_Click() {
    const bool fixed = FixSeedCheck->isChecked();
    FixedSeed->setEnabled(fixed);
    if (fixed) {
        // Fixing reproduces the render shown; before any render, the one that
        // the next render would have given anyway.
        const RenderRun& run = session_.renderRun;
        FixedSeed->setText(seedText(run.hasStarted() ? run.startSeed() : session_.random.state()));
    }
    writeSeed();
}

void F_Animation::showLastRender() {
    const RenderRun& run = session_.renderRun;
    LastSeed->setText(run.hasStarted() ? seedText(run.startSeed()) : QString());
    LastSeed->setCursorPosition(0);
    showSeamNotice();
}

void F_Animation::showSeamNotice() {
    const RenderRun& run = session_.renderRun;
    SeamNotice->setText(run.hasStarted() && !run.settled()
                            ? tr("ループの継ぎ目が見えることがあります")
                            : QString());
}

void F_Animation::copyRenderSettings() {
    writeAfterimageOn();
    for (int index : {SizeBar, FrameCountBar, WidthLimitBar})
        writeBarValue(index);
}

int F_Animation::selectedRefreshOption() const {
    for (int index = 0; index < 6; ++index)
        if (Option1[static_cast<std::size_t>(index)]->isChecked())
            return index;
    return 4;
}

void F_Animation::Command1_Click() {
    if (FixSeedCheck->isChecked() && !seedIn(FixedSeed)) {
        session_.dialogs.warning(
            tr("Error"), tr("シードは 0 から 18446744073709551615 までの整数で入力してください。"));
        FixedSeed->setFocus();
        FixedSeed->selectAll();
        return;
    }
    writeSeed();
    // The design is kept in the recovery file before a render starts; a failure
    // there is reported by the main window's next periodic write.
    static_cast<void>(session_.keepRecovery());
    session_.document.RenderCancel = 1;
    Wait wait(session_, window());
    wait.exec();
    showLastRender();
}

void F_Animation::Command2_Click() {
    if (auto* preview = host().openAs<F_Preview>(ToolKind::Preview))
        preview->play(Check2->isChecked(), selectedRefreshOption());
}

void F_Animation::Form_Load() {
    DRefresh();
    if (auto* preview = host().windowAs<F_Preview>(ToolKind::Preview)) {
        showDoubleSize(preview->Picture1->zoom() == 2);
        showPlaying(preview->isPlaying());
    }
}

void F_Animation::Check2_Click() {
    if (auto* preview = host().windowAs<F_Preview>(ToolKind::Preview))
        preview->setDoubleSize(Check2->isChecked());
}

void F_Animation::showPlaying(bool playing) {
    previewPlaying_ = playing;
    Command2->setText(playing ? tr("停止") : tr("プレビュー"));
}

void F_Animation::showDoubleSize(bool doubleSize) {
    const QSignalBlocker quiet(Check2);
    Check2->setChecked(doubleSize);
}

} // namespace kirabellum
