#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace koratune {

// A status line, made each time it is shown, in the windows' language of the
// moment: the status bar says it again when the language changes.
using StatusText = std::function<QString()>;

// What the post-processor's windows tell the main window without knowing it:
// the work image has changed, or a line for the status bar.
class PostprocEvents : public QObject {
    Q_OBJECT

Q_SIGNALS:
    // The work image is new (a recolouring ended): the preview shows it as
    // opening an image does.
    void workImageChanged();
    // A line for the main window's status bar.
    void statusShown(const koratune::StatusText& text);
};

} // namespace koratune
