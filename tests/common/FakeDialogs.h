#pragma once

#include "common/Dialogs.h"

#include <deque>
#include <vector>

namespace common::test {

// Answers the dialogs in the user's place from queues a test sets up, and
// records what was asked. An empty queue answers as Cancel (or No) would.
class FakeDialogs : public Dialogs {
public:
    struct FileQuestion {
        QString caption;
        QString proposed;
        FileFilters filters;
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
    std::deque<int> choiceAnswers; // indices into the choices offered

    std::vector<FileQuestion> openQuestions;
    std::vector<FileQuestion> saveQuestions;
    std::vector<Message> warnings;
    std::vector<Message> confirmations;
    std::vector<Message> unsavedQuestions;
    std::vector<Message> yesNoQuestions;
    std::vector<Message> choiceQuestions;
    std::vector<QStringList> choicesOffered;

    FileChoice openFile(const QString& caption, const QString& proposed,
                        const FileFilters& filters) override {
        openQuestions.push_back({caption, proposed, filters});
        return take(openAnswers, Answer(QString()));
    }
    // The name is returned as queued: the extension is the real dialog's to add.
    FileChoice saveFile(const QString& caption, const QString& proposed, const FileFilters& filters,
                        const QString&) override {
        saveQuestions.push_back({caption, proposed, filters});
        return take(saveAnswers, Answer(QString()));
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
    int choose(const QString& title, const QString& text, const QStringList& choices) override {
        choiceQuestions.push_back({title, text});
        choicesOffered.push_back(choices);
        return take(choiceAnswers, static_cast<int>(choices.size()) - 1);
    }

private:
    template <class Answer> static Answer take(std::deque<Answer>& answers, Answer otherwise) {
        if (answers.empty())
            return otherwise;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace common::test
