#include "common/windows/WindowPlacement.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTreeView>
#include <QWidget>

#include <algorithm>

namespace common {

namespace {

constexpr int FileDialogWidth = 860;
constexpr int FileDialogHeight = 520;

} // namespace

void centreOnScreen(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

void widenFileDialog(QFileDialog& dialog) {
    QSize size(FileDialogWidth, FileDialogHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    dialog.resize(size.expandedTo(dialog.sizeHint()));
    dialog.setViewMode(QFileDialog::Detail);
    // The toolkit's own dialog (not a platform one) lists files in a tree view
    // whose columns start at fixed widths; the name takes what the others leave.
    if (auto* list = dialog.findChild<QTreeView*>()) {
        QHeaderView* header = list->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
}

} // namespace common
