#include "windows/Pict.h"

namespace koratune {

Pict::Pict(FrameImages& images, QWidget* parent) : QWidget(parent), images_(images) {
    setObjectName(QStringLiteral("Pict"));
    setAttribute(Qt::WA_DontShowOnScreen);
    hide();
}

} // namespace koratune
