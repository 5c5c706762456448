#include "common/windows/WidgetDialogs.h"

#include "common/FileNames.h"
#include "common/windows/WindowPlacement.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace common {

QStringList WidgetDialogs::qtFilters(const FileFilters& filters) {
    QStringList qtForms;
    for (const FileFilter& filter : filters) {
        const QString patterns = filter.patterns.join(QLatin1Char(' '));
        qtForms << (filter.description.isEmpty()
                        ? patterns
                        : filter.description + QLatin1Char('(') + patterns + QLatin1Char(')'));
    }
    return qtForms;
}

QWidget* WidgetDialogs::parent() const {
    // A modal window (an output or export window) is the parent of what it
    // asks; anything else is asked over the main window, never over a splash
    // window that closes when it loses the focus.
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : mainWindow_.data();
}

Dialogs::FileChoice WidgetDialogs::ask(QFileDialog::AcceptMode mode, const QString& caption,
                                       const QString& proposed, const FileFilters& filters,
                                       const QString& defaultExtension) const {
    const QStringList qtForms = qtFilters(filters);
    // A bare name, or none, is proposed in the user's pictures folder rather
    // than in whatever folder the program was started from.
    QFileDialog dialog(parent(), caption,
                       QFileInfo(proposed).isAbsolute()
                           ? proposed
                           : QDir(userFolder(UserFolder::Pictures)).filePath(proposed));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setNameFilters(qtForms);
    dialog.setDefaultSuffix(defaultExtension);
    widenFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {QString(), 0};
    return {dialog.selectedFiles().constFirst(),
            std::max(0, static_cast<int>(qtForms.indexOf(dialog.selectedNameFilter())))};
}

Dialogs::FileChoice WidgetDialogs::openFile(const QString& caption, const QString& proposed,
                                            const FileFilters& filters) {
    return ask(QFileDialog::AcceptOpen, caption, proposed, filters, QString());
}

Dialogs::FileChoice WidgetDialogs::saveFile(const QString& caption, const QString& proposed,
                                            const FileFilters& filters,
                                            const QString& defaultExtension) {
    return ask(QFileDialog::AcceptSave, caption, proposed, filters, defaultExtension);
}

void WidgetDialogs::warning(const QString& title, const QString& text) {
    QMessageBox::warning(parent(), title, text);
}

bool WidgetDialogs::confirm(const QString& title, const QString& text) {
    // Enter answers Cancel: a question before something is done is never
    // answered by a key pressed by accident.
    return QMessageBox::warning(parent(), title, text, QMessageBox::Ok | QMessageBox::Cancel,
                                QMessageBox::Cancel) == QMessageBox::Ok;
}

Dialogs::SaveAnswer WidgetDialogs::askToSave(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent());
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.button(QMessageBox::Save)
        ->setText(QCoreApplication::translate("common::WidgetDialogs", "保存(&S)"));
    box.button(QMessageBox::Discard)
        ->setText(QCoreApplication::translate("common::WidgetDialogs", "保存しない(&N)"));
    box.button(QMessageBox::Cancel)
        ->setText(QCoreApplication::translate("common::WidgetDialogs", "キャンセル"));
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
                    parent());
    box.button(QMessageBox::Yes)
        ->setText(QCoreApplication::translate("common::WidgetDialogs", "はい(&Y)"));
    box.button(QMessageBox::No)
        ->setText(QCoreApplication::translate("common::WidgetDialogs", "いいえ(&N)"));
    return box.exec() == QMessageBox::Yes;
}

int WidgetDialogs::choose(const QString& title, const QString& text, const QStringList& choices) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent());
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices)
        buttons << box.addButton(choice, buttons.size() + 1 == choices.size()
                                             ? QMessageBox::RejectRole
                                             : QMessageBox::AcceptRole);
    if (buttons.isEmpty())
        return -1;
    box.setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
    box.setEscapeButton(buttons.last());
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return static_cast<int>(chosen < 0 ? buttons.size() - 1 : chosen);
}

} // namespace common
