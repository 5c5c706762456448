#include "windows/editors/F_Color.h"

#include "common/ImageFile.h"
#include "common/palettes/BuiltInPalettes.h"
#include "common/palettes/PaletteFile.h"
#include "common/windows/FileDrop.h"
#include "common/windows/PictureBox.h"
#include "core/editing/LayerRamps.h"
#include "core/editing/PictureFiles.h"
#include "core/editing/RampLibrary.h"
#include "core/session/DesignerSession.h"
#include "windows/editors/F_Editer.h"
#include "windows/tools/ToolWindowHost.h"

#include <QCoreApplication>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace kirabellum {

namespace {

// The name of an edit that gives the design another ramp, in the Edit menu.
constexpr const char* RampName = QT_TRANSLATE_NOOP("kirabellum::F_Color", "カラーランプ");
// The snap of the ramp to a palette, which also names its edit.
constexpr const char* PaletteCaption =
    QT_TRANSLATE_NOOP("kirabellum::F_Color", "パレットに合わせる");
// The switch to the layer's own ramp, which also names the edit that makes one.
constexpr const char* LayerRampCaption = QT_TRANSLATE_NOOP("kirabellum::F_Color", "レイヤー専用");

// Two lines, broken by a carriage return and a line feed.
QString sizeMessage() {
    return F_Color::tr("サイズが正しくありません") + QStringLiteral("\r\n") +
           F_Color::tr("16(～256)x1の画像を指定してください");
}

// A built-in ramp as a small strip for its menu entry.
QIcon rampIcon(std::size_t index) {
    DesignDocument design;
    applyBuiltInRamp(design, index);
    QImage ramp(design.RampLength, 1, QImage::Format_RGB32);
    for (int entry = 0; entry < design.RampLength; ++entry)
        ramp.setPixel(entry, 0,
                      common::colourToRgb(design.ColorRamp[static_cast<std::size_t>(entry)]));
    return QIcon(QPixmap::fromImage(stretchWithoutSmoothing(ramp, QSize(16, 16))));
}

// A palette's colours side by side, for its menu entry.
QIcon paletteIcon(const QString& name) {
    const common::Palette palette = *common::builtInPalette(name);
    QImage colours(palette.size(), 1, QImage::Format_RGB32);
    for (int index = 0; index < palette.size(); ++index)
        colours.setPixel(index, 0, common::colourToRgb(palette.colour(index)));
    return QIcon(QPixmap::fromImage(stretchWithoutSmoothing(colours, QSize(16, 16))));
}

} // namespace

F_Color::F_Color(DesignerSession& session) : ToolWindow(session, ToolKind::Color) {
    // A picture dropped on the window loads as Load would load it.
    common::acceptFileDrops(*this, [this](const QString& path) { loadDroppedFile(path); });
    Command1 = new QPushButton(this);
    Command1->setGeometry(0, 0, 49, 16);
    Command2 = new QPushButton(this);
    Command2->setGeometry(49, 0, 49, 16);
    Command3 = new QToolButton(this);
    Command3->setGeometry(98, 0, 72, 16);
    Command3->setPopupMode(QToolButton::InstantPopup);
    auto* ramps = new QMenu(Command3);
    for (std::size_t index = 0; index < builtInRamps().size(); ++index)
        ramps->addAction(rampIcon(index), builtInRamps()[index].name, this,
                         [this, index] { BuiltInRamp_Click(index); });
    ramps->addSeparator();
    PaletteMenu = ramps->addMenu(QString());
    for (const QString& name : common::builtInPaletteNames())
        PaletteMenu->addAction(paletteIcon(name), name, this,
                               [this, name] { SnapToPalette(name); });
    PaletteMenu->addAction(QString(), this, [this] { SnapToPalette(QString()); });
    Command3->setMenu(ramps);
    Command4 = new QToolButton(this);
    Command4->setGeometry(170, 0, StripWidth + 2 - 170, 16);
    Command4->setCheckable(true);
    for (QWidget* button :
         std::initializer_list<QWidget*>{Command1, Command2, Command3, Command4}) {
        QFont small = button->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        button->setFont(small);
    }
    Frame2 = new QFrame(this);
    Frame2->setGeometry(0, 17, StripWidth + 2, StripHeight + 2);
    Frame2->setAutoFillBackground(true);
    QPalette black = Frame2->palette();
    black.setColor(QPalette::Window, Qt::black);
    Frame2->setPalette(black);
    Picture2 = new common::PictureBox(Frame2);
    Picture2->setPictureSize(QSize(StripWidth, StripHeight));
    Picture2->setGeometry(1, 1, StripWidth, StripHeight);
    Picture2->setCursor(Qt::PointingHandCursor);
    retranslate();

    connect(Picture2, &common::PictureBox::pressed, this, [this] { LoadRamp(); });
    connect(Command1, &QPushButton::clicked, this, &F_Color::LoadRamp);
    connect(Command2, &QPushButton::clicked, this, &F_Color::Command2_Click);
    connect(Command4, &QToolButton::clicked, this, &F_Color::Command4_Click);
}

