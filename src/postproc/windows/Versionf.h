#pragma once

#include "common/windows/SplashWindow.h"

#include <QImage>

namespace koratune {

// The version window: a borderless splash of 299 x 227 pixels, centred on the
// screen. It closes on a click, when it loses the focus, or after 5 seconds.
class Versionf : public common::SplashWindow {
    Q_OBJECT

public:
    explicit Versionf(QWidget* parent = nullptr);

    // The splash artwork, drawn at run time in the windows' language.
    static QImage artwork();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QImage artwork_;
};

} // namespace koratune
