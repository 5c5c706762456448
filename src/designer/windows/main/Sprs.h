#pragma once

#include <QWidget>

class QTimer;

namespace kirabellum {

// The splash and version window "Kirabellum": a 299 x 227 picture that closes
// on a click, when it loses the focus, or after 5 seconds.
class Sprs : public QWidget {
    Q_OBJECT
public:
    explicit Sprs(QWidget* parent = nullptr);

    // Shows the window centred on the screen, on top, with the focus.
    void showCentred();

    // The one splash window of the program, as start-up and the version command
    // show it: a window that is already open is only brought to the front.
    static Sprs* showSplash();

    QTimer* Timer1;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool hadFocus_ = false;
};

} // namespace kirabellum
