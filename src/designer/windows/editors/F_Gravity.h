#pragma once

#include "windows/tools/ToolWindow.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTabBar;

namespace kirabellum {

class DesignCanvas;

// The gravity editor "Gravity": one tab per force (linear, rotation,
// attraction), its use switch, its power on a spin bar, and on the gravity
// canvas its direction (linear) or its sense (rotation, attraction) set by a
// press of the mouse.
class F_Gravity : public ToolWindow {
    Q_OBJECT
public:
    explicit F_Gravity(DesignerSession& session);

    // Shows the selected force and redraws the canvas.
    void DRefresh() override;
    // Redraws the canvas for force 0, 1 or 2.
    void DrawLine(int kind);
    // The force of the selected tab, 0 to 2.
    int selectedKind() const;

    // Controls, named as the rest of the designer knows them.
    QTabBar* TabStrip1; // "線形", "回転", "引力"
    DesignCanvas* Picture1;
    QPushButton* Command1; // "Use" / "Not Use"
    QGroupBox* Frame1;     // "Config"
    QLabel* Label2;        // "Power"
    QLabel* Label1;        // the power
    QScrollBar* HScroll1;  // Power, 1 to 64

    // A press of any button on the gravity canvas, in canvas units.
    void Picture1_MouseDown(float x, float y);

    // The window's client area, 297 x 202, whatever the style's margins.
    QSize sizeHint() const override;

protected:
    void retranslate() override;

private:
    // "Use" or "Not Use", as the selected force is switched.
    void showUseCaption();
    void Command1_Click();
    void HScroll1_Change();
    void DrawArrowHead(int px, int py, int direction);
};

} // namespace kirabellum
