#include "DesignerFixture.h"

#include "common/sheets/FrameStripInfo.h"
#include "common/windows/EngineView.h"
#include "common/windows/FramePreview.h"
#include "common/windows/WindowTranslations.h"
#include "core/document/DesignFile.h"
#include "core/editing/SampleDesigns.h"
#include "core/render/StripLayout.h"
#include "windows/render/F_Animation.h"
#include "windows/render/F_Preview.h"
#include "windows/render/FlipbookControls.h"
#include "windows/render/Wait.h"

#include "FakePlaybackClock.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace kirabellum {
namespace {

class RenderWindowsTest : public DesignerFixture {
protected:
    void SetUp() override {
        DesignerFixture::SetUp();
        session->document = sampleDesigns().front().design; // 16 frames of 128, 4 columns
        session->history.startAfresh();                     // as an Open leaves it
        animation = windows().openAs<F_Animation>(ToolKind::Animation);
        ASSERT_NE(animation, nullptr);
    }
    F_Preview* preview() { return windows().windowAs<F_Preview>(ToolKind::Preview); }
    // Runs `whileRendering` once the render window is up, then renders.
    void render(std::function<void(Wait&)> whileRendering = {}) {
        if (whileRendering)
            QTimer::singleShot(0, [whileRendering] {
                if (auto* wait = qobject_cast<Wait*>(QApplication::activeModalWidget()))
                    whileRendering(*wait);
            });
        animation->Command1->click();
    }
    // Plays the strip from the render settings window, timed by `clock`.
    void play(int option, bool doubleSize = false) {
        preview()->setPlaybackClock(clock);
        animation->Option1[static_cast<std::size_t>(option)]->setChecked(true);
        animation->Check2->setChecked(doubleSize);
        animation->Command2->click();
    }
    // A key pressed in the preview window, which has the focus.
    void pressKey(Qt::Key key) {
        windows().showAndFocus(ToolKind::Preview);
        QApplication::setActiveWindow(mainWindow.get());
        preview()->Combo1->setFocus();
        QTest::keyClick(preview()->Combo1, key);
    }
    // The layout of the strip RendPic holds: frame size, frame count, columns, rows.
    std::array<int, 4> stripLayout() const {
        const StripLayout& layout = session->rendPic.layout();
        return {layout.FrameSize, layout.FrameCount, layout.Columns, layout.Rows};
    }
    bool cellIsBackground(int frame) const {
        const QImage& strip = session->rendPic.picture();
        const int columns = strip.width() / 128;
        const QRect cell((frame % columns) * 128, (frame / columns) * 128, 128, 128);
        const QRgb background = common::colourToRgb(session->document.ColorRamp[0]);
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                if (strip.pixel(x, y) != background)
                    return false;
        return true;
    }

