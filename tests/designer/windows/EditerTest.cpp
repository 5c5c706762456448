#include "DesignerFixture.h"

#include "common/Rounding.h"
#include "common/windows/PictureBox.h"
#include "core/document/DesignMath.h"
#include "windows/editors/F_Editer.h"
#include "windows/editors/F_Hinoko.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>

#include <cmath>

namespace kirabellum::test {
namespace {

constexpr QRgb Black = 0x000000;
constexpr QRgb Blue = 0x0000FF;
constexpr QRgb Red = 0xFF0000;

class EditerTest : public DesignerFixture {
protected:
    EditerTest() {
        mainWindow->NEW_Click();
        editor = open<F_Editer>(ToolKind::Editer);
    }
    LayerSettings& layer(int number) { return session->document.layer(number); }
    void selectMotionTab() { editor->TabStrip1->setCurrentIndex(1); }

    // A press position at which the direction seen from `centre` is exactly
    // `angle` as the editor computes it. Several distances are tried, since not
    // every distance has a position that hits the angle to the last bit.
    static QPointF pointAtAngle(QPoint centre, float angle) {
        const double below360 = angle > 180.0f ? angle - 360.0 : angle;
        const double slope = std::tan(below360 * static_cast<double>(DegToRad));
        for (int distance = 40; distance <= 60; ++distance) {
            const float x = static_cast<float>(centre.x() + distance);
            float y = static_cast<float>(centre.y() + distance * slope);
            for (int attempt = 0; attempt < 200; ++attempt) {
                const float found = PointAngle(static_cast<float>(centre.x()),
                                               static_cast<float>(centre.y()), x, y);
                if (found == angle)
                    return {static_cast<double>(x), static_cast<double>(y)};
                double difference = static_cast<double>(found) - angle;
                if (difference > 180.0)
                    difference -= 360.0;
                if (difference < -180.0)
                    difference += 360.0;
                const float next = std::nextafter(y, difference > 0 ? -1000.0f : 1000.0f);
                const float nextAngle = PointAngle(static_cast<float>(centre.x()),
                                                   static_cast<float>(centre.y()), x, next);
                if ((nextAngle > angle) != (found > angle) && nextAngle != angle)
                    break; // stepped over the angle: try another distance
                y = next;
            }
        }
        ADD_FAILURE() << "no press position at angle " << angle;
        return {};
    }

