#include "DesignerFixture.h"

#include "core/document/DesignFile.h"
#include "core/editing/SampleDesigns.h"
#include "windows/editors/F_Editer.h"
#include "windows/render/F_Animation.h"

#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

#include <sstream>

namespace kirabellum::test {
namespace {

using SaveAnswer = common::Dialogs::SaveAnswer;

// The design as the bytes a design file holds, for exact comparisons.
std::string designBytes(const DesignDocument& document) {
    std::ostringstream stream;
    EXPECT_TRUE(WriteDesignFile(stream, document).ok());
    return stream.str();
}

class SamplesMenuTest : public DesignerFixture {
protected:
    SamplesMenuTest() { mainWindow->NEW_Click(); }

    QAction* entry(int index) const { return mainWindow->SAMPLES->actions().at(index); }

    // Makes one change through the particle editor.
    void change() {
        QTest::mouseClick(windows().windowAs<F_Editer>(ToolKind::Editer)->Command1, Qt::LeftButton);
        ASSERT_TRUE(session->history.isModified());
    }
};

TEST_F(SamplesMenuTest, OffersEverySampleInTableOrderByItsJapaneseName) {
    const std::vector<SampleDesign> samples = sampleDesigns();
    const QList<QAction*> entries = mainWindow->SAMPLES->actions();
    ASSERT_EQ(entries.size(), static_cast<qsizetype>(samples.size()));
    for (std::size_t index = 0; index < samples.size(); ++index) {
        SCOPED_TRACE(samples[index].fileName.toStdString());
        const QAction* action = entries[static_cast<qsizetype>(index)];
        EXPECT_EQ(action->text(), samples[index].name);
        const std::size_t tableIndex = action->data().toUInt();
        ASSERT_LT(tableIndex, mainWindow->samples().size());
        EXPECT_EQ(mainWindow->samples()[tableIndex].fileName, samples[index].fileName);
    }
}

TEST_F(SamplesMenuTest, EachEntryOpensItsSampleUntitledWithNothingToSave) {
    session->recentDesigns.add(path("kept.df2"));
    const QStringList recent = session->recentDesigns.paths();
    const auto* settings = windows().windowAs<F_Animation>(ToolKind::Animation);
    const std::vector<SampleDesign> samples = sampleDesigns();
    for (std::size_t index = 0; index < samples.size(); ++index) {
        SCOPED_TRACE(samples[index].fileName.toStdString());
        entry(static_cast<int>(index))->trigger();
        // Layer effects included, which the design file's bytes leave out.
        EXPECT_TRUE(session->document.sameDesignAs(samples[index].design));
        EXPECT_TRUE(session->documentFile.isEmpty());
        EXPECT_FALSE(session->history.isModified());
        EXPECT_EQ(mainWindow->windowTitle(), QStringLiteral("Kirabellum v1.22 - 無題"));
        EXPECT_EQ(settings->HScroll1[1]->value(), samples[index].design.FrameCount);
    }
    EXPECT_TRUE(dialogs.unsavedQuestions.empty());
    EXPECT_EQ(session->recentDesigns.paths(), recent);
}

TEST_F(SamplesMenuTest, SaveAsksForANameAndWritesThere) {
    entry(3)->trigger();
    const QString file = path("mine.df2");
    dialogs.saveAnswers.push_back(file);
    ASSERT_TRUE(mainWindow->SAVE_Click());
    EXPECT_EQ(dialogs.saveQuestions.size(), 1u);
    DesignDocument saved;
    ASSERT_TRUE(ReadDesignFile(file, DesignFileVersion::V1_2, saved).ok());
    EXPECT_TRUE(saved.sameDesignAs(sampleDesigns()[3].design));
    EXPECT_EQ(mainWindow->windowTitle(), QStringLiteral("Kirabellum v1.22 - mine.df2"));
}

TEST_F(SamplesMenuTest, AsksAboutUnsavedChangesFirst) {
    const struct {
        const char* name;
        SaveAnswer answer;
        bool opens;
    } cases[] = {
        {"cancel keeps the design", SaveAnswer::Cancel, false},
        {"discard opens the sample", SaveAnswer::Discard, true},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        mainWindow->NEW_Click();
        change();
        const std::string before = designBytes(session->document);
        dialogs.unsavedQuestions.clear();
        dialogs.unsavedAnswers.push_back(each.answer);
        entry(1)->trigger();
        EXPECT_EQ(dialogs.unsavedQuestions.size(), 1u);
        EXPECT_EQ(designBytes(session->document),
                  each.opens ? designBytes(sampleDesigns()[1].design) : before);
        EXPECT_EQ(session->history.isModified(), !each.opens);
    }
}

} // namespace
} // namespace kirabellum::test