    F_Animation* animation = nullptr;
    common::FakePlaybackClock clock;
};

TEST_F(RenderWindowsTest, BarsShowTheDocumentAndTheirLabels) {
    const struct {
        int bar;
        int minimum, maximum, step;
        int value;
        const char* label;
    } cases[] = {
        {0, 24, 512, 8, 128, "128x128"}, {1, 1, 256, 1, 16, "16"},       {2, 10, 100, 1, 16, "94"},
        {3, 10, 200, 1, 12, "12"},       {4, 320, 1600, 32, 512, "512"},
    };
    for (const auto& c : cases) {
        QScrollBar* bar = animation->HScroll1[static_cast<std::size_t>(c.bar)];
        EXPECT_EQ(bar->minimum(), c.minimum) << c.bar;
        EXPECT_EQ(bar->maximum(), c.maximum) << c.bar;
        EXPECT_EQ(bar->singleStep(), c.step) << c.bar;
        EXPECT_EQ(bar->pageStep(), c.step) << c.bar;
        EXPECT_EQ(bar->value(), c.value) << c.bar;
        EXPECT_EQ(animation->Label3[static_cast<std::size_t>(c.bar)]->text(),
                  QString::fromUtf8(c.label))
            << c.bar;
    }
    EXPECT_TRUE(animation->Check1->isChecked());
    EXPECT_TRUE(animation->Option1[4]->isChecked());
}

TEST_F(RenderWindowsTest, AfterimageBarRunsBackwards) {
    QScrollBar* bar = animation->HScroll1[2];
    bar->resize(200, 17);
    const QPoint rightArrow(bar->width() - 4, bar->height() / 2);
    const QPoint leftArrow(4, bar->height() / 2);
    QTest::mouseClick(bar, Qt::LeftButton, {}, rightArrow);
    EXPECT_EQ(session->document.Afterimage, 15); // towards 10 at the right end
    EXPECT_EQ(animation->Label3[2]->text(), QStringLiteral("95"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, leftArrow);
    QTest::mouseClick(bar, Qt::LeftButton, {}, leftArrow);
    EXPECT_EQ(session->document.Afterimage, 17);
    bar->setValue(100);
    const QStyleOptionSlider option = [&] {
        QStyleOptionSlider o;
        o.initFrom(bar);
        o.orientation = Qt::Horizontal;
        o.minimum = bar->minimum();
        o.maximum = bar->maximum();
        o.sliderPosition = bar->value();
        o.sliderValue = bar->value();
        o.upsideDown = false;
        return o;
    }();
    const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                     QStyle::SC_ScrollBarSlider, bar);
    EXPECT_LT(thumb.center().x(), bar->width() / 2) << "100 sits at the left end";
}

TEST_F(RenderWindowsTest, EverySettingReachesTheDocumentAtOnceAndASaveWithoutARender) {
    const struct {
        const char* setting;
        std::function<void()> change;
        std::function<double(const DesignDocument&)> field;
        double expected;
    } cases[] = {
        {"size", [&] { animation->HScroll1[0]->setValue(200); },
         [](const DesignDocument& d) { return d.FrameSize; }, 200},
        {"frame count", [&] { animation->HScroll1[1]->setValue(3); },
         [](const DesignDocument& d) { return d.FrameCount; }, 3},
        {"afterimage", [&] { animation->HScroll1[2]->setValue(100); },
         [](const DesignDocument& d) { return d.Afterimage; }, 100},
        {"add rate", [&] { animation->HScroll1[3]->setValue(37); },
         [](const DesignDocument& d) { return d.AddRate; }, 0.37f},
        {"width limit", [&] { animation->HScroll1[4]->setValue(640); },
         [](const DesignDocument& d) { return d.WidthLimit; }, 640},
        {"afterimage switch", [&] { animation->Check1->click(); },
         [](const DesignDocument& d) { return d.AfterimageOn; }, 0},
        {"refresh rate", [&] { animation->Option1[2]->click(); },
         [](const DesignDocument& d) { return d.RefreshRate; }, 2},
    };
    for (const auto& c : cases) {
        c.change();
        EXPECT_EQ(c.field(session->document), c.expected) << c.setting;
    }
    EXPECT_EQ(animation->Label3[0]->text(), QStringLiteral("200x200"));
    EXPECT_EQ(animation->Label3[2]->text(), QStringLiteral("10"));

    dialogs.saveAnswers.push_back(path("settings.df2"));
    mainWindow->SAVE_Click();
    DesignDocument saved;
    ASSERT_TRUE(ReadDesignFile(path("settings.df2"), DesignFileVersion::V1_2, saved).ok());
    for (const auto& c : cases)
        EXPECT_EQ(c.field(saved), c.expected) << c.setting;

    // The render lays the strip out by the same values.
    render();
    EXPECT_EQ(session->rendPic.picture().size(), QSize(600, 200));
}

TEST_F(RenderWindowsTest, RefreshRoundsTheAddRateButWritesNoValueShownClamped) {
    session->document.AddRate = 1.234f;
    animation->DRefresh();
    EXPECT_EQ(animation->HScroll1[3]->value(), 123);
    EXPECT_EQ(session->document.AddRate, 1.23f);

    // Only a file can hold these.
    DesignDocument& document = session->document;
    document.AfterimageOn = 0;
    animation->DRefresh();
    document.FrameSize = 600;
    document.FrameCount = 0;
    document.Afterimage = 0;
    document.AddRate = 7.5f;
    document.WidthLimit = 100;
    document.AfterimageOn = 2;
    document.RefreshRate = 9;
    const DesignDocument fromFile = document;
    animation->DRefresh();
    const int shown[] = {512, 1, 10, 200, 320};
    for (std::size_t bar = 0; bar < 5; ++bar)
        EXPECT_EQ(animation->HScroll1[bar]->value(), shown[bar]) << bar;
    EXPECT_TRUE(animation->Check1->isChecked());
    EXPECT_TRUE(document.sameDesignAs(fromFile));

    dialogs.saveAnswers.push_back(path("clamped.df2"));
    mainWindow->SAVE_Click();
    DesignDocument saved;
    ASSERT_TRUE(ReadDesignFile(path("clamped.df2"), DesignFileVersion::V1_2, saved).ok());
    EXPECT_TRUE(saved.sameDesignAs(fromFile));
}

TEST_F(RenderWindowsTest, AFreshlyBuiltWindowWritesNothing) {
    const DesignDocument before = session->document; // unlike the window's start values
    closeWindow(ToolKind::Animation);
    ASSERT_NE(open<F_Animation>(ToolKind::Animation), nullptr);
    EXPECT_TRUE(session->document.sameDesignAs(before));
}

TEST_F(RenderWindowsTest, RenderFillsTheStripAndThePreviewFollowsIt) {
    std::vector<QString> captions;
    render([&](Wait& wait) {
        EXPECT_EQ(wait.Label1->text(), QStringLiteral("Now Rendering.Please Wait..."));
        EXPECT_EQ(wait.Command1->text(), QStringLiteral("中止"));
        QObject::connect(&wait, &Wait::yielding,
                         [&] { captions.push_back(preview()->windowTitle()); });
    });
    ASSERT_EQ(captions.size(), 15u);
    EXPECT_EQ(captions.front(), QStringLiteral("1/16"));
    EXPECT_EQ(captions.back(), QStringLiteral("15/16"));
    EXPECT_EQ(preview()->windowTitle(), QStringLiteral("Preview"));
    EXPECT_EQ(session->rendPic.picture().size(), QSize(512, 512));
    EXPECT_EQ(stripLayout(), (std::array<int, 4>{128, 16, 4, 4}));
    for (int frame = 0; frame < 16; ++frame)
        EXPECT_FALSE(cellIsBackground(frame)) << frame;
    // The preview keeps the last frame.
    EXPECT_EQ(preview()->Picture1->image(), session->rendPic.picture().copy(384, 384, 128, 128));
    EXPECT_TRUE(dialogs.warnings.empty());
}

TEST_F(RenderWindowsTest, ARenderIsAnnouncedThroughTheSessionAndOpensAClosedPreview) {
    ASSERT_EQ(preview(), nullptr);
    std::vector<std::string> news;
    DesignerEvents& events = session->events;
    QObject::connect(&events, &DesignerEvents::renderPreparing,
                     [&] { news.push_back("preparing"); });
    QObject::connect(&events, &DesignerEvents::renderStarted, [&](int frameSize, QRgb) {
        news.push_back("started " + std::to_string(frameSize));
    });
    QObject::connect(&events, &DesignerEvents::frameRendered,
                     [&](int frame, int count, const QImage&, const QRect&) {
                         if (frame == 0 || frame == count - 1)
                             news.push_back("frame " + std::to_string(frame));
                     });
    QObject::connect(&events, &DesignerEvents::renderEnded, [&] { news.push_back("ended"); });
    render();
    EXPECT_EQ(news, (std::vector<std::string>{"preparing", "started 128", "frame 0", "frame 15",
                                              "ended"}));
    ASSERT_NE(preview(), nullptr);
    EXPECT_EQ(preview()->Picture1->image(), session->rendPic.picture().copy(384, 384, 128, 128));
}

TEST_F(RenderWindowsTest, ARenderWithNoLayerOnRunsAndTheStatusBarSaysSo) {
    for (LayerSettings& layer : session->document.Layers)
        layer.LayerUse = 0;
    render([](Wait&) {});
    EXPECT_TRUE(dialogs.warnings.empty());
    EXPECT_TRUE(mainWindow->statusBar()->currentMessage().contains(
        QStringLiteral("どのレイヤーも使われていない")));
    EXPECT_TRUE(cellIsBackground(0));
}

TEST_F(RenderWindowsTest, CancelAfterFrameZeroLeavesFramesZeroAndOne) {
    render([&](Wait& wait) {
        QObject::connect(&wait, &Wait::yielding, &wait, [&wait](int frame) {
            if (frame == 0)
                wait.Command1->click();
        });
    });
    EXPECT_EQ(session->document.RenderCancel, 0);
    EXPECT_FALSE(cellIsBackground(0));
    EXPECT_FALSE(cellIsBackground(1));
    for (int frame = 2; frame < 16; ++frame)
        EXPECT_TRUE(cellIsBackground(frame)) << frame;
    EXPECT_EQ(preview()->Picture1->image(), session->rendPic.picture().copy(128, 0, 128, 128));
    EXPECT_EQ(preview()->windowTitle(), QStringLiteral("Preview"));
}

TEST_F(RenderWindowsTest, SparkColourOutsideTheRampStopsTheRenderWithTheMessage) {
    const common::WindowTranslations translations; // Japanese, as the windows start
    session->document.SparkImage[1].at(7, 7) = common::makeColour(3, 250, 3);
    animation->HScroll1[1]->setValue(5);
    render();
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_EQ(dialogs.warnings[0].title, QStringLiteral("Error"));
    // The designer's message, then what to do about it.
    EXPECT_TRUE(dialogs.warnings[0].text.startsWith(
        QStringLiteral("2レイヤーのFireにパレット以外の色が使われています。\n")));
    EXPECT_TRUE(dialogs.warnings[0].text.contains(QStringLiteral("ランプの色で描いた画像")));
    // The strip is laid out anew and cleared.
    EXPECT_EQ(stripLayout(), (std::array<int, 4>{128, 5, 4, 2}));
    EXPECT_EQ(session->rendPic.picture().size(), QSize(512, 256));
    for (int frame = 0; frame < 5; ++frame)
        EXPECT_TRUE(cellIsBackground(frame)) << frame;
}

TEST_F(RenderWindowsTest, TooLargeAStripIsRefusedWithAMessage) {
    animation->HScroll1[0]->setValue(512);
    animation->HScroll1[1]->setValue(256);
    animation->HScroll1[4]->setValue(320);
    render();
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_TRUE(dialogs.warnings[0].text.contains(QStringLiteral("32767")));
}

TEST_F(RenderWindowsTest, F5RendersFromAnywhereInTheMainWindowAndTheButtonsTipSaysSo) {
    EXPECT_TRUE(animation->Command1->toolTip().contains(QStringLiteral("F5")));
    closeWindow(ToolKind::Animation);
    mainWindow->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow.get()));
    QTest::keyClick(mainWindow.get(), Qt::Key_F5);
    EXPECT_NE(windows().window(ToolKind::Animation), nullptr) << "the render settings open for it";
    EXPECT_TRUE(session->renderRun.hasStarted());
    EXPECT_EQ(stripLayout()[1], 16);
}

