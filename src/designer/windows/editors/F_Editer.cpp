#include "windows/editors/F_Editer.h"

#include "common/windows/BarValueEntry.h"
#include "core/document/DesignMath.h"
#include "core/editing/EditorMath.h"
#include "core/session/DesignerSession.h"
#include "windows/editors/DesignCanvas.h"
#include "windows/editors/F_Hinoko.h"
#include "windows/editors/SpinBar.h"
#include "windows/editors/Syousai.h"
#include "windows/tools/ToolWindowHost.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace kirabellum {

namespace {

constexpr common::Colour GridColour = 0x00AABB88;
constexpr common::Colour LightGrey = 0x00DDDDDD;
constexpr common::Colour Black = 0x00000000;
constexpr common::Colour Red = 0x000000FF;
constexpr common::Colour Blue = 0x00FF0000;
constexpr common::Colour White = 0x00FFFFFF;

// The captions of the tabs, the rows and the buttons, which also name their
// edits in the Edit menu.
constexpr const char* tabCaptions[] = {QT_TRANSLATE_NOOP("kirabellum::F_Editer", "位置"),
                                       QT_TRANSLATE_NOOP("kirabellum::F_Editer", "モーション")};
constexpr const char* rowCaptions[] = {QT_TRANSLATE_NOOP("kirabellum::F_Editer", "レイヤー"),
                                       QT_TRANSLATE_NOOP("kirabellum::F_Editer", "粉数"),
                                       QT_TRANSLATE_NOOP("kirabellum::F_Editer", "最低速度"),
                                       QT_TRANSLATE_NOOP("kirabellum::F_Editer", "残存"),
                                       QT_TRANSLATE_NOOP("kirabellum::F_Editer", "減速率")};
constexpr const char* UseCaption = QT_TRANSLATE_NOOP("kirabellum::F_Editer", "Use");
constexpr const char* ShapeCaption = QT_TRANSLATE_NOOP("kirabellum::F_Editer", "形");

QLabel* valueLabel(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(26);
    return label;
}

QPushButton* rowButton(QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setFixedHeight(22);
    return button;
}

} // namespace

