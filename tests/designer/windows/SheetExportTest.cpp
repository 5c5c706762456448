// The export window over the rendered strip: what it writes, against what
// kirabellum render writes with the same options, and what it refuses.
#include "DesignerFixture.h"

#include "cli/CommandLine.h"
#include "common/AtomicFile.h"
#include "common/palettes/BuiltInPalettes.h"
#include "common/sheets/EngineBlend.h"
#include "common/sheets/FlipbookBlend.h"
#include "common/windows/EngineView.h"
#include "common/windows/FramePreview.h"
#include "common/windows/SceneBox.h"
#include "common/windows/SheetExportDialog.h"
#include "core/document/DesignFile.h"
#include "core/editing/SampleDesigns.h"
#include "windows/render/F_Animation.h"
#include "windows/render/F_Preview.h"
#include "windows/render/FlipbookControls.h"
#include "windows/render/PaletteControls.h"

#include "CommandRun.h"
#include "FakePlaybackClock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>

#include <functional>

namespace kirabellum {
namespace {

using common::MetadataFormat;
using common::SheetExportDialog;

class SheetExportTest : public DesignerFixture {
protected:
    void SetUp() override {
        DesignerFixture::SetUp();
        DesignDocument& document = session->document;
        document = sampleDesigns().front().design; // frames of 128, 4 columns
        document.FrameCount = 6;
        document.RefreshRate = 2; // "30fps"
        // A background other than black, to be made transparent.
        document.ColorRamp[0] = common::makeColour(30, 20, 60);
        session->history.startAfresh();
        animation = open<F_Animation>(ToolKind::Animation);
        ASSERT_NE(animation, nullptr);
        animation->DRefresh();
    }
    void render() { animation->Command1->click(); }
    // Runs `use` on the export window that `open` opens (the File menu entry).
    void withExportWindow(const std::function<void(SheetExportDialog&)>& use,
                          const std::function<void()>& open = {}) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<SheetExportDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen = true;
            use(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        if (open)
            open();
        else
            mainWindow->EXPORT->trigger();
        EXPECT_TRUE(seen);
    }
    // kirabellum render on the design as the windows rendered it.
    common::test::CommandResult renderCommand(const QString& output, const QStringList& options) {
        const QString design = path("burst.df2");
        EXPECT_TRUE(WriteDesignFile(design, session->document).ok());
        const QStringList arguments =
            QStringList{QStringLiteral("render"), design,
                        QStringLiteral("-o"),     output,
                        QStringLiteral("--seed"), QString::number(session->renderRun.startSeed())} +
            options;
        return common::test::captureCommand([&](std::ostream& out, std::ostream& err) {
            return runCommandLine(arguments, out, err);
        });
    }
    QByteArray bytesOf(const QString& file) const {
        QByteArray content;
        EXPECT_TRUE(common::readWholeFile(file, content).ok()) << file.toStdString();
        return content;
    }

