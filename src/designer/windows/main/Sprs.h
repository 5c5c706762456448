#pragma once

#include "common/windows/SplashWindow.h"

namespace kirabellum {

// The splash and version window "Kirabellum": a 299 x 227 picture that closes
// on a click, when it loses the focus, or after 5 seconds.
class Sprs : public common::SplashWindow {
    Q_OBJECT
public:
    explicit Sprs(QWidget* parent = nullptr);

    // The one splash window of the program, as start-up and the version command
    // show it: a window that is already open is only brought to the front.
    static Sprs* showSplash();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kirabellum
