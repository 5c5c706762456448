#pragma once

#include "common/windows/ToolWindowHost.h"

#include <QWidget>

namespace kirabellum {

class DesignerSession;
class ToolWindowHost;

// The tool windows of the designer: the six of the VIEW menu, in its order, and
// the layer effects window, which the particle editor opens.
enum class ToolKind { Editer, Gravity, Color, Hinoko, Animation, Preview, Effect };

// A tool window: a fixed-size child of the main window that shows part of the
// design document and writes a field the moment one of its controls changes.
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    ToolWindow(DesignerSession& session, ToolKind kind);

    ToolKind kind() const { return kind_; }

    // Redraws every control from the design document.
    virtual void DRefresh() = 0;

    // What the window does when it opens, once it is built: by default it
    // redraws itself from the document.
    virtual void Form_Load() { DRefresh(); }

protected:
    // Sets every text the window shows in the language installed now: each
    // window calls it once built, and again whenever the language changes.
    virtual void retranslate() {}
    void changeEvent(QEvent* event) override;

    // Fixes the window's size to what its contents need now; windows whose
    // pictures change size call it again.
    void fitToContents() { common::ToolWindowHost::fitToContents(*this); }

    // The host that opened the window: how it reaches the other tool windows.
    ToolWindowHost& host() const { return *host_; }

    DesignerSession& session_;

private:
    friend class ToolWindowHost;

    ToolKind kind_;
    ToolWindowHost* host_ = nullptr;
};

} // namespace kirabellum