    F_Animation* animation = nullptr;
};

TEST_F(SheetExportTest, WithoutARenderThereIsNothingToExport) {
    mainWindow->EXPORT->trigger();
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_EQ(dialogs.warnings[0].title, QStringLiteral("書き出し"));
    EXPECT_TRUE(dialogs.saveQuestions.empty());
}

TEST_F(SheetExportTest, CtrlEOpensTheExportWindowAndTheFileMenuShowsIt) {
    render();
    EXPECT_EQ(mainWindow->EXPORT->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    mainWindow->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow.get()));
    withExportWindow([](SheetExportDialog&) {},
                     [&] { QTest::keyClick(mainWindow.get(), Qt::Key_E, Qt::ControlModifier); });
}

TEST_F(SheetExportTest, WritesWhatTheRenderCommandWritesWithTheSameOptions) {
    render();
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("window")));
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("command")));
    withExportWindow([&](SheetExportDialog& dialog) {
        EXPECT_EQ(dialog.fpsBox()->value(), 30);
        dialog.alphaBox()->setCurrentIndex(static_cast<int>(common::AlphaMode::Straight));
        dialog.maxSizeBox()->setValue(420);
        dialog.paddingBox()->setValue(3);
        dialog.metadataBox(MetadataFormat::JsonHash)->setChecked(true);
        dialog.metadataBox(MetadataFormat::Godot)->setChecked(true);
        // The strip's 4 columns no longer fit: the columns change.
        EXPECT_TRUE(dialog.tilesLabel()->text().startsWith(
            QStringLiteral("3 x 2 tiles of 134 x 134 px, 30 fps")))
            << dialog.tilesLabel()->text().toStdString();
        EXPECT_EQ(dialog.columnsBox()->value(), 3);
        // A name without an extension is a PNG.
        dialogs.saveAnswers.push_back(path("window/burst"));
        dialog.writeButton()->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_TRUE(dialogs.warnings.empty());
    const common::test::CommandResult command =
        renderCommand(path("command/burst.png"),
                      {QStringLiteral("--alpha=straight"), QStringLiteral("--max-size=420"),
                       QStringLiteral("--padding=3"), QStringLiteral("--metadata=json-hash"),
                       QStringLiteral("--metadata=godot")});
    ASSERT_EQ(command.exitCode, 0) << command.err;
    for (const char* name : {"burst.png", "burst.json", "burst.tres"})
        EXPECT_EQ(bytesOf(path("window/") + QString::fromUtf8(name)),
                  bytesOf(path("command/") + QString::fromUtf8(name)))
            << name;
    // The status bar says what was written.
    EXPECT_EQ(mainWindow->statusBar()->currentMessage(),
              QStringLiteral("保存しました: %1, %2, %3")
                  .arg(QDir::toNativeSeparators(path("window/burst.png")),
                       QDir::toNativeSeparators(path("window/burst.json")),
                       QDir::toNativeSeparators(path("window/burst.tres"))));
}

TEST_F(SheetExportTest, AFrameStepKeepsTheFramesTheRenderCommandKeeps) {
    render(); // 6 frames at 30 fps
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("window")));
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("command")));
    withExportWindow([&](SheetExportDialog& dialog) {
        const QImage whole = dialog.sheet();
        dialog.frameStepBox()->setValue(4);
        EXPECT_TRUE(dialog.tilesLabel()->text().startsWith(
            QStringLiteral("2 x 1 tiles of 128 x 128 px, 7.5 fps")))
            << dialog.tilesLabel()->text().toStdString();
        // Frames 0 and 4 of the strip's 4 columns, side by side.
        EXPECT_EQ(dialog.sheet().copy(0, 0, 128, 128), whole.copy(0, 0, 128, 128));
        EXPECT_EQ(dialog.sheet().copy(128, 0, 128, 128), whole.copy(0, 128, 128, 128));
        dialog.metadataBox(MetadataFormat::JsonHash)->setChecked(true);
        dialog.metadataBox(MetadataFormat::Godot)->setChecked(true);
        dialogs.saveAnswers.push_back(path("window/burst.png"));
        dialog.writeButton()->click();
    });
    const common::test::CommandResult command =
        renderCommand(path("command/burst.png"),
                      {QStringLiteral("--frame-step=4"), QStringLiteral("--metadata=json-hash"),
                       QStringLiteral("--metadata=godot")});
    ASSERT_EQ(command.exitCode, 0) << command.err;
    for (const char* name : {"burst.png", "burst.json", "burst.tres"})
        EXPECT_EQ(bytesOf(path("window/") + QString::fromUtf8(name)),
                  bytesOf(path("command/") + QString::fromUtf8(name)))
            << name;
}

TEST_F(SheetExportTest, AFrameStepThatDoesNotDivideTheLoopIsRefusedAsTheCommandRefusesIt) {
    animation->LoopCheck->click();
    render(); // a loop of 6 frames
    withExportWindow([&](SheetExportDialog& dialog) {
        dialog.frameStepBox()->setValue(3);
        EXPECT_TRUE(dialog.writeButton()->isEnabled());
        dialog.frameStepBox()->setValue(4);
        EXPECT_FALSE(dialog.writeButton()->isEnabled());
        const QString problem = dialog.problemLabel()->text();
        const common::test::CommandResult command = renderCommand(
            path("command.png"), {QStringLiteral("--loop"), QStringLiteral("--frame-step=4")});
        EXPECT_EQ(command.exitCode, 2);
        EXPECT_TRUE(problem.contains(QStringLiteral("4")) && problem.contains(QStringLiteral("6")))
            << problem.toStdString();
        EXPECT_NE(command.err.find(problem.toStdString()), std::string::npos) << command.err;
    });
}

