#include "cli/AtlasList.h"

#include "common/sheets/SheetOptionTable.h"
#include "core/document/SeedText.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace kirabellum {

namespace {

// Reads one "seed=N" or "variants=N" word into `entry`; the problem with it, or nothing.
QString readSetting(const QString& key, const QString& value, AtlasListEntry& entry) {
    if (key == QLatin1String("seed")) {
        if (entry.seed)
            return QStringLiteral("seed= is given twice");
        entry.seed = seedFromText(value);
        if (!entry.seed)
            return QStringLiteral("the seed \"%1\" is not a whole number from 0 to "
                                  "18446744073709551615")
                .arg(value);
        return QString();
    }
    if (entry.variants)
        return QStringLiteral("variants= is given twice");
    bool number = false;
    const int variants = value.toInt(&number);
    if (!number || variants < 1 || variants > common::MaximumVariants)
        return QStringLiteral("variants must be from 1 to %1, not \"%2\"")
            .arg(common::MaximumVariants)
            .arg(value);
    entry.variants = variants;
    return QString();
}

// Reads one line that says something; the problem with it, or nothing.
QString readLine(QString line, const QDir& folder, AtlasListEntry& entry) {
    // The settings are the last words of the line; the path is what is before them.
    static const QRegularExpression setting(QStringLiteral("\\s+(seed|variants)=(\\S*)$"));
    for (QRegularExpressionMatch match = setting.match(line); match.hasMatch();
         match = setting.match(line)) {
        const QString problem = readSetting(match.captured(1), match.captured(2), entry);
        if (!problem.isEmpty())
            return problem;
        line.truncate(match.capturedStart());
    }
    if (line.contains(QRegularExpression(QStringLiteral("^(seed|variants)="))))
        return QStringLiteral("no design before \"%1\"").arg(line);
    entry.path = QDir::cleanPath(folder.filePath(line));
    return QString();
}

} // namespace

common::Status parseAtlasList(const QString& text, const QString& listPath,
                              std::vector<AtlasListEntry>& entries) {
    const QDir folder = QFileInfo(listPath).absoluteDir();
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int index = 0; index < lines.size(); ++index) {
        const QString line = lines[index].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        AtlasListEntry entry;
        const QString problem = readLine(line, folder, entry);
        if (!problem.isEmpty())
            return common::Status::failure(
                QStringLiteral("%1, line %2: %3").arg(listPath).arg(index + 1).arg(problem));
        entries.push_back(entry);
    }
    if (entries.empty())
        return common::Status::failure(QStringLiteral("%1 lists no design").arg(listPath));
    return common::Status::success();
}

} // namespace kirabellum
