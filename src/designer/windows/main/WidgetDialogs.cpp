#include "windows/main/WidgetDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace kirabellum {

namespace {

// "Description(*.ext)|*.ext" becomes Qt's "Description(*.ext)".
QString qtFilter(const QString& filter) {
    return filter.section(QLatin1Char('|'), 0, 0);
}

QString startPath(const QString& folder, const QString& fileName) {
    if (fileName.isEmpty())
        return folder;
    return QDir(folder).filePath(fileName);
}

} // namespace

QString WidgetDialogs::openFileName(const QString& folder, const QString& fileName,
                                    const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, QString(), startPath(folder, fileName),
                                        qtFilter(filter));
}

QString WidgetDialogs::saveFileName(const QString& folder, const QString& fileName,
                                    const QString& filter) {
    return QFileDialog::getSaveFileName(parent_, QString(), startPath(folder, fileName),
                                        qtFilter(filter));
}

void WidgetDialogs::warning(const QString& title, const QString& text) {
    QMessageBox::warning(parent_, title, text);
}

bool WidgetDialogs::confirm(const QString& title, const QString& text) {
    return QMessageBox::warning(parent_, title, text, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

} // namespace kirabellum
