#include "core/session/DesignerEvents.h"

#include <QCoreApplication>
#include <QDir>

namespace kirabellum {

void DesignerEvents::reportWritten(const QStringList& paths) {
    QStringList shown;
    for (const QString& path : paths)
        shown << QDir::toNativeSeparators(path);
    Q_EMIT statusShown(QCoreApplication::translate("kirabellum::DesignerEvents", "保存しました: %1")
                           .arg(shown.join(QStringLiteral(", "))));
}

} // namespace kirabellum
