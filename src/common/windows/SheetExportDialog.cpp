#include "common/windows/SheetExportDialog.h"

#include "common/FileNames.h"
#include "common/palettes/BuiltInPalettes.h"
#include "common/palettes/PaletteFile.h"
#include "common/sheets/AnimationAtlas.h"
#include "common/sheets/AtlasLayout.h"
#include "common/sheets/SheetAnimation.h"
#include "common/sheets/SheetDescription.h"
#include "common/sheets/SheetFiles.h"
#include "common/sheets/SheetOptionTable.h"
#include "common/windows/AlphaModeCaption.h"
#include "common/windows/SceneBox.h"
#include "common/windows/SheetPreview.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <optional>

namespace common {

namespace {

// Room for the designer's strip at its usual width limit, 512 pixels.
constexpr QSize PreviewArea(512, 512);

// The captions of the options' rows, in the order of the rows.
const char* const rowCaptions[] = {
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "透明度"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "背景"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "列数"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "最大サイズ"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "2のべき乗"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "余白"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "メタデータ"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "フレームレート"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "コマ間引き"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "切り抜き"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "切り詰め"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "バリエーション"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "デザイン"),
};

// The captions of the rows of the images beside the sheet, after those above.
const char* const flipbookMapCaptions[] = {
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "モーションベクター"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "色"),
};

// The captions of the rows of the format, the animation and the pixel art.
const char* const outputCaptions[] = {
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "形式"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "繰り返し"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "画質"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "パレット"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "ディザリング"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "拡大"),
};

// The dithers in the order of their names.
const char* const ditherCaptions[] = {
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "なし"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "規則的"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "誤差拡散"),
};

// The entries of the format box after the sheet, in the order of AnimationFormat,
// with the extension each writes.
struct AnimationEntry {
    const char* name;
    const char* extension;
};
constexpr AnimationEntry animationEntries[] = {
    {"GIF", "gif"},
    {"APNG", "apng"},
    {"WebP", "webp"},
};

// The longest edge of the thumbnail; a larger frame is shown smaller.
constexpr int ThumbnailEdge = 160;

// How the boxes name the motion-vector presets after "none", and the sheet
// colours, in the order of their names.
const char* const motionVectorPresetCaptions[] = {
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "Unity VFX Graph"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "16ビット、ピクセル単位"),
};
const char* const sheetColourCaptions[] = {
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "カラー"),
    QT_TRANSLATE_NOOP("common::SheetExportDialog", "輝度とランプ"),
};

// A number box on the range the command lines take for `option`; `maximum`
// stands in for a range that depends on the sheet (the columns').
QSpinBox* numberBox(SheetOption option, QWidget* parent, int maximum = 0) {
    const SheetOptionRow& row = sheetOptionRow(option);
    auto* box = new QSpinBox(parent);
    box->setRange(row.minimum, row.maximum > 0 ? row.maximum : maximum);
    return box;
}

QPixmap swatch(Colour colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(QColor(colourToRgb(colour)));
    QPainter painter(&pixmap);
    painter.setPen(Qt::gray);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return pixmap;
}

} // namespace

