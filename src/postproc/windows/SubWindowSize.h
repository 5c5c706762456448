#pragma once

class QWidget;

namespace koratune {

// Gives a tool window a fixed border: the child window that holds `content`
// takes the size its content asks for and cannot be resized by the user.
// Does nothing to a widget that is not held by a child window.
void fitSubWindowToContent(QWidget* content);

} // namespace koratune
