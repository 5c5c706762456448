#pragma once

#include "core/session/EditName.h"
#include "windows/tools/ToolWindow.h"

#include <QKeySequence>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace kirabellum {

// The render settings window "Animation": frame size and count, afterimage, add
// rate and width limit, loop mode and the seed, the render button, and the
// preview options.
//
// Every setting reaches the document the moment its control changes (the
// fixed seed once its field is left or a render starts), so that the document,
// the window and a saved design agree. DRefresh shows the
// document and writes back only the add rate rounded to whole percent; a value
// that a control can show only clamped, or not at all, stays in the document.
class F_Animation : public ToolWindow {
    Q_OBJECT
public:
    explicit F_Animation(DesignerSession& session);

    void DRefresh() override;
    // Opening also takes the preview's zoom and playing state, when it is open.
    void Form_Load() override;

    // The key that renders from anywhere in the main window, as Command1 does.
    static QKeySequence renderShortcut();
    // The name of an edit of the preview's refresh rate, in the Edit menu.
    static EditName refreshRateName();

    // Copies the strip's settings as the window shows them into the document, as
    // a render does first: a value shown clamped becomes the value shown.
    void copyRenderSettings();

    // Controls, named as the rest of the designer knows them.
    QGroupBox* Frame2;               // "Rendering"
    std::array<QLabel*, 4> Label2{}; // names of bars 0, 1, 3, 4
    std::array<QScrollBar*, 5> HScroll1{};
    std::array<QLabel*, 5> Label3{}; // values of the bars
    QCheckBox* Check1;               // "残像", afterimage on
    QGroupBox* Frame3;               // "ループとシード"
    QCheckBox* LoopCheck;            // "ループ", loop mode
    QLabel* SeedLabel;               // "前回のシード", names LastSeed
    QLineEdit* LastSeed;             // the seed the last render started from, to copy
    QCheckBox* FixSeedCheck;         // "固定シード": every render starts at FixedSeed
    QLineEdit* FixedSeed;
    QLabel* SeamNotice;    // after a loop render that did not settle
    QPushButton* Command1; // "レンダリング"
    QGroupBox* Frame1;     // "Preview"
    QLabel* Label1;        // "リフレッシュレート"
    std::array<QRadioButton*, 6> Option1{};
    QCheckBox* Check2;     // "２倍表示", double size
    QPushButton* Command2; // "プレビュー", "停止" while the preview plays

    int selectedRefreshOption() const;

    // The preview tells whether it plays, and the zoom the user chose there.
    void showPlaying(bool playing);
    void showDoubleSize(bool doubleSize);

protected:
    void retranslate() override;

private:
    void HScroll1_Change(int index);
    // Each setting's one way into the document.
    void writeBarValue(int index);
    void writeAfterimageOn();
    void writeRefreshRate(int option);
    void writeLoop();
    // The fixed seed as FixedSeed shows it, or no fixed seed; a seed that is no
    // whole number from 0 to 2^64 - 1 is not written.
    void writeSeed();
    void FixSeedCheck_Click();
    // Shows the seed of the last render and whether its loop settled.
    void showLastRender();
    // Under the seeds: whether the last loop render may show its seam.
    void showSeamNotice();
    void Command1_Click();
    void Command2_Click();
    void Check2_Click();

    bool previewPlaying_ = false;
    // While DRefresh shows a document value that its bar cannot hold, the bar
    // shows it clamped and must not write the clamped value back.
    bool showingClampedValue_ = false;
};

} // namespace kirabellum
