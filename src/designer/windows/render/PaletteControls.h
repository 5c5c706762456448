#pragma once

#include "common/Dialogs.h"
#include "common/palettes/Palette.h"
#include "common/sheets/SheetOptions.h"

#include <QWidget>

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QSpinBox;

namespace kirabellum {

// The preview's controls for seeing the frames as an export locked to a
// palette writes them: the palette (none, a built-in one or a file), the
// dithering between its colours and the whole-pixel scale, as the export
// window and kirabellum render take them. A palette file is read when it is
// chosen: one that cannot be read is refused with its message (the file and
// the line), and the palette chosen before stays, as it does on Cancel.
class PaletteControls : public QWidget {
    Q_OBJECT
public:
    explicit PaletteControls(common::Dialogs& dialogs, QWidget* parent = nullptr);

    // The palette (a built-in name or a file; empty for none), its dithering
    // and the scale, as the export's options hold them; the rest at their
    // defaults.
    common::SheetOptions options() const;
    // The palette chosen, as read; none without one.
    const std::optional<common::Palette>& palette() const { return palette_; }
    int scale() const;
    // The largest scale offered, held to the export's range.
    void setMaximumScale(int maximum);

    // None, the built-in palettes in the order of their names, then a file.
    QComboBox* paletteBox() const { return paletteBox_; }
    // In the order of the dithers' names.
    QComboBox* ditherBox() const { return dither_; }
    QSpinBox* scaleBox() const { return scale_; }

Q_SIGNALS:
    // The palette, the dithering or the scale changed.
    void changed();

protected:
    void changeEvent(QEvent* event) override;

private:
    // Reads the palette the box's entry names, asking for the file for its
    // last entry; what cannot be read, or a cancelled file dialog, goes back
    // to the entry chosen before.
    void paletteChosen(int index);
    void retranslate();

    common::Dialogs& dialogs_;
    std::array<QLabel*, 3> labels_{};
    QComboBox* paletteBox_;
    QComboBox* dither_;
    QSpinBox* scale_;
    std::optional<common::Palette> palette_;
    // The file read through the box's last entry, and the entry chosen.
    QString paletteFile_;
    int paletteIndex_ = 0;
};

} // namespace kirabellum
