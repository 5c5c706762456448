#pragma once

#include "core/editing/PictureDialog.h"
#include "windows/tools/ToolWindow.h"

#include <QImage>

class QFrame;
class QPushButton;
class QToolButton;

namespace common {
class PictureBox;
}

namespace kirabellum {

// The colour transformation editor "ColorTransformation": holds the colour ramp
// as an image RampLength x 1 pixels, shows it stretched over a 256 x 12 strip,
// loads a ramp from a picture one pixel high or takes a built-in one, and exports
// it.
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
    QPushButton* Command1;        // "Load"
    QPushButton* Command2;        // "Export"
    QToolButton* Command3;        // "プリセット": the built-in ramps
    QFrame* Frame2;               // the black surround of the strip
    common::PictureBox* Picture2; // the ramp strip; a click loads a ramp
    // The ramp image: always RampLength x 1 pixels, pixel (i, 0) = ColorRamp(i).
    // Empty while there is no ramp (RampLength 0). Never shown.
    QImage Picture1;

protected:
    void retranslate() override;
    void loadDroppedFile(const QString& path);

    // Sets the design's ramp to built-in ramp `index`, as a load would, moving
    // the spark images over to it.
    void BuiltInRamp_Click(std::size_t index);

private:
    void LoadRamp();
    // Takes the picture read by the dialog's question or from a dropped file.
    void takeRamp(const QImage& picture);
    void Command2_Click();

    PictureDialog pictureDialog_;
};

} // namespace kirabellum