SheetExportDialog::SheetExportDialog(const SheetExportSource& source, Dialogs& dialogs,
                                     QWidget* parent)
    : QDialog(parent), source_(source), dialogs_(dialogs), chosenBackground_(source.background) {
    setObjectName(QStringLiteral("SheetExportDialog"));
    setModal(true);

    write_ = new QPushButton(this);
    cancel_ = new QPushButton(this);
    write_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(write_);
    buttons->addWidget(cancel_);

    auto* columns = new QHBoxLayout;
    columns->addWidget(makeOptions(), 0, Qt::AlignTop);
    columns->addWidget(makeOutputOptions(), 0, Qt::AlignTop);
    columns->addWidget(makePreview(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(write_, &QPushButton::clicked, this, &SheetExportDialog::write);
    connect(cancel_, &QPushButton::clicked, this, &SheetExportDialog::reject);
    startFromPixelArt();
    retranslate();
    showBackground();
    showGround();
    enableRowsForFormat();
    refresh();
}

QWidget* SheetExportDialog::makeOptions() {
    auto* group = new QGroupBox(this);
    optionsGroup_ = group;
    auto* form = new QFormLayout(group);
    for (QLabel*& label : rowLabels_)
        label = new QLabel(group);

    alpha_ = new QComboBox(group);
    for (qsizetype mode = 0; mode < alphaModeNames().size(); ++mode)
        alpha_->addItem(QString());
    form->addRow(rowLabels_[0], alpha_);

    // The colour itself, and a button to change it where the program lets
    // the user choose it.
    backgroundSwatch_ = new QLabel(group);
    backgroundText_ = new QLabel(group);
    background_ = new QPushButton(group);
    background_->setVisible(source_.backgroundChoosable);
    auto* backgroundRow = new QHBoxLayout;
    backgroundRow->addWidget(backgroundSwatch_);
    backgroundRow->addWidget(backgroundText_, 1);
    backgroundRow->addWidget(background_);
    form->addRow(rowLabels_[1], backgroundRow);

    automaticColumns_ = new QCheckBox(group);
    automaticColumns_->setChecked(true);
    columns_ = numberBox(SheetOption::Columns, group, source_.frames.frameCount);
    columns_->setEnabled(false);
    auto* columnsRow = new QHBoxLayout;
    columnsRow->addWidget(automaticColumns_);
    columnsRow->addWidget(columns_, 1);
    form->addRow(rowLabels_[2], columnsRow);

    maxSize_ = numberBox(SheetOption::MaxSize, group);
    maxSize_->setValue(maxSize_->maximum());
    maxSize_->setSuffix(QStringLiteral(" px"));
    form->addRow(rowLabels_[3], maxSize_);

    powerOfTwo_ = new QCheckBox(group);
    form->addRow(rowLabels_[4], powerOfTwo_);

    padding_ = numberBox(SheetOption::Padding, group);
    padding_->setSuffix(QStringLiteral(" px"));
    form->addRow(rowLabels_[5], padding_);

    auto* metadata = new QVBoxLayout;
    const QStringList formatNames = metadataFormatNames();
    for (qsizetype format = 0; format < formatNames.size(); ++format) {
        const auto index = static_cast<std::size_t>(format);
        metadata_[index] = new QCheckBox(
            QStringLiteral("%1 (.%2)")
                .arg(formatNames[format], metadataExtension(static_cast<MetadataFormat>(format))),
            group);
        metadata->addWidget(metadata_[index]);
        connect(metadata_[index], &QCheckBox::toggled, this, &SheetExportDialog::refresh);
    }
    form->addRow(rowLabels_[6], metadata);

    fps_ = numberBox(SheetOption::Fps, group);
    fps_->setValue(source_.framesPerSecond);
    fps_->setSuffix(QStringLiteral(" fps"));
    form->addRow(rowLabels_[7], fps_);

    frameStep_ = numberBox(SheetOption::FrameStep, group);
    form->addRow(rowLabels_[8], frameStep_);

    crop_ = new QCheckBox(group);
    form->addRow(rowLabels_[9], crop_);
    trim_ = new QCheckBox(group);
    form->addRow(rowLabels_[10], trim_);
    addAtlasRows(*form);

    addFlipbookMapRows(*form);

    connect(alpha_, &QComboBox::currentIndexChanged, this, &SheetExportDialog::refresh);
    connect(background_, &QPushButton::clicked, this, &SheetExportDialog::chooseBackground);
    connect(automaticColumns_, &QCheckBox::toggled, this, [this](bool automatic) {
        columns_->setEnabled(!automatic);
        refresh();
    });
    for (QSpinBox* box : {columns_, maxSize_, padding_, fps_, frameStep_})
        connect(box, &QSpinBox::valueChanged, this, &SheetExportDialog::refresh);
    for (QCheckBox* box : {powerOfTwo_, crop_, trim_})
        connect(box, &QCheckBox::toggled, this, &SheetExportDialog::refresh);
    return group;
}

void SheetExportDialog::addAtlasRows(QFormLayout& form) {
    QWidget* group = form.parentWidget();
    variants_ = new QSpinBox(group);
    variants_->setRange(1, sheetOptionRow(SheetOption::Variants).maximum);
    form.addRow(rowLabels_[11], variants_);
    designs_ = new QListWidget(group);
    designs_->addItem(source_.ownDesign);
    designs_->setMaximumHeight(4 * designs_->fontMetrics().lineSpacing());
    addDesign_ = new QPushButton(group);
    removeDesign_ = new QPushButton(group);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addDesign_);
    buttons->addWidget(removeDesign_);
    auto* designRows = new QVBoxLayout;
    designRows->addWidget(designs_);
    designRows->addLayout(buttons);
    form.addRow(rowLabels_[12], designRows);
    // Only a program that renders its sheets anew offers them.
    const bool offered = static_cast<bool>(source_.renderSheet);
    for (QWidget* row : std::initializer_list<QWidget*>{rowLabels_[11], variants_, rowLabels_[12],
                                                        designs_, addDesign_, removeDesign_})
        row->setVisible(offered);
    removeDesign_->setEnabled(false);
    connect(variants_, &QSpinBox::valueChanged, this, &SheetExportDialog::refresh);
    connect(addDesign_, &QPushButton::clicked, this, &SheetExportDialog::addDesign);
    connect(removeDesign_, &QPushButton::clicked, this, [this] {
        delete designs_->takeItem(designs_->currentRow());
        refresh();
    });
    // The program's own design stays first.
    connect(designs_, &QListWidget::currentRowChanged, this,
            [this](int row) { removeDesign_->setEnabled(row > 0); });
}

void SheetExportDialog::addDesign() {
    const QString path = dialogs_.openFile(tr("デザイン"), QString(), source_.designFilters).path;
    if (path.isEmpty())
        return;
    // The list names the file; its path is kept beside.
    auto* item = new QListWidgetItem(QFileInfo(path).fileName(), designs_);
    item->setData(Qt::UserRole, path);
    item->setToolTip(QDir::toNativeSeparators(path));
    refresh();
}

QStringList SheetExportDialog::designFiles() const {
    QStringList files;
    for (int row = 1; row < designs_->count(); ++row)
        files << designs_->item(row)->data(Qt::UserRole).toString();
    return files;
}

bool SheetExportDialog::rendersSheet(const SheetOptions& options) const {
    return source_.renderSheet &&
           (options.variants > 1 || options.crop || options.trim || designs_->count() > 1);
}

Status SheetExportDialog::renderedSheetFiles(const SheetOptions& options, const QString& imagePath,
                                             SheetCompanions& files) {
    RenderProgressWindow progress(this, tr("描画しています…"), tr("取り消し"));
    const Status status =
        source_.renderSheet(options, designFiles(), imagePath, files, progress.progress());
    // Nothing half rendered is kept: the next change of an option renders again.
    if (progress.cancelled())
        return Status::failure(tr("描画を取り消しました。オプションを変えるとまた描画します"));
    return status;
}

void SheetExportDialog::addFlipbookMapRows(QFormLayout& form) {
    QWidget* group = form.parentWidget();
    for (QLabel*& label : flipbookMapLabels_)
        label = new QLabel(group);
    motionVectors_ = new QComboBox(group);
    motionVectors_->addItem(QString()); // none
    for (qsizetype preset = 0; preset < motionVectorPresetNames().size(); ++preset)
        motionVectors_->addItem(QString());
    form.addRow(flipbookMapLabels_[0], motionVectors_);
    colour_ = new QComboBox(group);
    for (qsizetype colour = 0; colour < sheetColourNames().size(); ++colour)
        colour_->addItem(QString());
    form.addRow(flipbookMapLabels_[1], colour_);
    flipbookMapsNote_ = new QLabel(group);
    form.addRow(flipbookMapsNote_);
    // Only a program that can make them offers them.
    const bool offered = static_cast<bool>(source_.companions);
    motionVectors_->setEnabled(offered);
    colour_->setEnabled(offered);
    flipbookMapsNote_->setVisible(!offered);
    for (QComboBox* box : {motionVectors_, colour_})
        connect(box, &QComboBox::currentIndexChanged, this, &SheetExportDialog::refresh);
}

QWidget* SheetExportDialog::makeOutputOptions() {
    auto* group = new QGroupBox(this);
    outputGroup_ = group;
    auto* form = new QFormLayout(group);
    for (QLabel*& label : outputLabels_)
        label = new QLabel(group);

    format_ = new QComboBox(group);
    format_->addItem(QString()); // the sheet
    for (const AnimationEntry& entry : animationEntries)
        format_->addItem(
            QStringLiteral("%1 (.%2)")
                .arg(QString::fromLatin1(entry.name), QString::fromLatin1(entry.extension)));
    form->addRow(outputLabels_[0], format_);

    repeatForever_ = new QCheckBox(group);
    repeatForever_->setChecked(true);
    repeat_ = numberBox(SheetOption::Repeat, group);
    repeat_->setEnabled(false);
    auto* repeatRow = new QHBoxLayout;
    repeatRow->addWidget(repeatForever_);
    repeatRow->addWidget(repeat_, 1);
    form->addRow(outputLabels_[1], repeatRow);

    lossless_ = new QCheckBox(group);
    lossless_->setChecked(true);
    quality_ = numberBox(SheetOption::Quality, group);
    quality_->setValue(90);
    quality_->setEnabled(false);
    auto* qualityRow = new QHBoxLayout;
    qualityRow->addWidget(lossless_);
    qualityRow->addWidget(quality_, 1);
    form->addRow(outputLabels_[2], qualityRow);

    palette_ = new QComboBox(group);
    palette_->addItem(QString()); // none
    palette_->addItems(builtInPaletteNames());
    palette_->addItem(QString()); // a file
    form->addRow(outputLabels_[3], palette_);
    // Only a program that can lock its frames to a palette offers one.
    outputLabels_[3]->setEnabled(bool(source_.lockToPalette));
    palette_->setEnabled(bool(source_.lockToPalette));

    dither_ = new QComboBox(group);
    for (qsizetype dither = 0; dither < ditherNames().size(); ++dither)
        dither_->addItem(QString());
    form->addRow(outputLabels_[4], dither_);

    scale_ = numberBox(SheetOption::Scale, group);
    scale_->setPrefix(QStringLiteral("× "));
    form->addRow(outputLabels_[5], scale_);

    thumbnailCaption_ = new QLabel(group);
    form->addRow(thumbnailCaption_);
    thumbnail_ = new QLabel(group);
    thumbnail_->setFixedSize(ThumbnailEdge, ThumbnailEdge);
    thumbnail_->setAlignment(Qt::AlignCenter);
    form->addRow(thumbnail_);
    thumbnailSize_ = new QLabel(group);
    form->addRow(thumbnailSize_);

    connect(format_, &QComboBox::currentIndexChanged, this, [this] {
        enableRowsForFormat();
        refresh();
    });
    connect(repeatForever_, &QCheckBox::toggled, this, [this](bool forever) {
        repeat_->setEnabled(!forever && animationFormat().has_value());
        refresh();
    });
    connect(lossless_, &QCheckBox::toggled, this, [this] {
        enableRowsForFormat();
        refresh();
    });
    connect(palette_, &QComboBox::currentIndexChanged, this, &SheetExportDialog::paletteChosen);
    connect(dither_, &QComboBox::currentIndexChanged, this, &SheetExportDialog::refresh);
    for (QSpinBox* box : {repeat_, quality_, scale_})
        connect(box, &QSpinBox::valueChanged, this, &SheetExportDialog::refresh);
    return group;
}

void SheetExportDialog::startFromPixelArt() {
    const SheetOptions& start = source_.pixelArt;
    // The window is refreshed once it is made.
    const QSignalBlocker quietPalette(palette_), quietDither(dither_), quietScale(scale_);
    if (!start.palette.isEmpty() && source_.lockToPalette) {
        // A name is a built-in palette's entry, anything else the file's.
        paletteIndex_ = palette_->findText(start.palette);
        if (paletteIndex_ <= 0) {
            paletteFile_ = start.palette;
            paletteIndex_ = palette_->count() - 1;
        }
        palette_->setCurrentIndex(paletteIndex_);
    }
    dither_->setCurrentIndex(static_cast<int>(start.dither));
    scale_->setValue(start.scale);
}

void SheetExportDialog::paletteChosen(int index) {
    if (index == palette_->count() - 1) {
        const QString path = dialogs_
                                 .openFile(tr("パレット"), paletteFile_,
                                           {{tr("パレット"),
                                             {QStringLiteral("*.hex"), QStringLiteral("*.gpl"),
                                              QStringLiteral("*.pal"), QStringLiteral("*.png")}}})
                                 .path;
        if (path.isEmpty()) {
            const QSignalBlocker quiet(palette_);
            palette_->setCurrentIndex(paletteIndex_);
            return;
        }
        paletteFile_ = path;
        retranslate();
    }
    paletteIndex_ = index;
    enableRowsForFormat();
    refresh();
}

void SheetExportDialog::enableRowsForFormat() {
    const std::optional<AnimationFormat> animation = animationFormat();
    // An animation has no grid, metadata or images beside it.
    const bool sheet = !animation;
    for (const std::size_t row : {2u, 3u, 4u, 5u, 6u, 9u, 10u, 11u, 12u})
        rowLabels_[row]->setEnabled(sheet);
    automaticColumns_->setEnabled(sheet);
    columns_->setEnabled(sheet && !automaticColumns_->isChecked());
    for (QWidget* control : std::initializer_list<QWidget*>{maxSize_, powerOfTwo_, padding_, crop_,
                                                            trim_, variants_, designs_, addDesign_})
        control->setEnabled(sheet);
    removeDesign_->setEnabled(sheet && designs_->currentRow() > 0);
    for (QCheckBox* box : metadata_)
        box->setEnabled(sheet);
    const bool mapsOffered = sheet && static_cast<bool>(source_.companions);
    for (QWidget* control : std::initializer_list<QWidget*>{
             flipbookMapLabels_[0], flipbookMapLabels_[1], motionVectors_, colour_})
        control->setEnabled(mapsOffered);
    outputLabels_[1]->setEnabled(!sheet);
    repeatForever_->setEnabled(!sheet);
    repeat_->setEnabled(!sheet && !repeatForever_->isChecked());
    const bool webP = animation == AnimationFormat::WebP;
    outputLabels_[2]->setEnabled(webP);
    lossless_->setEnabled(webP);
    quality_->setEnabled(webP && !lossless_->isChecked());
    // Dithering lies between a palette's colours.
    const bool palette = palette_->currentIndex() > 0;
    outputLabels_[4]->setEnabled(palette);
    dither_->setEnabled(palette);
}

QImage SheetExportDialog::firstFrameOf(const SheetOptions& options) const {
    // A sheet holds its frames converted as an APNG holds them.
    SheetFrames first = framesToWrite_;
    first.frameCount = std::min(first.frameCount, 1);
    const Animation animation = sheetAnimation(
        first, options, backgroundToWrite_, animationFormat().value_or(AnimationFormat::Apng),
        options.statedFrameRate(source_.framesPerSecond), source_.loop);
    return animation.frames.empty() ? QImage() : animation.frames.front();
}

void SheetExportDialog::showThumbnail(const SheetOptions& options) {
    QImage frame = firstFrameOf(options);
    // The part of it the sheet keeps (all of it but for a crop or a trim);
    // a sheet rendered anew shows its own.
    if (!animationFormat()) {
        const AtlasFrame& first = atlas_.animations.front().frames.front();
        frame = rendersSheet(options) ? sheet_.copy(first.rect)
                                      : frame.copy(QRect(first.offset, first.rect.size()));
    }
    thumbnailSize_->setText(tr("%1 x %2 px").arg(frame.width()).arg(frame.height()));
    if (options.alpha == AlphaMode::Premultiplied)
        frame.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    // Enlarged by whole pixels, as pixel art is looked at; smaller when it
    // does not fit.
    const int longest = std::max({1, frame.width(), frame.height()});
    const QSize shown = longest <= ThumbnailEdge ? frame.size() * (ThumbnailEdge / longest)
                                                 : frame.size().scaled(ThumbnailEdge, ThumbnailEdge,
                                                                       Qt::KeepAspectRatio);
    QPixmap pixmap(shown);
    QPainter painter(&pixmap);
    pixmap.fill(Qt::white);
    painter.fillRect(pixmap.rect(), QBrush(Qt::lightGray, Qt::Dense4Pattern));
    painter.drawImage(pixmap.rect(), frame);
    painter.end();
    thumbnail_->setPixmap(pixmap);
}

QWidget* SheetExportDialog::makePreview() {
    auto* group = new QGroupBox(this);
    previewGroup_ = group;
    ground_ = new SceneBox(dialogs_, group);
    ground_->choose(SceneBox::Checkerboard);
    preview_ = new SheetPreview(PreviewArea, group);
    tiles_ = new QLabel(group);
    tiles_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    tiles_->setWordWrap(true);
    tiles_->setMaximumWidth(PreviewArea.width());
    // Room for a tiles line that wraps and the image size under it.
    tiles_->setMinimumHeight(3 * tiles_->fontMetrics().lineSpacing());
    problem_ = new QLabel(group);
    problem_->setWordWrap(true);
    problem_->setMaximumWidth(PreviewArea.width());
    // Room for the longest message and for both lines above it, so that the
    // window keeps its size when they come and go.
    problem_->setMinimumHeight(3 * problem_->fontMetrics().lineSpacing());
    problem_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    problem_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* groundRow = new QHBoxLayout;
    groundLabel_ = new QLabel(group);
    groundRow->addWidget(groundLabel_);
    groundRow->addWidget(ground_);
    groundRow->addStretch();
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(groundRow);
    layout->addWidget(preview_, 0, Qt::AlignCenter);
    layout->addWidget(tiles_);
    layout->addWidget(problem_);
    layout->addStretch();
    connect(ground_, &SceneBox::sceneChanged, this, &SheetExportDialog::showGround);
    return group;
}

void SheetExportDialog::retranslate() {
    setWindowTitle(tr("書き出し"));
    write_->setText(tr("書き出し..."));
    cancel_->setText(tr("取り消し"));
    optionsGroup_->setTitle(tr("設定"));
    for (std::size_t row = 0; row < rowLabels_.size(); ++row)
        rowLabels_[row]->setText(tr(rowCaptions[row]));
    const QStringList alphaNames = alphaModeNames();
    for (int mode = 0; mode < alpha_->count(); ++mode)
        alpha_->setItemText(
            mode, QStringLiteral("%1 (%2)").arg(alphaModeCaption(static_cast<AlphaMode>(mode)),
                                                alphaNames[mode]));
    for (std::size_t row = 0; row < flipbookMapLabels_.size(); ++row)
        flipbookMapLabels_[row]->setText(tr(flipbookMapCaptions[row]));
    motionVectors_->setItemText(0, tr("なし"));
    const QStringList presetNames = motionVectorPresetNames();
    for (qsizetype preset = 0; preset < presetNames.size(); ++preset)
        motionVectors_->setItemText(
            static_cast<int>(preset) + 1,
            QStringLiteral("%1 (%2)").arg(tr(motionVectorPresetCaptions[preset]),
                                          presetNames[preset]));
    const QStringList colourNames = sheetColourNames();
    for (qsizetype colour = 0; colour < colourNames.size(); ++colour)
        colour_->setItemText(
            static_cast<int>(colour),
            QStringLiteral("%1 (%2)").arg(tr(sheetColourCaptions[colour]), colourNames[colour]));
    flipbookMapsNote_->setText(tr("粒子とランプがないため使えません"));
    outputGroup_->setTitle(tr("出力"));
    for (std::size_t row = 0; row < outputLabels_.size(); ++row)
        outputLabels_[row]->setText(tr(outputCaptions[row]));
    format_->setItemText(0, tr("シート (.png)"));
    repeatForever_->setText(tr("無限"));
    lossless_->setText(tr("劣化なし"));
    palette_->setItemText(0, tr("なし"));
    palette_->setItemText(palette_->count() - 1,
                          paletteFile_.isEmpty()
                              ? tr("ファイル...")
                              : tr("ファイル: %1").arg(QFileInfo(paletteFile_).fileName()));
    for (int dither = 0; dither < dither_->count(); ++dither)
        dither_->setItemText(dither, QStringLiteral("%1 (%2)").arg(tr(ditherCaptions[dither]),
                                                                   ditherNames()[dither]));
    thumbnailCaption_->setText(tr("最初のコマ"));
    background_->setText(tr("変更..."));
    automaticColumns_->setText(tr("自動"));
    powerOfTwo_->setText(tr("各辺を切り上げる"));
    crop_->setText(tr("全コマを描かれた範囲に切り抜く"));
    trim_->setText(tr("コマごとに切り詰めて詰め込む"));
    variants_->setSpecialValueText(tr("なし"));
    addDesign_->setText(tr("追加..."));
    removeDesign_->setText(tr("削除"));
    previewGroup_->setTitle(tr("仕上がり"));
    groundLabel_->setText(tr("下地"));
    ground_->retranslate();
    retranslateTips();
}

void SheetExportDialog::retranslateTips() {
    // Each option's tip names the command lines' option that does the same.
    const auto option = [](SheetOption sheetOption) {
        return QStringLiteral("--") + QString::fromLatin1(sheetOptionRow(sheetOption).name);
    };
    alpha_->setToolTip(tr("シートの透明の持ち方（%1）").arg(option(SheetOption::Alpha)));
    background_->setToolTip(tr("透明にしてコマのまわりに置く背景の色を選ぶ（%1）")
                                .arg(option(SheetOption::Background)));
    automaticColumns_->setToolTip(tr("列数を自動で決める"));
    columns_->setToolTip(tr("シートの列数（%1）").arg(option(SheetOption::Columns)));
    maxSize_->setToolTip(tr("シートの長いほうの辺の上限（%1）").arg(option(SheetOption::MaxSize)));
    powerOfTwo_->setToolTip(
        tr("シートの幅と高さを2のべき乗に切り上げる（%1）").arg(option(SheetOption::PowerOfTwo)));
    padding_->setToolTip(
        tr("各コマのまわりに置く背景の幅（%1）").arg(option(SheetOption::Padding)));
    for (QCheckBox* box : metadata_)
        box->setToolTip(tr("シートと一緒にこの形式のメタデータを書き出す（%1）")
                            .arg(option(SheetOption::Metadata)));
    fps_->setToolTip(tr("メタデータに書く、またはアニメーションのフレームレート（%1）")
                         .arg(option(SheetOption::Fps)));
    motionVectors_->setToolTip(tr("コマごとの動きを画像（名前_mv."
                                  "png）に書き出し、エンジンがコマの間を補間できるようにする（%1）")
                                   .arg(option(SheetOption::MotionVectors)));
    colour_->setToolTip(
        tr("シートに色を書くか、ランプの番号を書いてランプの画像（名前_ramp.png）を添えるか（%1）")
            .arg(option(SheetOption::ColourMode)));
    frameStep_->setToolTip(
        tr("K コマごとに1コマを残す。メタデータのフレームレートは K で割られる（%1）")
            .arg(option(SheetOption::FrameStep)));
    crop_->setToolTip(tr("どれかのコマが描くものをすべて含む最小の長方形に全コマを切り抜く。"
                         "コマの大きさはそろったまま（%1）")
                          .arg(option(SheetOption::Crop)));
    trim_->setToolTip(tr("各コマを描かれた範囲に切り詰めて詰め込む。格子ではなくなるため、"
                         "スプライトのアトラス向け（%1）")
                          .arg(option(SheetOption::Trim)));
    variants_->setToolTip(tr("シード S、S+1、… で N 回レンダリングし、各バリエーションを"
                             "それぞれの行に並べる（%1）")
                              .arg(option(SheetOption::Variants)));
    designs_->setToolTip(tr("シートに並べるデザイン。最初はこのデザインで、"
                            "それぞれ自分の設定でレンダリングされる"));
    addDesign_->setToolTip(tr("シートにデザインのファイルを加える"));
    removeDesign_->setToolTip(tr("選んだデザインをシートから外す"));
    format_->setToolTip(tr("シートか、コマを順に見せるアニメーション（GIF、APNG、WebP）か。APNG "
                           "は .png の名前でも書ける（%1）")
                            .arg(option(SheetOption::Animation)));
    repeatForever_->setToolTip(tr("アニメーションを繰り返し続ける"));
    repeat_->setToolTip(tr("アニメーションを再生する回数（%1）").arg(option(SheetOption::Repeat)));
    lossless_->setToolTip(tr("WebP のコマを劣化なしで書く"));
    quality_->setToolTip(
        tr("劣化ありの WebP のコマの画質（%1）").arg(option(SheetOption::Quality)));
    palette_->setToolTip(
        tr("すべての色をパレットの色にする。組み込みのパレットか、.hex、.gpl、.pal、.png "
           "のファイル（%1）")
            .arg(option(SheetOption::Palette)));
    dither_->setToolTip(tr("パレットの色の間の色の表し方。誤差拡散は一枚絵向きで、アニメーション"
                           "ではちらつく（%1）")
                            .arg(option(SheetOption::Dither)));
    scale_->setToolTip(tr("最後にすべてのコマをこの倍率でドットのまま拡大する（%1）")
                           .arg(option(SheetOption::Scale)));
    thumbnail_->setToolTip(tr("書き出される最初のコマ"));
    ground_->setToolTip(tr("仕上がりを見せる下地"));
    write_->setToolTip(tr("ファイルを選んでシートを書き出す"));
    cancel_->setToolTip(tr("書き出さずに閉じる"));
}

void SheetExportDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        showBackground();
        refresh();
    }
    QDialog::changeEvent(event);
}

