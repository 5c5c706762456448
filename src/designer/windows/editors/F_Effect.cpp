#include "windows/editors/F_Effect.h"

#include "common/windows/BarValueEntry.h"
#include "core/document/LayerEffects.h"
#include "core/editing/LayerRamps.h"
#include "core/session/DesignerSession.h"
#include "windows/editors/F_Editer.h"
#include "windows/editors/SpinBar.h"
#include "windows/tools/ToolWindowHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMargins>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace kirabellum {

namespace {

// The captions of the controls, which also name their edits in the Edit menu.
constexpr const char* ParentCaption = QT_TRANSLATE_NOOP("kirabellum::F_Effect", "親レイヤー");
constexpr const char* momentCaptions[] = {QT_TRANSLATE_NOOP("kirabellum::F_Effect", "消えたとき"),
                                          QT_TRANSLATE_NOOP("kirabellum::F_Effect", "年齢で")};
constexpr const char* AgeCaption = QT_TRANSLATE_NOOP("kirabellum::F_Effect", "年齢");
constexpr const char* SplitCaption = QT_TRANSLATE_NOOP("kirabellum::F_Effect", "分裂する");
constexpr const char* InheritCaption = QT_TRANSLATE_NOOP("kirabellum::F_Effect", "速度の継承");
constexpr const char* TrailCaption = QT_TRANSLATE_NOOP("kirabellum::F_Effect", "尾を引く");
constexpr const char* StepsCaption = QT_TRANSLATE_NOOP("kirabellum::F_Effect", "段数");
constexpr const char* FadeCaption = QT_TRANSLATE_NOOP("kirabellum::F_Effect", "明るさ");
constexpr const char* rampCaptions[] = {
    QT_TRANSLATE_NOOP("kirabellum::F_Effect", "デザインのランプ"),
    QT_TRANSLATE_NOOP("kirabellum::F_Effect", "専用のランプ")};
// Under the group's title the options need no more than this, which keeps the
// window clear of the preview player's corner.
constexpr const char* rampOptions[] = {QT_TRANSLATE_NOOP("kirabellum::F_Effect", "共通"),
                                       QT_TRANSLATE_NOOP("kirabellum::F_Effect", "専用")};

QLabel* valueLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// Every group's margins, narrow enough to keep the window clear of the
// preview player's corner.
constexpr QMargins GroupMargins(4, 4, 4, 6);

QGridLayout* groupLayout(QGroupBox* group) {
    auto* rows = new QGridLayout(group);
    rows->setContentsMargins(GroupMargins);
    rows->setHorizontalSpacing(4);
    rows->setVerticalSpacing(3);
    return rows;
}

// A caption, a value and its spin bar on row `row` of a group.
void addBarRow(QGridLayout* rows, int row, QLabel* caption, QLabel* value, QScrollBar* bar) {
    rows->addWidget(caption, row, 0);
    rows->addWidget(value, row, 1);
    rows->addWidget(bar, row, 2);
}

} // namespace

