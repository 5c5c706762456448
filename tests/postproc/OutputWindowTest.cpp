#include "TestFiles.h"
#include "TestImages.h"
#include "TypedBarValue.h"
#include "WindowFixture.h"

#include "common/ImageFile.h"
#include "core/SheetOutput.h"
#include "windows/Output.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace koratune {
namespace {

class OutputWindow : public WindowFixture {
protected:
    QImage readBack(const QString& name) const {
        QImage image;
        const common::Status status = common::readImage(pathOf(name), image);
        EXPECT_TRUE(status.ok()) << status.message().toStdString();
        return image;
    }
    QStringList writtenFiles() const {
        return QDir(folder.path()).entryList({QStringLiteral("fire*")}, QDir::Files, QDir::Name);
    }
};

TEST_F(OutputWindow, StartValuesFollowTheFramesUsed) {
    const struct {
        int frameCount, skipStep, startFrame;
        int maximum, columns, rows;
        const char* size;
    } cases[] = {
        {10, 1, 0, 10, 4, 3, "640x480"},
        {10, 3, 0, 4, 2, 2, "320x320"},
        {10, 1, 9, 1, 1, 1, "160x160"},
    };
    openImage(numberedFrames(160, 4, 3));
    for (const auto& c : cases) {
        applyFrameSettings(160, c.frameCount, c.skipStep, c.startFrame);
        Output output(*session, mainWindow->playbackFrameRate());
        EXPECT_EQ(output.windowTitle(), QStringLiteral("Output"));
        EXPECT_EQ(output.HScroll1()->minimum(), 1);
        EXPECT_EQ(output.HScroll1()->maximum(), c.maximum);
        EXPECT_EQ(output.HScroll1()->value(), c.columns);
        EXPECT_EQ(output.Label2()->text(), QString::number(c.columns));
        EXPECT_EQ(output.Label3()->text(), QString::number(c.rows));
        EXPECT_EQ(output.Label4()->text(), QString::fromUtf8(c.size));
        EXPECT_TRUE(output.Option1(0)->isChecked());
        EXPECT_EQ(output.Option1(1)->text(), QStringLiteral("連続画像"));
        EXPECT_EQ(output.Command1(0)->text(), QStringLiteral("出力"));
        EXPECT_EQ(output.Command1(1)->text(), QStringLiteral("取り消し"));
    }
}

TEST_F(OutputWindow, ColumnsChangeTheRowsAndTheSize) {
    openImage(numberedFrames(160, 4, 3));
    Output output(*session, mainWindow->playbackFrameRate());
    const struct {
        int columns, rows;
        const char* size;
    } cases[] = {{10, 1, "1600x160"}, {3, 4, "480x640"}, {1, 10, "160x1600"}, {5, 2, "800x320"}};
    for (const auto& c : cases) {
        output.HScroll1()->setValue(c.columns);
        EXPECT_EQ(output.Label2()->text(), QString::number(c.columns));
        EXPECT_EQ(output.Label3()->text(), QString::number(c.rows));
        EXPECT_EQ(output.Label4()->text(), QString::fromUtf8(c.size));
    }
}

TEST_F(OutputWindow, TheColumnsCanBeTyped) {
    openImage(numberedFrames(160, 4, 3));
    Output output(*session, mainWindow->playbackFrameRate());
    output.show();
    common::test::typeBarValue(output.Label2(), QStringLiteral("5"), Qt::Key_Return);
    EXPECT_EQ(output.HScroll1()->value(), 5);
    EXPECT_EQ(output.Label3()->text(), QStringLiteral("2"));
}

TEST_F(OutputWindow, OneSheetModeWritesTheComposedSheet) {
    const QImage strip = numberedFrames(40, 4, 3);
    openImage(strip);
    applyFrameSettings(40, 10, 3, 0, false, true);
    Output output(*session, mainWindow->playbackFrameRate());
    output.show();
    output.HScroll1()->setValue(3);
    dialogs.saveAnswers.push_back(pathOf(QStringLiteral("fire.bmp")));
    output.Command1(0)->click();
    EXPECT_TRUE(dialogs.warnings.empty());
    EXPECT_FALSE(output.isVisible()) << "closes after writing";
    QImage expected;
    ASSERT_TRUE(ComposeSheet(strip, session->settings, 3, expected).ok());
    const QImage written = readBack(QStringLiteral("fire.bmp"));
    EXPECT_EQ(written.size(), QSize(120, 80));
    EXPECT_EQ(written, expected);
    // Frame 9 starts the second row, upside down in its own cell.
    EXPECT_EQ(written.pixel(0, 40), numberedPixel(9, 0, 39));
    EXPECT_EQ(writtenFiles(), QStringList{QStringLiteral("fire.bmp")});
}

TEST_F(OutputWindow, OneSheetModeWritesABitmapUnderAnyChosenName) {
    const QImage strip = numberedFrames(40, 4, 3);
    openImage(strip);
    applyFrameSettings(40, 10, 1, 0);
    QImage expected;
    ASSERT_TRUE(ComposeSheet(strip, session->settings, 4, expected).ok());
    for (const char* chosen : {"fire.bmp", "fire.BMP", "fire", "fire.png", "fire.dat"}) {
        Output output(*session, mainWindow->playbackFrameRate());
        output.show();
        dialogs.saveAnswers.push_back(pathOf(QString::fromUtf8(chosen)));
        output.Command1(0)->click();
        EXPECT_TRUE(dialogs.warnings.empty()) << chosen;
        EXPECT_FALSE(output.isVisible()) << chosen;
        QFile written(pathOf(QString::fromUtf8(chosen)));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << chosen;
        EXPECT_EQ(written.read(2), QByteArray("BM")) << chosen << " is a Windows bitmap";
        written.close();
        EXPECT_EQ(readBack(QString::fromUtf8(chosen)), expected) << chosen;
        written.remove();
    }
}

TEST_F(OutputWindow, SequenceModeWritesNumberedFrames) {
    const QImage strip = numberedFrames(40, 4, 3);
    openImage(strip);
    applyFrameSettings(40, 10, 1, 0);
    for (const char* chosen : {"fire.bmp", "fire", "fire.BMP"}) {
        for (const QString& name : writtenFiles())
            QFile::remove(pathOf(name));
        Output output(*session, mainWindow->playbackFrameRate());
        output.show();
        output.Option1(1)->setChecked(true);
        dialogs.saveAnswers.push_back(pathOf(QString::fromUtf8(chosen)));
        output.Command1(0)->click();
        EXPECT_TRUE(dialogs.warnings.empty());
        EXPECT_FALSE(output.isVisible());
        QStringList expected;
        for (int number = 0; number < 10; ++number)
            expected << QStringLiteral("fire%1.bmp").arg(number, 3, 10, QLatin1Char('0'));
        EXPECT_EQ(writtenFiles(), expected) << chosen;
        for (int number = 0; number < 10; ++number)
            EXPECT_EQ(readBack(expected[number]),
                      strip.copy((number % 4) * 40, (number / 4) * 40, 40, 40))
                << number;
    }
}

TEST_F(OutputWindow, TheFileDialogProposesANewNameBesideTheOpenedImage) {
    openImage(numberedFrames(40, 4, 3));
    const struct {
        const char* existing;
        const char* proposed;
    } cases[] = {{nullptr, "opened_out.bmp"},
                 {"opened_out.bmp", "opened_out2.bmp"},
                 {"opened_out2.bmp", "opened_out3.bmp"}};
    for (const auto& c : cases) {
        if (c.existing != nullptr)
            writeBitmap(QString::fromUtf8(c.existing), filledImage(8, 8, qRgb(1, 2, 3)));
        Output output(*session, mainWindow->playbackFrameRate());
        output.show();
        output.Command1(0)->click();
        EXPECT_EQ(dialogs.saveQuestions.back().proposed, pathOf(QString::fromUtf8(c.proposed)));
    }
}

TEST_F(OutputWindow, ColumnsStartWhereTheLastWindowLeftThem) {
    openImage(numberedFrames(40, 4, 3));
    applyFrameSettings(40, 10, 1, 0);
    {
        Output first(*session, mainWindow->playbackFrameRate());
        first.HScroll1()->setValue(2);
    }
    Output second(*session, mainWindow->playbackFrameRate());
    EXPECT_EQ(second.HScroll1()->value(), 2);
    EXPECT_EQ(second.Label4()->text(), QStringLiteral("80x200"));
}

TEST_F(OutputWindow, TheStatusBarSaysWhatWasWritten) {
    openImage(numberedFrames(40, 4, 3));
    applyFrameSettings(40, 10, 1, 0);
    const struct {
        bool sequence;
        const char* chosen;
        QString status;
    } cases[] = {
        {false, "fire.bmp",
         QStringLiteral("出力しました: %1（160x120）").arg(pathOf(QStringLiteral("fire.bmp")))},
        {true, "fire",
         QStringLiteral("出力しました: %1 〜 fire009.bmp（10 枚）")
             .arg(pathOf(QStringLiteral("fire000.bmp")))},
    };
    for (const auto& c : cases) {
        Output output(*session, mainWindow->playbackFrameRate());
        output.show();
        output.Option1(c.sequence ? 1 : 0)->setChecked(true);
        dialogs.saveAnswers.push_back(pathOf(QString::fromUtf8(c.chosen)));
        output.Command1(0)->click();
        EXPECT_EQ(mainWindow->findChild<QLabel*>(QStringLiteral("StatusBar1"))->text(), c.status)
            << c.chosen;
    }
}

TEST_F(OutputWindow, CancelInTheSaveDialogKeepsTheWindowOpenWithNothingWritten) {
    openImage(numberedFrames(40, 4, 3));
    Output output(*session, mainWindow->playbackFrameRate());
    output.show();
    output.Command1(0)->click();
    EXPECT_EQ(dialogs.saveQuestions.size(), 1u);
    EXPECT_TRUE(output.isVisible());
    EXPECT_TRUE(dialogs.warnings.empty());
    EXPECT_TRUE(writtenFiles().isEmpty());

    output.Command1(1)->click();
    EXPECT_FALSE(output.isVisible());
    EXPECT_EQ(dialogs.saveQuestions.size(), 1u);
}

TEST_F(OutputWindow, AFailedWriteSaysSoAndKeepsTheWindowOpen) {
    openImage(numberedFrames(40, 4, 3));
    const QString good = writeBitmap(QStringLiteral("fire.bmp"), filledImage(8, 8, qRgb(1, 2, 3)));
    for (bool sequence : {false, true}) {
        dialogs.warnings.clear();
        Output output(*session, mainWindow->playbackFrameRate());
        output.show();
        output.Option1(sequence ? 1 : 0)->setChecked(true);
        dialogs.saveAnswers.push_back(pathOf(QStringLiteral("no such folder/fire.bmp")));
        output.Command1(0)->click();
        ASSERT_EQ(dialogs.warnings.size(), 1u) << sequence;
        EXPECT_TRUE(dialogs.warnings[0].text.contains(QStringLiteral("no such folder")));
        EXPECT_TRUE(output.isVisible());
    }
    EXPECT_EQ(readBack(QStringLiteral("fire.bmp")), filledImage(8, 8, qRgb(1, 2, 3)));
}

TEST_F(OutputWindow, AFolderOrPipeAmongTheOutputsIsRefusedBeforeAnythingIsWritten) {
    openImage(numberedFrames(40, 4, 3));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("fire.bmp")));
    ASSERT_TRUE(common::test::makePipe(pathOf(QStringLiteral("fire007.bmp"))));
    for (bool sequence : {false, true}) {
        dialogs.warnings.clear();
        Output output(*session, mainWindow->playbackFrameRate());
        output.show();
        output.Option1(sequence ? 1 : 0)->setChecked(true);
        dialogs.saveAnswers.push_back(pathOf(QStringLiteral("fire.bmp")));
        output.Command1(0)->click();
        ASSERT_EQ(dialogs.warnings.size(), 1u) << sequence;
        EXPECT_TRUE(dialogs.warnings[0].text.contains(
            sequence ? QStringLiteral("fire007.bmp\": it is a pipe (FIFO), not a regular file")
                     : QStringLiteral("fire.bmp\": it is a folder, not a regular file")))
            << dialogs.warnings[0].text.toStdString();
        EXPECT_TRUE(output.isVisible());
    }
    EXPECT_EQ(QDir(folder.path())
                  .entryList({QStringLiteral("fire*")},
                             QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("fire.bmp"), QStringLiteral("fire007.bmp")}));
    EXPECT_EQ(common::test::fileKind(pathOf(QStringLiteral("fire007.bmp"))), unsigned{S_IFIFO});
}

