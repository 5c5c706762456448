#pragma once

#include <QString>

namespace kirabellum {

// The file dialogs and message boxes the designer's commands use. The windows
// use the real dialogs; tests answer through their own implementation.
//
// Filters are given as "Description(*.ext)|*.ext", the designer's own form.
class DesignerDialogs {
public:
    virtual ~DesignerDialogs() = default;

    // The chosen file, or an empty string when the user cancelled.
    virtual QString openFileName(const QString& folder, const QString& fileName,
                                 const QString& filter) = 0;
    virtual QString saveFileName(const QString& folder, const QString& fileName,
                                 const QString& filter) = 0;

    // A message box with an exclamation icon and an OK button.
    virtual void warning(const QString& title, const QString& text) = 0;
    // A message box with an exclamation icon, OK and Cancel; true for OK.
    virtual bool confirm(const QString& title, const QString& text) = 0;
};

} // namespace kirabellum
