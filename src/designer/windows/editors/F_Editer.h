#pragma once

#include "core/editing/ShapePresets.h"
#include "windows/tools/ToolWindow.h"

#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QTabBar;
class QToolButton;

namespace kirabellum {

class DesignCanvas;

// The particle group editor "ParticleEditer": edits one layer at a time, its
// use switch, count, speeds, survival and deceleration on spin bars, its centre,
// spawn radius and 36-direction burst shape with the mouse on the burst canvas,
// sets the shape from a preset, and opens the burst occurrence settings and the
// layer effects window. It owns the current layer.
class F_Editer : public ToolWindow {
    Q_OBJECT
public:
    static constexpr int PositionTab = 1; // "位置"
    static constexpr int MotionTab = 2;   // "モーション"

    explicit F_Editer(DesignerSession& session);

    // Shows the document's values for the current layer and redraws the canvas.
    void DRefresh() override;
    // Redraws the burst canvas for tab 1 (centre and radius) or 2 (shape).
    void DrawLine(int tab);

    // The current layer 1 to 8 that the other per-layer windows work on. When the
    // particle editor is closed, asking opens it, and the layer is then 1.
    static int CurrentLayer(ToolWindowHost& windows);

    int selectedTab() const;

    // Controls, named as the rest of the designer knows them.
    QTabBar* TabStrip1;
    DesignCanvas* Picture1;
    QFrame* Frame1;
    std::array<QLabel*, 5> Label1{}; // row captions
    QLabel* Label2;                  // the current layer's number
    QScrollBar* HScroll1;            // layer 1 to 8
    QPushButton* Command1;           // "Use" / "Not Use"
    QLabel* Label4;                  // count
    QScrollBar* HScroll2;            // LayerCount
    QLabel* Label5;                  // minimum speed
    QScrollBar* HScroll3;            // LayerMinSpeed
    QLabel* Label6;                  // survival, 255 - LayerLife
    QScrollBar* HScroll4;            // LayerLife, backwards
    QLabel* Label3;                  // 100 - LayerDecel
    QScrollBar* HScroll5;            // LayerDecel, backwards
    QPushButton* Command3;           // "発生設定"
    QToolButton* Command4;           // "形": the burst shape presets
    QPushButton* Command5;           // "レイヤー効果": opens the layer effects window

    // Sets the current layer's burst shape to a preset and shows it in tab 2.
    void ShapePreset_Click(ShapePreset preset);

    // The mouse press on the burst canvas, in design units.
    void Picture1_MouseDown(Qt::MouseButton button, float x, float y);

protected:
    void retranslate() override;

private:
    void HScroll1_Change();
    void Command1_Click();
    void HScroll2_Change();
    void HScroll3_Change();
    void HScroll4_Change();
    void HScroll5_Change();
    void Command3_Click();
    void Command5_Click();
    void TabStrip1_Click();

    void showUseCaption();
    void showValueLabels();
};

} // namespace kirabellum