TEST_F(OutputWindow, TooWideASheetIsRefusedWithAMessage) {
    openImage(numberedFrames(160, 4, 3));
    applyFrameSettings(512, 256, 1, 0);
    Output output(*session, mainWindow->playbackFrameRate());
    output.show();
    output.HScroll1()->setValue(256);
    EXPECT_EQ(output.Label4()->text(), QStringLiteral("131072x512"));
    dialogs.saveAnswers.push_back(pathOf(QStringLiteral("fire.bmp")));
    output.Command1(0)->click();
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_TRUE(output.isVisible());
    EXPECT_TRUE(writtenFiles().isEmpty());
}

TEST_F(OutputWindow, TheSaveEntryOpensTheWindowModally) {
    openImage(numberedFrames(160, 4, 3));
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* output = qobject_cast<Output*>(QApplication::activeModalWidget());
        ASSERT_NE(output, nullptr);
        seen = true;
        EXPECT_EQ(output->Label4()->text(), QStringLiteral("640x480"));
        output->Command1(1)->click();
    });
    mainWindow->findChild<QAction*>(QStringLiteral("Save"))->trigger();
    EXPECT_TRUE(seen);
    EXPECT_TRUE(dialogs.saveQuestions.empty());
}

} // namespace
} // namespace koratune