TEST_F(RenderWindowsTest, PlaybackShowsTheRenderedFramesInStripOrderWithCaptions) {
    render(); // 16 frames of 128 in 4 columns
    const QImage strip = session->rendPic.picture();
    std::vector<int> frames;
    std::vector<std::string> captions;
    std::vector<bool> shownRight;
    QObject::connect(preview(), &F_Preview::frameShown, [&](int frame) {
        frames.push_back(frame);
        captions.push_back(preview()->windowTitle().toStdString());
        const QRect cell((frame % 4) * 128, (frame / 4) * 128, 128, 128);
        shownRight.push_back(preview()->Picture1->image() == strip.copy(cell));
    });
    std::vector<int> expectedFrames;
    std::vector<std::string> expectedCaptions;
    for (int frame = 0; frame < 16; ++frame) {
        expectedFrames.push_back(frame);
        expectedCaptions.push_back(std::to_string(frame + 1) + "/16");
    }
    // The strip plays as it was rendered, also once the settings have changed
    // without a render.
    for (const bool settingsChanged : {false, true}) {
        if (settingsChanged) {
            animation->HScroll1[0]->setValue(200);
            animation->HScroll1[1]->setValue(30);
            animation->HScroll1[4]->setValue(1600);
        }
        frames.clear();
        captions.clear();
        shownRight.clear();
        play(0);
        EXPECT_EQ(frames, expectedFrames) << settingsChanged;
        EXPECT_EQ(captions, expectedCaptions) << settingsChanged;
        EXPECT_EQ(shownRight, std::vector<bool>(16, true)) << settingsChanged;
        EXPECT_EQ(preview()->windowTitle(), QStringLiteral("Preview"));
    }
}

