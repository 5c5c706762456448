#include "windows/main/WidgetDialogs.h"

#include "common/windows/WindowPlacement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace kirabellum {

namespace {

// "A(*.a)|*.a|B(*.b)|*.b" becomes Qt's filters "A(*.a)" and "B(*.b)".
QStringList qtFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype index = 0; index < parts.size(); index += 2)
        if (!parts[index].isEmpty())
            filters << parts[index];
    return filters;
}

QString startPath(const QString& folder, const QString& fileName) {
    if (fileName.isEmpty())
        return folder;
    return QDir(folder).filePath(fileName);
}

DesignerDialogs::FileChoice ask(QFileDialog::AcceptMode mode, QWidget* parent,
                                const QString& folder, const QString& fileName,
                                const QString& filter) {
    const QStringList filters = qtFilters(filter);
    QFileDialog dialog(parent, QString(), startPath(folder, fileName));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    common::widenFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {QString(), 0};
    return {dialog.selectedFiles().constFirst(),
            std::max(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())))};
}

} // namespace

DesignerDialogs::FileChoice WidgetDialogs::openFile(const QString& folder, const QString& fileName,
                                                    const QString& filter) {
    return ask(QFileDialog::AcceptOpen, parent_, folder, fileName, filter);
}

DesignerDialogs::FileChoice WidgetDialogs::saveFile(const QString& folder, const QString& fileName,
                                                    const QString& filter) {
    return ask(QFileDialog::AcceptSave, parent_, folder, fileName, filter);
}

void WidgetDialogs::warning(const QString& title, const QString& text) {
    QMessageBox::warning(parent_, title, text);
}

bool WidgetDialogs::confirm(const QString& title, const QString& text) {
    // Enter answers Cancel: a question before something is done is never
    // answered by a key pressed by accident.
    return QMessageBox::warning(parent_, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                                QMessageBox::Cancel) == QMessageBox::Ok;
}

DesignerDialogs::SaveAnswer WidgetDialogs::askToSave(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.button(QMessageBox::Save)
        ->setText(QCoreApplication::translate("kirabellum::WidgetDialogs", "保存(&S)"));
    box.button(QMessageBox::Discard)
        ->setText(QCoreApplication::translate("kirabellum::WidgetDialogs", "保存しない(&N)"));
    box.button(QMessageBox::Cancel)
        ->setText(QCoreApplication::translate("kirabellum::WidgetDialogs", "キャンセル"));
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

bool WidgetDialogs::askYesNo(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    parent_);
    box.button(QMessageBox::Yes)
        ->setText(QCoreApplication::translate("kirabellum::WidgetDialogs", "はい(&Y)"));
    box.button(QMessageBox::No)
        ->setText(QCoreApplication::translate("kirabellum::WidgetDialogs", "いいえ(&N)"));
    return box.exec() == QMessageBox::Yes;
}

} // namespace kirabellum