F_Editer::F_Editer(DesignerSession& session) : ToolWindow(session, ToolKind::Editer) {
    TabStrip1 = new QTabBar(this);
    TabStrip1->addTab(QString());
    TabStrip1->addTab(QString());
    TabStrip1->setDrawBase(true);
    TabStrip1->setExpanding(false);
    Picture1 = new DesignCanvas(this);

    Frame1 = new QFrame(this);
    Frame1->setFrameShape(QFrame::StyledPanel);
    for (QLabel*& caption : Label1)
        caption = new QLabel(Frame1);
    Label2 = valueLabel(Frame1, QStringLiteral("1"));
    HScroll1 = makeSpinBar(Frame1, 1, LayerTotal, 1);
    Command1 = rowButton(Frame1);
    Label4 = valueLabel(Frame1, QStringLiteral("512"));
    HScroll2 = makeSpinBar(Frame1, 4, 2048, 4);
    Label5 = valueLabel(Frame1, QStringLiteral("0"));
    HScroll3 = makeSpinBar(Frame1, 0, 48, 1);
    Label6 = valueLabel(Frame1, QStringLiteral("220"));
    HScroll4 = makeBackwardsSpinBar(Frame1, 255, 0);
    Label3 = valueLabel(Frame1, QStringLiteral("20"));
    HScroll5 = makeBackwardsSpinBar(Frame1, 100, 1);
    Command3 = rowButton(Frame1);
    Command5 = rowButton(Frame1);
    Command4 = new QToolButton(Frame1);
    Command4->setPopupMode(QToolButton::InstantPopup);
    Command4->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    Command4->setFixedHeight(22);
    auto* shapes = new QMenu(Command4);
    for (const ShapePresetEntry& entry : shapePresets()) {
        const ShapePreset preset = entry.preset;
        shapes->addAction(entry.name, this, [this, preset] { ShapePreset_Click(preset); });
    }
    Command4->setMenu(shapes);
    new common::BarValueEntry(Label2, HScroll1);
    new common::BarValueEntry(Label4, HScroll2);
    new common::BarValueEntry(Label5, HScroll3);
    new common::BarValueEntry(Label6, HScroll4, 255);
    new common::BarValueEntry(Label3, HScroll5, 100);
    // The start values of a fresh window; DRefresh shows the document's.
    showOnSpinBar(HScroll2, 512);
    showOnSpinBar(HScroll4, 35);
    showOnSpinBar(HScroll5, 80);

    auto* rows = new QGridLayout(Frame1);
    rows->setContentsMargins(4, 4, 4, 4);
    rows->setHorizontalSpacing(3);
    rows->setVerticalSpacing(4);
    rows->addWidget(Label1[0], 0, 0);
    rows->addWidget(Label2, 0, 1);
    rows->addWidget(HScroll1, 0, 2);
    rows->addWidget(Command1, 1, 0, 1, 3);
    rows->setRowMinimumHeight(2, 4);
    QLabel* values[] = {Label4, Label5, Label6, Label3};
    QScrollBar* bars[] = {HScroll2, HScroll3, HScroll4, HScroll5};
    for (int row = 0; row < 4; ++row) {
        rows->addWidget(Label1[static_cast<std::size_t>(row + 1)], 3 + row, 0);
        rows->addWidget(values[row], 3 + row, 1);
        rows->addWidget(bars[row], 3 + row, 2);
    }
    rows->setRowStretch(7, 1);
    rows->addWidget(Command4, 8, 0, 1, 3);
    rows->addWidget(Command3, 9, 0, 1, 3);
    rows->addWidget(Command5, 10, 0, 1, 3);

    auto* canvasSide = new QVBoxLayout;
    canvasSide->setSpacing(0);
    canvasSide->addWidget(TabStrip1);
    auto* canvasFrame = new QFrame(this);
    canvasFrame->setFrameShape(QFrame::StyledPanel);
    auto* canvasLayout = new QVBoxLayout(canvasFrame);
    canvasLayout->setContentsMargins(3, 3, 3, 3);
    canvasLayout->addWidget(Picture1);
    canvasSide->addWidget(canvasFrame);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(4);
    layout->addLayout(canvasSide);
    layout->addWidget(Frame1);

    // The layer is 1 whenever the window opens.
    session_.currentLayer = 1;
    retranslate();

    connect(HScroll1, &QScrollBar::valueChanged, this, &F_Editer::HScroll1_Change);
    connect(Command1, &QPushButton::clicked, this, &F_Editer::Command1_Click);
    connect(HScroll2, &QScrollBar::valueChanged, this, &F_Editer::HScroll2_Change);
    connect(HScroll3, &QScrollBar::valueChanged, this, &F_Editer::HScroll3_Change);
    connect(HScroll4, &QScrollBar::valueChanged, this, &F_Editer::HScroll4_Change);
    connect(HScroll5, &QScrollBar::valueChanged, this, &F_Editer::HScroll5_Change);
    connect(Command3, &QPushButton::clicked, this, &F_Editer::Command3_Click);
    connect(Command5, &QPushButton::clicked, this, &F_Editer::Command5_Click);
    connect(TabStrip1, &QTabBar::currentChanged, this, &F_Editer::TabStrip1_Click);
    connect(Picture1, &DesignCanvas::pressed, this,
            [this](float x, float y, Qt::MouseButton button) { Picture1_MouseDown(button, x, y); });
}

