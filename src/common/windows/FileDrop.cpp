#include "common/windows/FileDrop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace common {

QString droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return QString();
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile())
        return QString();
    const QString path = url.toLocalFile();
    return QFileInfo(path).isDir() ? QString() : path;
}

namespace {

// Watches the target's drag and drop events.
class DropFilter : public QObject {
public:
    DropFilter(QWidget& target, std::function<void(const QString&)> open)
        : QObject(&target), open_(std::move(open)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop)
            return QObject::eventFilter(watched, event);
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = droppedFile(drop->mimeData());
        if (path.isEmpty())
            return false;
        drop->acceptProposedAction();
        if (event->type() == QEvent::Drop)
            open_(path);
        return true;
    }

private:
    std::function<void(const QString&)> open_;
};

} // namespace

void acceptFileDrops(QWidget& target, std::function<void(const QString& path)> open) {
    target.setAcceptDrops(true);
    target.installEventFilter(new DropFilter(target, std::move(open)));
}

} // namespace common