// The Godot resource of a loop render loops; the strip's render decides.
TEST_F(SheetExportTest, AGodotResourceLoopsTheFramesOfALoopRender) {
    animation->LoopCheck->click();
    render();
    withExportWindow([&](SheetExportDialog& dialog) {
        dialog.metadataBox(MetadataFormat::Godot)->setChecked(true);
        dialogs.saveAnswers.push_back(path("loop.png"));
        dialog.writeButton()->click();
    });
    EXPECT_TRUE(bytesOf(path("loop.tres")).contains("\"loop\": true,"));
}

TEST_F(SheetExportTest, ThePreviewShowsTheExportedFrameAsTheEngineDrawsItOverTheScene) {
    render(); // 6 frames of 128 in 4 columns, over a background that is not black
    F_Preview* preview = windows().windowAs<F_Preview>(ToolKind::Preview);
    ASSERT_NE(preview, nullptr);
    preview->Viewer->sceneBox()->choose(common::SceneBox::Checkerboard);
    while (preview->Viewer->frame() != 2)
        preview->stepFrame(1);
    const common::SceneBackground checkerboard{common::SceneKind::Checkerboard, 0, QImage()};
    for (const common::AlphaMode mode : {common::AlphaMode::Additive, common::AlphaMode::Straight,
                                         common::AlphaMode::Premultiplied}) {
        const QString name = path(common::alphaModeName(mode) + QStringLiteral(".png"));
        withExportWindow([&](SheetExportDialog& dialog) {
            dialog.alphaBox()->setCurrentIndex(static_cast<int>(mode));
            dialogs.saveAnswers.push_back(name);
            dialog.writeButton()->click();
        });
        const QImage frame = QImage(name).copy(256, 0, 128, 128);
        preview->Viewer->blendBox()->setCurrentIndex(static_cast<int>(mode));
        EXPECT_EQ(preview->Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32),
                  common::drawAsEngine(frame, mode, checkerboard.image(frame.size())))
            << common::alphaModeName(mode).toStdString();
    }
}

TEST_F(SheetExportTest, RefusesWhatTheRenderCommandRefuses) {
    render();
    withExportWindow([&](SheetExportDialog& dialog) {
        // A sheet that cannot fit: the command's message, and no writing.
        dialog.maxSizeBox()->setValue(100);
        EXPECT_FALSE(dialog.writeButton()->isEnabled());
        const QString problem = dialog.problemLabel()->text();
        const common::test::CommandResult command =
            renderCommand(path("command.png"), {QStringLiteral("--max-size=100")});
        EXPECT_EQ(command.exitCode, 2);
        EXPECT_FALSE(problem.isEmpty());
        EXPECT_NE(command.err.find(problem.toStdString()), std::string::npos) << command.err;

        // Straight alpha in a bitmap; then Cancel in the file dialog.
        dialog.maxSizeBox()->setValue(dialog.maxSizeBox()->maximum());
        dialog.alphaBox()->setCurrentIndex(static_cast<int>(common::AlphaMode::Straight));
        ASSERT_TRUE(dialog.writeButton()->isEnabled());
        dialogs.saveAnswers.push_back(path("burst.bmp"));
        dialog.writeButton()->click();
        dialog.writeButton()->click();
        EXPECT_TRUE(dialog.isVisible());
    });
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_EQ(
        dialogs.warnings[0].text,
        QStringLiteral("--alpha straight needs a .png output, not \"%1\"").arg(path("burst.bmp")));
    EXPECT_EQ(dialogs.saveQuestions.size(), 2u);
    EXPECT_FALSE(QFile::exists(path("burst.bmp")));
}

