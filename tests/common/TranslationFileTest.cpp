#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "obsolete", "vanished" ... or empty when done
};

std::vector<Message> readMessages(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.push_back({context, {}, {}, {}});
        } else if (xml.name() == QLatin1String("source")) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

QSet<QString> markersOf(const QString& text) {
    QSet<QString> markers;
    const QRegularExpression marker(QStringLiteral("%\\d+"));
    for (auto match = marker.globalMatch(text); match.hasNext();)
        markers.insert(match.next().captured());
    return markers;
}

// Every text of the sources has a finished translation with the markers of its
// source: lupdate takes the sources' texts into a copy of each catalogue, where
// a text missing from it comes in unfinished. Every catalogue is named with its
// sources by the library it belongs to (else lupdate finds no list of sources).
TEST(TranslationFile, EveryTextOfTheSourcesIsTranslatedWithTheMarkersOfItsSource) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QStringList files =
        QDir(QStringLiteral(MESSAGES_DIRECTORY)).entryList({QStringLiteral("*.ts")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        const QString name = QFileInfo(file).completeBaseName();
        const QString copy = folder.filePath(file);
        ASSERT_TRUE(QFile::copy(QStringLiteral(MESSAGES_DIRECTORY "/") + file, copy))
            << file.toStdString();
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        QProcess lupdate;
        lupdate.start(
            QStringLiteral(LUPDATE_EXECUTABLE),
            {QStringLiteral("-no-obsolete"), QStringLiteral("-locations"), QStringLiteral("none"),
             QStringLiteral("-I"), QStringLiteral(SOURCE_DIRECTORY "/src"), QStringLiteral("-I"),
             QStringLiteral(SOURCE_DIRECTORY "/src/designer"), QStringLiteral("-I"),
             QStringLiteral(SOURCE_DIRECTORY "/src/postproc"),
             QStringLiteral("@" SOURCES_DIRECTORY "/") + name + QStringLiteral(".sources"),
             QStringLiteral("-ts"), copy});
        ASSERT_TRUE(lupdate.waitForFinished(60000)) << file.toStdString();
        ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
        for (const Message& message : readMessages(copy)) {
            const std::string where = (name + QStringLiteral(" ") + message.context +
                                       QStringLiteral(": ") + message.source)
                                          .toStdString();
            EXPECT_TRUE(message.type.isEmpty()) << message.type.toStdString() << " " << where;
            EXPECT_FALSE(message.translation.trimmed().isEmpty()) << where;
            EXPECT_EQ(markersOf(message.translation), markersOf(message.source)) << where;
        }
    }
}

} // namespace
