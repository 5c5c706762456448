#include "FakePlaybackClock.h"
#include "TestImages.h"
#include "TypedBarValue.h"
#include "WindowFixture.h"

#include "common/windows/EngineView.h"
#include "common/windows/FramePreview.h"
#include "windows/Console.h"
#include "windows/Preview.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <string>
#include <vector>

namespace koratune {
namespace {

// The console's playback timed by a clock that moves only when waited on.
class ConsoleWindow : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        mainWindow->console()->setPlaybackClock(clock);
    }

    common::FakePlaybackClock clock;
};

struct ShownFrame {
    int frame;
    std::string caption;
    QImage picture;
};

// Plays the frames and records what the preview showed.
std::vector<ShownFrame> play(Console& console, Preview& preview, bool* finished = nullptr) {
    std::vector<ShownFrame> shown;
    const QMetaObject::Connection frames =
        QObject::connect(&console, &Console::frameShown, [&](int frame, const QString& caption) {
            shown.push_back(
                {frame, caption.toStdString(),
                 preview.Picture1()->grab().toImage().convertToFormat(QImage::Format_RGB32)});
        });
    const QMetaObject::Connection end = QObject::connect(&console, &Console::playbackFinished, [&] {
        if (finished)
            *finished = true;
    });
    console.Command2()->click();
    QObject::disconnect(frames);
    QObject::disconnect(end);
    return shown;
}

TEST_F(ConsoleWindow, ScrollBarsStartWithTheirRangesAndLabels) {
    const Console& console = *mainWindow->console();
    const struct {
        const char* caption;
        int minimum, maximum, step, value;
        const char* label;
    } expected[] = {
        {"サイズ", 24, 512, 8, 160, "160x160"},
        {"フレーム数", 1, 256, 1, 10, "10"},
        {"スキップ", 1, 9, 1, 1, "1"},
        {"スタート", 1, 10, 1, 1, "1"},
    };
    for (int index = 0; index < Console::ScrollBarCount; ++index) {
        const auto& e = expected[index];
        const QScrollBar* bar = console.HScroll1(index);
        EXPECT_EQ(console.Label2(index)->text(), QString::fromUtf8(e.caption));
        EXPECT_EQ(bar->minimum(), e.minimum) << index;
        EXPECT_EQ(bar->maximum(), e.maximum) << index;
        EXPECT_EQ(bar->singleStep(), e.step) << index;
        EXPECT_EQ(bar->pageStep(), e.step) << index;
        EXPECT_EQ(bar->value(), e.value) << index;
        EXPECT_EQ(console.Label3(index)->text(), QString::fromUtf8(e.label)) << index;
    }
    const char* rates[] = {"60fps", "40fps", "30fps", "20fps", "15fps", "10fps"};
    for (int option = 0; option < Console::RefreshRateCount; ++option) {
        EXPECT_EQ(console.Option1(option)->text(), QString::fromUtf8(rates[option]));
        EXPECT_EQ(console.Option1(option)->isChecked(), option == 4);
    }
    EXPECT_EQ(console.Check2()->text(), QStringLiteral("２倍表示"));
    EXPECT_EQ(console.Check3()->text(), QStringLiteral("左右反転"));
    EXPECT_EQ(console.Check4()->text(), QStringLiteral("上下反転"));
    EXPECT_FALSE(console.Check2()->isChecked());
    EXPECT_EQ(console.Command2()->text(), QStringLiteral("プレビュー"));
    EXPECT_NE(console.findChild<QLabel*>(), nullptr);
}

TEST_F(ConsoleWindow, LabelsFollowTheScrollBars) {
    Console& console = *mainWindow->console();
    console.HScroll1(0)->setValue(200);
    EXPECT_EQ(console.Label3(0)->text(), QStringLiteral("200x200"));
    console.HScroll1(0)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(console.Label3(0)->text(), QStringLiteral("208x208"));
    console.HScroll1(1)->setValue(37);
    EXPECT_EQ(console.Label3(1)->text(), QStringLiteral("37"));
    console.HScroll1(2)->setValue(5);
    EXPECT_EQ(console.Label3(2)->text(), QStringLiteral("5"));
    console.HScroll1(3)->setValue(30);
    EXPECT_EQ(console.Label3(3)->text(), QStringLiteral("30"));
}

