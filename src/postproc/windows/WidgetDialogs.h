#pragma once

#include "core/PostprocDialogs.h"

namespace koratune {

// The dialogs as the user sees them: QFileDialog and QMessageBox.
class WidgetDialogs : public PostprocDialogs {
public:
    QString openFileName(QWidget* parent, const QString& caption, const QString& proposed,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                         const QString& filter) override;
    void warning(QWidget* parent, const QString& title, const QString& text) override;
    bool confirm(QWidget* parent, const QString& title, const QString& text) override;
};

} // namespace koratune
