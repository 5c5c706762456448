#pragma once

#include <QString>

#include <functional>

class QMimeData;
class QWidget;

namespace common {

// The file a drag brings, when it brings exactly one local file; otherwise an
// empty string (several files, a folder, text or a remote address).
QString droppedFile(const QMimeData* data);

// Lets `target` take a file dropped on it: a drag that brings one file is
// accepted, and the dropped file's path goes to `open`.
void acceptFileDrops(QWidget& target, std::function<void(const QString& path)> open);

} // namespace common