SheetOptions SheetExportDialog::options() const {
    SheetOptions options;
    options.alpha = static_cast<AlphaMode>(alpha_->currentIndex());
    if (source_.backgroundChoosable)
        options.background = chosenBackground_;
    // The program's own rate is what the command lines take without --fps.
    options.fps = fps_->value() != source_.framesPerSecond ? fps_->value() : 0;
    options.frameStep = frameStep_->value();
    const int paletteIndex = palette_->currentIndex();
    if (paletteIndex == palette_->count() - 1)
        options.palette = paletteFile_;
    else if (paletteIndex > 0)
        options.palette = palette_->itemText(paletteIndex);
    if (!options.palette.isEmpty())
        options.dither = static_cast<Dither>(dither_->currentIndex());
    options.scale = scale_->value();
    if (const std::optional<AnimationFormat> animation = animationFormat()) {
        options.animatedPng = animation == AnimationFormat::Apng;
        if (!repeatForever_->isChecked())
            options.repeat = repeat_->value();
        if (animation == AnimationFormat::WebP && !lossless_->isChecked())
            options.quality = quality_->value();
        return options;
    }
    if (!automaticColumns_->isChecked())
        options.columns = columns_->value();
    // At its largest the edge is only held to the limit of pictures.
    options.maxSize = maxSize_->value() < maxSize_->maximum() ? maxSize_->value() : 0;
    options.powerOfTwo = powerOfTwo_->isChecked();
    options.padding = padding_->value();
    options.crop = crop_->isChecked();
    options.trim = trim_->isChecked();
    options.variants = variants_->value();
    for (std::size_t format = 0; format < metadata_.size(); ++format)
        if (metadata_[format]->isChecked())
            options.metadata.push_back(static_cast<MetadataFormat>(format));
    options.motionVectors = static_cast<MotionVectorPreset>(motionVectors_->currentIndex());
    options.colour = static_cast<SheetColour>(colour_->currentIndex());
    return options;
}

