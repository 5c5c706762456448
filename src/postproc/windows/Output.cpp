#include "windows/Output.h"

#include "common/FramePlayback.h"
#include "common/ImageFile.h"
#include "common/palettes/PaletteMapping.h"
#include "common/windows/BarValueEntry.h"
#include "common/windows/SheetExportDialog.h"
#include "common/windows/ValueBarSteps.h"
#include "core/FrameSelection.h"
#include "core/PostprocSession.h"
#include "core/ProgramInfo.h"
#include "core/SheetLayout.h"
#include "core/SheetOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionGroupBox>
#include <QVBoxLayout>

namespace koratune {

Output::Output(PostprocSession& session, int framesPerSecond, QWidget* parent)
    : QDialog(parent), session_(session), framesPerSecond_(framesPerSecond),
      settings_(session.settings), sheetGroup_(new QGroupBox(this)),
      hScroll1_(new QScrollBar(Qt::Horizontal, sheetGroup_)), label2_(new QLabel(sheetGroup_)),
      label3_(new QLabel(sheetGroup_)), label4_(new QLabel(sheetGroup_)),
      command2_(new QPushButton(this)) {
    setObjectName(QStringLiteral("Output"));
    setModal(true);

    option1_[0] = new QRadioButton(this);
    option1_[1] = new QRadioButton(this);
    option1_[0]->setChecked(true);

    auto* grid = new QGridLayout(sheetGroup_);
    for (QLabel*& label : rowLabels_)
        label = new QLabel(sheetGroup_);
    grid->addWidget(rowLabels_[0], 0, 0);
    grid->addWidget(hScroll1_, 0, 1);
    grid->addWidget(label2_, 0, 2);
    grid->addWidget(rowLabels_[1], 1, 0);
    grid->addWidget(label3_, 1, 2);
    grid->addWidget(rowLabels_[2], 2, 0);
    grid->addWidget(label4_, 2, 1, 1, 2);
    grid->setColumnMinimumWidth(1, 160);
    label2_->setMinimumWidth(label2_->fontMetrics().horizontalAdvance(QStringLiteral("000")));

    command1_[0] = new QPushButton(this);
    command1_[1] = new QPushButton(this);
    command1_[0]->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(option1_[1]);
    buttons->addStretch();
    buttons->addWidget(command2_);
    buttons->addWidget(command1_[0]);
    buttons->addWidget(command1_[1]);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sheetGroup_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const int framesUsed = FrameSelection(settings_).count();
    hScroll1_->setRange(1, std::max(1, framesUsed));
    hScroll1_->setValue(
        session_.outputColumns.value(framesUsed, SheetLayout::initialColumns(framesUsed)));
    new common::ValueBarSteps(hScroll1_);
    new common::BarValueEntry(label2_, hScroll1_);
    HScroll1_Change();

    connect(hScroll1_, &QScrollBar::valueChanged, this, &Output::HScroll1_Change);
    connect(command1_[0], &QPushButton::clicked, this, &Output::write);
    connect(command1_[1], &QPushButton::clicked, this, &Output::reject);
    connect(command2_, &QPushButton::clicked, this, &Output::Command2_Click);
    command2_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    retranslate();
}

void Output::retranslate() {
    setWindowTitle(tr("Output"));
    // The leading spaces leave room for the one-sheet option's indicator.
    sheetGroup_->setTitle(tr("   一枚画像"));
    option1_[0]->setToolTip(tr("すべてのコマを一枚の画像に並べて出力する"));
    option1_[1]->setText(tr("連続画像"));
    option1_[1]->setToolTip(tr("コマごとに番号付きの画像を出力する"));
    hScroll1_->setToolTip(tr("一枚画像の横に並べるコマの数"));
    rowLabels_[0]->setText(tr("横のコマ数"));
    rowLabels_[1]->setText(tr("縦のコマ数"));
    rowLabels_[2]->setText(tr("出力画像のサイズ"));
    command2_->setText(tr("書き出し..."));
    command2_->setToolTip(tr("ゲームエンジン用のシートとメタデータを書き出す（%1）")
                              .arg(command2_->shortcut().toString(QKeySequence::NativeText)));
    command1_[0]->setText(tr("出力"));
    command1_[0]->setToolTip(tr("この設定で画像を出力する"));
    command1_[1]->setText(tr("取り消し"));
    command1_[1]->setToolTip(tr("何も出力せずに閉じる"));
    if (isVisible())
        placeSheetOption();
}

void Output::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void Output::HScroll1_Change() {
    const SheetLayout layout(settings_, hScroll1_->value());
    label2_->setText(QString::number(layout.columns()));
    label3_->setText(QString::number(layout.rows()));
    label4_->setText(layout.sizeText());
    session_.outputColumns.insert(FrameSelection(settings_).count(), hScroll1_->value());
}

void Output::write() {
    const QString fileName = session_.chooseFile(tr("出力"), FileUse::Save);
    if (fileName.isEmpty())
        return;
    QImage sheet;
    common::Status status = ComposeSheet(session_.images.work(), settings_, hScroll1_->value(),
                                         sheet, [] { QCoreApplication::processEvents(); });
    const bool oneSheet = option1_[0]->isChecked();
    if (status.ok()) {
        status = oneSheet ? common::writeImage(fileName, sheet, common::ImageFormat::Bmp)
                          : writeSequence(fileName, sheet, settings_);
    }
    if (!status.ok()) {
        session_.dialogs.warning(tr("出力"),
                                 tr("出力を書き出せませんでした。\n\n%1").arg(status.message()));
        return;
    }
    Q_EMIT session_.events.statusShown(oneSheet ? writtenSheetText(fileName, sheet.size())
                                                : writtenSequenceText(fileName));
    accept();
}

StatusText Output::writtenSheetText(const QString& fileName, QSize size) {
    const QString path = QDir::toNativeSeparators(fileName);
    return [path, size] {
        return tr("出力しました: %1（%2x%3）").arg(path).arg(size.width()).arg(size.height());
    };
}

StatusText Output::writtenSequenceText(const QString& fileName) const {
    const int count = settings_.FrameCount;
    const QString first = QDir::toNativeSeparators(SequenceFileName(fileName, 0));
    const QString last = QFileInfo(SequenceFileName(fileName, count - 1)).fileName();
    return [first, last, count] {
        return tr("出力しました: %1 〜 %2（%3 枚）").arg(first, last).arg(count);
    };
}

void Output::Command2_Click() {
    const QString exportTitle = tr("書き出し");
    if (!session_.requireImage(exportTitle))
        return;
    // The frames are composed once, on the columns this window starts with,
    // which every frame count fits; the export window copies them from there
    // into the cells of its own grid.
    const int framesUsed = FrameSelection(settings_).count();
    const int composedColumns = SheetLayout::initialColumns(framesUsed);
    QImage frames;
    const common::Status status = ComposeSheet(session_.images.work(), settings_, composedColumns,
                                               frames, [] { QCoreApplication::processEvents(); });
    if (!status.ok()) {
        session_.dialogs.warning(exportTitle, status.message());
        return;
    }
    common::SheetExportSource source;
    source.frames = {frames, common::FrameGrid(settings_.FrameSize, composedColumns), framesUsed,
                     common::makeColour(0, 0, 0)};
    source.frameSize = settings_.FrameSize;
    source.columns = hScroll1_->value();
    source.background = common::colourFromRgb(session_.images.backgroundColour());
    source.backgroundChoosable = true;
    source.framesPerSecond = framesPerSecond_;
    source.loop = SheetFramesLoop;
    source.application = QString::fromLatin1(ProgramName);
    source.version = QString::fromLatin1(ProgramVersion);
    source.fileCaption = exportTitle;
    source.proposedFile = session_.proposedOutputName(QStringLiteral("png"));
    // Locked to a palette as the command line locks them: every pixel, the
    // background and the empty cells' black mapped to its colours.
    source.lockToPalette = [](const common::SheetOptions& options, const common::Palette& palette,
                              common::SheetFrames& locked, common::Colour& lockedBackground) {
        common::mapFramesToPalette(locked.image, locked.grid, locked.frameCount, palette,
                                   options.dither);
        locked.emptyCellColour = palette.nearest(locked.emptyCellColour);
        lockedBackground = palette.nearest(lockedBackground);
        return common::Status::success();
    };
    common::SheetExportDialog dialog(source, session_.dialogs, this);
    dialog.exec();
    if (!dialog.writtenFiles().isEmpty())
        Q_EMIT session_.events.statusShown(writtenExportText(dialog.writtenFiles()));
}

StatusText Output::writtenExportText(const QStringList& fileNames) {
    QStringList paths;
    for (const QString& fileName : fileNames)
        paths << QDir::toNativeSeparators(fileName);
    return [paths] { return tr("書き出しました: %1").arg(paths.join(QStringLiteral(", "))); };
}

void Output::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    placeSheetOption();
}

void Output::placeSheetOption() {
    // The one-sheet option stands in the caption line of its group, its
    // indicator just before the caption's text, in the room the caption's
    // leading spaces leave (and the margin beside the group, where these are
    // narrower than the indicator).
    QStyleOptionGroupBox option;
    option.initFrom(sheetGroup_);
    option.text = sheetGroup_->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect label = style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                QStyle::SC_GroupBoxLabel, sheetGroup_);
    const QString title = sheetGroup_->title();
    const int leadingSpaces = static_cast<int>(title.size() - title.trimmed().size());
    const int textLeft =
        label.left() + sheetGroup_->fontMetrics().horizontalAdvance(title.left(leadingSpaces));
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
    const QSize size(indicator + 2, std::max(option1_[0]->sizeHint().height(), label.height()));
    const QPoint topLeft = sheetGroup_->mapTo(
        this, QPoint(textLeft - size.width(), label.center().y() - size.height() / 2));
    option1_[0]->setGeometry(QRect(topLeft, size));
    option1_[0]->raise();
}

} // namespace koratune