TEST_F(RenderWindowsTest, APlaybackThatEndsOrIsStoppedKeepsItsLastFrameAndPlaysAsStop) {
    render(); // 16 frames of 128 in 4 columns
    const QImage strip = session->rendPic.picture();
    const struct {
        const char* stop; // how the playback is stopped after frame 5, or not
        int lastFrame;
    } cases[] = {{"", 15}, {"button", 5}, {"space", 5}};
    for (const auto& c : cases) {
        const std::string stop = c.stop;
        std::vector<QString> buttons;
        const QMetaObject::Connection shown =
            QObject::connect(preview(), &F_Preview::frameShown, [&](int frame) {
                buttons.push_back(animation->Command2->text());
                buttons.push_back(preview()->Viewer->playButton()->text());
                if (frame == 5 && stop == "button")
                    animation->Command2->click();
                else if (frame == 5 && stop == "space")
                    pressKey(Qt::Key_Space);
            });
        play(0);
        QObject::disconnect(shown);
        EXPECT_FALSE(preview()->isPlaying()) << stop;
        const QRect cell((c.lastFrame % 4) * 128, (c.lastFrame / 4) * 128, 128, 128);
        EXPECT_EQ(preview()->Picture1->image(), strip.copy(cell)) << stop;
        EXPECT_EQ(preview()->Viewer->frameLabel()->text(),
                  QStringLiteral("%1/16").arg(c.lastFrame + 1));
        EXPECT_EQ(buttons, std::vector<QString>(buttons.size(), QStringLiteral("停止"))) << stop;
        EXPECT_EQ(buttons.size(), 2u * static_cast<std::size_t>(c.lastFrame + 1)) << stop;
        EXPECT_EQ(animation->Command2->text(), QStringLiteral("プレビュー"));
        EXPECT_EQ(preview()->Viewer->playButton()->text(), QStringLiteral("再生"));
    }
    // Space at rest plays again, here once through.
    preview()->setPlaybackClock(clock);
    std::vector<int> frames;
    QObject::connect(preview(), &F_Preview::frameShown,
                     [&](int frame) { frames.push_back(frame); });
    pressKey(Qt::Key_Space);
    EXPECT_EQ(frames.size(), 16u);
}

