#pragma once

#include <QWidget>

class QTimer;

namespace common {

// A frameless splash window of 299 x 227 pixels, centred on the screen and on
// top, as both programs show their name and version: it closes on a click,
// when it loses the focus it had, when `Timer1` runs out after 5 seconds, or
// when any dialog opens, which it would otherwise cover. The program's window
// draws the picture.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    QTimer* Timer1() const { return timer1_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTimer* timer1_;
    bool hadFocus_ = false;
};

} // namespace common
