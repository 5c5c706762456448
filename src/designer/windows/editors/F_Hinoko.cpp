#include "windows/editors/F_Hinoko.h"

#include "common/ImageFile.h"
#include "common/windows/FileDrop.h"
#include "common/windows/PictureBox.h"
#include "core/editing/PictureFiles.h"
#include "core/editing/SparkLibrary.h"
#include "core/session/DesignerSession.h"
#include "windows/editors/F_Editer.h"
#include "windows/tools/ToolWindowHost.h"

#include <QCoreApplication>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace kirabellum {

namespace {

constexpr int ZoomEdge = 80;
constexpr int PresetRow = 81; // the built-in sparks' button, below the zoom
constexpr int RowHeight = 16;

// The name of an edit that gives a layer another spark image, in the Edit menu.
constexpr const char* SparkName = QT_TRANSLATE_NOOP("kirabellum::F_Hinoko", "火の粉の画像");

// Two lines, broken by a carriage return and a line feed.
QString sizeMessage() {
    return F_Hinoko::tr("サイズが正しくありません") + QStringLiteral("\r\n") +
           F_Hinoko::tr("正方形で32x32の画像を指定してください");
}

} // namespace

F_Hinoko::F_Hinoko(DesignerSession& session) : ToolWindow(session, ToolKind::Hinoko) {
    // A picture dropped on the window loads as Load would load it.
    common::acceptFileDrops(*this, [this](const QString& path) { loadDroppedFile(path); });
    Shape1 = new QFrame(this);
    Shape1->setGeometry(0, 0, 49, 49);
    Shape1->setAutoFillBackground(true);
    QPalette white = Shape1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Shape1->setPalette(white);

    Picture1 = new common::PictureBox(this);
    Picture1->setPictureSize(QSize(SparkEdge, SparkEdge));
    Picture1->setGeometry(8, 8, SparkEdge, SparkEdge);
    Picture1->setCursor(Qt::PointingHandCursor);
    Picture3 = new common::PictureBox(this);
    Picture3->setPictureSize(QSize(ZoomEdge, ZoomEdge));
    Picture3->setGeometry(49, 1, ZoomEdge, ZoomEdge);

    Command1 = new QPushButton(this);
    Command1->setGeometry(0, 49, 48, 16);
    Command2 = new QPushButton(this);
    Command2->setGeometry(0, 65, 48, 16);
    Command3 = new QToolButton(this);
    Command3->setGeometry(0, PresetRow, 129, RowHeight);
    Command3->setPopupMode(QToolButton::InstantPopup);
    auto* sparks = new QMenu(Command3);
    for (std::size_t index = 0; index < builtInSparks().size(); ++index)
        sparks->addAction(builtInSparks()[index].name, this,
                          [this, index] { BuiltInSpark_Click(index); });
    Command3->setMenu(sparks);
    for (QWidget* button : std::initializer_list<QWidget*>{Command1, Command2, Command3}) {
        QFont small = button->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        button->setFont(small);
    }

    retranslate();

    connect(Picture1, &common::PictureBox::pressed, this, [this] { LoadSparkImage(); });
    connect(Command1, &QPushButton::clicked, this, &F_Hinoko::LoadSparkImage);
    connect(Command2, &QPushButton::clicked, this, &F_Hinoko::Command2_Click);
}

void F_Hinoko::retranslate() {
    setWindowTitle(tr("Fire"));
    Picture1->setToolTip(tr("このレイヤーの火の粉の画像。クリックで画像を読み込む"));
    Command1->setText(tr("Load"));
    Command2->setText(tr("Export"));
    Command1->setToolTip(tr("このレイヤーの火の粉の画像（32×32ピクセル）を読み込む"));
    Command2->setToolTip(tr("このレイヤーの火の粉の画像を保存する"));
    Command3->setText(tr("プリセット"));
    Command3->setToolTip(tr("組み込みの火の粉をこのレイヤーのカラーランプの色で描く"));
    const QList<QAction*> sparks = Command3->menu()->actions();
    for (qsizetype index = 0; index < sparks.size(); ++index)
        sparks[index]->setText(QCoreApplication::translate(
            "kirabellum::SparkLibrary",
            builtInSparks()[static_cast<std::size_t>(index)].name.toUtf8().constData()));
}

void F_Hinoko::DRefresh() {
    const SparkBitmap& spark =
        session_.document.SparkImage[static_cast<std::size_t>(F_Editer::CurrentLayer(host()) - 1)];
    QImage& view = Picture1->image();
    for (int y = 0; y < SparkEdge; ++y)
        for (int x = 0; x < SparkEdge; ++x)
            view.setPixel(x, y, common::colourToRgb(spark.at(x, y)));
    Picture1->update();
    Picture3->copyFrom(stretchWithoutSmoothing(view, QSize(ZoomEdge, ZoomEdge)),
                       QRect(0, 0, ZoomEdge, ZoomEdge));
}

void F_Hinoko::Refire() {
    // The view is always painted from the document, so showing another layer
    // is a refresh.
    DRefresh();
}

void F_Hinoko::LoadSparkImage() {
    // The layer current when the command starts receives the image.
    const int layer = F_Editer::CurrentLayer(host());
    // A refused picture leaves the layer's spark image as it was.
    QImage picture;
    if (pictureDialog_.openPicture(session_, isSparkPicture, sizeMessage(), picture))
        takeSparkImage(layer, picture);
}

void F_Hinoko::loadDroppedFile(const QString& path) {
    const int layer = F_Editer::CurrentLayer(host());
    QImage picture;
    if (pictureDialog_.readPicture(session_, path, isSparkPicture, sizeMessage(), picture))
        takeSparkImage(layer, picture);
}

void F_Hinoko::takeSparkImage(int layer, const QImage& picture) {
    session_.history.edit(
        EditName(staticMetaObject, SparkName), [layer, &picture](DesignDocument& document) {
            takeSparkFromPicture(picture, document.SparkImage[static_cast<std::size_t>(layer - 1)]);
        });
    DRefresh();
}

void F_Hinoko::BuiltInSpark_Click(std::size_t index) {
    const int layer = F_Editer::CurrentLayer(host());
    session_.history.edit(EditName(staticMetaObject, SparkName),
                          [layer, index](DesignDocument& document) {
                              applyBuiltInSpark(document, layer - 1, index);
                          });
    DRefresh();
    // A design without a ramp is given one with the spark; the colour editor
    // shows it.
    host().refresh(ToolKind::Color);
}

void F_Hinoko::Command2_Click() {
    const QString path = pictureDialog_.chooseToSave(session_);
    if (path.isEmpty())
        return;
    const common::Status status =
        common::writeImage(path, Picture1->image(), common::ImageFormat::Bmp);
    if (!status.ok())
        session_.dialogs.warning(tr("Export"), status.message());
    else
        session_.events.reportWritten({path});
}

QSize F_Hinoko::sizeHint() const {
    return {129, PresetRow + RowHeight};
}

} // namespace kirabellum
