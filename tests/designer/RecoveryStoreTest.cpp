#include "core/session/RecoveryStore.h"
#include "core/document/DesignFile.h"
#include "core/document/FloatBits.h"
#include "core/session/RecoveryFile.h"

#include "EffectsDesign.h"
#include "RandomDesign.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <sstream>
#include <string>

namespace kirabellum {
namespace {

std::string designBytes(const DesignDocument& document) {
    std::ostringstream stream;
    EXPECT_TRUE(WriteDesignFile(stream, document).ok());
    return stream.str();
}

// Values a design file may hold but no editor produces.
DesignDocument oddDesign() {
    DesignDocument document = randomDesign(7);
    document.SparkImage[3].at(5, 9) = 0xFF123456u;
    document.ColorRamp[255] = 0x80ABCDEFu;
    document.RampLength = RampCapacity;
    document.AddRate = floatFromBits(0x7FC00001u);
    document.Gravity[1].Angle = -0.0f;
    document.Gravity[2].Power = std::numeric_limits<float>::denorm_min();
    return document;
}

QStringList filesIn(const QTemporaryDir& folder) {
    return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
}

TEST(RecoveryStore, DesignLeftBehindIsRestoredByteForByte) {
    const struct {
        DesignDocument design;
        QString designFileName;
    } cases[] = {{oddDesign(), QStringLiteral("/home/user/花火/big.df2")},
                 {randomDesign(11), QString()},
                 {designWithEffects(12), QStringLiteral("effects.json")}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.designFileName.toStdString());
        QTemporaryDir folder;
        const QDateTime before = QDateTime::currentDateTimeUtc();
        QString path;
        {
            RecoveryStore ended(folder.path());
            ASSERT_TRUE(ended.write(test.design, test.designFileName).ok());
            path = ended.path();
        }
        const QDateTime after = QDateTime::currentDateTimeUtc();

        RecoveryStore next(folder.path());
        const std::vector<RecoveryStore::Entry> entries = next.leftBehind();
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_TRUE(entries[0].problem.ok()) << entries[0].problem.message().toStdString();
        EXPECT_EQ(entries[0].path, path);
        EXPECT_EQ(entries[0].designFileName, test.designFileName);
        EXPECT_LE(before, entries[0].written);
        EXPECT_LE(entries[0].written, after);
        DesignDocument restored;
        QString designFileName = QStringLiteral("held");
        ASSERT_TRUE(next.restore(entries[0], restored, designFileName).ok());
        EXPECT_EQ(designBytes(restored), designBytes(test.design));
        EXPECT_EQ(restored.Layers, test.design.Layers); // with their effects
        EXPECT_EQ(designFileName, test.designFileName);
    }
}

// The render settings, which design files do not hold, come back too; a file
// of the first layout, which had none, restores with loop mode off and no
// fixed seed.
TEST(RecoveryStore, RenderSettingsAreKept) {
    const RenderSettings cases[] = {
        {false, std::nullopt}, {true, std::nullopt}, {false, 0u}, {true, 18446744073709551615u}};
    for (const RenderSettings& render : cases) {
        DesignDocument design = randomDesign(3);
        design.Render = render;
        std::stringstream file;
        ASSERT_TRUE(writeRecoveryFile(file, design, QStringLiteral("r.df2"),
                                      QDateTime::currentDateTimeUtc())
                        .ok());
        DesignDocument restored;
        QString designFileName;
        QDateTime written;
        ASSERT_TRUE(readRecoveryFile(file, restored, designFileName, written).ok());
        EXPECT_EQ(designBytes(restored), designBytes(design));
        EXPECT_TRUE(restored.Render == render) << render.Loop;
    }

    // Files of the earlier layouts: the first without render settings, the
    // second without layer effects.
    const std::string name = "old.df2";
    const std::string nameField = static_cast<char>(name.size()) + std::string(3, '\0') + name;
    const struct {
        std::string header;
        RenderSettings render;
    } oldLayouts[] = {
        {std::string("KIRARECOVERY\x01") + '\0' + std::string(8, '\0') + nameField, {}},
        {std::string("KIRARECOVERY\x02") + '\0' + std::string(8, '\0') + '\x03' + '\x09' +
             std::string(7, '\0') + nameField,
         {true, 9u}},
    };
    for (const auto& old : oldLayouts) {
        std::istringstream file(old.header + designBytes(randomDesign(4)));
        DesignDocument restored = designWithEffects(5);
        QString designFileName;
        QDateTime written;
        ASSERT_TRUE(readRecoveryFile(file, restored, designFileName, written).ok());
        EXPECT_EQ(designBytes(restored), designBytes(randomDesign(4)));
        EXPECT_EQ(restored.Layers, randomDesign(4).Layers);
        EXPECT_TRUE(restored.Render == old.render);
        EXPECT_EQ(designFileName, QStringLiteral("old.df2"));
    }
}

TEST(RecoveryStore, DesignersRunningAtOnceKeepSeparateFiles) {
    QTemporaryDir folder;
    RecoveryStore first(folder.path());
    RecoveryStore second(folder.path());
    ASSERT_TRUE(first.write(randomDesign(1), QStringLiteral("a.df2")).ok());
    ASSERT_TRUE(second.write(randomDesign(2), QStringLiteral("b.df2")).ok());
    EXPECT_NE(first.path(), second.path());
    EXPECT_TRUE(QFile::exists(first.path()));
    EXPECT_TRUE(QFile::exists(second.path()));
    EXPECT_TRUE(first.leftBehind().empty());
    EXPECT_TRUE(second.leftBehind().empty());
    EXPECT_TRUE(RecoveryStore(folder.path()).leftBehind().empty());
}

TEST(RecoveryStore, OnlyOneDesignerAtATimeOffersAFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(RecoveryStore(folder.path()).write(randomDesign(3), QString()).ok());
    RecoveryStore second(folder.path());
    {
        RecoveryStore first(folder.path());
        EXPECT_EQ(first.leftBehind().size(), 1u);
        EXPECT_TRUE(second.leftBehind().empty());
        EXPECT_EQ(first.leftBehind().size(), 1u);
    }
    EXPECT_EQ(second.leftBehind().size(), 1u);
}

TEST(RecoveryStore, RemoveAndDiscardDeleteTheFiles) {
    QTemporaryDir folder;
    {
        RecoveryStore store(folder.path());
        EXPECT_TRUE(store.remove().ok());
        ASSERT_TRUE(store.write(randomDesign(4), QString()).ok());
        ASSERT_TRUE(store.remove().ok());
        EXPECT_FALSE(QFile::exists(store.path()));
        ASSERT_TRUE(store.write(randomDesign(5), QString()).ok());
    }
    RecoveryStore next(folder.path());
    const std::vector<RecoveryStore::Entry> entries = next.leftBehind();
    ASSERT_EQ(entries.size(), 1u);
    ASSERT_TRUE(next.discard(entries[0]).ok());
    EXPECT_EQ(filesIn(folder), QStringList());
}

// The designer is a forked child that ends without running any destructor, so
// its lock file stays and names a process that no longer runs.
void endAbruptly(const QString& folder, bool removedFirst) {
    RecoveryStore store(folder);
    if (!store.write(randomDesign(6), QStringLiteral("lost.df2")).ok())
        std::_Exit(1);
    if (removedFirst && !store.remove().ok())
        std::_Exit(1);
    std::_Exit(0);
}

TEST(RecoveryStoreDeathTest, LockOfAnEndedProcessIsStale) {
    GTEST_FLAG_SET(death_test_style, "fast");
    for (bool removedFirst : {false, true}) {
        SCOPED_TRACE(removedFirst ? "removed first" : "not removed");
        QTemporaryDir folder;
        EXPECT_EXIT(endAbruptly(folder.path(), removedFirst), testing::ExitedWithCode(0), "");
        ASSERT_EQ(filesIn(folder).filter(QStringLiteral(".lock")).size(), 1);

        RecoveryStore next(folder.path());
        const std::vector<RecoveryStore::Entry> entries = next.leftBehind();
        if (removedFirst) {
            EXPECT_TRUE(entries.empty());
            EXPECT_EQ(filesIn(folder), QStringList()); // the lock left alone is gone
            continue;
        }
        ASSERT_EQ(entries.size(), 1u);
        DesignDocument restored;
        QString designFileName;
        ASSERT_TRUE(next.restore(entries[0], restored, designFileName).ok());
        EXPECT_EQ(designBytes(restored), designBytes(randomDesign(6)));
        EXPECT_EQ(designFileName, QStringLiteral("lost.df2"));
    }
}

std::string recoveryBytes(const QString& designFileName) {
    std::ostringstream stream;
    EXPECT_TRUE(
        writeRecoveryFile(stream, randomDesign(8), designFileName, QDateTime::currentDateTimeUtc())
            .ok());
    return stream.str();
}

TEST(RecoveryStore, DamagedFilesAreReportedWithTheirCause) {
    const std::string sound = recoveryBytes(QStringLiteral("abcdef"));
    std::string otherMagic = sound;
    otherMagic[0] = 'X';
    // The name "abcdef" ends at byte 41, where the length of the layer effects' text starts.
    const std::string badEffects =
        sound.substr(0, 41) + std::string("\x02\0\0\0{}", 6) + sound.substr(45);
    std::string laterVersion = sound;
    laterVersion[12] = 4;
    const struct {
        const char* label;
        std::string bytes;
        QString cause;
    } cases[] = {
        {"empty", "", QStringLiteral("the file is empty")},
        {"wrong magic", otherMagic, QStringLiteral("it is not a recovery file")},
        {"cut inside the magic", sound.substr(0, 5), QStringLiteral("its header is cut short")},
        {"cut inside the seed", sound.substr(0, 29), QStringLiteral("its header is cut short")},
        {"cut inside the name", sound.substr(0, 38), QStringLiteral("its header is cut short")},
        {"later layout", laterVersion, QStringLiteral("it has the layout version 4")},
        {"cut inside the effects' length", sound.substr(0, 43),
         QStringLiteral("its header is cut short")},
        {"unsound effects", badEffects,
         QStringLiteral("its design is damaged: the key \"Layers\" is missing")},
        {"cut inside the design", sound.substr(0, sound.size() - 9),
         QStringLiteral("its design is damaged")},
        {"trailing junk", sound + "junk", QStringLiteral("its design is damaged")},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.label);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("damaged.recovery"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(test.bytes.data(), static_cast<qint64>(test.bytes.size()));
        file.close();

        RecoveryStore store(folder.path());
        const std::vector<RecoveryStore::Entry> entries = store.leftBehind();
        ASSERT_EQ(entries.size(), 1u);
        const QString message = entries[0].problem.message();
        EXPECT_FALSE(entries[0].problem.ok());
        EXPECT_TRUE(message.startsWith(
            QStringLiteral("Cannot read the recovery file \"%1\": %2").arg(path, test.cause)))
            << message.toStdString();
        EXPECT_FALSE(message.contains(QLatin1Char('\n')));

        DesignDocument document = randomDesign(9);
        QString designFileName = QStringLiteral("held");
        EXPECT_FALSE(store.restore(entries[0], document, designFileName).ok());
        EXPECT_EQ(designBytes(document), designBytes(randomDesign(9)));
        EXPECT_EQ(designFileName, QStringLiteral("held"));
        EXPECT_TRUE(store.discard(entries[0]).ok());
        EXPECT_EQ(filesIn(folder), QStringList());
    }
}

TEST(RecoveryStore, NewestComeFirstAndDamagedLast) {
    QTemporaryDir folder;
    const auto writeAt = [&folder](const char* name, qint64 milliseconds) {
        ASSERT_TRUE(
            writeRecoveryFile(folder.filePath(QString::fromLatin1(name)), randomDesign(10),
                              QString::fromLatin1(name),
                              QDateTime::fromMSecsSinceEpoch(milliseconds, QTimeZone::utc()))
                .ok());
    };
    writeAt("a.recovery", 1'600'000'000'000);
    QFile damaged(folder.filePath(QStringLiteral("b.recovery")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.close();
    writeAt("c.recovery", 1'700'000'000'000);

    const std::vector<RecoveryStore::Entry> entries = RecoveryStore(folder.path()).leftBehind();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].designFileName, QStringLiteral("c.recovery"));
    EXPECT_EQ(entries[1].designFileName, QStringLiteral("a.recovery"));
    EXPECT_FALSE(entries[2].problem.ok());
}

TEST(RecoveryStore, WritesThatCannotSucceedSayWhy) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("file"));
    ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly));
    for (const QString& unwritable : {file, file + QStringLiteral("/recovery")}) {
        const common::Status written = RecoveryStore(unwritable).write(randomDesign(12), QString());
        const QString context =
            QStringLiteral("Cannot create the recovery folder \"%1\": ").arg(unwritable);
        EXPECT_FALSE(written.ok());
        EXPECT_TRUE(written.message().startsWith(context)) << written.message().toStdString();
        EXPECT_GT(written.message().size(), context.size()); // the system's reason
    }

    // A ramp longer than a design file holds fails and keeps the earlier file.
    RecoveryStore store(folder.path());
    ASSERT_TRUE(store.write(randomDesign(13), QString()).ok());
    DesignDocument tooLong = randomDesign(13);
    tooLong.RampLength = RampCapacity + 1;
    const common::Status written = store.write(tooLong, QString());
    EXPECT_FALSE(written.ok());
    EXPECT_TRUE(written.message().contains(QStringLiteral("at most 256")))
        << written.message().toStdString();
    DesignDocument kept;
    QString designFileName;
    QDateTime when;
    ASSERT_TRUE(readRecoveryFile(store.path(), kept, designFileName, when).ok());
    EXPECT_EQ(designBytes(kept), designBytes(randomDesign(13)));
}

} // namespace
} // namespace kirabellum