std::optional<AnimationFormat> SheetExportDialog::animationFormat() const {
    if (format_->currentIndex() == 0)
        return std::nullopt;
    return static_cast<AnimationFormat>(format_->currentIndex() - 1);
}

void SheetExportDialog::chooseBackground() {
    const QColor colour =
        QColorDialog::getColor(QColor(colourToRgb(chosenBackground_)), this, tr("背景"));
    if (!colour.isValid())
        return;
    chosenBackground_ = colourFromRgb(colour.rgb());
    showBackground();
    showGround();
    refresh();
}

void SheetExportDialog::showBackground() {
    showBackground(chosenBackground_);
}

void SheetExportDialog::showBackground(Colour background) {
    backgroundSwatch_->setPixmap(swatch(background));
    backgroundText_->setText(
        source_.backgroundChoosable
            ? colourToHex(background)
            : tr("%1（ColorTransformation の最初の色）").arg(colourToHex(background)));
}

void SheetExportDialog::showGround() {
    preview_->setScene(ground_->scene());
}

AtlasBlock SheetExportDialog::framesBlock(const SheetOptions& options) const {
    AtlasBlock block;
    block.framesPerSecond = options.statedFrameRate(source_.framesPerSecond);
    block.loop = source_.loop;
    block.frameCount = source_.frames.frameCount;
    block.columns = source_.columns;
    const int frameSize = source_.frameSize * options.scale;
    block.frameSize = QSize(frameSize, frameSize);
    return block;
}