TEST_F(ConsoleWindow, ATypedValueSetsItsScrollBarWithinItsRange) {
    Console& console = *mainWindow->console();
    const struct {
        int bar;
        const char* typed;
        int value;
    } cases[] = {{0, "203", 200}, {1, "12", 12}, {2, "30", 11}, {3, "7", 7}, {0, "5000", 512}};
    for (const auto& c : cases) {
        EXPECT_EQ(console.Label3(c.bar)->toolTip(), QStringLiteral("ダブルクリックで数値を入力"));
        // The size is typed without its "x".
        const QString shown = QString::number(console.HScroll1(c.bar)->value());
        common::test::typeBarValue(console.Label3(c.bar), QString::fromLatin1(c.typed),
                                   Qt::Key_Return, shown);
        EXPECT_EQ(console.HScroll1(c.bar)->value(), c.value) << c.typed;
    }
    EXPECT_EQ(console.Label3(0)->text(), QStringLiteral("512x512"));
}

TEST_F(ConsoleWindow, FrameCountSetsTheMaximaOfStepAndStart) {
    Console& console = *mainWindow->console();
    const struct {
        int frameCount, stepMaximum, startMaximum;
    } cases[] = {{1, 1, 1}, {2, 1, 2}, {3, 2, 3}, {10, 9, 10}, {256, 255, 256}};
    for (const auto& c : cases) {
        console.HScroll1(1)->setValue(c.frameCount);
        EXPECT_EQ(console.HScroll1(2)->maximum(), c.stepMaximum) << c.frameCount;
        EXPECT_EQ(console.HScroll1(3)->maximum(), c.startMaximum) << c.frameCount;
    }
}

TEST_F(ConsoleWindow, ValuesAboveANewMaximumDropToItWithTheirLabels) {
    Console& console = *mainWindow->console();
    console.HScroll1(2)->setValue(9);
    console.HScroll1(3)->setValue(10);
    console.HScroll1(1)->setValue(4);
    EXPECT_EQ(console.HScroll1(2)->value(), 3);
    EXPECT_EQ(console.Label3(2)->text(), QStringLiteral("3"));
    EXPECT_EQ(console.HScroll1(3)->value(), 4);
    EXPECT_EQ(console.Label3(3)->text(), QStringLiteral("4"));
    console.HScroll1(1)->setValue(1);
    EXPECT_EQ(console.HScroll1(2)->value(), 1);
    EXPECT_EQ(console.Label3(3)->text(), QStringLiteral("1"));
}

TEST_F(ConsoleWindow, ApplyCopiesTheFirstGroupAndSizesThePreview) {
    const SharedSettings before = session->settings;
    EXPECT_EQ(before.FrameSize, 160);
    EXPECT_EQ(before.FrameCount, 10);
    EXPECT_EQ(before.SkipStep, 1);
    EXPECT_EQ(before.StartFrame, 0);
    EXPECT_FALSE(before.FlipHorizontal);
    EXPECT_FALSE(before.FlipVertical);

    Console& console = *mainWindow->console();
    console.HScroll1(0)->setValue(64);
    console.HScroll1(1)->setValue(20);
    console.HScroll1(2)->setValue(4);
    console.HScroll1(3)->setValue(3);
    console.Check3()->setChecked(true);
    EXPECT_EQ(session->settings.FrameSize, 160) << "nothing changes before apply";

    console.Command1()->click();
    const SharedSettings& after = session->settings;
    EXPECT_EQ(after.FrameSize, 64);
    EXPECT_EQ(after.FrameCount, 20);
    EXPECT_EQ(after.SkipStep, 4);
    EXPECT_EQ(after.StartFrame, 2);
    EXPECT_TRUE(after.FlipHorizontal);
    EXPECT_FALSE(after.FlipVertical);
    EXPECT_EQ(mainWindow->preview()->Picture1()->image().size(), QSize(64, 64));
    const auto* previewWindow = qobject_cast<QMdiSubWindow*>(mainWindow->preview()->parentWidget());
    // The window fits its picture and the preview's controls under it.
    const QSize contents = mainWindow->preview()->sizeHint();
    EXPECT_EQ(mainWindow->preview()->size(), contents);
    EXPECT_LT(previewWindow->height(), 64 + contents.height());
}