TEST_F(RenderWindowsTest, LeftAndRightStepThroughTheStripWithTheFrameNumberShown) {
    render(); // 16 frames of 128 in 4 columns; the last stays on the picture
    const QImage strip = session->rendPic.picture();
    const struct {
        Qt::Key key;
        int frame;
    } steps[] = {{Qt::Key_Right, 0},
                 {Qt::Key_Right, 1},
                 {Qt::Key_Left, 0},
                 {Qt::Key_Left, 15},
                 {Qt::Key_Left, 14}};
    for (const auto& step : steps) {
        pressKey(step.key);
        EXPECT_EQ(preview()->Viewer->frameLabel()->text(),
                  QStringLiteral("%1/16").arg(step.frame + 1));
        EXPECT_EQ(preview()->Picture1->image(),
                  strip.copy((step.frame % 4) * 128, (step.frame / 4) * 128, 128, 128));
    }
}

TEST_F(RenderWindowsTest, AFrameStepPlaysOnlyTheKeptFramesEachForItsStepAndSlowedDown) {
    render(); // 16 frames of 128 in 4 columns
    const QImage strip = session->rendPic.picture();
    preview()->Flipbook->frameStepBox()->setValue(4);
    preview()->Flipbook->speedBox()->setCurrentIndex(1); // 1/2
    std::vector<int> frames;
    std::vector<bool> shownRight;
    QObject::connect(preview(), &F_Preview::frameShown, [&](int frame) {
        frames.push_back(frame);
        const QRect cell((frame % 4) * 128, (frame / 4) * 128, 128, 128);
        shownRight.push_back(preview()->Picture1->image() == strip.copy(cell));
    });
    clock.clearWaits();
    play(0);
    std::vector<int> expected;
    for (const int kept : {0, 4, 8})
        expected.insert(expected.end(), 8, kept);
    expected.push_back(12);
    EXPECT_EQ(frames, expected);
    EXPECT_EQ(shownRight, std::vector<bool>(expected.size(), true));
    // Each tick, then the clearing, one interval apart.
    EXPECT_EQ(clock.waits(), std::vector<int>(expected.size() + 1, 18));
}