void F_Editer::retranslate() {
    setWindowTitle(tr("ParticleEditer"));
    TabStrip1->setTabText(PositionTab - 1, tr(tabCaptions[PositionTab - 1]));
    TabStrip1->setTabText(MotionTab - 1, tr(tabCaptions[MotionTab - 1]));
    TabStrip1->setTabToolTip(PositionTab - 1, tr("レイヤーの中心と広がりを決める"));
    TabStrip1->setTabToolTip(MotionTab - 1, tr("36方向それぞれへ飛ぶ速さを決める"));
    Picture1->setToolTip(tr("位置: 左クリックで中心、右クリックで広がり\n"
                            "モーション: 左クリックで一方向の速さ、右クリックで全方向の速さ"));
    HScroll1->setToolTip(tr("編集するレイヤー（1～8）"));
    Command1->setToolTip(tr("このレイヤーを使うかどうかを切り替える"));
    HScroll2->setToolTip(tr("このレイヤーが一度の爆発で放つ粒の数"));
    HScroll3->setToolTip(tr("粒の最低の速さ"));
    HScroll4->setToolTip(tr("粒が光って残る長さ"));
    HScroll5->setToolTip(tr("粒が遅くなる割合"));
    Command3->setToolTip(tr("このレイヤーがいつ爆発するかを決める"));
    for (std::size_t row = 0; row < Label1.size(); ++row)
        Label1[row]->setText(tr(rowCaptions[row]));
    showUseCaption();
    Command3->setText(tr("発生設定"));
    Command5->setText(tr("レイヤー効果"));
    Command5->setToolTip(tr("このレイヤーの子の爆発・尾・専用のカラーランプを決める"));
    Command4->setText(tr(ShapeCaption));
    Command4->setToolTip(tr("バーストの形を選ぶ"));
    const QList<QAction*> shapes = Command4->menu()->actions();
    for (qsizetype index = 0; index < shapes.size(); ++index)
        shapes[index]->setText(QCoreApplication::translate(
            "kirabellum::ShapePresets",
            shapePresets()[static_cast<std::size_t>(index)].name.toUtf8().constData()));
}

int F_Editer::CurrentLayer(ToolWindowHost& windows) {
    windows.open(ToolKind::Editer);
    return windows.session().currentLayer;
}

int F_Editer::selectedTab() const {
    return TabStrip1->currentIndex() + 1;
}

void F_Editer::DRefresh() {
    Label2->setText(QString::number(HScroll1->value()));
    session_.currentLayer = HScroll1->value();
    const LayerSettings& layer = session_.document.layer(session_.currentLayer);
    showUseCaption();
    // A value a bar cannot hold is shown at the bar's nearest end; showing it
    // writes nothing back into the document.
    showOnSpinBar(HScroll2, layer.LayerCount);
    showOnSpinBar(HScroll3, layer.LayerMinSpeed);
    showOnSpinBar(HScroll4, layer.LayerLife);
    showOnSpinBar(HScroll5, layer.LayerDecel);
    showValueLabels();
    DrawLine(selectedTab());
}

void F_Editer::showUseCaption() {
    const bool used = session_.document.layer(session_.currentLayer).LayerUse != 0;
    Command1->setText(used ? tr(UseCaption) : tr("Not Use"));
}

void F_Editer::showValueLabels() {
    Label4->setText(QString::number(HScroll2->value()));
    Label5->setText(QString::number(HScroll3->value()));
    Label6->setText(QString::number(255 - HScroll4->value()));
    Label3->setText(QString::number(100 - HScroll5->value()));
}

void F_Editer::DrawLine(int tab) {
    const LayerSettings& layer = session_.document.layer(session_.currentLayer);
    const double cx = layer.LayerX;
    const double cy = layer.LayerY;
    Picture1->clear(White);
    for (int i = 0; i <= 144; i += 16) {
        Picture1->line(i, 0, i, 160, GridColour);
        Picture1->line(0, i, 160, i, GridColour);
    }
    if (tab == PositionTab) {
        Picture1->line(cx, 0, cx, 160, Black);
        Picture1->line(0, cy, 160, cy, Black);
        Picture1->circle(cx, cy, layer.LayerRadius, Blue);
    } else {
        Picture1->line(cx, 0, cx, 160, LightGrey);
        Picture1->line(0, cy, 160, cy, LightGrey);
        for (int direction = 0; direction < DirectionTotal; ++direction) {
            const double length = layer.LayerShape[static_cast<std::size_t>(direction)];
            const float theta = static_cast<float>(direction * 10) * DegToRad;
            Picture1->line(cx, cy, cx + length * std::cos(static_cast<double>(theta)),
                           cy + length * std::sin(static_cast<double>(theta)), Red);
        }
    }
    Picture1->repaintCanvas();
}

void F_Editer::HScroll1_Change() {
    DRefresh();
    if (auto* sparks = host().openAs<F_Hinoko>(ToolKind::Hinoko))
        sparks->Refire();
    // The layer effects and the colour editor, when open, follow the layer.
    host().refresh(ToolKind::Effect);
    host().refresh(ToolKind::Color);
}

