#include "windows/Pict.h"

namespace koratune {

Pict::Pict(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Pict"));
    setAttribute(Qt::WA_DontShowOnScreen);
    hide();
}

} // namespace koratune