TEST_F(RenderWindowsTest, EachFrameAndTheClearingWaitMoreThanTheOptionsInterval) {
    render();
    const int intervals[] = {17, 25, 33, 50, 50, 75};
    for (int option = 0; option < 6; ++option) {
        clock.clearWaits();
        play(option);
        // Sixteen frames and the clearing.
        EXPECT_EQ(clock.waits(), std::vector<int>(17, intervals[option] + 1)) << option;
        EXPECT_EQ(session->document.RefreshRate, option);
    }
}

TEST_F(RenderWindowsTest, ARenderBetweenTwoFramesRunsToItsEndAndThePlaybackGoesOnWithItsFrames) {
    render();
    std::vector<int> frames;
    std::string lastCaption;
    QObject::connect(preview(), &F_Preview::frameShown, [&](int frame) {
        frames.push_back(frame);
        lastCaption = preview()->windowTitle().toStdString();
        if (frame == 1) {
            animation->HScroll1[1]->setValue(20);
            render();
        }
    });
    play(0);
    std::vector<int> expected;
    for (int frame = 0; frame < 20; ++frame)
        expected.push_back(frame);
    EXPECT_EQ(frames, expected);
    EXPECT_EQ(lastCaption, "20/20");
}

TEST_F(RenderWindowsTest, RepeatAndPingPongPlayWithoutPauseUntilPreviewAgainOrClosingStopsThem) {
    render(); // 16 frames
    std::vector<int> forward(16);
    for (int frame = 0; frame < 16; ++frame)
        forward[static_cast<std::size_t>(frame)] = frame;
    const std::vector<int> backward(forward.rbegin() + 1, forward.rend() - 1); // 14 to 1
    const auto joined = [](std::initializer_list<std::vector<int>> parts) {
        std::vector<int> all;
        for (const std::vector<int>& part : parts)
            all.insert(all.end(), part.begin(), part.end());
        return std::vector<int>(all.begin(), all.begin() + 40);
    };
    const struct {
        int order;
        bool closing;
        std::vector<int> frames;
    } cases[] = {
        {1, false, joined({forward, forward, forward})},
        {2, false, joined({forward, backward, forward})},
        {2, true, joined({forward, backward, forward})},
    };
    const QImage strip = session->rendPic.picture();
    for (const auto& c : cases) {
        preview()->Combo1->setCurrentIndex(c.order);
        std::vector<int> frames;
        const QMetaObject::Connection shown =
            QObject::connect(preview(), &F_Preview::frameShown, [&](int frame) {
                frames.push_back(frame);
                if (frames.size() == 40 && c.closing)
                    preview()->parentWidget()->close();
                else if (frames.size() == 40)
                    animation->Command2->click();
            });
        clock.clearWaits();
        play(0);
        EXPECT_EQ(frames, c.frames) << c.order << c.closing;
        EXPECT_EQ(clock.waits(), std::vector<int>(40, 18)) << "no pause at the turns";
        if (c.closing) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_EQ(preview(), nullptr);
        } else {
            QObject::disconnect(shown);
            EXPECT_FALSE(preview()->isPlaying());
            EXPECT_EQ(preview()->windowTitle(), QStringLiteral("Preview"));
            const int last = c.frames.back();
            EXPECT_EQ(preview()->Picture1->image(),
                      strip.copy((last % 4) * 128, (last / 4) * 128, 128, 128));
        }
    }
}

