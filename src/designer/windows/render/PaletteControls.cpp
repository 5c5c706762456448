#include "windows/render/PaletteControls.h"

#include "common/palettes/BuiltInPalettes.h"
#include "common/palettes/PaletteFile.h"
#include "common/sheets/SheetOptionTable.h"
#include "windows/render/ControlRow.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

namespace kirabellum {

namespace {

// The dithers in the order of their names.
const char* const ditherCaptions[] = {
    QT_TRANSLATE_NOOP("kirabellum::PaletteControls", "なし"),
    QT_TRANSLATE_NOOP("kirabellum::PaletteControls", "規則的"),
    QT_TRANSLATE_NOOP("kirabellum::PaletteControls", "誤差拡散"),
};

} // namespace

PaletteControls::PaletteControls(common::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), paletteBox_(new QComboBox(this)),
      dither_(new QComboBox(this)), scale_(new QSpinBox(this)) {
    for (QLabel*& label : labels_)
        label = new QLabel(this);
    paletteBox_->addItem(QString()); // none
    paletteBox_->addItems(common::builtInPaletteNames());
    paletteBox_->addItem(QString()); // a file
    paletteBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (qsizetype dither = 0; dither < common::ditherNames().size(); ++dither)
        dither_->addItem(QString());
    dither_->setEnabled(false);
    const common::SheetOptionRow& scale = common::sheetOptionRow(common::SheetOption::Scale);
    scale_->setRange(scale.minimum, scale.maximum);
    scale_->setPrefix(QStringLiteral("× "));
    layOutControlRow(*this, labels_, std::array<QWidget*, 3>{paletteBox_, dither_, scale_});
    retranslate();
    connect(paletteBox_, &QComboBox::currentIndexChanged, this, &PaletteControls::paletteChosen);
    connect(dither_, &QComboBox::currentIndexChanged, this, &PaletteControls::changed);
    connect(scale_, &QSpinBox::valueChanged, this, &PaletteControls::changed);
}

common::SheetOptions PaletteControls::options() const {
    common::SheetOptions options;
    if (paletteIndex_ == paletteBox_->count() - 1)
        options.palette = paletteFile_;
    else if (paletteIndex_ > 0)
        options.palette = paletteBox_->itemText(paletteIndex_);
    if (!options.palette.isEmpty())
        options.dither = static_cast<common::Dither>(dither_->currentIndex());
    options.scale = scale();
    return options;
}

int PaletteControls::scale() const {
    return scale_->value();
}

void PaletteControls::setMaximumScale(int maximum) {
    const common::SheetOptionRow& scale = common::sheetOptionRow(common::SheetOption::Scale);
    scale_->setMaximum(std::clamp(maximum, scale.minimum, scale.maximum));
}

void PaletteControls::paletteChosen(int index) {
    const bool file = index == paletteBox_->count() - 1;
    const QString source =
        file ? dialogs_
                   .openFile(tr("パレット"), paletteFile_,
                             {{tr("パレット"),
                               {QStringLiteral("*.hex"), QStringLiteral("*.gpl"),
                                QStringLiteral("*.pal"), QStringLiteral("*.png")}}})
                   .path
             : paletteBox_->itemText(index);
    std::optional<common::Palette> palette;
    if (index > 0 && !source.isEmpty()) {
        palette.emplace();
        const common::Status status = common::loadPalette(source, *palette);
        if (!status.ok()) {
            dialogs_.warning(tr("パレット"), status.message());
            palette.reset();
        }
    }
    if (index > 0 && !palette) { // cancelled or refused
        const QSignalBlocker quiet(paletteBox_);
        paletteBox_->setCurrentIndex(paletteIndex_);
        return;
    }
    if (file) {
        paletteFile_ = source;
        retranslate();
    }
    paletteIndex_ = index;
    palette_ = palette;
    dither_->setEnabled(palette_.has_value());
    Q_EMIT changed();
}

void PaletteControls::retranslate() {
    labels_[0]->setText(tr("パレット"));
    labels_[1]->setText(tr("ディザリング"));
    labels_[2]->setText(tr("拡大"));
    paletteBox_->setItemText(0, tr("なし"));
    paletteBox_->setItemText(paletteBox_->count() - 1,
                             paletteFile_.isEmpty()
                                 ? tr("ファイル...")
                                 : tr("ファイル: %1").arg(QFileInfo(paletteFile_).fileName()));
    for (int dither = 0; dither < dither_->count(); ++dither)
        dither_->setItemText(dither, tr(ditherCaptions[dither]));
    paletteBox_->setToolTip(
        tr("書き出しと同じくパレットに固定したコマを見る。組み込みのパレットか、"
           ".hex、.gpl、.pal、.png のファイル"));
    dither_->setToolTip(tr("パレットの色の間の色の表し方。誤差拡散は一枚絵向きで、アニメーション"
                           "ではちらつく"));
    scale_->setToolTip(tr("書き出しと同じくコマをこの倍率でドットのまま拡大する"));
}

void PaletteControls::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace kirabellum
