#include "FakeDialogs.h"
#include "core/editing/SampleDesigns.h"

#include "core/document/DesignFormat.h"
#include "core/document/LayerEffects.h"
#include "core/session/DesignLifecycle.h"
#include "core/session/DesignerSession.h"
#include "core/session/RecoveryFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <vector>

namespace kirabellum::test {
namespace {

using Request = DesignLifecycle::WindowRequest;
using SaveAnswer = common::Dialogs::SaveAnswer;

// The lifecycle over a session, without windows: the dialogs answer from the
// test's queues and the windows' requests are recorded.
class DesignLifecycleTest : public testing::Test {
protected:
    DesignLifecycleTest() {
        // The recent designs are the test's own.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    }

    QString path(const QString& name) const { return folder.filePath(name); }
    QString writeDesign(const QString& name, int frameCount) const {
        DesignDocument design = sampleDesigns().front().design;
        design.FrameCount = static_cast<std::int16_t>(frameCount);
        const QString file = path(name);
        EXPECT_TRUE(DesignFormat::toRead(file).write(file, design).ok());
        return file;
    }
    // An unsaved change to the design.
    void change() {
        session.history.edit({}, [](DesignDocument& document) { document.FrameCount = 20; });
    }

    QTemporaryDir settings;
    QTemporaryDir folder;
    common::test::FakeDialogs dialogs;
    DesignerSession session{dialogs, 0, folder.filePath(QStringLiteral("recovery"))};
    std::vector<Request> requests;
    DesignLifecycle lifecycle{session, [this](Request request) { requests.push_back(request); }};
};

TEST_F(DesignLifecycleTest, NewAsksAboutUnsavedChangesFirst) {
    const struct {
        SaveAnswer answer;
        const char* savedAs; // the save dialog's answer, for Save
        bool replaced;
    } cases[] = {
        {SaveAnswer::Cancel, "", false},
        {SaveAnswer::Save, "", false}, // the save dialog cancelled
        {SaveAnswer::Save, "kept.df2", true},
        {SaveAnswer::Discard, "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        change();
        requests.clear();
        dialogs = common::test::FakeDialogs();
        dialogs.unsavedAnswers.push_back(c.answer);
        dialogs.saveAnswers.push_back(*c.savedAs ? path(QString::fromUtf8(c.savedAs)) : QString());
        lifecycle.newDesign();
        ASSERT_EQ(dialogs.unsavedQuestions.size(), 1u);
        EXPECT_EQ(dialogs.unsavedQuestions[0].line(),
                  QStringLiteral("Kirabellum: デザイン「無題」への変更を保存しますか？"));
        EXPECT_EQ(session.document.FrameCount == 20, !c.replaced);
        EXPECT_EQ(session.history.isModified(), !c.replaced);
        if (c.replaced) {
            EXPECT_EQ(requests.back(), Request::ShowTitle);
            EXPECT_EQ(std::vector<Request>(requests.end() - 3, requests.end()),
                      std::vector<Request>(
                          {Request::OpenForNewDesign, Request::Refresh, Request::ShowTitle}));
            EXPECT_TRUE(session.documentFile.isEmpty());
        }
    }
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("kept.df2"))));
}

TEST_F(DesignLifecycleTest, NewAsksNothingOnceTheChangesAreUndone) {
    change();
    session.history.undo();
    lifecycle.newDesign();
    EXPECT_TRUE(dialogs.unsavedQuestions.empty());
    EXPECT_EQ(requests.back(), Request::ShowTitle);
}

TEST_F(DesignLifecycleTest, OpenReadsByTheExtensionAndAFailureKeepsTheDocument) {
    const QString json = writeDesign(QStringLiteral("a.json"), 7);
    const QString binary = writeDesign(QStringLiteral("b.df2"), 9);
    ASSERT_TRUE(lifecycle.openDesign(json));
    EXPECT_EQ(session.document.FrameCount, 7);
    ASSERT_TRUE(lifecycle.openDesign(binary));
    EXPECT_EQ(session.document.FrameCount, 9);
    EXPECT_EQ(session.documentFile, binary);
    EXPECT_EQ(requests, std::vector<Request>({Request::OpenClosedWindows, Request::Refresh,
                                              Request::ShowTitle, Request::OpenClosedWindows,
                                              Request::Refresh, Request::ShowTitle}));

    QFile damaged(path(QStringLiteral("damaged.df2")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a design");
    damaged.close();
    change();
    requests.clear();
    EXPECT_FALSE(lifecycle.openDesign(damaged.fileName()));
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_EQ(dialogs.warnings[0].title, QStringLiteral("Kirabellum"));
    EXPECT_EQ(session.document.FrameCount, 20);
    EXPECT_TRUE(session.history.isModified());
    EXPECT_EQ(session.documentFile, binary);
    EXPECT_TRUE(requests.empty());
}

TEST_F(DesignLifecycleTest, SaveNamesTheFileByTheChosenFormat) {
    const struct {
        const char* typed;
        int filter; // 0 version 1.2, 1 JSON
        const char* saved;
    } cases[] = {
        {"plain", 0, "plain.df2"},
        {"plain", 1, "plain.json"},
        {"named.json", 0, "named.json"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        change();
        dialogs.saveAnswers.push_back({path(QString::fromUtf8(c.typed)), c.filter});
        ASSERT_TRUE(lifecycle.save());
        const QString saved = path(QString::fromUtf8(c.saved));
        EXPECT_TRUE(QFile::exists(saved));
        EXPECT_EQ(session.documentFile, saved);
        EXPECT_FALSE(session.history.isModified());
        EXPECT_EQ(session.recentDesigns.paths().first(), saved);
        EXPECT_EQ(requests.back(), Request::ShowTitle);
    }
    // The next Save proposes the name last saved, as a design file, in its folder.
    dialogs.saveAnswers.push_back(QString());
    EXPECT_FALSE(lifecycle.save());
    EXPECT_EQ(dialogs.saveQuestions.back().proposed, path(QStringLiteral("named.df2")));
}

TEST_F(DesignLifecycleTest, TheRecentListFollowsOpeningAndLosesAVanishedDesign) {
    const QString first = writeDesign(QStringLiteral("first.df2"), 5);
    const QString second = writeDesign(QStringLiteral("second.df2"), 6);
    lifecycle.openRecentDesign(first);
    lifecycle.openRecentDesign(second);
    EXPECT_EQ(session.recentDesigns.paths(), QStringList({second, first}));

    QFile::remove(first);
    requests.clear();
    lifecycle.openRecentDesign(first);
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_EQ(dialogs.warnings[0].line(),
              QStringLiteral("Kirabellum: デザイン「%1」が見つかりません。"
                             "最近使ったデザインの一覧から外します。")
                  .arg(QDir::toNativeSeparators(first)));
    EXPECT_EQ(session.recentDesigns.paths(), QStringList({second}));
    EXPECT_EQ(session.document.FrameCount, 6);
    EXPECT_TRUE(requests.empty());
}

TEST_F(DesignLifecycleTest, ASampleOpensUntitledAndUnmodified) {
    const QString opened = writeDesign(QStringLiteral("opened.df2"), 5);
    ASSERT_TRUE(lifecycle.openDesign(opened));
    change();
    dialogs.unsavedAnswers.push_back(SaveAnswer::Discard);
    const SampleDesign sample = sampleDesigns()[3];
    lifecycle.openSample(sample.design, sample.fileName);
    EXPECT_EQ(dialogs.unsavedQuestions.size(), 1u);
    EXPECT_TRUE(session.document.sameDesignAs(sample.design));
    EXPECT_TRUE(session.documentFile.isEmpty());
    EXPECT_FALSE(session.history.isModified());
    EXPECT_EQ(session.recentDesigns.paths(), QStringList({opened}));
    // Save proposes the sample's own name.
    EXPECT_FALSE(lifecycle.saveInPlace());
    EXPECT_EQ(dialogs.saveQuestions.back().proposed, path(sample.fileName));
}

TEST_F(DesignLifecycleTest, SaveInPlaceWritesANamedDesignWithoutTheDialog) {
    const struct {
        const char* file; // the design's file; empty: untitled
        bool asksWhere;
    } cases[] = {
        {"", true},
        {"named.df2", false},
        {"named.json", false},
        {"old.df1", true}, // version 1.1 is only read
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        dialogs = common::test::FakeDialogs();
        session.documentFile = *c.file ? path(QString::fromUtf8(c.file)) : QString();
        change();
        dialogs.saveAnswers.push_back(path(QStringLiteral("chosen.df2")));
        ASSERT_TRUE(lifecycle.saveInPlace());
        EXPECT_EQ(dialogs.saveQuestions.size(), c.asksWhere ? 1u : 0u);
        const QString saved =
            c.asksWhere ? path(QStringLiteral("chosen.df2")) : path(QString::fromUtf8(c.file));
        EXPECT_EQ(session.documentFile, saved);
        DesignDocument written;
        ASSERT_TRUE(DesignFormat::toRead(saved).read(saved, written).ok());
        EXPECT_EQ(written.FrameCount, 20);
        EXPECT_FALSE(session.history.isModified());
        QFile::remove(saved);
    }
}

TEST_F(DesignLifecycleTest, SavingLayerEffectsToADesignFileAsksFirst) {
    const struct {
        int answer; // 0 as JSON, 1 without them, 2 cancel
        bool saved;
        const char* file; // the design's file afterwards
        bool modified;
    } cases[] = {
        {0, true, "shell.json", false},
        {1, true, "shell.df2", true},
        {2, false, "shell.df2", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        dialogs = common::test::FakeDialogs();
        session.documentFile = path(QStringLiteral("shell.df2"));
        session.history.edit({}, [](DesignDocument& document) {
            document.layer(2).Trigger = LayerTrigger{1, TriggerMoment::Death, 1, false, 50};
            document.layer(3).Trail = LayerTrail{4, 60};
        });
        const DesignDocument design = session.document;
        dialogs.choiceAnswers.push_back(c.answer);
        EXPECT_EQ(lifecycle.saveInPlace(), c.saved);

        ASSERT_EQ(dialogs.choiceQuestions.size(), 1u);
        EXPECT_EQ(dialogs.choiceQuestions[0].line(),
                  QStringLiteral("Kirabellum: このデザインは .df2 形式に保存できないレイヤー効果"
                                 "（child bursts, trails）を使っています。代わりに JSON 形式で"
                                 "「shell.json」に保存しますか？"));
        EXPECT_EQ(dialogs.choicesOffered[0], QStringList({QStringLiteral("JSON で保存(&J)"),
                                                          QStringLiteral("効果なしで保存(&W)"),
                                                          QStringLiteral("キャンセル")}));
        EXPECT_TRUE(session.document.sameDesignAs(design));
        EXPECT_EQ(session.documentFile, path(QString::fromUtf8(c.file)));
        EXPECT_EQ(session.history.isModified(), c.modified);
        const QString written =
            c.answer == 0 ? path(QStringLiteral("shell.json")) : path(QStringLiteral("shell.df2"));
        EXPECT_EQ(QFile::exists(written), c.saved);
        if (c.saved) {
            DesignDocument read;
            ASSERT_TRUE(DesignFormat::toRead(written).read(written, read).ok());
            EXPECT_EQ(usesLayerEffects(read), c.answer == 0);
        }
        QFile::remove(written);
        session.history.edit({}, [](DesignDocument& document) { dropLayerEffects(document); });
    }
}

TEST_F(DesignLifecycleTest, SaveProposesJsonForADesignWithLayerEffects) {
    for (const bool effects : {false, true}) {
        dialogs = common::test::FakeDialogs();
        session.documentFile.clear();
        lifecycle.openSample(session.document, QStringLiteral("comets.df2"));
        if (effects)
            session.history.edit({}, [](DesignDocument& document) {
                document.layer(3).Trail = LayerTrail{4, 60};
            });
        EXPECT_FALSE(lifecycle.save()); // the dialog is cancelled
        ASSERT_EQ(dialogs.saveQuestions.size(), 1u);
        EXPECT_EQ(QFileInfo(dialogs.saveQuestions[0].proposed).fileName(),
                  effects ? QStringLiteral("comets.json") : QStringLiteral("comets.df2"));
        session.history.edit({}, [](DesignDocument& document) { dropLayerEffects(document); });
    }
}

TEST_F(DesignLifecycleTest, RecoveryOffersTheNewestDesignFirst) {
    const auto leaveBehind = [this](const char* name, int frameCount, qint64 milliseconds) {
        DesignDocument design = session.document;
        design.FrameCount = static_cast<std::int16_t>(frameCount);
        ASSERT_TRUE(
            writeRecoveryFile(QDir(session.recovery.folder()).filePath(QString::fromLatin1(name)),
                              design, path(QString::fromLatin1(name)),
                              QDateTime::fromMSecsSinceEpoch(milliseconds, QTimeZone::utc()))
                .ok());
    };
    ASSERT_TRUE(QDir().mkpath(session.recovery.folder()));
    leaveBehind("older.recovery", 11, 1'600'000'000'000);
    leaveBehind("newer.recovery", 12, 1'700'000'000'000);
    dialogs.yesNoAnswers = {false, true};
    EXPECT_TRUE(lifecycle.offerRecovery());
    ASSERT_EQ(dialogs.yesNoQuestions.size(), 2u);
    EXPECT_TRUE(dialogs.yesNoQuestions[0].text.startsWith(
        QStringLiteral("保存されずに終了したデザイン「newer.recovery」があります")));
    EXPECT_TRUE(dialogs.yesNoQuestions[1].text.contains(QStringLiteral("「older.recovery」")));
    EXPECT_EQ(session.document.FrameCount, 11);
    EXPECT_EQ(session.documentFile, path(QStringLiteral("older.recovery")));
    EXPECT_TRUE(session.history.isModified());
    EXPECT_EQ(requests, std::vector<Request>(
                            {Request::OpenClosedWindows, Request::Refresh, Request::ShowTitle}));
}

} // namespace
} // namespace kirabellum::test