TEST_F(SheetExportTest, WritesMotionVectorsAsTheRenderCommandDoes) {
    render();
    for (const char* preset : {"unity", "raw16"}) {
        const QString window = path(QStringLiteral("window-%1/").arg(QLatin1String(preset)));
        const QString command = path(QStringLiteral("command-%1/").arg(QLatin1String(preset)));
        ASSERT_TRUE(QDir().mkpath(window) && QDir().mkpath(command));
        withExportWindow([&](SheetExportDialog& dialog) {
            EXPECT_TRUE(dialog.motionVectorsBox()->isEnabled());
            EXPECT_TRUE(dialog.colourBox()->isEnabled());
            EXPECT_FALSE(dialog.flipbookMapsNote()->isVisibleTo(&dialog));
            dialog.motionVectorsBox()->setCurrentIndex(dialog.motionVectorsBox()->findText(
                QStringLiteral("(%1)").arg(QLatin1String(preset)), Qt::MatchEndsWith));
            dialog.paddingBox()->setValue(2);
            dialog.metadataBox(MetadataFormat::JsonHash)->setChecked(true);
            dialogs.saveAnswers.push_back(window + QStringLiteral("burst.png"));
            dialog.writeButton()->click();
            EXPECT_EQ(dialog.writtenFiles(), QStringList({window + QStringLiteral("burst.png"),
                                                          window + QStringLiteral("burst_mv.png"),
                                                          window + QStringLiteral("burst.json")}));
        });
        const common::test::CommandResult result =
            renderCommand(command + QStringLiteral("burst.png"),
                          {QStringLiteral("--motion-vectors=%1").arg(QLatin1String(preset)),
                           QStringLiteral("--padding=2"), QStringLiteral("--metadata=json-hash")});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        for (const char* name : {"burst.png", "burst_mv.png", "burst.json"})
            EXPECT_EQ(bytesOf(window + QString::fromUtf8(name)),
                      bytesOf(command + QString::fromUtf8(name)))
                << preset << " " << name;
    }
    EXPECT_TRUE(dialogs.warnings.empty());
}

TEST_F(SheetExportTest, APaletteSheetAndAnimationAreTheRenderCommands) {
    render();
    for (const char* name : {"burst.png", "burst.gif"}) {
        const QString window = path(QStringLiteral("window/"));
        const QString command = path(QStringLiteral("command/"));
        ASSERT_TRUE(QDir().mkpath(window) && QDir().mkpath(command));
        const bool gif = QString::fromUtf8(name).endsWith(QLatin1String(".gif"));
        withExportWindow([&](SheetExportDialog& dialog) {
            if (gif)
                dialog.formatBox()->setCurrentIndex(1);
            dialog.paletteBox()->setCurrentText(QStringLiteral("game-boy"));
            dialog.ditherBox()->setCurrentIndex(static_cast<int>(common::Dither::Ordered));
            dialog.scaleBox()->setValue(2);
            dialogs.saveAnswers.push_back(window + QString::fromUtf8(name));
            dialog.writeButton()->click();
        });
        const common::test::CommandResult result =
            renderCommand(command + QString::fromUtf8(name),
                          {QStringLiteral("--palette=game-boy"), QStringLiteral("--dither=ordered"),
                           QStringLiteral("--scale=2")});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(bytesOf(window + QString::fromUtf8(name)),
                  bytesOf(command + QString::fromUtf8(name)))
            << name;
    }
    EXPECT_TRUE(dialogs.warnings.empty());
}

TEST_F(SheetExportTest, MotionVectorsOfADesignChangedSinceItsRenderAreRefused) {
    render();
    session->document.ColorRamp[0] = common::makeColour(0, 90, 0);
    withExportWindow([&](SheetExportDialog& dialog) {
        dialog.motionVectorsBox()->setCurrentIndex(1);
        dialogs.saveAnswers.push_back(path("burst.png"));
        dialog.writeButton()->click();
        EXPECT_TRUE(dialog.isVisible());
    });
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_EQ(dialogs.warnings[0].text,
              QStringLiteral("The frames are not those of the design as it now is; render it "
                             "again first"));
    EXPECT_FALSE(QFile::exists(path("burst.png")));
}

