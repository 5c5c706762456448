#include "FakeDialogs.h"

namespace koratune {

namespace {

QString nextAnswer(std::deque<QString>& answers) {
    if (answers.empty())
        return QString();
    const QString answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace

QString FakeDialogs::openFileName(QWidget*, const QString&, const QString& proposed,
                                  const QString& filter) {
    ++openDialogs;
    lastProposed = proposed;
    lastFilter = filter;
    return nextAnswer(openAnswers);
}

QString FakeDialogs::saveFileName(QWidget*, const QString&, const QString& proposed,
                                  const QString& filter) {
    ++saveDialogs;
    lastProposed = proposed;
    lastFilter = filter;
    return nextAnswer(saveAnswers);
}

void FakeDialogs::warning(QWidget*, const QString& title, const QString& text) {
    warnings.push_back({title, text});
}

bool FakeDialogs::confirm(QWidget*, const QString& title, const QString& text) {
    questions.push_back({title, text});
    return confirmAnswer;
}

} // namespace koratune