F_Effect::F_Effect(DesignerSession& session) : ToolWindow(session, ToolKind::Effect) {
    Label1 = new QLabel(this);

    Frame1 = new QGroupBox(this);
    for (QLabel*& caption : Label2)
        caption = new QLabel(Frame1);
    Combo1 = new QComboBox(Frame1);
    // As wide as its longest entry in the language shown.
    Combo1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (int parent = 0; parent <= LayerTotal; ++parent)
        Combo1->addItem(QString());
    for (QRadioButton*& option : Option1)
        option = new QRadioButton(Frame1);
    Option1[0]->setChecked(true);
    HScroll1 = makeSpinBar(Frame1, 1, 255, 1);
    Label3 = valueLabel(Frame1);
    Check1 = new QCheckBox(Frame1);
    HScroll2 = makeSpinBar(Frame1, 0, 100, 1);
    Label4 = valueLabel(Frame1);
    auto* trigger = groupLayout(Frame1);
    // The parent's row spans the group, so that its caption does not widen
    // the captions' column of the rows below.
    auto* parent = new QHBoxLayout;
    parent->setSpacing(4);
    parent->addWidget(Label2[0]);
    parent->addWidget(Combo1);
    parent->addStretch(1);
    trigger->addLayout(parent, 0, 0, 1, 4);
    auto* moments = new QHBoxLayout;
    moments->addWidget(Option1[0]);
    moments->addWidget(Option1[1]);
    moments->addStretch(1);
    trigger->addLayout(moments, 1, 0, 1, 4);
    addBarRow(trigger, 2, Label2[1], Label3, HScroll1);
    trigger->addWidget(Check1, 2, 3);
    addBarRow(trigger, 3, Label2[2], Label4, HScroll2);
    trigger->setColumnStretch(3, 1);
    trigger->setRowStretch(4, 1);

    Frame2 = new QGroupBox(this);
    Check2 = new QCheckBox(Frame2);
    for (QLabel*& caption : Label5)
        caption = new QLabel(Frame2);
    HScroll3 = makeSpinBar(Frame2, 1, 8, 1);
    Label6 = valueLabel(Frame2);
    HScroll4 = makeSpinBar(Frame2, 1, 100, 1);
    Label7 = valueLabel(Frame2);
    auto* trail = groupLayout(Frame2);
    trail->addWidget(Check2, 0, 0, 1, 3);
    addBarRow(trail, 1, Label5[0], Label6, HScroll3);
    addBarRow(trail, 2, Label5[1], Label7, HScroll4);
    trail->setRowStretch(3, 1);

    Frame3 = new QGroupBox(this);
    auto* ramp = new QVBoxLayout(Frame3);
    ramp->setContentsMargins(GroupMargins);
    ramp->setSpacing(3);
    for (QRadioButton*& option : Option2) {
        option = new QRadioButton(Frame3);
        ramp->addWidget(option);
    }
    Option2[0]->setChecked(true);
    ramp->addStretch(1);

    // The start values of a fresh window, which a new trigger or trail takes;
    // DRefresh shows the document's.
    const LayerTrigger startTrigger;
    const LayerTrail startTrail;
    showOnSpinBar(HScroll1, startTrigger.Age);
    showOnSpinBar(HScroll2, startTrigger.Inherit);
    showOnSpinBar(HScroll3, startTrail.Steps);
    showOnSpinBar(HScroll4, startTrail.Fade);
    new common::BarValueEntry(Label3, HScroll1);
    new common::BarValueEntry(Label4, HScroll2);
    new common::BarValueEntry(Label6, HScroll3);
    new common::BarValueEntry(Label7, HScroll4);

    // The layer's number over the three groups side by side.
    auto* groups = new QHBoxLayout;
    groups->setSpacing(3);
    groups->addWidget(Frame1);
    groups->addWidget(Frame2);
    groups->addWidget(Frame3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 4);
    layout->setSpacing(3);
    layout->addWidget(Label1);
    layout->addLayout(groups);
    retranslate();

    connect(Combo1, &QComboBox::currentIndexChanged, this, &F_Effect::Combo1_Click);
    for (int index = 0; index < 2; ++index) {
        connect(Option1[static_cast<std::size_t>(index)], &QRadioButton::clicked, this,
                [this, index] { Option1_Click(index); });
        connect(Option2[static_cast<std::size_t>(index)], &QRadioButton::clicked, this,
                [this, index] { Option2_Click(index); });
    }
    connect(HScroll1, &QScrollBar::valueChanged, this, &F_Effect::HScroll1_Change);
    connect(Check1, &QCheckBox::clicked, this, &F_Effect::Check1_Click);
    connect(HScroll2, &QScrollBar::valueChanged, this, &F_Effect::HScroll2_Change);
    connect(Check2, &QCheckBox::clicked, this, &F_Effect::Check2_Click);
    connect(HScroll3, &QScrollBar::valueChanged, this, &F_Effect::HScroll3_Change);
    connect(HScroll4, &QScrollBar::valueChanged, this, &F_Effect::HScroll4_Change);
}

