#pragma once

#include "core/editing/PictureDialog.h"
#include "windows/tools/ToolWindow.h"

class QFrame;
class QPushButton;
class QToolButton;

namespace common {
class PictureBox;
}

namespace kirabellum {

// The spark image editor "Fire": shows the current layer's 32 x 32 spark image
// at its real size and enlarged 2.5 times, loads a spark image from a picture
// file or a built-in spark into the current layer and exports the shown image.
class F_Hinoko : public ToolWindow {
    Q_OBJECT
public:
    static constexpr double ZoomFactor = 2.5;

    explicit F_Hinoko(DesignerSession& session);

    // Paints the current layer's spark image into the spark view and the zoom.
    void DRefresh() override;
    QSize sizeHint() const override;
    // Shows the current layer's spark image; the particle editor calls it when
    // the layer changes.
    void Refire();

    // Controls, named as the rest of the designer knows them.
    QFrame* Shape1;               // the white surround of the spark view
    common::PictureBox* Picture1; // the spark view, 32 x 32; a click loads an image
    common::PictureBox* Picture3; // the spark zoom, 80 x 80
    QPushButton* Command1;        // "Load"
    QPushButton* Command2;        // "Export"
    QToolButton* Command3;        // "プリセット": the built-in sparks

    // Sets the current layer's spark image to built-in spark `index`, painted
    // in the layer's ramp (its own when it has one), as a load would.
    void BuiltInSpark_Click(std::size_t index);

protected:
    void retranslate() override;
    void loadDroppedFile(const QString& path);

private:
    void LoadSparkImage();
    // Takes the picture read by the dialog's question or from a dropped file.
    void takeSparkImage(int layer, const QImage& picture);
    void Command2_Click();

    PictureDialog pictureDialog_;
};

} // namespace kirabellum
