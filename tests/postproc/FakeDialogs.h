#pragma once

#include "core/PostprocDialogs.h"

#include <deque>
#include <vector>

namespace koratune {

// Answers the windows' dialogs in the user's place. A file dialog takes the
// next queued answer; with none queued (or an empty one) it is cancelled.
class FakeDialogs : public PostprocDialogs {
public:
    struct Message {
        QString title;
        QString text;
    };

    QString openFileName(QWidget* parent, const QString& caption, const QString& proposed,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                         const QString& filter) override;
    void warning(QWidget* parent, const QString& title, const QString& text) override;
    bool confirm(QWidget* parent, const QString& title, const QString& text) override;

    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    bool confirmAnswer = true;

    int openDialogs = 0;
    int saveDialogs = 0;
    QString lastFilter;
    QString lastProposed;
    std::vector<Message> warnings;
    std::vector<Message> questions;
};

} // namespace koratune