void F_Effect::retranslate() {
    setWindowTitle(tr("レイヤー効果"));
    Label1->setToolTip(tr("効果を編集するレイヤー（パーティクルエディタで選ぶ）"));
    Frame1->setTitle(tr("子の爆発"));
    Label2[0]->setText(tr(ParentCaption));
    Label2[1]->setText(tr(AgeCaption));
    Label2[2]->setText(tr(InheritCaption));
    Combo1->setItemText(0, tr("なし"));
    for (int parent = 1; parent <= LayerTotal; ++parent)
        Combo1->setItemText(parent, tr("レイヤー%1").arg(parent));
    Combo1->setToolTip(tr("このレイヤーを爆発させる親のレイヤー（なし: 発生設定どおりに爆発）。"
                          "自分や輪になる親は選べない"));
    Option1[0]->setText(tr(momentCaptions[0]));
    Option1[0]->setToolTip(tr("親の粒が消えたところで爆発する"));
    Option1[1]->setText(tr(momentCaptions[1]));
    Option1[1]->setToolTip(tr("親の粒が決めた年齢（フレーム数）に達したところで爆発する"));
    HScroll1->setToolTip(tr("爆発する親の粒の年齢（1～255フレーム）"));
    Check1->setText(tr(SplitCaption));
    Check1->setToolTip(tr("その年齢で親の粒は消え、子の粒に分かれる"));
    HScroll2->setToolTip(tr("子の粒が受け継ぐ親の粒の速度（0～100%）"));
    Frame2->setTitle(tr("尾"));
    Check2->setText(tr(TrailCaption));
    Check2->setToolTip(tr("粒ごとに、一つ前の位置との間へ尾を描く"));
    Label5[0]->setText(tr(StepsCaption));
    Label5[1]->setText(tr(FadeCaption));
    HScroll3->setToolTip(tr("尾の印の数（1～8）"));
    HScroll4->setToolTip(tr("尾の印ごとの、一つ前の印に対する明るさ（1～100%）"));
    Frame3->setTitle(tr("ランプ"));
    Option2[0]->setText(tr(rampOptions[0]));
    Option2[0]->setToolTip(tr("デザイン全体のカラーランプで色を付ける"));
    Option2[1]->setText(tr(rampOptions[1]));
    Option2[1]->setToolTip(
        tr("このレイヤーだけのカラーランプで色を付ける（デザインのランプの写しから始まる）"));
    showLayerCaption();
    // The texts of the two languages differ in length: the window takes the
    // size its texts need now.
    fitToContents();
}

void F_Effect::showLayerCaption() {
    Label1->setText(tr("レイヤー%1").arg(session_.currentLayer));
}

void F_Effect::DRefresh() {
    const int current = F_Editer::CurrentLayer(host());
    showLayerCaption();
    const LayerSettings& layer = session_.document.layer(current);
    showParents(current);
    // A trigger at death and a trail that is off leave the values their
    // controls show, which a later choice takes up again.
    if (layer.Trigger) {
        const LayerTrigger& trigger = *layer.Trigger;
        const bool atAge = trigger.When == TriggerMoment::Age;
        Option1[atAge ? 1 : 0]->setChecked(true);
        if (atAge) {
            showOnSpinBar(HScroll1, trigger.Age);
            Check1->setChecked(trigger.Split);
        }
        showOnSpinBar(HScroll2, trigger.Inherit);
    }
    Check2->setChecked(layer.Trail.has_value());
    if (layer.Trail) {
        showOnSpinBar(HScroll3, layer.Trail->Steps);
        showOnSpinBar(HScroll4, layer.Trail->Fade);
    }
    Option2[layer.Ramp.empty() ? 0 : 1]->setChecked(true);
    showValueLabels();
    enableControls();
}

void F_Effect::showParents(int current) {
    const std::optional<LayerTrigger>& trigger = session_.document.layer(current).Trigger;
    auto* items = static_cast<QStandardItemModel*>(Combo1->model());
    for (int parent = 1; parent <= LayerTotal; ++parent)
        items->item(parent)->setEnabled(!triggerWouldCycle(session_.document, current, parent));
    const int parent = trigger ? trigger->Parent : 0;
    const QSignalBlocker quiet(Combo1);
    Combo1->setCurrentIndex(parent >= 1 && parent <= LayerTotal ? parent : 0);
}

