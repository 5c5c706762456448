#include "common/CommandWords.h"

#include <ostream>

namespace common {

namespace {

const QString helpOption = QStringLiteral("help");

// An option's name as it is typed: "-o", "--output".
QString typed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

} // namespace

CommandWords::CommandWords(const QString& name, const QString& usage, const QString& help,
                           const QList<QCommandLineOption>& options)
    : name_(name), usage_(usage), help_(help), options_(options) {
    options_.append(QCommandLineOption(QStringList{QStringLiteral("h"), helpOption}));
    parser_.addOptions(options_);
}

void CommandWords::leaveWordsAfterCommand() {
    parser_.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
}

std::optional<ExitCode> CommandWords::read(const QStringList& words, std::ostream& out,
                                           std::ostream& err) {
    // The parser takes the program's name first.
    if (!parser_.parse(QStringList(name_) + words))
        return usageError(parseProblem(words), err);
    if (parser_.isSet(helpOption)) {
        out << help_.toStdString();
        return ExitSuccess;
    }
    const QString missing = missingValue();
    if (!missing.isEmpty())
        return usageError(missing, err);
    return std::nullopt;
}

Status CommandWords::wholeNumber(const QString& option, int minimum, int maximum,
                                 int& number) const {
    if (!parser_.isSet(option))
        return Status::success();
    const QString text = parser_.value(option);
    const QString name = typed(option);
    bool valid = false;
    const int value = text.toInt(&valid);
    if (!valid)
        return Status::failure(
            QStringLiteral("%1 expects a whole number, not \"%2\"").arg(name, text));
    if (value < minimum || value > maximum)
        return Status::failure(QStringLiteral("%1 must be from %2 to %3, not %4")
                                   .arg(name)
                                   .arg(minimum)
                                   .arg(maximum)
                                   .arg(value));
    number = value;
    return Status::success();
}

ExitCode CommandWords::usageError(const QString& problem, std::ostream& err) const {
    err << name_.toStdString() << ": " << problem.toStdString() << '\n' << usage_.toStdString();
    return ExitUsage;
}

QString CommandWords::parseProblem(const QStringList& words) const {
    const QStringList unknown = parser_.unknownOptionNames();
    if (!unknown.isEmpty())
        return QStringLiteral("unknown option \"%1\"").arg(typed(unknown.first()));
    const QString missing = missingValue();
    if (!missing.isEmpty())
        return missing;
    for (const QCommandLineOption& option : options_) {
        const QString name = typed(option.names().last());
        for (const QString& word : words)
            if (option.valueName().isEmpty() && word.startsWith(name + QLatin1Char('=')))
                return QStringLiteral("%1 takes no value").arg(name);
    }
    return parser_.errorText();
}

QString CommandWords::missingValue() const {
    for (const QCommandLineOption& option : options_) {
        if (option.valueName().isEmpty() || !parser_.isSet(option))
            continue;
        const QStringList values = parser_.values(option);
        if (values.isEmpty() || values.contains(QString()))
            return QStringLiteral("%1 expects a value").arg(typed(option.names().last()));
    }
    return QString();
}

} // namespace common
