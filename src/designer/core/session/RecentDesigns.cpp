#include "core/session/RecentDesigns.h"

#include <QFileInfo>
#include <QSettings>

namespace kirabellum {

namespace {

// The designer's settings: kirabellum/kirabellum in the user's settings.
const QString Program = QStringLiteral("kirabellum");
const QString Key = QStringLiteral("RecentDesigns");

} // namespace

QStringList RecentDesigns::paths() const {
    QStringList paths = QSettings(Program, Program).value(Key).toStringList();
    paths.removeAll(QString());
    return paths.mid(0, Limit);
}

void RecentDesigns::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = paths();
    list.removeAll(absolute);
    list.prepend(absolute);
    store(list.mid(0, Limit));
}

void RecentDesigns::remove(const QString& path) {
    QStringList list = paths();
    list.removeAll(path);
    store(list);
}

void RecentDesigns::store(const QStringList& paths) {
    QSettings(Program, Program).setValue(Key, paths);
}

} // namespace kirabellum
