#pragma once

#include "core/editing/PictureDialog.h"
#include "windows/tools/ToolWindow.h"

#include <QImage>

class QFrame;
class QMenu;
class QPushButton;
class QToolButton;

namespace common {
class PictureBox;
}

namespace kirabellum {

// The colour transformation editor "ColorTransformation": holds a colour ramp
// as an image one pixel high, shows it stretched over a 256 x 12 strip, loads a
// ramp from a picture one pixel high or takes a built-in one, and exports it.
// The ramp is the current layer's: the design's, or the layer's own, between
// which a switch chooses when the layer has one (and which offers to make one
// when it has not).
class F_Color : public ToolWindow {
    Q_OBJECT
public:
    static constexpr int StripWidth = 256;
    static constexpr int StripHeight = 12;

    explicit F_Color(DesignerSession& session);

    // Rebuilds the ramp image from the document and shows it on the strip.
    void DRefresh() override;
    QSize sizeHint() const override;

    // Controls, named as the rest of the designer knows them.
    QPushButton* Command1; // "Load"
    QPushButton* Command2; // "Export"
    QToolButton* Command3; // "プリセット": the built-in ramps, then the palette snap
    QMenu* PaletteMenu;    // "パレットに合わせる": the built-in palettes, then a file
    QToolButton* Command4; // "レイヤー専用": the layer's own ramp, else the design's
    QFrame* Frame2;        // the black surround of the strip
    common::PictureBox* Picture2; // the ramp strip; a click loads a ramp
    // The ramp image: one pixel per ramp entry, pixel (i, 0) = entry i. Empty
    // while there is no ramp (RampLength 0). Never shown.
    QImage Picture1;

protected:
    void retranslate() override;
    void loadDroppedFile(const QString& path);

    // Sets the ramp shown to built-in ramp `index`, as a load would, moving the
    // spark images that use it over to it.
    void BuiltInRamp_Click(std::size_t index);
    // Replaces each colour of the ramp shown by its nearest in the palette
    // named or in the file (asked for when `nameOrFile` is empty), in one edit.
    void SnapToPalette(const QString& nameOrFile);

private:
    void LoadRamp();
    // Takes the picture read by the dialog's question or from a dropped file.
    void takeRamp(const QImage& picture);
    void Command2_Click();
    void Command4_Click(bool layerRamp);
    // The layer whose ramp (its own or the design's) the window shows.
    int layer() const;

    PictureDialog pictureDialog_;
    // A layer with a ramp of its own shows it, unless the switch was released
    // to show the design's while the layer was shown.
    int shownLayer_ = 0;
    bool designRampChosen_ = false;
    bool layerRampShown_ = false; // as DRefresh last found
};

} // namespace kirabellum