TEST_F(RenderWindowsTest, DoubleSizePlaybackShowsEachPixelAsABlock) {
    render();
    std::vector<QImage> shown;
    QObject::connect(preview(), &F_Preview::frameShown, [&] {
        shown.push_back(
            preview()->Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32));
    });
    play(0, true);
    ASSERT_EQ(shown.size(), 16u);
    const QImage expected = session->rendPic.picture().copy(0, 0, 128, 128).scaled(256, 256);
    EXPECT_EQ(shown[0], expected);
    EXPECT_EQ(preview()->Picture1->size(), QSize(256, 256));
}

TEST_F(RenderWindowsTest, DoubleSizeIsTheTwofoldZoomAndUntickingItShrinksThePreviewAtOnce) {
    render();
    const QSize single = preview()->parentWidget()->size();
    animation->Check2->setChecked(true);
    EXPECT_EQ(preview()->Picture1->size(), QSize(256, 256));
    EXPECT_EQ(preview()->parentWidget()->height(), single.height() + 128);
    animation->Check2->setChecked(false);
    EXPECT_EQ(preview()->Picture1->size(), QSize(128, 128));
    EXPECT_EQ(preview()->parentWidget()->size(), single);
    // The zoom chosen in the preview ticks double size at 2x only.
    const struct {
        int zoomIndex;
        bool doubleSize;
    } zooms[] = {{1, true}, {3, false}, {1, true}, {0, false}};
    for (const auto& zoom : zooms) {
        QComboBox* box = preview()->Viewer->zoomBox();
        box->setCurrentIndex(zoom.zoomIndex);
        Q_EMIT box->activated(zoom.zoomIndex);
        EXPECT_EQ(animation->Check2->isChecked(), zoom.doubleSize) << zoom.zoomIndex;
        EXPECT_EQ(preview()->Picture1->width(), 128 * (zoom.zoomIndex + 1));
    }
    // Reopened, the render settings show the preview's zoom.
    QComboBox* box = preview()->Viewer->zoomBox();
    box->setCurrentIndex(1);
    Q_EMIT box->activated(1);
    closeWindow(ToolKind::Animation);
    EXPECT_TRUE(open<F_Animation>(ToolKind::Animation)->Check2->isChecked());
}

