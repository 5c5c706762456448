#include "windows/editors/F_Gravity.h"

#include "common/windows/BarValueEntry.h"
#include "core/document/DesignMath.h"
#include "core/editing/EditorMath.h"
#include "core/session/DesignerSession.h"
#include "windows/editors/DesignCanvas.h"
#include "windows/editors/SpinBar.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QVBoxLayout>

#include <cmath>

namespace kirabellum {

namespace {

constexpr common::Colour GridColour = 0x00AABB88;
constexpr common::Colour Black = 0x00000000;
constexpr common::Colour Blue = 0x00FF0000;
constexpr common::Colour Red = 0x000000FF;
constexpr common::Colour White = 0x00FFFFFF;
constexpr double Centre = 80.0;

// The captions of the switch and the power, which also name their edits in the
// Edit menu, and the name of a direction set on the canvas.
constexpr const char* UseCaption = QT_TRANSLATE_NOOP("kirabellum::F_Gravity", "Use");
constexpr const char* PowerCaption = QT_TRANSLATE_NOOP("kirabellum::F_Gravity", "Power");
constexpr const char* DirectionName = QT_TRANSLATE_NOOP("kirabellum::F_Gravity", "力の向き");

double cosine(float radians) {
    return std::cos(static_cast<double>(radians));
}
double sine(float radians) {
    return std::sin(static_cast<double>(radians));
}

} // namespace

F_Gravity::F_Gravity(DesignerSession& session) : ToolWindow(session, ToolKind::Gravity) {
    TabStrip1 = new QTabBar(this);
    for (int tab = 0; tab < 3; ++tab)
        TabStrip1->addTab(QString());
    TabStrip1->setExpanding(false);
    Picture1 = new DesignCanvas(this);
    Command1 = new QPushButton(this);
    Command1->setFixedHeight(22);
    Frame1 = new QGroupBox(this);
    Label2 = new QLabel(Frame1);
    Label1 = new QLabel(QStringLiteral("4"), Frame1);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setMinimumWidth(18);
    HScroll1 = makeSpinBar(Frame1, 1, 64, 1);
    showOnSpinBar(HScroll1, 4);
    new common::BarValueEntry(Label1, HScroll1);

    auto* config = new QHBoxLayout(Frame1);
    config->setContentsMargins(5, 4, 5, 6);
    config->setSpacing(3);
    config->addWidget(Label2);
    config->addWidget(Label1);
    config->addWidget(HScroll1);

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    auto* settings = new QVBoxLayout;
    settings->setSpacing(6);
    settings->addWidget(Command1);
    settings->addWidget(Frame1);
    settings->addStretch(1);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(6, 4, 4, 4);
    panelLayout->setSpacing(5);
    panelLayout->addWidget(Picture1, 0, Qt::AlignTop);
    panelLayout->addLayout(settings);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(TabStrip1);
    layout->addWidget(panel);

    retranslate();

    connect(TabStrip1, &QTabBar::currentChanged, this, &F_Gravity::DRefresh);
    connect(Command1, &QPushButton::clicked, this, &F_Gravity::Command1_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &F_Gravity::HScroll1_Change);
    connect(Picture1, &DesignCanvas::pressed, this,
            [this](float x, float y, Qt::MouseButton) { Picture1_MouseDown(x, y); });
}

void F_Gravity::retranslate() {
    setWindowTitle(tr("Gravity"));
    TabStrip1->setTabText(0, tr("線形"));
    TabStrip1->setTabText(1, tr("回転"));
    TabStrip1->setTabText(2, tr("引力"));
    TabStrip1->setTabToolTip(0, tr("すべての粒を一定の向きへ引く力"));
    TabStrip1->setTabToolTip(1, tr("すべての粒をフレームの中心のまわりに回す力"));
    TabStrip1->setTabToolTip(2, tr("すべての粒をフレームの中心へ引き寄せる力"));
    Picture1->setToolTip(
        tr("線形: クリックで力の向きを決める\n回転と引力: クリックで向きを逆にする"));
    Command1->setToolTip(tr("この力を使うかどうかを切り替える"));
    HScroll1->setToolTip(tr("この力の強さ"));
    showUseCaption();
    Frame1->setTitle(tr("Config"));
    Label2->setText(tr(PowerCaption));
}

void F_Gravity::showUseCaption() {
    const GravityForce& force = session_.document.Gravity[static_cast<std::size_t>(selectedKind())];
    Command1->setText(force.Use != 0 ? tr(UseCaption) : tr("Not Use"));
}

QSize F_Gravity::sizeHint() const {
    return {297, 202};
}

int F_Gravity::selectedKind() const {
    return TabStrip1->currentIndex();
}

void F_Gravity::DRefresh() {
    const int kind = selectedKind();
    DrawLine(kind);
    const GravityForce& force = session_.document.Gravity[static_cast<std::size_t>(kind)];
    showUseCaption();
    // A power the bar cannot hold is shown at its nearest end, and not stored.
    Label1->setText(QString::number(showOnSpinBar(HScroll1, static_cast<double>(force.Power))));
}

void F_Gravity::Command1_Click() {
    session_.history.edit(EditName(staticMetaObject, UseCaption), [this](DesignDocument& document) {
        GravityForce& force = document.Gravity[static_cast<std::size_t>(selectedKind())];
        // Any non-zero value counts as on, so the switch always lands on 0 or 1.
        force.Use = force.Use != 0 ? 0 : 1;
    });
    showUseCaption();
}

void F_Gravity::HScroll1_Change() {
    Label1->setText(QString::number(HScroll1->value()));
    session_.history.edit(EditName(staticMetaObject, PowerCaption),
                          [this](DesignDocument& document) {
                              document.Gravity[static_cast<std::size_t>(selectedKind())].Power =
                                  static_cast<float>(HScroll1->value());
                          });
}

void F_Gravity::Picture1_MouseDown(float x, float y) {
    const int kind = selectedKind();
    session_.history.edit(
        EditName(staticMetaObject, DirectionName), [kind, x, y](DesignDocument& document) {
            GravityForce& force = document.Gravity[static_cast<std::size_t>(kind)];
            if (kind == 0)
                force.Angle = PointAngle(80.0f, 80.0f, x, y);
            else
                // Rotation and attraction hold a 0/1 sense; anything else counts as 1.
                force.Angle = force.Angle == 0.0f ? 1.0f : 0.0f;
        });
    DrawLine(kind);
}

void F_Gravity::DrawArrowHead(int px, int py, int direction) {
    for (int turn : {135, -135}) {
        const float alpha = static_cast<float>(direction + turn) * DegToRad;
        Picture1->line(px, py, px + 12.0 * cosine(alpha), py + 12.0 * sine(alpha), Red);
    }
}

void F_Gravity::DrawLine(int kind) {
    Picture1->clear(White);
    for (int i = 0; i <= 144; i += 16) {
        Picture1->line(i, 0, i, 160, GridColour);
        Picture1->line(0, i, 160, i, GridColour);
    }
    Picture1->line(80, 0, 80, 160, Black);
    Picture1->line(0, 80, 160, 80, Black);
    Picture1->circle(Centre, Centre, 3, Blue);
    Picture1->circle(Centre, Centre, 6, Red);
    // A direction that is not a number (a damaged file) is drawn as 0.
    const float stored = session_.document.Gravity[static_cast<std::size_t>(kind)].Angle;
    const float angle = std::isfinite(stored) ? stored : 0.0f;
    if (kind == 0) {
        const float theta = angle * DegToRad;
        Picture1->line(Centre, Centre, Centre + 160.0 * cosine(theta), Centre + 160.0 * sine(theta),
                       Red);
        DrawArrowHead(roundToInt16(Centre + 64.0 * cosine(theta)),
                      roundToInt16(Centre + 64.0 * sine(theta)),
                      roundToInt16(static_cast<double>(angle)));
    } else if (kind == 1) {
        Picture1->circle(Centre, Centre, 64, Red);
        for (int offset = 0; offset < 360; offset += 45) {
            const float theta = static_cast<float>(offset) * DegToRad;
            const float direction = angle * 180.0f + static_cast<float>(offset + 90);
            DrawArrowHead(roundToInt16(Centre + 64.0 * cosine(theta)),
                          roundToInt16(Centre + 64.0 * sine(theta)),
                          roundToInt16(static_cast<double>(direction)));
        }
    } else {
        for (int spoke = 22; spoke < 360; spoke += 45) {
            const float theta = static_cast<float>(spoke) * DegToRad;
            const float direction = angle * 180.0f + static_cast<float>(spoke + 180);
            Picture1->line(Centre, Centre, Centre + 160.0 * cosine(theta),
                           Centre + 160.0 * sine(theta), Red);
            DrawArrowHead(roundToInt16(Centre + 64.0 * cosine(theta)),
                          roundToInt16(Centre + 64.0 * sine(theta)),
                          roundToInt16(static_cast<double>(direction)));
        }
    }
    Picture1->repaintCanvas();
}

} // namespace kirabellum