// Played slowed to a quarter, the second tick is a quarter of the way from
// the first frame to the second: the preview shows there what an engine shows
// from the exported sheet and its unity vectors.
TEST_F(SheetExportTest, ThePreviewBlendsAsAnEngineBlendsTheExportedFrames) {
    render(); // 6 frames of 128 in 4 columns
    withExportWindow([&](SheetExportDialog& dialog) {
        dialog.motionVectorsBox()->setCurrentIndex(1); // unity
        dialog.metadataBox(MetadataFormat::JsonHash)->setChecked(true);
        dialogs.saveAnswers.push_back(path("burst.png"));
        dialog.writeButton()->click();
    });
    const QImage sheet = QImage(path("burst.png")).convertToFormat(QImage::Format_RGB32);
    const QImage vectors(path("burst_mv.png"));
    const double scale = QJsonDocument::fromJson(bytesOf(path("burst.json")))
                             .object()[QStringLiteral("meta")]
                             .toObject()[QStringLiteral("motionVectors")]
                             .toObject()[QStringLiteral("motionVectorScale")]
                             .toDouble();
    const QRect first(0, 0, 128, 128), second(128, 0, 128, 128);
    const struct {
        common::FlipbookBlend blend;
        QImage expected;
    } cases[] = {
        {common::FlipbookBlend::Off, sheet.copy(first)},
        {common::FlipbookBlend::CrossFade,
         common::crossFadeCells(sheet.copy(first), sheet.copy(second), 0.25)},
        {common::FlipbookBlend::MotionVectors,
         common::motionBlendCells(sheet.copy(first), vectors.copy(first), sheet.copy(second),
                                  vectors.copy(second), scale, 0.25)},
    };
    F_Preview* preview = windows().windowAs<F_Preview>(ToolKind::Preview);
    ASSERT_NE(preview, nullptr);
    common::FakePlaybackClock clock;
    preview->setPlaybackClock(clock);
    preview->Flipbook->speedBox()->setCurrentIndex(2); // 1/4
    for (const auto& c : cases) {
        preview->Flipbook->blendBox()->setCurrentIndex(static_cast<int>(c.blend));
        std::vector<QImage> shown;
        const QMetaObject::Connection connection =
            QObject::connect(preview, &F_Preview::frameShown,
                             [&](int) { shown.push_back(preview->Picture1->image()); });
        preview->playOrStop();
        QObject::disconnect(connection);
        ASSERT_EQ(shown.size(), 21u) << "5 frames of 4 ticks, then the last";
        EXPECT_EQ(shown[1].convertToFormat(QImage::Format_RGB32),
                  c.expected.convertToFormat(QImage::Format_RGB32))
            << static_cast<int>(c.blend);
    }
    // The design rendered again gave the strip: no message took the export's place.
    EXPECT_TRUE(
        mainWindow->statusBar()->currentMessage().startsWith(QStringLiteral("保存しました")));
}

