#include "DesignerFixture.h"

#include "windows/editors/F_Gravity.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>

namespace kirabellum::test {
namespace {

constexpr QRgb Red = 0xFF0000;

class GravityEditorTest : public DesignerFixture {
protected:
    GravityEditorTest() {
        mainWindow->NEW_Click();
        gravity = open<F_Gravity>(ToolKind::Gravity);
    }
    GravityForce& force(int kind) {
        return session->document.Gravity[static_cast<std::size_t>(kind)];
    }
    const QImage& canvas() const { return gravity->Picture1->image(); }
    // The two 12-unit strokes of an arrow head with its tip at `tip` pointing
    // along `direction` degrees, checked half way along.
    void expectArrowHead(QPointF tip, double direction) {
        for (double turn : {135.0, -135.0}) {
            const double radians = (direction + turn) * M_PI / 180.0;
            const int x = static_cast<int>(std::lround(tip.x() + 7 * std::cos(radians)));
            const int y = static_cast<int>(std::lround(tip.y() + 7 * std::sin(radians)));
            EXPECT_TRUE(colourNear(canvas(), x, y, Red))
                << "head at " << tip.x() << ", " << tip.y() << " stroke " << turn;
        }
    }

    F_Gravity* gravity = nullptr;
};

TEST_F(GravityEditorTest, ANewDesignShowsEveryForceOffWithPowerFour) {
    for (int tab = 0; tab < 3; ++tab) {
        gravity->TabStrip1->setCurrentIndex(tab);
        EXPECT_EQ(gravity->Command1->text(), QStringLiteral("Not Use")) << tab;
        EXPECT_EQ(gravity->Label1->text(), QStringLiteral("4")) << tab;
        EXPECT_EQ(gravity->HScroll1->value(), 4) << tab;
    }
    gravity->TabStrip1->setCurrentIndex(0);
    for (int x = 90; x < 160; x += 10)
        EXPECT_EQ(canvas().pixel(x, 80) & 0xFFFFFF, Red) << x; // the ray to the right
    expectArrowHead({144, 80}, 0);
    EXPECT_FALSE(colourNear(canvas(), 148, 84, Red));
}

TEST_F(GravityEditorTest, PressesOnTheLinearTabSetTheDirection) {
    press(gravity->Picture1, {80, 20}, Qt::LeftButton);
    EXPECT_EQ(force(0).Angle, 270.0f);
    expectArrowHead({80, 16}, 270);
    EXPECT_EQ(canvas().pixel(80, 40) & 0xFFFFFF, Red);

    press(gravity->Picture1, {20, 80}, Qt::RightButton);
    EXPECT_EQ(force(0).Angle, 180.0f);
    expectArrowHead({16, 80}, 180);

    press(gravity->Picture1, {140, 140}, Qt::MiddleButton);
    EXPECT_NEAR(force(0).Angle, 45.001328f, 2e-6f);
    EXPECT_NE(force(0).Angle, 45.0f);
    expectArrowHead({125, 125}, 45);
    EXPECT_EQ(force(1).Angle, 0.0f);
}

TEST_F(GravityEditorTest, PressesOnRotationAndAttractionFlipTheSense) {
    for (int tab : {1, 2}) {
        gravity->TabStrip1->setCurrentIndex(tab);
        const QImage first = canvas();
        press(gravity->Picture1, {30, 30}, Qt::LeftButton);
        EXPECT_EQ(force(tab).Angle, 1.0f);
        EXPECT_NE(canvas(), first);
        press(gravity->Picture1, {100, 30}, Qt::RightButton);
        EXPECT_EQ(force(tab).Angle, 0.0f);
        EXPECT_EQ(canvas(), first);
    }
    EXPECT_EQ(force(0).Angle, 0.0f);
}

TEST_F(GravityEditorTest, ArrowHeadsShowTheSense) {
    // Rotation, sense 0: at the bottom of the circle (90 degrees) the head
    // points along 180, clockwise on screen; sense 1 points along 0.
    gravity->TabStrip1->setCurrentIndex(1);
    expectArrowHead({80, 144}, 180);
    press(gravity->Picture1, {0, 0}, Qt::LeftButton);
    expectArrowHead({80, 144}, 0);
    // Attraction, sense 0: the head on the spoke at 22 degrees points inwards.
    gravity->TabStrip1->setCurrentIndex(2);
    const double radians = 22 * 0.017452778;
    const QPointF tip(std::round(80 + 64 * std::cos(radians)),
                      std::round(80 + 64 * std::sin(radians)));
    expectArrowHead(tip, 202);
    press(gravity->Picture1, {0, 0}, Qt::LeftButton);
    expectArrowHead(tip, 22);
}

TEST_F(GravityEditorTest, EachTabKeepsItsOwnPower) {
    gravity->TabStrip1->setCurrentIndex(1);
    clickArrow(gravity->HScroll1, true);
    clickArrow(gravity->HScroll1, true);
    EXPECT_EQ(force(1).Power, 6.0f);
    EXPECT_EQ(gravity->Label1->text(), QStringLiteral("6"));
    gravity->TabStrip1->setCurrentIndex(0);
    EXPECT_EQ(gravity->Label1->text(), QStringLiteral("4"));
    EXPECT_EQ(force(0).Power, 4.0f);
    gravity->HScroll1->setValue(1);
    clickArrow(gravity->HScroll1, false);
    EXPECT_EQ(force(0).Power, 1.0f);
    gravity->HScroll1->setValue(64);
    clickArrow(gravity->HScroll1, true);
    EXPECT_EQ(force(0).Power, 64.0f);
}

TEST_F(GravityEditorTest, UseButtonShowsTheStateAfterTheClick) {
    gravity->TabStrip1->setCurrentIndex(2);
    QTest::mouseClick(gravity->Command1, Qt::LeftButton);
    EXPECT_EQ(force(2).Use, 1);
    EXPECT_EQ(gravity->Command1->text(), QStringLiteral("Use"));
    gravity->TabStrip1->setCurrentIndex(0);
    EXPECT_EQ(gravity->Command1->text(), QStringLiteral("Not Use"));
    gravity->TabStrip1->setCurrentIndex(2);
    QTest::mouseClick(gravity->Command1, Qt::LeftButton);
    EXPECT_EQ(force(2).Use, 0);
    EXPECT_EQ(gravity->Command1->text(), QStringLiteral("Not Use"));
}

TEST_F(GravityEditorTest, LoadedValuesOutsideTheRangesAreShownWithoutChangingThem) {
    force(0).Power = 100.0f;
    force(0).Angle = std::numeric_limits<float>::quiet_NaN();
    force(1).Power = 0.25f;
    force(1).Use = 5;
    force(2).Angle = 0.5f;
    const DesignDocument before = session->document;
    gravity->DRefresh();
    EXPECT_EQ(gravity->HScroll1->value(), 64);
    EXPECT_EQ(gravity->Label1->text(), QStringLiteral("64"));
    gravity->TabStrip1->setCurrentIndex(1);
    EXPECT_EQ(gravity->HScroll1->value(), 1);
    EXPECT_EQ(gravity->Command1->text(), QStringLiteral("Use"));
    gravity->TabStrip1->setCurrentIndex(2);
    EXPECT_TRUE(session->document.sameDesignAs(before));

    // The switches then land on 0 or 1.
    press(gravity->Picture1, {10, 10}, Qt::LeftButton);
    EXPECT_EQ(force(2).Angle, 0.0f);
    gravity->TabStrip1->setCurrentIndex(1);
    QTest::mouseClick(gravity->Command1, Qt::LeftButton);
    EXPECT_EQ(force(1).Use, 0);
}

} // namespace
} // namespace kirabellum::test
