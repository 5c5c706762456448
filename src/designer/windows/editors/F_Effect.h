#pragma once

#include "windows/tools/ToolWindow.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QScrollBar;

namespace kirabellum {

// The layer effects window "レイヤー効果": the current layer's child burst
// trigger (the parent layer whose particles set it off, at their death or at an
// age, whether the parent splits, how much of its velocity the children
// inherit), its trail (steps and fade) and whether it is coloured through the
// design's ramp or one of its own. The particle editor opens it; it follows
// that editor's current layer. Every control writes its field at once.
class F_Effect : public ToolWindow {
    Q_OBJECT
public:
    explicit F_Effect(DesignerSession& session);

    // Shows the current layer's effects; the parent list offers no layer that
    // would make a trigger cycle.
    void DRefresh() override;

    // Controls, named as the rest of the designer knows them.
    QLabel* Label1;                         // the current layer's number
    QGroupBox* Frame1;                      // "子の爆発": the trigger
    std::array<QLabel*, 3> Label2{};        // "親レイヤー", "年齢", "速度の継承"
    QComboBox* Combo1;                      // none, layer 1 to 8
    std::array<QRadioButton*, 2> Option1{}; // at death, at an age
    QScrollBar* HScroll1;                   // Age, 1 to 255
    QLabel* Label3;                         // its value
    QCheckBox* Check1;                      // Split
    QScrollBar* HScroll2;                   // Inherit, 0 to 100
    QLabel* Label4;                         // its value
    QGroupBox* Frame2;                      // "尾": the trail
    QCheckBox* Check2;                      // the trail on or off
    std::array<QLabel*, 2> Label5{};        // "段数", "明るさ"
    QScrollBar* HScroll3;                   // Steps, 1 to 8
    QLabel* Label6;                         // its value
    QScrollBar* HScroll4;                   // Fade, 1 to 100
    QLabel* Label7;                         // its value
    QGroupBox* Frame3;                      // "カラーランプ"
    std::array<QRadioButton*, 2> Option2{}; // the design's ramp, the layer's own

protected:
    void retranslate() override;

private:
    void Combo1_Click();
    void Option1_Click(int index);
    void HScroll1_Change();
    void Check1_Click();
    void HScroll2_Change();
    void Check2_Click();
    void HScroll3_Change();
    void HScroll4_Change();
    void Option2_Click(int index);

    // Writes the trigger the controls show (none while no parent is chosen)
    // into the current layer, as one edit named `caption`.
    void writeTrigger(const char* caption);
    // Writes the trail the controls show (none while it is off).
    void writeTrail(const char* caption);
    // The number of the layer shown, which the particle editor keeps.
    void showLayerCaption();
    void showParents(int current);
    void showValueLabels();
    void enableControls();
};

} // namespace kirabellum
