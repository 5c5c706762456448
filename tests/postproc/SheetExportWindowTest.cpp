// The export window over the output window's frames, against koratune
// process with the same options.
#include "TestImages.h"
#include "WindowFixture.h"

#include "cli/CommandLine.h"
#include "common/AtomicFile.h"
#include "common/windows/SheetExportDialog.h"
#include "windows/Console.h"
#include "windows/Output.h"

#include "CommandRun.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>

#include <functional>

namespace koratune {
namespace {

using common::MetadataFormat;
using common::SheetExportDialog;

class SheetExportWindow : public WindowFixture {
protected:
    QByteArray bytesOf(const QString& name) const {
        QByteArray content;
        EXPECT_TRUE(common::readWholeFile(pathOf(name), content).ok()) << name.toStdString();
        return content;
    }
    // Runs `use` on the export window that the output window's export button
    // opens; false when none came up.
    bool withExportWindow(Output& output, const std::function<void(SheetExportDialog&)>& use) {
        bool seen = false;
        // The window composes the frames first, letting events in meanwhile: the
        // export window is looked for until it is up.
        std::function<void()> useExportWindow = [&] {
            auto* dialog = qobject_cast<SheetExportDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                QTimer::singleShot(0, useExportWindow);
                return;
            }
            seen = true;
            use(*dialog);
            EXPECT_FALSE(dialog->isVisible());
            if (dialog->isVisible())
                dialog->reject();
        };
        QTimer::singleShot(0, useExportWindow);
        output.Command2()->click();
        return seen;
    }
    common::test::CommandResult process(const QStringList& options) const {
        const QStringList arguments =
            QStringList{QStringLiteral("process"), pathOf(QStringLiteral("opened.bmp"))} + options;
        return common::test::captureCommand([&](std::ostream& out, std::ostream& err) {
            return runCommandLine(arguments, out, err);
        });
    }
};

TEST_F(SheetExportWindow, WritesWhatTheProcessCommandWritesWithTheSameOptions) {
    openImage(numberedFrames(40, 4, 3));
    applyFrameSettings(40, 10, 3, 0, false, true);       // frames 0, 3, 6 and 9, upside down
    mainWindow->console()->Option1(2)->setChecked(true); // 30fps
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("window")));
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("command")));
    Output output(*session, mainWindow->playbackFrameRate());
    output.show();
    output.HScroll1()->setValue(4);
    ASSERT_TRUE(withExportWindow(output, [&](SheetExportDialog& dialog) {
        EXPECT_EQ(dialog.backgroundLabel()->text(), QStringLiteral("#000001"));
        dialog.alphaBox()->setCurrentIndex(static_cast<int>(common::AlphaMode::Straight));
        dialog.maxSizeBox()->setValue(140);
        dialog.paddingBox()->setValue(2);
        dialog.metadataBox(MetadataFormat::JsonHash)->setChecked(true);
        dialog.metadataBox(MetadataFormat::Godot)->setChecked(true);
        // The window's 4 columns make 176 pixels: 2 fit.
        EXPECT_EQ(dialog.columnsBox()->value(), 2);
        EXPECT_EQ(dialog.fpsBox()->value(), 30) << "the console's rate";
        // Without particles or a ramp there are no motion vectors or ramp indices.
        EXPECT_FALSE(dialog.motionVectorsBox()->isEnabled());
        EXPECT_FALSE(dialog.colourBox()->isEnabled());
        EXPECT_EQ(dialog.flipbookMapsNote()->text(),
                  QStringLiteral("粒子とランプがないため使えません"));
        EXPECT_TRUE(dialog.flipbookMapsNote()->isVisibleTo(&dialog));
        dialogs.saveAnswers.push_back(pathOf(QStringLiteral("window/fire.png")));
        dialog.writeButton()->click();
    }));
    EXPECT_EQ(dialogs.saveQuestions.back().proposed, pathOf(QStringLiteral("opened_out.png")))
        << "the file dialog proposes a new name beside the opened image";
    EXPECT_TRUE(dialogs.warnings.empty());
    EXPECT_TRUE(output.isVisible()) << "the output window stays open";
    const QString status = mainWindow->findChild<QLabel*>(QStringLiteral("StatusBar1"))->text();
    EXPECT_TRUE(status.startsWith(QStringLiteral("書き出しました: ")));
    for (const char* name : {"fire.png", "fire.json", "fire.tres"})
        EXPECT_TRUE(status.contains(pathOf(QStringLiteral("window/") + QString::fromUtf8(name))))
            << "the status bar names " << name;

    const common::test::CommandResult command =
        process({QStringLiteral("-o"), pathOf(QStringLiteral("command/fire.png")),
                 QStringLiteral("--frame-size=40"), QStringLiteral("--frames=10"),
                 QStringLiteral("--skip=3"), QStringLiteral("--flip-v"),
                 QStringLiteral("--alpha=straight"), QStringLiteral("--max-size=140"),
                 QStringLiteral("--padding=2"), QStringLiteral("--metadata=json-hash"),
                 QStringLiteral("--metadata=godot"), QStringLiteral("--fps=30")});
    ASSERT_EQ(command.exitCode, 0) << command.err;
    for (const char* name : {"fire.png", "fire.json", "fire.tres"})
        EXPECT_EQ(bytesOf(QStringLiteral("window/") + QString::fromUtf8(name)),
                  bytesOf(QStringLiteral("command/") + QString::fromUtf8(name)))
            << name;
}

