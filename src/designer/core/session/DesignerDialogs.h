#pragma once

#include <QString>

namespace kirabellum {

// The file dialogs and message boxes the designer's commands use. The windows
// use the real dialogs; tests answer through their own implementation.
//
// Filters are given as "Description(*.ext)|*.ext", the designer's own form;
// a dialog that offers several joins them with "|":
// "Kirabellum Data File-v1.2(*.df2)|*.df2|Kirabellum Design JSON(*.json)|*.json".
class DesignerDialogs {
public:
    // What the user chose in a file dialog.
    struct FileChoice {
        QString path;        // empty when the user cancelled
        int filterIndex = 0; // the filter chosen, counted from 0 in the order offered
    };

    virtual ~DesignerDialogs() = default;

    virtual FileChoice openFile(const QString& folder, const QString& fileName,
                                const QString& filter) = 0;
    virtual FileChoice saveFile(const QString& folder, const QString& fileName,
                                const QString& filter) = 0;

    // The chosen file alone, for dialogs that offer one filter; empty when the
    // user cancelled.
    QString openFileName(const QString& folder, const QString& fileName, const QString& filter) {
        return openFile(folder, fileName, filter).path;
    }
    QString saveFileName(const QString& folder, const QString& fileName, const QString& filter) {
        return saveFile(folder, fileName, filter).path;
    }

    // A message box with an exclamation icon and an OK button.
    virtual void warning(const QString& title, const QString& text) = 0;
    // A message box with an exclamation icon, OK and Cancel; true for OK.
    virtual bool confirm(const QString& title, const QString& text) = 0;

    // The question before unsaved changes would be lost: Save, Discard or Cancel.
    enum class SaveAnswer { Save, Discard, Cancel };
    virtual SaveAnswer askToSave(const QString& title, const QString& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
};

} // namespace kirabellum
