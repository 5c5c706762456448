#include "DesignerFixture.h"

#include "core/document/DesignFormat.h"
#include "core/editing/SampleDesigns.h"
#include "windows/editors/F_Color.h"
#include "windows/editors/F_Hinoko.h"

#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace kirabellum::test {
namespace {

class OpeningTest : public DesignerFixture {
protected:
    OpeningTest() {
        mainWindow->NEW_Click();
        for (const QString& recent : session->recentDesigns.paths())
            session->recentDesigns.remove(recent);
    }

    QString writeDesign(const QString& name, int frameCount) {
        DesignDocument design = sampleDesigns().front().design;
        design.FrameCount = static_cast<std::int16_t>(frameCount);
        const QString file = path(name);
        EXPECT_TRUE(DesignFormat::of(DesignFormat::Version12).write(file, design).ok());
        return file;
    }

    // Drags `file` over `target` and drops it there; true when the target took it.
    static bool drop(QWidget* target, const QString& file) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &dropped);
        QCoreApplication::processEvents();
        return dropped.isAccepted();
    }

    QStringList recentMenuTexts() {
        Q_EMIT mainWindow->RECENT->aboutToShow();
        QStringList texts;
        for (QAction* action : mainWindow->RECENT->actions())
            texts << action->text();
        return texts;
    }
};

TEST_F(OpeningTest, ADroppedDesignOpensAfterTheUnsavedChangesQuestion) {
    const QString file = writeDesign(QStringLiteral("dropped.df2"), 9);
    session->history.edit({}, [](DesignDocument& document) { document.FrameCount = 20; });
    dialogs.unsavedAnswers.push_back(common::Dialogs::SaveAnswer::Cancel);
    EXPECT_TRUE(drop(mainWindow.get(), file));
    EXPECT_EQ(session->document.FrameCount, 20);
    dialogs.unsavedAnswers.push_back(common::Dialogs::SaveAnswer::Discard);
    EXPECT_TRUE(drop(mainWindow.get(), file));
    EXPECT_EQ(session->document.FrameCount, 9);
    EXPECT_EQ(session->documentFile, file);
    EXPECT_EQ(dialogs.unsavedQuestions.size(), 2u);
    // A picture is no design: the main window does not take it.
    EXPECT_FALSE(drop(mainWindow.get(),
                      writePicture(QStringLiteral("p.png"), QImage(4, 4, QImage::Format_RGB32))));
}

TEST_F(OpeningTest, APictureDroppedOnAnEditorLoadsAsLoadWould) {
    QImage ramp(16, 1, QImage::Format_RGB32);
    for (int x = 0; x < 16; ++x)
        ramp.setPixel(x, 0, qRgb(x * 16, 255 - x * 16, 7));
    auto* colours = open<F_Color>(ToolKind::Color);
    EXPECT_TRUE(drop(colours, writePicture(QStringLiteral("ramp.bmp"), ramp)));
    EXPECT_EQ(session->document.RampLength, 16);
    EXPECT_EQ(common::colourToRgb(session->document.ColorRamp[15]) & 0xFFFFFF,
              ramp.pixel(15, 0) & 0xFFFFFF);
    // A picture of the wrong size gets the editor's message and changes nothing.
    auto* spark = open<F_Hinoko>(ToolKind::Hinoko);
    const DesignDocument before = session->document;
    EXPECT_TRUE(
        drop(spark, writePicture(QStringLiteral("big.bmp"), QImage(40, 40, QImage::Format_RGB32))));
    EXPECT_TRUE(session->document.sameDesignAs(before));
    ASSERT_FALSE(dialogs.warnings.empty());
    EXPECT_EQ(dialogs.warnings.back().title, QStringLiteral("エラー"));
    mainWindow->UNDO_Click();
    EXPECT_NE(common::colourToRgb(session->document.ColorRamp[15]) & 0xFFFFFF,
              ramp.pixel(15, 0) & 0xFFFFFF);
}

TEST_F(OpeningTest, RecentDesignsListTheLastOpenedAndSavedNewestFirst) {
    const QString first = writeDesign(QStringLiteral("first.df2"), 5);
    const QString second = writeDesign(QStringLiteral("second.df2"), 6);
    EXPECT_FALSE(mainWindow->RECENT->isEnabled());
    ASSERT_TRUE(mainWindow->openDesign(first));
    ASSERT_TRUE(mainWindow->openDesign(second));
    ASSERT_TRUE(mainWindow->openDesign(first));
    EXPECT_EQ(recentMenuTexts(),
              QStringList({QStringLiteral("&1 first.df2"), QStringLiteral("&2 second.df2")}));
    dialogs.saveAnswers.push_back(path("third.df2"));
    ASSERT_TRUE(mainWindow->SAVE_Click());
    EXPECT_EQ(recentMenuTexts().first(), QStringLiteral("&1 third.df2"));

    mainWindow->RECENT->actions()[2]->trigger(); // second.df2
    EXPECT_EQ(session->document.FrameCount, 6);

    QFile::remove(first);
    mainWindow->openRecentDesign(QFileInfo(first).absoluteFilePath());
    EXPECT_TRUE(dialogs.warnings.back().text.contains(QStringLiteral("見つかりません")));
    EXPECT_EQ(recentMenuTexts(),
              QStringList({QStringLiteral("&1 second.df2"), QStringLiteral("&2 third.df2")}));
}

} // namespace
} // namespace kirabellum::test
