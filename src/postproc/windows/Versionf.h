#pragma once

#include <QImage>
#include <QWidget>

class QTimer;

namespace koratune {

// The version window: a borderless splash of 299 x 227 pixels, centred on the
// screen. It closes on a click, when it loses the focus, or after 5 seconds.
class Versionf : public QWidget {
    Q_OBJECT

public:
    explicit Versionf(QWidget* parent = nullptr);

    QTimer* Timer1() const { return timer1_; }

    // The splash artwork, drawn at run time.
    static QImage artwork();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QImage artwork_;
    QTimer* timer1_;
    bool hadFocus_ = false;
};

} // namespace koratune
