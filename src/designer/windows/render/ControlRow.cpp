#include "windows/render/ControlRow.h"

#include <QHBoxLayout>

namespace kirabellum {

void layOutControlRow(QWidget& row, QLabel* const* labels, QWidget* const* controls,
                      std::size_t count) {
    auto* layout = new QHBoxLayout(&row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (std::size_t control = 0; control < count; ++control) {
        QLabel* label = labels[control];
        label->setBuddy(controls[control]);
        layout->addWidget(label);
        layout->addWidget(controls[control]);
    }
    layout->addStretch();
}

} // namespace kirabellum
