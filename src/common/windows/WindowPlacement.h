#pragma once

class QFileDialog;
class QWidget;

namespace common {

// Moves a top-level window so that its frame is centred on the primary screen.
void centreOnScreen(QWidget& window);

// Gives a file dialog the room to show its name, size, type and date columns
// whole: the toolkit's own dialog opens so narrow that it cuts them off.
void widenFileDialog(QFileDialog& dialog);

} // namespace common