void F_Color::retranslate() {
    setWindowTitle(tr("ColorTransformation"));
    Command1->setText(tr("Load"));
    Command2->setText(tr("Export"));
    Command1->setToolTip(tr("カラーランプの画像（横256ピクセルまで、高さ1ピクセル）を読み込む"));
    Command2->setToolTip(tr("今のカラーランプを画像として保存する"));
    Command3->setText(tr("プリセット"));
    Command3->setToolTip(tr("組み込みのグラデーションを使う"));
    const QList<QAction*> ramps = Command3->menu()->actions();
    for (qsizetype index = 0; index < static_cast<qsizetype>(builtInRamps().size()); ++index)
        ramps[index]->setText(QCoreApplication::translate(
            "kirabellum::RampLibrary",
            builtInRamps()[static_cast<std::size_t>(index)].name.toUtf8().constData()));
    PaletteMenu->setTitle(tr(PaletteCaption));
    PaletteMenu->setToolTip(tr("カラーランプの各色をパレットのいちばん近い色にする"));
    PaletteMenu->setToolTipsVisible(true);
    PaletteMenu->actions().back()->setText(tr("ファイル..."));
    Picture2->setToolTip(tr("粒の明るさを色に変えるカラーランプ。クリックで画像を読み込む"));
    Command4->setText(tr(LayerRampCaption));
    Command4->setToolTip(tr("押すと今のレイヤー専用のカラーランプ、離すとデザインのカラーランプを"
                            "表示・編集する"));
}

int F_Color::layer() const {
    return F_Editer::CurrentLayer(host());
}

void F_Color::DRefresh() {
    const DesignDocument& document = session_.document;
    const int current = layer();
    if (current != shownLayer_) {
        shownLayer_ = current;
        designRampChosen_ = false;
    }
    layerRampShown_ = !document.layer(current).Ramp.empty() && !designRampChosen_;
    Command4->setChecked(layerRampShown_);
    const std::vector<common::Colour> ramp =
        layerRampShown_ ? document.layer(current).Ramp : designRamp(document);
    const int length = static_cast<int>(ramp.size());
    Picture1 = length > 0 ? QImage(length, 1, QImage::Format_RGB32) : QImage();
    for (int index = 0; index < length; ++index)
        Picture1.setPixel(index, 0, common::colourToRgb(ramp[static_cast<std::size_t>(index)]));
    Picture2->clear();
    if (!Picture1.isNull())
        Picture2->copyFrom(stretchWithoutSmoothing(Picture1, QSize(StripWidth, StripHeight)),
                           QRect(0, 0, StripWidth, StripHeight));
}

void F_Color::LoadRamp() {
    // The picture is checked before anything changes: a refused one leaves the
    // ramp image, RampLength and ColorRamp as they were.
    QImage picture;
    if (pictureDialog_.openPicture(session_, isRampPicture, sizeMessage(), picture))
        takeRamp(picture);
}

void F_Color::loadDroppedFile(const QString& path) {
    QImage picture;
    if (pictureDialog_.readPicture(session_, path, isRampPicture, sizeMessage(), picture))
        takeRamp(picture);
}