TEST_F(ConsoleWindow, PlaybackShowsTheChosenFramesWithCaptionsAndKeepsTheLast) {
    openImage(numberedFrames(40, 4, 3));
    applyFrameSettings(40, 10, 3, 0);
    Console& console = *mainWindow->console();
    Preview& preview = *mainWindow->preview();
    console.Option1(0)->setChecked(true);

    bool finished = false;
    const std::vector<ShownFrame> shown = play(console, preview, &finished);
    ASSERT_EQ(shown.size(), 4u);
    const int frames[] = {0, 3, 6, 9};
    const char* captions[] = {"1/10", "4/10", "7/10", "10/10"};
    for (std::size_t index = 0; index < shown.size(); ++index) {
        EXPECT_EQ(shown[index].frame, frames[index]);
        EXPECT_EQ(shown[index].caption, captions[index]);
        ASSERT_EQ(shown[index].picture.size(), QSize(40, 40));
        EXPECT_EQ(shown[index].picture.pixel(0, 0), numberedPixel(frames[index], 0, 0));
        EXPECT_EQ(shown[index].picture.pixel(39, 17), numberedPixel(frames[index], 39, 17));
    }
    EXPECT_TRUE(finished);
    EXPECT_FALSE(console.isPlaying());
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Preview"));
    EXPECT_EQ(preview.Picture1()->image().pixel(39, 17), numberedPixel(9, 39, 17))
        << "the last frame stays";
}

TEST_F(ConsoleWindow, PlaybackTakesFramesFromTheirCellsAndFromOneColumnImages) {
    const struct { int columns, rows, startFrame, frame; } cases[] = {{4, 3, 5, 5}, {1, 10, 7, 7}};
    for (const auto& c : cases) {
        openImage(numberedFrames(40, c.columns, c.rows));
        applyFrameSettings(40, 10, 9, c.startFrame);
        mainWindow->console()->Option1(0)->setChecked(true);
        const std::vector<ShownFrame> shown = play(*mainWindow->console(), *mainWindow->preview());
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].picture.pixel(3, 4), numberedPixel(c.frame, 3, 4)) << c.columns;
    }
}

TEST_F(ConsoleWindow, PlaybackUsesThePreviousSettingsUntilApply) {
    openImage(numberedFrames(40, 4, 3));
    applyFrameSettings(40, 4, 1, 1);
    Console& console = *mainWindow->console();
    console.Option1(0)->setChecked(true);
    console.HScroll1(1)->setValue(10);
    console.HScroll1(2)->setValue(3);
    console.HScroll1(3)->setValue(1);
    std::vector<int> frames;
    for (const ShownFrame& shown : play(console, *mainWindow->preview()))
        frames.push_back(shown.frame);
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3}));

    console.Command1()->click();
    frames.clear();
    for (const ShownFrame& shown : play(console, *mainWindow->preview()))
        frames.push_back(shown.frame);
    EXPECT_EQ(frames, (std::vector<int>{0, 3, 6, 9}));
}