void SheetExportDialog::refresh() {
    const SheetOptions options = this->options();
    // A cut sheet is laid out once the frames to write show what they draw;
    // a sheet rendered anew, once rendered.
    const bool rendered = rendersSheet(options);
    const bool cut = !rendered && (options.crop || options.trim);
    Status status = cut || rendered ? Status::success()
                                    : layOutAnimation(source_.frames, source_.background,
                                                      framesBlock(options), options, atlas_);
    // The file is not chosen yet: what holds for any .png is checked here,
    // the rest when it is.
    const std::optional<AnimationFormat> animation = animationFormat();
    if (status.ok() && !animation)
        status = options.checkOutput(QStringLiteral("sheet.png"));
    if (status.ok() && source_.loop)
        status = options.checkLoop(source_.loopFrames);
    SheetFrames frames = source_.frames;
    Colour background = options.background.value_or(source_.background);
    Palette palette;
    if (status.ok() && !options.palette.isEmpty())
        status = loadPalette(options.palette, palette);
    if (status.ok() && !options.palette.isEmpty() && source_.lockToPalette && !rendered)
        status = source_.lockToPalette(options, palette, frames, background);
    frames.frameStep = options.frameStep;
    framesToWrite_ = enlargedFrames(frames, options.scale);
    backgroundToWrite_ = background;
    // The ramp's first colour as the frames are written: snapped to the palette.
    if (!source_.backgroundChoosable)
        showBackground(status.ok() && !options.palette.isEmpty() ? palette.nearest(background)
                                                                 : background);
    if (status.ok() && cut)
        status = layOutAnimation(framesToWrite_, background, framesBlock(options), options, atlas_);
    SheetCompanions files;
    if (status.ok() && rendered)
        status = renderedSheetFiles(options, QStringLiteral("sheet.png"), files);
    if (!status.ok()) {
        showProblem(status, options);
        return;
    }
    if (automaticColumns_->isChecked() && atlas_.grid) {
        const QSignalBlocker quiet(columns_);
        columns_->setValue(atlas_.grid->columns());
    }
    if (rendered) {
        atlas_ = files.description.atlas;
        sheet_ = files.sheet;
    } else {
        sheet_ = makeSheet({framesToWrite_}, atlas_, options.alpha, {background},
                           !options.palette.isEmpty());
    }
    preview_->setSheet(sheet_, options.alpha);
    tiles_->setText(tr("%1\n画像 %2 x %3 px（表示 %4%）")
                        .arg(atlasTilesText(atlas_))
                        .arg(sheet_.width())
                        .arg(sheet_.height())
                        .arg(preview_->scalePercent()));
    problem_->setStyleSheet(QStringLiteral("color: #a05000;"));
    QStringList warnings;
    if (atlas_.grid)
        warnings << atlas_.grid->powerOfTwoWarning();
    warnings << atlasGridWarning(atlas_);
    if (animation && options.dither == Dither::Diffusion)
        warnings = QStringList{tr("誤差拡散のディザリングはアニメーションではちらつきます")};
    warnings.removeAll(QString());
    problem_->setText(warnings.join(QLatin1Char('\n')));
    showThumbnail(options);
    write_->setEnabled(true);
}