void F_Effect::showValueLabels() {
    Label3->setText(QString::number(HScroll1->value()));
    Label4->setText(QString::number(HScroll2->value()));
    Label6->setText(QString::number(HScroll3->value()));
    Label7->setText(QString::number(HScroll4->value()));
}

void F_Effect::enableControls() {
    const bool triggered = Combo1->currentIndex() != 0;
    const bool atAge = triggered && Option1[1]->isChecked();
    for (QWidget* control :
         std::initializer_list<QWidget*>{Option1[0], Option1[1], Label2[2], Label4, HScroll2})
        control->setEnabled(triggered);
    for (QWidget* control : std::initializer_list<QWidget*>{Label2[1], Label3, HScroll1, Check1})
        control->setEnabled(atAge);
    const bool trail = Check2->isChecked();
    for (QWidget* control :
         std::initializer_list<QWidget*>{Label5[0], Label5[1], Label6, Label7, HScroll3, HScroll4})
        control->setEnabled(trail);
}

void F_Effect::writeTrigger(const char* caption) {
    const int current = F_Editer::CurrentLayer(host());
    std::optional<LayerTrigger> trigger;
    if (Combo1->currentIndex() != 0) {
        trigger.emplace();
        trigger->Parent = static_cast<std::int16_t>(Combo1->currentIndex());
        trigger->Inherit = static_cast<std::int16_t>(HScroll2->value());
        // Age and Split belong to a trigger at an age only.
        if (Option1[1]->isChecked()) {
            trigger->When = TriggerMoment::Age;
            trigger->Age = static_cast<std::int16_t>(HScroll1->value());
            trigger->Split = Check1->isChecked();
        }
    }
    session_.history.edit(EditName(staticMetaObject, caption),
                          [current, &trigger](DesignDocument& document) {
                              document.layer(current).Trigger = trigger;
                          });
    enableControls();
}

void F_Effect::writeTrail(const char* caption) {
    const int current = F_Editer::CurrentLayer(host());
    std::optional<LayerTrail> trail;
    if (Check2->isChecked())
        trail = LayerTrail{static_cast<std::int16_t>(HScroll3->value()),
                           static_cast<std::int16_t>(HScroll4->value())};
    session_.history.edit(
        EditName(staticMetaObject, caption),
        [current, &trail](DesignDocument& document) { document.layer(current).Trail = trail; });
    enableControls();
}

void F_Effect::Combo1_Click() {
    writeTrigger(ParentCaption);
}

void F_Effect::Option1_Click(int index) {
    writeTrigger(momentCaptions[index]);
}

void F_Effect::HScroll1_Change() {
    Label3->setText(QString::number(HScroll1->value()));
    writeTrigger(AgeCaption);
}

void F_Effect::Check1_Click() {
    writeTrigger(SplitCaption);
}

void F_Effect::HScroll2_Change() {
    Label4->setText(QString::number(HScroll2->value()));
    writeTrigger(InheritCaption);
}

void F_Effect::Check2_Click() {
    writeTrail(TrailCaption);
}

void F_Effect::HScroll3_Change() {
    Label6->setText(QString::number(HScroll3->value()));
    writeTrail(StepsCaption);
}

void F_Effect::HScroll4_Change() {
    Label7->setText(QString::number(HScroll4->value()));
    writeTrail(FadeCaption);
}

void F_Effect::Option2_Click(int index) {
    const int current = F_Editer::CurrentLayer(host());
    const bool own = index == 1;
    if (own == !session_.document.layer(current).Ramp.empty())
        return;
    session_.history.edit(EditName(staticMetaObject, rampCaptions[index]),
                          [current, own](DesignDocument& document) {
                              if (own)
                                  giveLayerOwnRamp(document, current);
                              else
                                  returnLayerToDesignRamp(document, current);
                          });
    // The colour editor shows the layer's ramp, and the spark editor the
    // spark image carried over to it.
    host().refresh(ToolKind::Color);
    host().refresh(ToolKind::Hinoko);
}

} // namespace kirabellum