void F_Color::takeRamp(const QImage& picture) {
    if (!layerRampShown_) {
        session_.history.edit(
            EditName(staticMetaObject, RampName),
            [&picture](DesignDocument& document) { takeRampFromPicture(picture, document); });
        DRefresh();
        return;
    }
    // A layer's own ramp starts with black, the background its canvas fades to.
    std::vector<common::Colour> ramp = rampFromPicture(picture);
    if (ramp.empty() || ramp.front() != 0) {
        session_.dialogs.warning(tr("Load"),
                                 tr("レイヤー専用のカラーランプは黒で始まる画像にしてください"));
        return;
    }
    const int current = layer();
    session_.history.edit(EditName(staticMetaObject, RampName),
                          [current, &ramp](DesignDocument& document) {
                              setLayerRamp(document, current, std::move(ramp));
                          });
    DRefresh();
    host().refresh(ToolKind::Hinoko);
}

void F_Color::BuiltInRamp_Click(std::size_t index) {
    const int current = layer();
    const bool layerRamp = layerRampShown_;
    session_.history.edit(EditName(staticMetaObject, RampName),
                          [index, current, layerRamp](DesignDocument& document) {
                              if (layerRamp)
                                  applyBuiltInLayerRamp(document, current, index);
                              else
                                  applyBuiltInRamp(document, index);
                          });
    DRefresh();
    // The spark images move over to the new ramp; the spark editor shows it.
    host().refresh(ToolKind::Hinoko);
}

void F_Color::SnapToPalette(const QString& nameOrFile) {
    QString source = nameOrFile;
    if (source.isEmpty())
        source = session_.dialogs
                     .openFile(tr(PaletteCaption), QString(),
                               {{tr("パレット"),
                                 {QStringLiteral("*.hex"), QStringLiteral("*.gpl"),
                                  QStringLiteral("*.pal"), QStringLiteral("*.png")}}})
                     .path;
    if (source.isEmpty())
        return;
    common::Palette palette;
    const common::Status status = common::loadPalette(source, palette);
    if (!status.ok()) {
        session_.dialogs.warning(tr(PaletteCaption), status.message());
        return;
    }
    const int current = layer();
    const bool layerRamp = layerRampShown_;
    session_.history.edit(EditName(staticMetaObject, PaletteCaption),
                          [current, layerRamp, &palette](DesignDocument& document) {
                              snapRampToPalette(document, current, layerRamp, palette);
                          });
    DRefresh();
    host().refresh(ToolKind::Hinoko);
}

void F_Color::Command4_Click(bool layerRamp) {
    const int current = layer();
    if (layerRamp && session_.document.layer(current).Ramp.empty()) {
        // A layer without a ramp of its own is offered one, which starts as a
        // copy of the design's.
        if (!session_.dialogs.confirm(tr(LayerRampCaption),
                                      tr("レイヤー%1に専用のカラーランプを作りますか？\n"
                                         "デザインのカラーランプの写しから始まります。")
                                          .arg(current))) {
            DRefresh();
            return;
        }
        session_.history.edit(
            EditName(staticMetaObject, LayerRampCaption),
            [current](DesignDocument& document) { giveLayerOwnRamp(document, current); });
        host().refresh(ToolKind::Effect);
        host().refresh(ToolKind::Hinoko);
    }
    designRampChosen_ = !layerRamp;
    DRefresh();
}

void F_Color::Command2_Click() {
    const QString path = pictureDialog_.chooseToSave(session_);
    if (path.isEmpty())
        return;
    const common::Status status =
        Picture1.isNull() ? common::Status::failure(tr("書き出すカラーランプがまだありません"))
                          : common::writeImage(path, Picture1, common::ImageFormat::Bmp);
    if (!status.ok())
        session_.dialogs.warning(tr("Export"), status.message());
    else
        session_.events.reportWritten({path});
}

QSize F_Color::sizeHint() const {
    return {StripWidth + 2, StripHeight + 19};
}

} // namespace kirabellum
