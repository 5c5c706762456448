#pragma once

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace kirabellum {

class DesignerSession;
class ToolWindowHost;

// The modal dialog "発生設定": whether the current layer bursts once or
// repeatedly, and for repeated bursts the first and last frame and the step.
// Its ranges reach up to the frame count set in the render settings window,
// which it reaches (and opens if need be) through the tool windows' host.
// OK stores the four fields of the current layer; Cancel stores nothing.
class Syousai : public QDialog {
    Q_OBJECT
public:
    Syousai(DesignerSession& session, ToolWindowHost& windows, QWidget* parent);

    // Controls, named as the rest of the designer knows them.
    std::array<QRadioButton*, 2> Option1{}; // "単爆発", "複数回爆発"
    QFrame* Frame1;
    std::array<QLabel*, 3> Label2{};       // "～", "フレーム範囲", "ステップ"
    std::array<QScrollBar*, 3> HScroll1{}; // first frame, last frame, step
    std::array<QLabel*, 3> Label1{};       // the bars' values
    QPushButton* Command1;                 // "OK"
    QPushButton* Command2;                 // "Cancel"

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void HScroll1_Change(int index);
    void Command1_Click();

    DesignerSession& session_;
    ToolWindowHost& windows_;
};

} // namespace kirabellum