void SheetExportDialog::showProblem(const Status& status, const SheetOptions& options) {
    thumbnail_->clear();
    thumbnailSize_->clear();
    sheet_ = QImage();
    preview_->setSheet(sheet_, options.alpha);
    tiles_->clear();
    problem_->setStyleSheet(QStringLiteral("color: #c00000;"));
    problem_->setText(status.message());
    write_->setEnabled(false);
}

void SheetExportDialog::write() {
    if (sheet_.isNull())
        return;
    const std::optional<AnimationFormat> animation = animationFormat();
    FileFilters filters{FileFilter::pngFiles(), FileFilter::bitmapFiles()};
    QString extension = QStringLiteral("png");
    if (animation) {
        const AnimationEntry& entry = animationEntries[static_cast<std::size_t>(*animation)];
        extension = QString::fromLatin1(entry.extension);
        filters = {{QString::fromLatin1(entry.name), {QStringLiteral("*.") + extension}}};
        // An animated PNG may also have a .png name.
        if (animation == AnimationFormat::Apng)
            filters.front().patterns << QStringLiteral("*.png");
    }
    QString path =
        dialogs_.saveFile(source_.fileCaption, source_.proposedFile, filters, extension).path;
    if (path.isEmpty())
        return;
    path = withDefaultExtension(path, extension);
    const SheetOptions options = this->options();
    if (animation) {
        if (writeAnimation(path, options))
            accept();
        return;
    }
    // The frames are one animation named after the file.
    SheetAtlas atlas = atlas_;
    atlas.animations.front().name = QFileInfo(path).completeBaseName();
    SheetCompanions files{
        sheet_,
        SheetDescription::of(path, atlas, options.alpha, source_.application, source_.version),
        {}};
    const bool rendered = rendersSheet(options);
    Status status = options.checkOutput(path);
    if (status.ok() && rendered)
        status = renderedSheetFiles(options, path, files);
    else if (status.ok() && (options.motionVectors != MotionVectorPreset::None ||
                             options.colour != SheetColour::Colours))
        status = source_.companions(options, path, files);
    files.sheet = sheetToWrite(files.sheet, options, path);
    if (status.ok())
        status = writeSheet(path, files.sheet, files.description, options.metadata, files.images);
    if (!status.ok()) {
        dialogs_.warning(tr("書き出し"), status.message());
        return;
    }
    written_ = QStringList{path};
    for (const CompanionImage& image : files.images)
        written_ << image.path;
    for (const MetadataFormat format : options.metadata)
        written_ << metadataPath(path, format);
    accept();
}

bool SheetExportDialog::writeAnimation(const QString& path, const SheetOptions& options) {
    const std::optional<AnimationFormat> format = animationFormatFor(path, options.animatedPng);
    Status status = Status::success();
    if (format != animationFormat())
        status = Status::failure(tr("\"%1\" は選んだ形式の名前ではありません").arg(path));
    if (status.ok())
        status = checkOutputOptions(options, path);
    if (status.ok())
        status = writeSheetAnimation(
            path,
            sheetAnimation(framesToWrite_, options, backgroundToWrite_, *format,
                           options.statedFrameRate(source_.framesPerSecond), source_.loop),
            *format, options);
    if (!status.ok()) {
        dialogs_.warning(tr("書き出し"), status.message());
        return false;
    }
    written_ = QStringList{path};
    return true;
}

} // namespace common
