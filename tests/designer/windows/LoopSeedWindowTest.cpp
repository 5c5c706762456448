// The render settings window's loop mode and seeds.
#include "DesignerFixture.h"

#include "core/document/DesignFile.h"
#include "core/document/SeedText.h"
#include "core/editing/SampleDesigns.h"
#include "windows/render/F_Animation.h"
#include "windows/render/F_Preview.h"

#include "../RenderDesigns.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>

namespace kirabellum {
namespace {

class LoopSeedWindowTest : public DesignerFixture {
protected:
    void SetUp() override {
        DesignerFixture::SetUp();
        DesignDocument design = sampleDesigns().front().design;
        design.FrameSize = 48;
        design.FrameCount = 6;
        useDesign(design);
    }
    void useDesign(const DesignDocument& design) {
        session->document = design;
        session->history.startAfresh();
        animation = open<F_Animation>(ToolKind::Animation);
        ASSERT_NE(animation, nullptr);
        animation->DRefresh();
    }
    QImage render() {
        animation->Command1->click();
        return session->rendPic.picture();
    }
    void fixSeed(const QString& seed) {
        if (!animation->FixSeedCheck->isChecked())
            animation->FixSeedCheck->click();
        animation->FixedSeed->setText(seed);
        Q_EMIT animation->FixedSeed->editingFinished();
    }
    QByteArray fileBytes(const QString& file) const {
        QFile in(file);
        EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << file.toStdString();
        return in.readAll();
    }

    F_Animation* animation = nullptr;
};

// The last seed is shown, not typed: it stands on the window's grey under its
// own label, and the fixed seed's field has its check box for a label.
TEST_F(LoopSeedWindowTest, EachSeedFieldIsLabelledAndTheLastSeedIsGrey) {
    render();
    EXPECT_TRUE(animation->LastSeed->isReadOnly());
    EXPECT_EQ(animation->LastSeed->palette().color(QPalette::Base),
              animation->palette().color(QPalette::Window));
    EXPECT_EQ(animation->SeedLabel->buddy(), animation->LastSeed);
    EXPECT_EQ(animation->SeedLabel->text(), QStringLiteral("前回のシード"));
    EXPECT_EQ(animation->FixSeedCheck->text(), QStringLiteral("固定シード"));
    EXPECT_EQ(animation->FixedSeed->accessibleName(), animation->FixSeedCheck->text());
}

TEST_F(LoopSeedWindowTest, AFixedSeedRendersTheStripOfTheCommandLineByteForByte) {
    fixSeed(QStringLiteral("12345678901234567890"));
    EXPECT_EQ(session->document.Render.Seed, 12345678901234567890u);
    const QImage first = render();
    EXPECT_EQ(render(), first);
    EXPECT_EQ(animation->LastSeed->text(), QStringLiteral("12345678901234567890"));
    dialogs.saveAnswers.push_back(path("window.bmp"));
    windows().windowAs<F_Preview>(ToolKind::Preview)->Command1->click();

    DesignDocument unfixed = session->document;
    unfixed.Render = {};
    ASSERT_TRUE(WriteDesignFile(path("design.df2"), unfixed).ok());
    QProcess command;
    command.start(QStringLiteral(KIRABELLUM_EXECUTABLE),
                  {QStringLiteral("render"), path("design.df2"), QStringLiteral("-o"),
                   path("command.bmp"), QStringLiteral("--seed"),
                   QStringLiteral("12345678901234567890")});
    ASSERT_TRUE(command.waitForFinished());
    ASSERT_EQ(command.exitCode(), 0) << command.readAllStandardError().toStdString();
    EXPECT_EQ(fileBytes(path("window.bmp")), fileBytes(path("command.bmp")));
}

// Without a fixed seed each render goes on from the last; the seed shown,
// once fixed, renders the same strip again.
TEST_F(LoopSeedWindowTest, TheSeedShownReproducesAnUnfixedRender) {
    EXPECT_TRUE(animation->LastSeed->text().isEmpty());
    EXPECT_TRUE(animation->LastSeed->isReadOnly());
    render();
    const QString firstSeed = animation->LastSeed->text();
    const QImage second = render();
    const QString secondSeed = animation->LastSeed->text();
    EXPECT_NE(secondSeed, firstSeed);
    EXPECT_EQ(seedFromText(secondSeed), session->renderRun.startSeed());

    ASSERT_FALSE(animation->FixedSeed->isEnabled());
    animation->FixSeedCheck->click();
    EXPECT_TRUE(animation->FixedSeed->isEnabled());
    EXPECT_EQ(animation->FixedSeed->text(), secondSeed);
    EXPECT_EQ(session->document.Render.Seed, seedFromText(secondSeed));
    EXPECT_EQ(render(), second);

    // Undone, the seed is no longer fixed and renders run on again.
    session->history.undo();
    EXPECT_FALSE(session->document.Render.Seed.has_value());
    EXPECT_FALSE(animation->FixSeedCheck->isChecked());
    EXPECT_NE(render(), second);
}

TEST_F(LoopSeedWindowTest, ASeedThatIsNoWholeNumberOfSixtyFourBitsRendersNothing) {
    const char* refused[] = {"-1", "18446744073709551616", "0x10", "1.5", "", "１２"};
    animation->FixSeedCheck->click();
    for (const char* text : refused) {
        dialogs.warnings.clear();
        fixSeed(QString::fromUtf8(text));
        render();
        ASSERT_EQ(dialogs.warnings.size(), 1u) << text;
        EXPECT_EQ(
            dialogs.warnings[0].text,
            QStringLiteral("シードは 0 から 18446744073709551615 までの整数で入力してください。"));
        EXPECT_FALSE(session->renderRun.hasStarted()) << text;
    }
    fixSeed(QStringLiteral(" 18446744073709551615 ")); // pasted with spaces
    dialogs.warnings.clear();
    render();
    EXPECT_TRUE(dialogs.warnings.empty());
    EXPECT_EQ(session->renderRun.startSeed(), 18446744073709551615u);
}

TEST_F(LoopSeedWindowTest, LoopModeIsADesignSettingAndAnUnsettledLoopSaysSo) {
    auto* preview = open<F_Preview>(ToolKind::Preview);
    ASSERT_NE(preview, nullptr);
    render();
    EXPECT_EQ(preview->Combo1->currentIndex(), 0) << "a strip that is no loop plays once";
    animation->LoopCheck->click();
    EXPECT_TRUE(session->document.Render.Loop);
    EXPECT_TRUE(session->history.isModified());
    const QImage loop = render();
    EXPECT_TRUE(animation->SeamNotice->text().isEmpty());
    EXPECT_EQ(loop.size(), QSize(288, 48));
    EXPECT_EQ(preview->Combo1->currentIndex(), 1) << "a loop strip plays over and over";
    preview->Combo1->setCurrentIndex(2);
    render();
    EXPECT_EQ(preview->Combo1->currentIndex(), 2) << "back and forth stays";

    DesignDocument restless = restlessDesign();
    restless.Render = {true, 3u};
    useDesign(restless);
    EXPECT_TRUE(animation->LoopCheck->isChecked());
    EXPECT_TRUE(animation->FixSeedCheck->isChecked());
    EXPECT_EQ(animation->FixedSeed->text(), QStringLiteral("3"));
    render();
    EXPECT_FALSE(session->renderRun.settled());
    EXPECT_EQ(animation->SeamNotice->text(),
              QStringLiteral("ループの継ぎ目が見えることがあります"));
    EXPECT_TRUE(dialogs.warnings.empty());
}

} // namespace
} // namespace kirabellum