void F_Editer::Command1_Click() {
    session_.history.edit(EditName(staticMetaObject, UseCaption), [this](DesignDocument& document) {
        LayerSettings& layer = document.layer(session_.currentLayer);
        // Any non-zero value counts as on, so the switch always lands on 0 or 1.
        layer.LayerUse = layer.LayerUse != 0 ? 0 : 1;
    });
    showUseCaption();
}

void F_Editer::HScroll2_Change() {
    Label4->setText(QString::number(HScroll2->value()));
    session_.history.edit(EditName(staticMetaObject, rowCaptions[1]),
                          [this](DesignDocument& document) {
                              document.layer(session_.currentLayer).LayerCount =
                                  static_cast<std::int16_t>(HScroll2->value());
                          });
}

void F_Editer::HScroll3_Change() {
    Label5->setText(QString::number(HScroll3->value()));
    session_.history.edit(EditName(staticMetaObject, rowCaptions[2]),
                          [this](DesignDocument& document) {
                              document.layer(session_.currentLayer).LayerMinSpeed =
                                  static_cast<std::uint8_t>(HScroll3->value());
                          });
}

void F_Editer::HScroll4_Change() {
    session_.history.edit(EditName(staticMetaObject, rowCaptions[3]),
                          [this](DesignDocument& document) {
                              document.layer(session_.currentLayer).LayerLife =
                                  static_cast<std::uint8_t>(HScroll4->value());
                          });
    Label6->setText(
        QString::number(255 - session_.document.layer(session_.currentLayer).LayerLife));
}

void F_Editer::HScroll5_Change() {
    session_.history.edit(EditName(staticMetaObject, rowCaptions[4]),
                          [this](DesignDocument& document) {
                              document.layer(session_.currentLayer).LayerDecel =
                                  static_cast<std::uint8_t>(HScroll5->value());
                          });
    Label3->setText(
        QString::number(100 - session_.document.layer(session_.currentLayer).LayerDecel));
}

void F_Editer::Command3_Click() {
    Syousai dialog(session_, host(), window());
    dialog.exec();
}

void F_Editer::Command5_Click() {
    host().showAndFocus(ToolKind::Effect);
}

void F_Editer::ShapePreset_Click(ShapePreset preset) {
    session_.history.edit(EditName(staticMetaObject, ShapeCaption),
                          [this, preset](DesignDocument& document) {
                              applyShapePreset(document, session_.currentLayer, preset,
                                               QRandomGenerator::global()->generate());
                          });
    // The motion tab shows the new shape; DRefresh shows the minimum speed.
    {
        const QSignalBlocker quiet(TabStrip1);
        TabStrip1->setCurrentIndex(MotionTab - 1);
    }
    DRefresh();
}

void F_Editer::TabStrip1_Click() {
    DrawLine(selectedTab());
}

void F_Editer::Picture1_MouseDown(Qt::MouseButton button, float x, float y) {
    // The left button places; the right or the middle button measures.
    if (button != Qt::LeftButton && button != Qt::RightButton && button != Qt::MiddleButton)
        return;
    const bool left = button == Qt::LeftButton;
    const bool position = selectedTab() == PositionTab;
    const EditName name(staticMetaObject, tabCaptions[selectedTab() - 1]);
    session_.history.edit(name, [&](DesignDocument& document) {
        LayerSettings& layer = document.layer(session_.currentLayer);
        if (position) {
            if (left) {
                layer.LayerX = roundToInt16(static_cast<double>(x));
                layer.LayerY = roundToInt16(static_cast<double>(y));
            } else {
                layer.LayerRadius = roundToInt16(pressDistance(layer.LayerX, layer.LayerY, x, y));
            }
        } else {
            const std::int16_t length =
                roundToInt16(pressDistance(layer.LayerX, layer.LayerY, x, y));
            if (left)
                layer.LayerShape[static_cast<std::size_t>(
                    nearestDirection(layer.LayerX, layer.LayerY, x, y))] = length;
            else
                layer.LayerShape.fill(length);
        }
    });
    DrawLine(selectedTab());
}

} // namespace kirabellum