// The frame step keeps every K-th of the frames the start and skip select,
// as the command does; the console's rate is divided by it.
TEST_F(SheetExportWindow, AFrameStepKeepsTheFramesTheProcessCommandKeeps) {
    openImage(numberedFrames(40, 4, 3));
    applyFrameSettings(40, 10, 2, 1); // frames 1, 3, 5, 7 and 9
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("window")));
    Output output(*session, mainWindow->playbackFrameRate());
    output.show();
    ASSERT_TRUE(withExportWindow(output, [&](SheetExportDialog& dialog) {
        dialog.frameStepBox()->setValue(2);
        EXPECT_TRUE(dialog.tilesLabel()->text().startsWith(
            QStringLiteral("3 x 1 tiles of 40 x 40 px, 7.5 fps")))
            << dialog.tilesLabel()->text().toStdString();
        dialog.metadataBox(MetadataFormat::JsonHash)->setChecked(true);
        dialogs.saveAnswers.push_back(pathOf(QStringLiteral("window/fire.png")));
        dialog.writeButton()->click();
    }));
    const common::test::CommandResult command = process(
        {QStringLiteral("-o"), pathOf(QStringLiteral("fire.png")),
         QStringLiteral("--frame-size=40"), QStringLiteral("--frames=10"),
         QStringLiteral("--start=1"), QStringLiteral("--skip=2"), QStringLiteral("--frame-step=2"),
         QStringLiteral("--columns=3"), QStringLiteral("--metadata=json-hash")});
    ASSERT_EQ(command.exitCode, 0) << command.err;
    for (const char* name : {"fire.png", "fire.json"})
        EXPECT_EQ(bytesOf(QStringLiteral("window/") + QString::fromUtf8(name)),
                  bytesOf(QString::fromUtf8(name)))
            << name;
}

// The rows that cut the frames write what the command writes with the same
// options, image and metadata alike.
TEST_F(SheetExportWindow, CutSheetsAreThoseTheProcessCommandWrites) {
    openImage(spotFrames());
    applyFrameSettings(24, 10, 1, 0);
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("window")));
    Output output(*session, mainWindow->playbackFrameRate());
    output.show();
    const struct {
        const char* name;
        bool crop;
        bool trim;
        int padding;
        QStringList options;
    } rows[] = {
        {"cropped", true, false, 0, {QStringLiteral("--crop")}},
        {"padded", true, false, 2, {QStringLiteral("--crop"), QStringLiteral("--padding=2")}},
        {"trimmed", false, true, 1, {QStringLiteral("--trim"), QStringLiteral("--padding=1")}},
    };
    for (const auto& row : rows) {
        const QString name = QString::fromUtf8(row.name);
        ASSERT_TRUE(withExportWindow(output, [&](SheetExportDialog& dialog) {
            dialog.cropBox()->setChecked(row.crop);
            dialog.trimBox()->setChecked(row.trim);
            dialog.paddingBox()->setValue(row.padding);
            dialog.metadataBox(MetadataFormat::JsonHash)->setChecked(true);
            dialogs.saveAnswers.push_back(pathOf(QStringLiteral("window/%1.png").arg(name)));
            dialog.writeButton()->click();
        }));
        const common::test::CommandResult command =
            process(QStringList{QStringLiteral("-o"), pathOf(name + QStringLiteral(".png")),
                                QStringLiteral("--frame-size=24"), QStringLiteral("--frames=10"),
                                QStringLiteral("--metadata=json-hash")} +
                    row.options);
        ASSERT_EQ(command.exitCode, 0) << command.err;
        for (const QString& extension : {QStringLiteral(".png"), QStringLiteral(".json")})
            EXPECT_EQ(bytesOf(QStringLiteral("window/") + name + extension),
                      bytesOf(name + extension))
                << row.name << extension.toStdString();
    }
}

} // namespace
} // namespace koratune
