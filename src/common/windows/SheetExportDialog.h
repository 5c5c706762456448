#pragma once

#include "common/Colour.h"
#include "common/Dialogs.h"
#include "common/Status.h"
#include "common/animation/AnimationFormat.h"
#include "common/palettes/Palette.h"
#include "common/sheets/SheetAtlas.h"
#include "common/sheets/SheetCompanions.h"
#include "common/sheets/SheetImage.h"
#include "common/sheets/SheetOptions.h"
#include "common/windows/RenderProgressWindow.h"

#include <QDialog>
#include <QImage>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace common {

class SceneBox;
class SheetPreview;

// What a program gives its export window: the frames, its own layout of them
// (kept while the columns are automatic), its default background and frame
// rate, its name for the metadata, and where the file dialog starts.
struct SheetExportSource {
    SheetFrames frames;
    int frameSize = 0;
    int columns = 1;
    Colour background = 0;
    // Whether the user may choose another background (the designer's is the
    // ramp's first colour).
    bool backgroundChoosable = false;
    int framesPerSecond = 15;
    // Whether the frames loop (the designer's loop render); the metadata says so.
    bool loop = false;
    // With loop: the frames of one period, which the frame step must divide.
    int loopFrames = 0;
    QString application;
    QString version;
    // The file dialog's title and the file (or folder) it starts at.
    QString fileCaption;
    QString proposedFile;
    // Makes the motion vectors and the intensity sheet; without it the window
    // offers neither and says why.
    SheetCompanionMaker companions;
    // Locks `frames` and `background` to `palette` with the options'
    // dithering, as the program's command line does (the designer renders
    // through the snapped ramp, the post-processor maps its pixels); without it
    // the window offers no palette.
    std::function<Status(const SheetOptions& options, const Palette& palette, SheetFrames& frames,
                         Colour& background)>
        lockToPalette;
    // The designer's: renders the sheet anew as its command line renders an
    // atlas, for variants, a crop or a trim, or designs beside its own
    // (`designFiles`), and makes its files as written to `imagePath`,
    // reporting each frame it renders to `progress`. Without it the window
    // cuts the frames given and offers neither variants nor other designs.
    std::function<Status(const SheetOptions& options, const QStringList& designFiles,
                         const QString& imagePath, SheetCompanions& files,
                         const RenderProgress& progress)>
        renderSheet;
    // With renderSheet: the program's own design, first in the list of
    // designs, and the file dialog's filters for others.
    QString ownDesign;
    FileFilters designFilters;
    // The palette, dithering and scale the window starts from (the designer's
    // preview passes those it plays the frames with); the rest of it is not read.
    SheetOptions pixelArt;
};

// The export window of both programs (書き出し): every sheet option within the
// ranges the command lines take (the frame rate at the program's own stands
// for no --fps: the rate over the frame step), the sheet as it will be
// written, and the writing of the image and its metadata, or of the frames as
// a GIF, APNG or WebP animation with the first frame shown as it will be
// written. A layout the options cannot give shows its message and cannot be
// written; rows that do not apply to the chosen format are disabled.
class SheetExportDialog : public QDialog {
    Q_OBJECT
public:
    SheetExportDialog(const SheetExportSource& source, Dialogs& dialogs, QWidget* parent = nullptr);

    // The options as the window's controls set them (those of a sheet alone
    // at their defaults while an animation is chosen).
    SheetOptions options() const;
    // The animation chosen; none: a sheet.
    std::optional<AnimationFormat> animationFormat() const;
    // The sheet the options give, and where its frames lie; a null image when
    // they give none.
    const QImage& sheet() const { return sheet_; }
    const SheetAtlas& atlas() const { return atlas_; }

    // Asks for the file, writes the sheet and its metadata, then closes. Cancel
    // in the file dialog, or a failure (shown in a message box), keeps it open.
    void write();
    // The files the last write wrote: the image, the images beside it, then its
    // metadata files.
    const QStringList& writtenFiles() const { return written_; }

