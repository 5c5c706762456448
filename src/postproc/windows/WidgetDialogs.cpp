#include "windows/WidgetDialogs.h"

#include "common/windows/WindowPlacement.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace koratune {

QString WidgetDialogs::openFileName(QWidget* parent, const QString& caption,
                                    const QString& proposed, const QString& filter) {
    QFileDialog dialog(parent, caption, proposed, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    common::widenFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString WidgetDialogs::saveFileName(QWidget* parent, const QString& caption,
                                    const QString& proposed, const QString& filter) {
    QFileDialog dialog(parent, caption, proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension takes the first filter's.
    const QRegularExpressionMatch extension =
        QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
    dialog.setDefaultSuffix(extension.hasMatch() ? extension.captured(1) : QString());
    common::widenFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void WidgetDialogs::warning(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::warning(parent, title, text);
}

bool WidgetDialogs::confirm(QWidget* parent, const QString& title, const QString& text) {
    return QMessageBox::warning(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                                QMessageBox::Cancel) == QMessageBox::Ok;
}

} // namespace koratune
