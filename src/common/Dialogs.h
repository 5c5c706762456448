#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace common {

// One entry of a file dialog's list of file types: what the user reads and the
// name patterns it stands for. The dialog shows "Bitmap File(*.bmp)" for
// {"Bitmap File", {"*.bmp"}}, and the patterns alone when there is no
// description.
struct FileFilter {
    QString description;
    QStringList patterns;

    // The picture files both programs write.
    static FileFilter bitmapFiles() {
        return {QStringLiteral("Bitmap File"), {QStringLiteral("*.bmp")}};
    }
    static FileFilter pngFiles() { return {QStringLiteral("PNG File"), {QStringLiteral("*.png")}}; }
};
using FileFilters = QList<FileFilter>;

// The file dialogs and message boxes of both programs. The windows ask through
// this interface: the programs answer with the real dialogs (WidgetDialogs),
// tests with their own.
class Dialogs {
public:
    // What the user chose in a file dialog.
    struct FileChoice {
        QString path;        // empty when the user cancelled
        int filterIndex = 0; // the filter chosen, counted from 0 in the order offered
    };
    // The answer to the question before unsaved changes would be lost.
    enum class SaveAnswer { Save, Discard, Cancel };

    virtual ~Dialogs() = default;

    // A file to read or to write. The dialog is titled `caption` (empty for the
    // system's title) and starts at `proposed`, a file or a folder. A name to
    // write typed without an extension gets `defaultExtension` ("bmp"), unless
    // that is empty.
    virtual FileChoice openFile(const QString& caption, const QString& proposed,
                                const FileFilters& filters) = 0;
    virtual FileChoice saveFile(const QString& caption, const QString& proposed,
                                const FileFilters& filters, const QString& defaultExtension) = 0;

    // A message box with an exclamation icon and an OK button.
    virtual void warning(const QString& title, const QString& text) = 0;
    // A message box with an exclamation icon, OK and Cancel; true for OK.
    virtual bool confirm(const QString& title, const QString& text) = 0;
    // Save, Discard or Cancel.
    virtual SaveAnswer askToSave(const QString& title, const QString& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
    // A question with a button for each of `choices`, in their order, the last
    // answering as Cancel does (Escape and closing the box give it too); the
    // index of the choice made.
    virtual int choose(const QString& title, const QString& text, const QStringList& choices) = 0;
};

} // namespace common
