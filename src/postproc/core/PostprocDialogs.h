#pragma once

#include <QString>

class QWidget;

namespace koratune {

// The file dialogs and message boxes of the post-processor's windows. The
// windows ask through this interface so that tests can answer in their place.
class PostprocDialogs {
public:
    virtual ~PostprocDialogs() = default;

    // The file to read, starting from `proposed`; empty when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& proposed,
                                 const QString& filter) = 0;
    // The file to write, starting from `proposed`; empty when cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                                 const QString& filter) = 0;
    // A message with an exclamation icon and an OK button.
    virtual void warning(QWidget* parent, const QString& title, const QString& text) = 0;
    // A question with an exclamation icon and OK and Cancel; true for OK.
    virtual bool confirm(QWidget* parent, const QString& title, const QString& text) = 0;
};

} // namespace koratune
