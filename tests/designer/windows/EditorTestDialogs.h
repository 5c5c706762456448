#pragma once

#include "core/session/DesignerDialogs.h"

#include <QString>
#include <QStringList>

#include <deque>

namespace kirabellum::test {

// Answers the file dialogs from queues the test fills (an empty answer is a
// cancelled dialog) and records every message box.
class EditorTestDialogs : public DesignerDialogs {
public:
    FileChoice openFile(const QString&, const QString&, const QString& filter) override {
        lastFilter = filter;
        return {next(openAnswers)};
    }
    FileChoice saveFile(const QString&, const QString&, const QString& filter) override {
        lastFilter = filter;
        return {next(saveAnswers)};
    }
    void warning(const QString& title, const QString& text) override {
        warnings.append(title + QStringLiteral(": ") + text);
    }
    bool confirm(const QString&, const QString&) override { return true; }

    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    QStringList warnings;
    QString lastFilter;

private:
    static QString next(std::deque<QString>& answers) {
        if (answers.empty())
            return QString();
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace kirabellum::test