    QComboBox* alphaBox() const { return alpha_; }
    QPushButton* backgroundButton() const { return background_; }
    QLabel* backgroundLabel() const { return backgroundText_; }
    QCheckBox* automaticColumnsBox() const { return automaticColumns_; }
    QSpinBox* columnsBox() const { return columns_; }
    QSpinBox* maxSizeBox() const { return maxSize_; }
    QCheckBox* powerOfTwoBox() const { return powerOfTwo_; }
    QSpinBox* paddingBox() const { return padding_; }
    QCheckBox* metadataBox(MetadataFormat format) const {
        return metadata_[static_cast<std::size_t>(format)];
    }
    QSpinBox* fpsBox() const { return fps_; }
    QSpinBox* frameStepBox() const { return frameStep_; }
    QCheckBox* cropBox() const { return crop_; }
    QCheckBox* trimBox() const { return trim_; }
    // 1: no variants.
    QSpinBox* variantsBox() const { return variants_; }
    // The designs of the sheet: the program's own, then those added.
    QListWidget* designList() const { return designs_; }
    QPushButton* addDesignButton() const { return addDesign_; }
    QPushButton* removeDesignButton() const { return removeDesign_; }
    // The design files added after the program's own.
    QStringList designFiles() const;
    // None, then the motion-vector presets in the order of their names.
    QComboBox* motionVectorsBox() const { return motionVectors_; }
    // In the order of the sheet colours' names.
    QComboBox* colourBox() const { return colour_; }
    // Why the two boxes above are disabled; hidden where they are offered.
    QLabel* flipbookMapsNote() const { return flipbookMapsNote_; }
    // Sheet, then GIF, APNG and WebP.
    QComboBox* formatBox() const { return format_; }
    QCheckBox* repeatForeverBox() const { return repeatForever_; }
    QSpinBox* repeatBox() const { return repeat_; }
    QCheckBox* losslessBox() const { return lossless_; }
    QSpinBox* qualityBox() const { return quality_; }
    // None, the built-in palettes in the order of their names, then a file.
    QComboBox* paletteBox() const { return palette_; }
    // In the order of the dithers' names.
    QComboBox* ditherBox() const { return dither_; }
    QSpinBox* scaleBox() const { return scale_; }
    // The first frame as it will be written.
    QLabel* thumbnailLabel() const { return thumbnail_; }
    SceneBox* groundBox() const { return ground_; }
    SheetPreview* preview() const { return preview_; }
    QLabel* tilesLabel() const { return tiles_; }
    QLabel* problemLabel() const { return problem_; }
    QPushButton* writeButton() const { return write_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* makeOptions();
    // The rows of the images that let an engine blend and recolour the frames.
    void addFlipbookMapRows(QFormLayout& form);
    // The rows of the format, the animation and the pixel art, and the thumbnail.
    QWidget* makeOutputOptions();
    // Sets the palette, dithering and scale rows to the source's.
    void startFromPixelArt();
    // Asks for a palette file when the palette box's last entry is chosen;
    // Cancel goes back to the palette chosen before.
    void paletteChosen(int index);
    // Enables the rows that apply to the chosen format.
    void enableRowsForFormat();
    // The first frame as the chosen output holds it.
    QImage firstFrameOf(const SheetOptions& options) const;
    void showThumbnail(const SheetOptions& options);
    // Writes the frames as the chosen animation; false when that failed.
    bool writeAnimation(const QString& path, const SheetOptions& options);
    void retranslate();
    // The controls' tips, which say what each does.
    void retranslateTips();
    QWidget* makePreview();
    void chooseBackground();
    void showBackground();
    void showBackground(Colour background);
    void showGround();
    // The rows of the designer's variants and designs.
    void addAtlasRows(QFormLayout& form);
    void addDesign();
    // Whether the program renders the sheet the options ask for anew.
    bool rendersSheet(const SheetOptions& options) const;
    // The program's sheet files for `options` and the designs listed, to be
    // written to `imagePath`, with a progress window while it renders.
    Status renderedSheetFiles(const SheetOptions& options, const QString& imagePath,
                              SheetCompanions& files);
    // The frames as one animation, as the sheet lays them out.
    AtlasBlock framesBlock(const SheetOptions& options) const;
    // Lays the sheet out again and shows it, or what keeps it from being made.
    void refresh();
    // Shows why the options give no sheet.
    void showProblem(const Status& status, const SheetOptions& options);

    SheetExportSource source_;
    Dialogs& dialogs_;
    QStringList written_;
    Colour chosenBackground_;
    SheetAtlas atlas_;
    QImage sheet_;
    // The frames the options write (locked to the palette, enlarged) and
    // their background, as the last refresh made them.
    SheetFrames framesToWrite_;
    Colour backgroundToWrite_ = 0;

    QGroupBox* optionsGroup_ = nullptr;
    // The captions of the options' rows.
    std::array<QLabel*, 13> rowLabels_{};
    QComboBox* alpha_ = nullptr;
    QLabel* backgroundSwatch_ = nullptr;
    QLabel* backgroundText_ = nullptr;
    QPushButton* background_ = nullptr;
    QCheckBox* automaticColumns_ = nullptr;
    QSpinBox* columns_ = nullptr;
    QSpinBox* maxSize_ = nullptr;
    QCheckBox* powerOfTwo_ = nullptr;
    QSpinBox* padding_ = nullptr;
    std::array<QCheckBox*, 3> metadata_{};
    QSpinBox* fps_ = nullptr;
    QSpinBox* frameStep_ = nullptr;
    QCheckBox* crop_ = nullptr;
    QCheckBox* trim_ = nullptr;
    QSpinBox* variants_ = nullptr;
    QListWidget* designs_ = nullptr;
    QPushButton* addDesign_ = nullptr;
    QPushButton* removeDesign_ = nullptr;
    std::array<QLabel*, 2> flipbookMapLabels_{};
    QComboBox* motionVectors_ = nullptr;
    QComboBox* colour_ = nullptr;
    QLabel* flipbookMapsNote_ = nullptr;
    QGroupBox* outputGroup_ = nullptr;
    // The captions of the output's rows.
    std::array<QLabel*, 6> outputLabels_{};
    QComboBox* format_ = nullptr;
    QCheckBox* repeatForever_ = nullptr;
    QSpinBox* repeat_ = nullptr;
    QCheckBox* lossless_ = nullptr;
    QSpinBox* quality_ = nullptr;
    QComboBox* palette_ = nullptr;
    // The palette file chosen through the palette box's last entry.
    QString paletteFile_;
    int paletteIndex_ = 0;
    QComboBox* dither_ = nullptr;
    QSpinBox* scale_ = nullptr;
    QLabel* thumbnailCaption_ = nullptr;
    QLabel* thumbnail_ = nullptr;
    QLabel* thumbnailSize_ = nullptr;
    QGroupBox* previewGroup_ = nullptr;
    QLabel* groundLabel_ = nullptr;
    SceneBox* ground_ = nullptr;
    SheetPreview* preview_ = nullptr;
    QLabel* tiles_ = nullptr;
    QLabel* problem_ = nullptr;
    QPushButton* write_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace common
