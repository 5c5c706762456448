#pragma once

#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>

namespace kirabellum {

// What the designer's windows tell one another without knowing one another:
// the progress window announces a render's start, frames and end, and any
// window a line for the status bar. The windows that care connect to these.
class DesignerEvents : public QObject {
    Q_OBJECT
public:
    // Says on the status bar which files were just written (saved or exported).
    void reportWritten(const QStringList& paths);

Q_SIGNALS:
    // A passing line for the main window's status bar.
    void statusShown(const QString& text);
    // A render is about to be prepared: the render settings window first
    // writes the settings it shows into the document.
    void renderPreparing();
    // The strip is laid out and cleared to `background`; from here to
    // renderEnded the preview shows the frames as they are drawn.
    void renderStarted(int frameSize, QRgb background);
    // Frame f of `frameCount` is in the strip, in `cell`.
    void frameRendered(int frameIndex, int frameCount, const QImage& strip, const QRect& cell);
    // The render has ended, finished, cancelled or refused.
    void renderEnded();
};

} // namespace kirabellum
