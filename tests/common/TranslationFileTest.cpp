#include <QFile>
#include <QRegularExpression>
#include <QSet>
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

TEST(TranslationFile, EveryMessageIsTranslatedWithTheMarkersOfItsSource) {
    const std::vector<Message> messages =
        readMessages(QStringLiteral(MESSAGES_DIRECTORY "/messages_ja.ts"));
    ASSERT_FALSE(messages.empty());
    for (const Message& message : messages) {
        const std::string where =
            (message.context + QStringLiteral(": ") + message.source).toStdString();
        EXPECT_TRUE(message.type.isEmpty()) << message.type.toStdString() << " " << where;
        EXPECT_FALSE(message.translation.trimmed().isEmpty()) << where;
        EXPECT_EQ(markersOf(message.translation), markersOf(message.source)) << where;
    }
}

} // namespace