    F_Editer* editor = nullptr;
};

TEST_F(EditerTest, NewDesignShowsLayerOneWithItsDefaults) {
    EXPECT_EQ(editor->Label2->text(), QStringLiteral("1"));
    EXPECT_EQ(editor->Command1->text(), QStringLiteral("Not Use"));
    EXPECT_EQ(editor->Label4->text(), QStringLiteral("512"));
    EXPECT_EQ(editor->Label5->text(), QStringLiteral("0"));
    EXPECT_EQ(editor->Label6->text(), QStringLiteral("220"));
    EXPECT_EQ(editor->HScroll4->value(), 35);
    EXPECT_EQ(editor->Label3->text(), QStringLiteral("20"));
    EXPECT_EQ(editor->HScroll5->value(), 80);
    EXPECT_EQ(editor->selectedTab(), F_Editer::PositionTab);

    const QImage& canvas = editor->Picture1->image();
    EXPECT_EQ(canvas.pixel(80, 5) & 0xFFFFFF, Black); // the cross through (80, 80)
    EXPECT_EQ(canvas.pixel(150, 80) & 0xFFFFFF, Black);
    EXPECT_EQ(canvas.pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu);  // white background
    EXPECT_EQ(canvas.pixel(16, 5) & 0xFFFFFF, 0x88BBAAu); // grid
    for (int degrees = 30; degrees < 360; degrees += 90) {
        const double radians = degrees * M_PI / 180.0;
        EXPECT_TRUE(colourNear(canvas, static_cast<int>(std::lround(80 + 24 * std::cos(radians))),
                               static_cast<int>(std::lround(80 + 24 * std::sin(radians))), Blue))
            << degrees;
    }
    EXPECT_FALSE(colourNear(canvas, 80 + 30, 80 + 30, Blue));
}

TEST_F(EditerTest, BackwardsBarsRaiseTheShownNumberWithTheRightArrow) {
    clickArrow(editor->HScroll4, true);
    EXPECT_EQ(layer(1).LayerLife, 34);
    EXPECT_EQ(editor->Label6->text(), QStringLiteral("221"));
    clickArrow(editor->HScroll5, true);
    EXPECT_EQ(layer(1).LayerDecel, 79);
    EXPECT_EQ(editor->Label3->text(), QStringLiteral("21"));

    clickArrow(editor->HScroll4, false);
    clickArrow(editor->HScroll4, false);
    EXPECT_EQ(layer(1).LayerLife, 36);
    EXPECT_EQ(editor->Label6->text(), QStringLiteral("219"));
    clickArrow(editor->HScroll5, false);
    EXPECT_EQ(layer(1).LayerDecel, 80);
    EXPECT_EQ(editor->Label3->text(), QStringLiteral("20"));
}

TEST_F(EditerTest, CountBarStepsByFourAndStopsAtItsEnds) {
    clickArrow(editor->HScroll2, true);
    EXPECT_EQ(layer(1).LayerCount, 516);
    EXPECT_EQ(editor->Label4->text(), QStringLiteral("516"));
    clickArrow(editor->HScroll2, false);
    clickArrow(editor->HScroll2, false);
    EXPECT_EQ(layer(1).LayerCount, 508);

    editor->HScroll2->setValue(2044);
    clickArrow(editor->HScroll2, true);
    clickArrow(editor->HScroll2, true);
    EXPECT_EQ(layer(1).LayerCount, 2048);
    editor->HScroll2->setValue(8);
    clickArrow(editor->HScroll2, false);
    clickArrow(editor->HScroll2, false);
    EXPECT_EQ(layer(1).LayerCount, 4);
    EXPECT_EQ(editor->Label4->text(), QStringLiteral("4"));
}

TEST_F(EditerTest, MinimumSpeedBarStoresItsValue) {
    clickArrow(editor->HScroll3, true);
    clickArrow(editor->HScroll3, true);
    EXPECT_EQ(layer(1).LayerMinSpeed, 2);
    EXPECT_EQ(editor->Label5->text(), QStringLiteral("2"));
}

TEST_F(EditerTest, LeftPressInPositionTabPlacesTheCentreRounded) {
    press(editor->Picture1, {100.4, 60.5}, Qt::LeftButton);
    EXPECT_EQ(layer(1).LayerX, 100);
    EXPECT_EQ(layer(1).LayerY, 60);
    press(editor->Picture1, {20.5, 21.5}, Qt::LeftButton);
    EXPECT_EQ(layer(1).LayerX, 20);
    EXPECT_EQ(layer(1).LayerY, 22);
    // The cross follows the centre.
    EXPECT_EQ(editor->Picture1->image().pixel(20, 150) & 0xFFFFFF, Black);
}

TEST_F(EditerTest, OtherButtonsInPositionTabSetTheRadius) {
    const struct {
        Qt::MouseButton button;
        QPointF at;
        int radius;
    } cases[] = {
        {Qt::RightButton, {110, 120}, 50}, // 3-4-5 triangle
        {Qt::MiddleButton, {82.5, 80}, 2}, // 2.5 to even
        {Qt::RightButton, {83.5, 80}, 4},  // 3.5 to even
        {Qt::RightButton, {80, 80}, 0},
        // The differences are single precision, their squares are not: summed in
        // single precision these would give exactly 1.5 and 2.5.
        {Qt::RightButton, {double(80.4644241f), double(81.4262924f)}, 1},
        {Qt::MiddleButton, {double(81.9997025f), double(81.5003967f)}, 3},
    };
    for (const auto& each : cases) {
        press(editor->Picture1, each.at, each.button);
        EXPECT_EQ(layer(1).LayerRadius, each.radius) << each.at.x();
        EXPECT_EQ(layer(1).LayerX, 80);
    }
}

TEST_F(EditerTest, LeftPressInMotionTabSetsTheNearestDirection) {
    selectMotionTab();
    const struct {
        QPointF at;
        int direction;
    } axes[] = {
        {{120, 80}, 0},
        {{80, 120}, 9},
        {{80, 40}, 27},
        {{40, 80}, 18},
    };
    for (const auto& each : axes) {
        layer(1).LayerShape.fill(32);
        press(editor->Picture1, each.at, Qt::LeftButton);
        for (int direction = 0; direction < DirectionTotal; ++direction)
            EXPECT_EQ(layer(1).LayerShape[static_cast<std::size_t>(direction)],
                      direction == each.direction ? 40 : 32)
                << "press at " << each.at.x() << ", " << each.at.y() << " direction " << direction;
    }

    // The centre itself counts as 270 degrees.
    layer(1).LayerShape.fill(32);
    press(editor->Picture1, {80, 80}, Qt::LeftButton);
    EXPECT_EQ(layer(1).LayerShape[27], 0);
    EXPECT_EQ(layer(1).LayerShape[26], 32);
    EXPECT_EQ(layer(1).LayerShape[28], 32);

    // Angles on the edges of a sector, seen from a centre where presses can be
    // placed finely enough to hit them exactly.
    const QPoint centre(10, 8);
    layer(1).LayerX = static_cast<std::int16_t>(centre.x());
    layer(1).LayerY = static_cast<std::int16_t>(centre.y());
    const struct {
        float angle;
        int direction;
    } edges[] = {{354.5f, 0}, {354.4f, 35}, {4.4f, 0}, {4.5f, 1}};
    for (const auto& each : edges) {
        layer(1).LayerShape.fill(-1);
        press(editor->Picture1, pointAtAngle(centre, each.angle), Qt::LeftButton);
        for (int direction = 0; direction < DirectionTotal; ++direction)
            EXPECT_EQ(layer(1).LayerShape[static_cast<std::size_t>(direction)] != -1,
                      direction == each.direction)
                << "angle " << each.angle << " direction " << direction;
    }
}

TEST_F(EditerTest, RightPressInMotionTabMakesAUniformCircleOfSpokes) {
    selectMotionTab();
    press(editor->Picture1, {110, 40}, Qt::RightButton);
    for (std::int16_t length : layer(1).LayerShape)
        EXPECT_EQ(length, 50);
    const QImage& canvas = editor->Picture1->image();
    for (int direction = 0; direction < DirectionTotal; direction += 5) {
        const double radians = direction * 10 * M_PI / 180.0;
        const auto at = [&](double distance, double component) {
            return static_cast<int>(std::lround(80 + distance * component));
        };
        EXPECT_TRUE(colourNear(canvas, at(45, std::cos(radians)), at(45, std::sin(radians)), Red))
            << direction;
        EXPECT_FALSE(colourNear(canvas, at(56, std::cos(radians)), at(56, std::sin(radians)), Red))
            << direction;
    }
}

TEST_F(EditerTest, DistancesBeyondSixteenBitsTakeTheNearestEnd) {
    layer(1).LayerX = 30000;
    layer(1).LayerY = 30000;
    editor->DRefresh();
    press(editor->Picture1, {0, 0}, Qt::RightButton);
    EXPECT_EQ(layer(1).LayerRadius, 32767); // beyond 16 bits: the common::nearest end, not garbage
}

TEST_F(EditerTest, UseButtonTogglesAndShowsTheState) {
    QTest::mouseClick(editor->Command1, Qt::LeftButton);
    EXPECT_EQ(layer(1).LayerUse, 1);
    EXPECT_EQ(editor->Command1->text(), QStringLiteral("Use"));
    QTest::mouseClick(editor->Command1, Qt::LeftButton);
    EXPECT_EQ(layer(1).LayerUse, 0);
    EXPECT_EQ(editor->Command1->text(), QStringLiteral("Not Use"));

    layer(1).LayerUse = 7; // from a file: on, and switched off by one click
    editor->DRefresh();
    EXPECT_EQ(editor->Command1->text(), QStringLiteral("Use"));
    QTest::mouseClick(editor->Command1, Qt::LeftButton);
    EXPECT_EQ(layer(1).LayerUse, 0);
}

TEST_F(EditerTest, SwitchingTabsRedrawsWithoutChangingTheDocument) {
    const DesignDocument before = session->document;
    const QImage position = editor->Picture1->image();
    selectMotionTab();
    EXPECT_NE(editor->Picture1->image(), position);
    EXPECT_EQ(editor->Picture1->image().pixel(80 + 30, 80) & 0xFFFFFF, Red);
    editor->TabStrip1->setCurrentIndex(0);
    EXPECT_EQ(editor->Picture1->image(), position);
    EXPECT_TRUE(session->document.sameDesignAs(before));
}

TEST_F(EditerTest, LayerBarShowsTheLayerAndReachesTheSparkWindow) {
    closeWindow(ToolKind::Hinoko);
    layer(2).LayerCount = 1000;
    layer(2).LayerUse = 1;
    session->document.SparkImage[1].at(5, 6) = common::makeColour(255, 0, 0);

    clickArrow(editor->HScroll1, true);
    EXPECT_EQ(session->currentLayer, 2);
    EXPECT_EQ(editor->Label2->text(), QStringLiteral("2"));
    EXPECT_EQ(editor->Label4->text(), QStringLiteral("1000"));
    EXPECT_EQ(editor->Command1->text(), QStringLiteral("Use"));
    auto* sparks = windows().windowAs<F_Hinoko>(ToolKind::Hinoko);
    ASSERT_NE(sparks, nullptr); // opened by the layer change
    EXPECT_EQ(sparks->Picture1->image().pixel(5, 6) & 0xFFFFFF, Red);

    // Edits now go to layer 2.
    clickArrow(editor->HScroll2, true);
    EXPECT_EQ(layer(2).LayerCount, 1004);
    EXPECT_EQ(layer(1).LayerCount, 512);
    clickArrow(editor->HScroll1, false);
    EXPECT_EQ(sparks->Picture1->image().pixel(5, 6) & 0xFFFFFF, Black);
}

TEST_F(EditerTest, ValuesTheBarsCannotHoldAreShownClampedAndNotStored) {
    layer(1).LayerCount = 5000;
    layer(1).LayerMinSpeed = 200;
    layer(1).LayerDecel = 0;
    const DesignDocument before = session->document;
    editor->DRefresh();
    EXPECT_EQ(editor->HScroll2->value(), 2048);
    EXPECT_EQ(editor->Label4->text(), QStringLiteral("2048"));
    EXPECT_EQ(editor->HScroll3->value(), 48);
    EXPECT_EQ(editor->HScroll5->value(), 1);
    EXPECT_EQ(editor->Label3->text(), QStringLiteral("99"));
    EXPECT_TRUE(session->document.sameDesignAs(before));

    // Reopening the window does not store them either.
    closeWindow(ToolKind::Editer);
    open<F_Editer>(ToolKind::Editer);
    EXPECT_TRUE(session->document.sameDesignAs(before));
}

TEST_F(EditerTest, ReopenedEditorStartsAtLayerOne) {
    clickArrow(editor->HScroll1, true);
    clickArrow(editor->HScroll1, true);
    EXPECT_EQ(F_Editer::CurrentLayer(windows()), 3);
    closeWindow(ToolKind::Editer);
    // Asking for the layer opens the editor again, at layer 1.
    EXPECT_EQ(F_Editer::CurrentLayer(windows()), 1);
    EXPECT_NE(windows().window(ToolKind::Editer), nullptr);
}

} // namespace
} // namespace kirabellum::test