// The preview played with a palette, a dither and a scale shows, frame by
// frame, what kirabellum render writes with them, in the palette's colours only.
TEST_F(SheetExportTest, ThePreviewWithAPaletteShowsTheFramesTheRenderCommandWrites) {
    render();
    F_Preview* preview = windows().windowAs<F_Preview>(ToolKind::Preview);
    ASSERT_NE(preview, nullptr);
    preview->PixelArt->paletteBox()->setCurrentText(QStringLiteral("game-boy"));
    preview->PixelArt->ditherBox()->setCurrentIndex(static_cast<int>(common::Dither::Ordered));
    preview->PixelArt->scaleBox()->setValue(2);
    const common::test::CommandResult result =
        renderCommand(path("burst.png"),
                      {QStringLiteral("--palette=game-boy"), QStringLiteral("--dither=ordered"),
                       QStringLiteral("--scale=2"), QStringLiteral("--columns=1")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const QImage sheet = QImage(path("burst.png")).convertToFormat(QImage::Format_RGB32);
    const std::vector<common::Colour> palette =
        common::builtInPalette(QStringLiteral("game-boy"))->colours();
    for (int step = 0; step < session->document.FrameCount; ++step) {
        preview->stepFrame(1);
        const int frame = preview->Viewer->frame();
        const QImage shown = preview->Picture1->image().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown, sheet.copy(0, frame * 256, 256, 256)) << frame;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                ASSERT_NE(std::find(palette.begin(), palette.end(),
                                    common::colourFromRgb(shown.pixel(x, y))),
                          palette.end())
                    << frame << " " << x << "," << y;
    }
    EXPECT_TRUE(dialogs.warnings.empty());
}

// A palette file that cannot be read is refused with the file and the line;
// it and a cancelled file dialog keep the palette and the picture as they were.
TEST_F(SheetExportTest, APaletteFileThatCannotBeReadOrACancelKeepsThePreviewsPalette) {
    render();
    F_Preview* preview = windows().windowAs<F_Preview>(ToolKind::Preview);
    ASSERT_NE(preview, nullptr);
    QComboBox* box = preview->PixelArt->paletteBox();
    box->setCurrentText(QStringLiteral("game-boy"));
    const QImage before = preview->Picture1->image();
    const QString bad = writeFile(QStringLiteral("bad.hex"), "0f380f\nnot a colour\n");
    const struct {
        QString answer;
        std::size_t warnings;
    } cases[] = {{bad, 1}, {QString(), 1}};
    for (const auto& c : cases) {
        dialogs.openAnswers.push_back(c.answer);
        box->setCurrentIndex(box->count() - 1);
        EXPECT_EQ(box->currentText(), QStringLiteral("game-boy"));
        EXPECT_EQ(preview->PixelArt->options().palette, QStringLiteral("game-boy"));
        EXPECT_EQ(preview->Picture1->image(), before);
        EXPECT_EQ(dialogs.warnings.size(), c.warnings);
    }
    ASSERT_FALSE(dialogs.warnings.empty());
    EXPECT_EQ(dialogs.warnings[0].text,
              QStringLiteral("Cannot read the palette \"%1\": Line 2 is not a colour: \"not a "
                             "colour\"")
                  .arg(bad));
}

TEST_F(SheetExportTest, TheExportWindowStartsFromThePreviewsPaletteDitherAndScale) {
    session->document.ColorRamp[0] = common::makeColour(30, 20, 60); // in no palette
    render();
    F_Preview* preview = windows().windowAs<F_Preview>(ToolKind::Preview);
    ASSERT_NE(preview, nullptr);
    preview->PixelArt->paletteBox()->setCurrentText(QStringLiteral("pico-8"));
    preview->PixelArt->ditherBox()->setCurrentIndex(static_cast<int>(common::Dither::Ordered));
    preview->PixelArt->scaleBox()->setValue(3);
    withExportWindow([&](SheetExportDialog& dialog) {
        const common::SheetOptions options = dialog.options();
        EXPECT_EQ(options.palette, QStringLiteral("pico-8"));
        EXPECT_EQ(options.dither, common::Dither::Ordered);
        EXPECT_EQ(options.scale, 3);
        // The background named is the ramp's first colour as written: snapped.
        const common::Colour snapped = common::builtInPalette(QStringLiteral("pico-8"))
                                           ->nearest(session->document.ColorRamp[0]);
        EXPECT_TRUE(dialog.backgroundLabel()->text().startsWith(common::colourToHex(snapped)))
            << dialog.backgroundLabel()->text().toStdString();
    });
}

// Variants, a crop, a trim and designs beside the one shown are rendered
// anew and written as kirabellum render writes them with the same options;
// the design shown stays first in the list of designs.
TEST_F(SheetExportTest, ARenderForVariantsShowsItsProgressAndCancelsKeepingNothing) {
    render();
    withExportWindow([&](SheetExportDialog& dialog) {
        // Pressed as soon as the render first reports a frame.
        QTimer::singleShot(0, [&dialog] {
            auto* progress = dialog.findChild<QProgressDialog*>();
            ASSERT_NE(progress, nullptr);
            EXPECT_EQ(progress->maximum(), 12);
            progress->cancel();
        });
        dialog.variantsBox()->setValue(2);
        EXPECT_EQ(dialog.problemLabel()->text(),
                  QStringLiteral("描画を取り消しました。オプションを変えるとまた描画します"));
        EXPECT_FALSE(dialog.writeButton()->isEnabled());
        dialog.variantsBox()->setValue(3);
        EXPECT_TRUE(dialog.problemLabel()->text().isEmpty())
            << dialog.problemLabel()->text().toStdString();
        EXPECT_TRUE(dialog.writeButton()->isEnabled());
    });
}

TEST_F(SheetExportTest, AtlasRowsWriteWhatTheRenderCommandWrites) {
    render();
    session->designFileName = path("burst.df2");
    ASSERT_TRUE(WriteDesignFile(path("burst.df2"), session->document).ok());
    DesignDocument other = sampleDesigns()[1].design;
    other.FrameCount = 4;
    ASSERT_TRUE(WriteDesignFile(path("other.df2"), other).ok());
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("window")));
    const QString seed = QString::number(session->renderRun.startSeed());
    QFile list(path("designs.txt"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(QStringLiteral("burst.df2 seed=%1\nother.df2\n").arg(seed).toUtf8());
    list.close();
    const struct {
        const char* name;
        std::function<void(SheetExportDialog&)> choose;
        QStringList options;
    } rows[] = {
        {"cropped",
         [](SheetExportDialog& dialog) { dialog.cropBox()->setChecked(true); },
         {QStringLiteral("--crop")}},
        {"trimmed",
         [](SheetExportDialog& dialog) { dialog.trimBox()->setChecked(true); },
         {QStringLiteral("--trim")}},
        {"variants",
         [](SheetExportDialog& dialog) { dialog.variantsBox()->setValue(2); },
         {QStringLiteral("--variants=2"), QStringLiteral("--crop")}},
        {"designs",
         [&](SheetExportDialog& dialog) {
             EXPECT_EQ(dialog.designList()->item(0)->text(), QStringLiteral("burst.df2"));
             dialogs.openAnswers.push_back(path("other.df2"));
             dialog.addDesignButton()->click();
             EXPECT_EQ(dialog.designFiles(), QStringList{path("other.df2")});
         },
         {QStringLiteral("--atlas"), path("designs.txt")}},
    };
    for (const auto& row : rows) {
        const QString name = QString::fromUtf8(row.name);
        withExportWindow([&](SheetExportDialog& dialog) {
            row.choose(dialog);
            // The variants row also crops.
            dialog.cropBox()->setChecked(row.options.contains(QStringLiteral("--crop")));
            dialog.metadataBox(MetadataFormat::JsonHash)->setChecked(true);
            dialogs.saveAnswers.push_back(path("window/") + name + QStringLiteral(".png"));
            dialog.writeButton()->click();
        });
        ASSERT_TRUE(dialogs.warnings.empty()) << dialogs.warnings[0].line().toStdString();
        const QString output = path(row.name) + QStringLiteral(".png");
        const common::test::CommandResult command =
            row.options.contains(QStringLiteral("--atlas"))
                ? common::test::captureCommand([&](std::ostream& out, std::ostream& err) {
                      return runCommandLine(QStringList{QStringLiteral("render"),
                                                        QStringLiteral("-o"), output,
                                                        QStringLiteral("--metadata=json-hash")} +
                                                row.options,
                                            out, err);
                  })
                : renderCommand(output,
                                row.options + QStringList{QStringLiteral("--metadata=json-hash")});
        ASSERT_EQ(command.exitCode, 0) << command.err;
        for (const QString& extension : {QStringLiteral(".png"), QStringLiteral(".json")})
            EXPECT_EQ(bytesOf(path("window/") + name + extension),
                      bytesOf(path(row.name) + extension))
                << row.name << extension.toStdString();
    }
}

} // namespace
} // namespace kirabellum
