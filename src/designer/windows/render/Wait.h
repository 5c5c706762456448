#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace common {
class JobRunner;
}

namespace kirabellum {

class DesignerSession;

// The modal render window: shows the frame being rendered and offers "中止".
// 50 ms after it opens it prepares and runs the render, then closes itself.
class Wait : public QDialog {
    Q_OBJECT
public:
    Wait(DesignerSession& session, QWidget* parent);

    QLabel* Label1;
    QProgressBar* RenderBar;
    QPushButton* Command1; // "中止"
    QTimer* Timer1;

Q_SIGNALS:
    // The run has drawn frame f and is about to let pending events through.
    void yielding(int frameIndex);

protected:
    void changeEvent(QEvent* event) override;
    void reject() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void retranslate();
    void Command1_Click();
    bool PrepareRender();
    void RunFrames();

    DesignerSession& session_;
    common::JobRunner* runner_;
};

} // namespace kirabellum
