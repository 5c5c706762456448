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

        // "title: text", for comparing whole messages.
        QString line() const { return title + QStringLiteral(": ") + text; }
    };

    // A file the user picks, with the filter chosen (the first unless told).
    struct Answer : FileChoice {
        Answer(const QString& file, int filter = 0) : FileChoice{file, filter} {}
    };

    std::deque<Answer> openAnswers;
    std::deque<Answer> saveAnswers;
    std::deque<bool> confirmAnswers;
    std::deque<SaveAnswer> unsavedAnswers; // to the question before changes are lost
    std::deque<bool> yesNoAnswers;

    std::vector<FileQuestion> openQuestions;
    std::vector<FileQuestion> saveQuestions;
    std::vector<Message> warnings;
    std::vector<Message> confirmations;
    std::vector<Message> unsavedQuestions;
    std::vector<Message> yesNoQuestions;

    FileChoice openFile(const QString& folder, const QString& fileName,
                        const QString& filter) override {
        openQuestions.push_back({folder, fileName, filter});
        return take(openAnswers);
    }
    FileChoice saveFile(const QString& folder, const QString& fileName,
                        const QString& filter) override {
        saveQuestions.push_back({folder, fileName, filter});
        return take(saveAnswers);
    }
    void warning(const QString& title, const QString& text) override {
        warnings.push_back({title, text});
    }
    bool confirm(const QString& title, const QString& text) override {
        confirmations.push_back({title, text});
        return take(confirmAnswers, false);
    }

    SaveAnswer askToSave(const QString& title, const QString& text) override {
        unsavedQuestions.push_back({title, text});
        return take(unsavedAnswers, SaveAnswer::Cancel);
    }
    bool askYesNo(const QString& title, const QString& text) override {
        yesNoQuestions.push_back({title, text});
        return take(yesNoAnswers, false);
    }

private:
    template <class Answer> static Answer take(std::deque<Answer>& answers, Answer otherwise) {
        if (answers.empty())
            return otherwise;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    static FileChoice take(std::deque<Answer>& answers) {
        if (answers.empty())
            return {};
        const FileChoice answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace kirabellum