TEST_F(ConsoleWindow, DoubleSizeAndMirroringDrawEachFrameInItsSquare) {
    openImage(numberedFrames(40, 4, 1));
    applyFrameSettings(40, 4, 3, 0, true, false);
    Console& console = *mainWindow->console();
    console.Option1(0)->setChecked(true);
    console.Check2()->setChecked(true);
    const std::vector<ShownFrame> shown = play(console, *mainWindow->preview());
    ASSERT_EQ(shown.size(), 2u);
    const QImage& picture = shown[1].picture;
    ASSERT_EQ(picture.size(), QSize(80, 80));
    // Pixel (x, y) of frame 3 lands mirrored left to right as a 2 x 2 block.
    for (const QPoint source : {QPoint(0, 0), QPoint(39, 0), QPoint(10, 25)}) {
        const QPoint target(2 * (39 - source.x()), 2 * source.y());
        EXPECT_TRUE(
            blockIs(picture, QRect(target, QSize(2, 2)), numberedPixel(3, source.x(), source.y())))
            << source.x() << "," << source.y();
    }
    EXPECT_EQ(mainWindow->preview()->Picture1()->size(), QSize(80, 80));
}

TEST_F(ConsoleWindow, EachFrameAndTheClearingWaitMoreThanTheOptionsInterval) {
    openImage(numberedFrames(24, 4, 1));
    applyFrameSettings(24, 4, 1, 0);
    Console& console = *mainWindow->console();
    const int intervals[Console::RefreshRateCount] = {17, 25, 33, 50, 50, 75};
    for (int option = 0; option < Console::RefreshRateCount; ++option) {
        console.Option1(option)->setChecked(true);
        clock.clearWaits();
        const std::vector<ShownFrame> shown = play(console, *mainWindow->preview());
        ASSERT_EQ(shown.size(), 4u);
        // Four frames and the clearing, each more than the interval after the
        // step before.
        EXPECT_EQ(clock.waits(), std::vector<int>(5, intervals[option] + 1)) << option;
    }
}

TEST_F(ConsoleWindow, ASecondStartStopsAPlayedOnceAndItsFrameStaysWhileTheButtonReadsStop) {
    openImage(numberedFrames(24, 4, 1));
    applyFrameSettings(24, 4, 1, 0);
    Console& console = *mainWindow->console();
    console.Option1(0)->setChecked(true);
    std::vector<QString> buttons;
    QObject::connect(&console, &Console::frameShown, [&](int frame, const QString&) {
        buttons.push_back(console.Command2()->text());
        if (frame == 1)
            console.Command2()->click();
    });
    bool finished = false;
    const std::vector<ShownFrame> shown = play(console, *mainWindow->preview(), &finished);
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_FALSE(finished);
    EXPECT_EQ(buttons, std::vector<QString>(2, QStringLiteral("停止")));
    EXPECT_EQ(console.Command2()->text(), QStringLiteral("プレビュー"));
    EXPECT_EQ(mainWindow->preview()->Picture1()->image().pixel(5, 6), numberedPixel(1, 5, 6));
}

TEST_F(ConsoleWindow, LeftAndRightStepThroughTheChosenFramesAndSpacePlaysInThePreview) {
    openImage(numberedFrames(24, 6, 1));
    applyFrameSettings(24, 6, 2, 1); // frames 1, 3 and 5
    Preview& preview = *mainWindow->preview();
    const auto press = [&](Qt::Key key) {
        QApplication::setActiveWindow(mainWindow.get());
        preview.setFocus();
        QTest::keyClick(&preview, key);
    };
    const struct {
        Qt::Key key;
        int frame;
    } steps[] = {{Qt::Key_Right, 1}, {Qt::Key_Right, 3}, {Qt::Key_Left, 1}, {Qt::Key_Left, 5}};
    for (const auto& step : steps) {
        press(step.key);
        EXPECT_EQ(preview.viewer()->frameLabel()->text(),
                  QStringLiteral("%1/6").arg(step.frame + 1));
        EXPECT_EQ(preview.Picture1()->image().pixel(5, 6), numberedPixel(step.frame, 5, 6));
    }
    Console& console = *mainWindow->console();
    console.Option1(0)->setChecked(true);
    std::vector<int> played;
    QObject::connect(&console, &Console::frameShown,
                     [&](int frame, const QString&) { played.push_back(frame); });
    press(Qt::Key_Space);
    EXPECT_EQ(played, (std::vector<int>{1, 3, 5}));
}