TEST_F(RenderWindowsTest, APreviewTooLargeForTheWorkAreaIsZoomedOutToFitWithItsZoomInTheTitle) {
    mainWindow->resize(700, 600);
    animation->HScroll1[0]->setValue(512);
    animation->HScroll1[1]->setValue(4);
    animation->HScroll1[4]->setValue(1024);
    render();
    const QSize area = preview()->parentWidget()->parentWidget()->size();
    animation->Check2->setChecked(true);
    const QSize frame = preview()->parentWidget()->size();
    EXPECT_LE(frame.width(), area.width());
    EXPECT_LE(frame.height(), area.height());
    const int percent = qRound(100.0 * preview()->Picture1->width() / 512);
    EXPECT_LT(percent, 200);
    EXPECT_EQ(preview()->windowTitle(), QStringLiteral("Preview (%1%)").arg(percent));
    play(0, true);
    EXPECT_EQ(preview()->windowTitle(), QStringLiteral("Preview (%1%)").arg(percent));
    // A larger work area takes the picture back to the zoom chosen.
    mainWindow->resize(1400, 1400);
    QCoreApplication::processEvents();
    EXPECT_EQ(preview()->Picture1->size(), QSize(1024, 1024));
    EXPECT_EQ(preview()->windowTitle(), QStringLiteral("Preview"));
}

TEST_F(RenderWindowsTest, SaveWritesTheWholeStripAndFailuresSaySo) {
    animation->HScroll1[0]->setValue(160);
    animation->HScroll1[1]->setValue(10);
    animation->HScroll1[4]->setValue(640);
    render();
    dialogs.saveAnswers.push_back(path("strip.bmp"));
    preview()->Command1->click();
    ASSERT_EQ(dialogs.saveQuestions.size(), 1u);
    EXPECT_EQ(common::WidgetDialogs::qtFilters(dialogs.saveQuestions[0].filters),
              QStringList{QStringLiteral("Bitmap File(*.bmp)")});
    const QImage saved(path("strip.bmp"));
    ASSERT_EQ(saved.size(), QSize(640, 480));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), session->rendPic.picture());
    EXPECT_EQ(saved.pixel(639, 479), common::colourToRgb(session->document.ColorRamp[0]));

    dialogs.saveAnswers.push_back(path("strip.png"));
    preview()->Command1->click();
    EXPECT_EQ(QImage(path("strip.png")).convertToFormat(QImage::Format_RGB32),
              session->rendPic.picture());
    // A PNG says what its frames are, for the post-processor.
    EXPECT_EQ(common::FrameStripInfo::fromText(QImage(path("strip.png"))),
              (common::FrameStripInfo{160, 10, 15}));

    // Without an extension the strip gets ".bmp"; another extension is kept
    // as typed and holds a bitmap.
    for (const char* typed : {"bare", "strip.gif"}) {
        dialogs.saveAnswers.push_back(path(typed));
        preview()->Command1->click();
    }
    EXPECT_FALSE(QFile::exists(path("bare")));
    for (const char* written : {"bare.bmp", "strip.gif"}) {
        QFile file(path(written));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << written;
        EXPECT_TRUE(file.read(2) == "BM") << written;
        EXPECT_EQ(QImage(path(written), "BMP").convertToFormat(QImage::Format_RGB32),
                  session->rendPic.picture())
            << written;
    }

    preview()->Command1->click(); // Cancel: silent
    dialogs.saveAnswers.push_back(path("no/such/folder/strip.bmp"));
    preview()->Command1->click();
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_TRUE(dialogs.warnings[0].text.contains(QStringLiteral("no/such/folder/strip.bmp")));
}

TEST_F(RenderWindowsTest, NewLeavesABlankOneRowStripAndReopeningThePreviewKeepsARender) {
    render();
    const QImage rendered = session->rendPic.picture();
    preview()->parentWidget()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    mainWindow->PREVIEW->trigger();
    EXPECT_EQ(session->rendPic.picture(), rendered);

    mainWindow->NEW_Click();
    EXPECT_EQ(session->rendPic.picture().size(), QSize(1600, 160));
    EXPECT_EQ(stripLayout(), (std::array<int, 4>{160, 10, 10, 1}));
    EXPECT_EQ(preview()->Picture1->image().size(), QSize(160, 160));
}

} // namespace
} // namespace kirabellum
