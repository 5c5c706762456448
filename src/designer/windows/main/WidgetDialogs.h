#pragma once

#include "core/session/DesignerDialogs.h"

class QWidget;

namespace kirabellum {

// The real dialogs: QFileDialog and QMessageBox over the main window.
class WidgetDialogs : public DesignerDialogs {
public:
    explicit WidgetDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    FileChoice openFile(const QString& folder, const QString& fileName,
                        const QString& filter) override;
    FileChoice saveFile(const QString& folder, const QString& fileName,
                        const QString& filter) override;
    void warning(const QString& title, const QString& text) override;
    bool confirm(const QString& title, const QString& text) override;
    SaveAnswer askToSave(const QString& title, const QString& text) override;
    bool askYesNo(const QString& title, const QString& text) override;

private:
    QWidget* parent_;
};

} // namespace kirabellum