TEST_F(ConsoleWindow, RepeatAndPingPongPlayWithoutPauseUntilASecondStartOrClosingStopsThem) {
    openImage(numberedFrames(24, 6, 1));
    applyFrameSettings(24, 6, 1, 1); // frames 1 to 5
    Console& console = *mainWindow->console();
    console.Option1(0)->setChecked(true);
    const struct {
        int order;
        bool closing;
        std::vector<int> frames;
    } cases[] = {
        {1, false, {1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 1, 2}},
        {2, false, {1, 2, 3, 4, 5, 4, 3, 2, 1, 2, 3, 4}},
        {2, true, {1, 2, 3, 4, 5, 4, 3, 2, 1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        console.Combo1()->setCurrentIndex(c.order);
        std::vector<int> frames;
        const QMetaObject::Connection stop =
            QObject::connect(&console, &Console::frameShown, [&](int frame, const QString&) {
                frames.push_back(frame);
                if (frames.size() == 12 && c.closing)
                    mainWindow->preview()->parentWidget()->close();
                else if (frames.size() == 12)
                    console.Command2()->click();
            });
        bool finished = false;
        clock.clearWaits();
        play(console, *mainWindow->preview(), &finished);
        QObject::disconnect(stop);
        EXPECT_EQ(frames, c.frames) << c.order << c.closing;
        EXPECT_EQ(clock.waits(), std::vector<int>(12, 18)) << "no pause at the turns";
        EXPECT_FALSE(console.isPlaying());
        EXPECT_FALSE(finished) << "stopped, not run out";
        if (c.closing) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_EQ(mainWindow->preview(), nullptr);
        } else {
            EXPECT_EQ(mainWindow->preview()->windowTitle(), QStringLiteral("Preview"));
        }
    }
}

TEST_F(ConsoleWindow, ClosingThePreviewDuringPlaybackEndsItSafely) {
    openImage(numberedFrames(24, 4, 1));
    applyFrameSettings(24, 4, 1, 0);
    Console& console = *mainWindow->console();
    console.Option1(0)->setChecked(true);
    QObject::connect(&console, &Console::frameShown, [&](int frame, const QString&) {
        if (frame == 1) {
            mainWindow->preview()->parentWidget()->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    });
    console.Command2()->click();
    EXPECT_FALSE(console.isPlaying());
    EXPECT_EQ(mainWindow->preview(), nullptr);
    // The next playback opens the preview again.
    bool finished = false;
    QObject::disconnect(&console, &Console::frameShown, nullptr, nullptr);
    Preview* reopened = mainWindow->loadPreview();
    play(console, *reopened, &finished);
    EXPECT_TRUE(finished);
}

TEST_F(ConsoleWindow, ClosingTheConsoleDuringPlaybackLeavesThePreviewAtRest) {
    openImage(numberedFrames(24, 4, 1));
    applyFrameSettings(24, 4, 1, 0);
    Console& console = *mainWindow->console();
    console.Option1(0)->setChecked(true);
    QObject::connect(&console, &Console::frameShown, [&](int frame, const QString&) {
        if (frame == 1)
            console.parentWidget()->close();
    });
    console.Command2()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(mainWindow->console(), nullptr);
    const Preview& preview = *mainWindow->preview();
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Preview"));
    EXPECT_EQ(preview.Picture1()->image().pixel(5, 6), numberedPixel(1, 5, 6))
        << "the frame shown stays";
}

TEST_F(ConsoleWindow, QuittingDuringPlaybackEndsIt) {
    openImage(numberedFrames(24, 4, 1));
    applyFrameSettings(24, 4, 1, 0);
    Console& console = *mainWindow->console();
    console.Option1(0)->setChecked(true);
    dialogs.confirmAnswers.push_back(true);
    QObject::connect(&console, &Console::frameShown, [&](int frame, const QString&) {
        if (frame == 1)
            mainWindow->close();
    });
    const std::vector<ShownFrame> shown = play(console, *mainWindow->preview());
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_FALSE(console.isPlaying());
    EXPECT_FALSE(mainWindow->isVisible());
}

} // namespace
} // namespace koratune
