#pragma once

#include "common/Dialogs.h"

#include <QFileDialog>
#include <QPointer>
#include <QWidget>

namespace common {

// The dialogs as the user sees them: QFileDialog and QMessageBox over the
// modal window that asks, or over the main window.
class WidgetDialogs : public Dialogs {
public:
    void setMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }

    // The filters as the file dialogs show them, in Qt's form: the description
    // with its patterns in brackets, "Bitmap File(*.bmp)", or the patterns
    // alone when there is no description.
    static QStringList qtFilters(const FileFilters& filters);

    FileChoice openFile(const QString& caption, const QString& proposed,
                        const FileFilters& filters) override;
    FileChoice saveFile(const QString& caption, const QString& proposed, const FileFilters& filters,
                        const QString& defaultExtension) override;
    void warning(const QString& title, const QString& text) override;
    bool confirm(const QString& title, const QString& text) override;
    SaveAnswer askToSave(const QString& title, const QString& text) override;
    bool askYesNo(const QString& title, const QString& text) override;
    int choose(const QString& title, const QString& text, const QStringList& choices) override;

private:
    QWidget* parent() const;
    FileChoice ask(QFileDialog::AcceptMode mode, const QString& caption, const QString& proposed,
                   const FileFilters& filters, const QString& defaultExtension) const;

    QPointer<QWidget> mainWindow_;
};

} // namespace common
