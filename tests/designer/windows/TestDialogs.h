#pragma once

#include "core/session/DesignerDialogs.h"

#include <QStringList>

#include <deque>
#include <vector>

namespace kirabellum {

// Answers the designer's dialogs from queues set up by a test, and records what
// was asked. An empty queue answers like Cancel.
class TestDialogs : public DesignerDialogs {
public:
    struct FileQuestion {
        QString folder;
        QString fileName;
        QString filter;
    };
    struct Message {
        QString title;
        QString text;
    };

    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    std::deque<bool> confirmAnswers;

    std::vector<FileQuestion> openQuestions;
    std::vector<FileQuestion> saveQuestions;
    std::vector<Message> warnings;
    std::vector<Message> confirmations;

    QString openFileName(const QString& folder, const QString& fileName,
                         const QString& filter) override {
        openQuestions.push_back({folder, fileName, filter});
        return take(openAnswers);
    }
    QString saveFileName(const QString& folder, const QString& fileName,
                         const QString& filter) override {
        saveQuestions.push_back({folder, fileName, filter});
        return take(saveAnswers);
    }
    void warning(const QString& title, const QString& text) override {
        warnings.push_back({title, text});
    }
    bool confirm(const QString& title, const QString& text) override {
        confirmations.push_back({title, text});
        if (confirmAnswers.empty())
            return false;
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }

private:
    static QString take(std::deque<QString>& answers) {
        if (answers.empty())
            return QString();
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace kirabellum
