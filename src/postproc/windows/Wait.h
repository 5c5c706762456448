#pragma once

#include "core/Recolouring.h"
#include "core/SharedSettings.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace common {
class JobRunner;
}

namespace koratune {

class FrameImages;

// The progress window of a recolouring: a borderless window that starts the
// run 50 ms after it opens, shows the row being recoloured and closes when
// the run ends. Its stop button ("中止") closes it at once; the run then ends
// after the row it is on.
class Wait : public QDialog {
    Q_OBJECT

public:
    Wait(FrameImages& images, const SharedSettings& settings, QWidget* parent = nullptr);

    QProgressBar* RenderBar() const { return renderBar_; }
    QPushButton* Command1() const { return command1_; }
    QTimer* Timer1() const;

    // Clears the run flag when the window closes, whichever way it closes.
    void done(int result) override;

    // Whether the window closed before the run had recoloured every row (or
    // before it started), and the rows it recoloured.
    bool cancelled() const;
    int rowsRecoloured() const { return rowsRecoloured_; }
    // How long the run took, in milliseconds (0 before it has run).
    qint64 runMilliseconds() const { return runMilliseconds_; }

Q_SIGNALS:
    // The run is about to recolour `row`.
    void rowStarted(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    FrameImages& images_;
    SharedSettings settings_;
    Recolouring run_;
    QLabel* label1_;
    QProgressBar* renderBar_;
    QPushButton* command1_;
    common::JobRunner* runner_;
    int rowsRecoloured_ = 0;
    qint64 runMilliseconds_ = 0;
};

} // namespace koratune
