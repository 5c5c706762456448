#include "windows/render/F_Preview.h"

#include "common/Rounding.h"
#include "core/document/DesignMath.h"
#include "common/ImageFile.h"
#include "core/session/DesignerSession.h"
#include "windows/tools/PictureBox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <thread>

namespace kirabellum {

namespace {

const QString saveFilter = QStringLiteral("Bitmap File(*.bmp)|*.bmp");

// The strip's layout as the last render left it in the document, for playback.
int playbackColumns(const DesignDocument& document) {
    if (document.FrameSize <= 0)
        return 1;
    return std::max(document.WidthLimit / document.FrameSize, 1);
}

} // namespace

F_Preview::F_Preview(DesignerSession& session)
    : ToolWindow(session, ToolKind::Preview, QStringLiteral("Preview")) {
    Picture1 = new PictureBox(this);
    Command1 = new QPushButton(QStringLiteral("Save"), this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(Picture1, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(Command1, 0, Qt::AlignLeft);
    connect(Command1, &QPushButton::clicked, this, &F_Preview::Command1_Click);
}

void F_Preview::Form_Load() {
    // The strip is only given its blank one-row size when there is none yet: a
    // rendered strip is never cut down by merely opening this window.
    const DesignDocument& document = session_.document;
    sizePicture(document.FrameSize);
    if (session_.rendPic.picture().isNull())
        session_.rendPic.clearToBlankRow(document.FrameCount, document.FrameSize);
}

int F_Preview::PlayInterval(int option) {
    // 60 fps halving per even option, 40 fps per odd one, in whole milliseconds.
    const double rate = option % 2 == 0 ? 60.0 / (option / 2 + 1) : 40.0 / ((option - 1) / 2 + 1);
    return static_cast<int>(common::roundHalfEven(1000.0 / rate));
}

void F_Preview::sizePicture(int edge) {
    Picture1->setPictureSize(QSize(std::clamp(edge, 1, 1024), std::clamp(edge, 1, 1024)));
    fitToContents();
}

void F_Preview::DRefresh() {
    const DesignDocument& document = session_.document;
    sizePicture(document.FrameSize);
    Picture1->clear();
    session_.rendPic.clearToBlankRow(document.FrameCount, document.FrameSize);
}

void F_Preview::prepareForRender(int frameSize, QRgb background) {
    sizePicture(frameSize);
    Picture1->setBackgroundColour(background);
}

void F_Preview::showRenderedFrame(int frameIndex, int frameCount, const QImage& strip,
                                  const QRect& cell) {
    setWindowTitle(QStringLiteral("%1/%2").arg(frameIndex + 1).arg(frameCount));
    Picture1->copyFrom(strip, cell);
}

void F_Preview::play(bool doubleSize, int option) {
    if (playing_)
        return;
    playing_ = true;
    QPointer<F_Preview> self(this);
    DesignDocument& document = session_.document;
    const int frameSize = std::max<int>(document.FrameSize, 1);
    const int scale = doubleSize ? 2 : 1;
    const int columns = playbackColumns(document);
    sizePicture(frameSize * scale);
    // The wait ends once a millisecond clock has moved on by more than the
    // interval, that is after at least PlayInterval + 1 whole milliseconds.
    const auto interval = std::chrono::milliseconds(PlayInterval(option) + 1);
    document.RefreshRate = static_cast<std::uint8_t>(option);

    using Clock = std::chrono::steady_clock;
    auto start = Clock::now();
    int column = 0;
    int row = 0;
    for (int frame = 0;; ++frame) {
        Clock::time_point now = Clock::now();
        while (now - start < interval) {
            const auto remaining = interval - (now - start);
            if (remaining > std::chrono::milliseconds(2))
                std::this_thread::sleep_for(remaining - std::chrono::milliseconds(1));
            now = Clock::now();
        }
        if (frame >= document.FrameCount)
            break;
        Picture1->copyFrom(session_.rendPic.picture(),
                           QRect(frameSize * column, frameSize * row, frameSize, frameSize), scale);
        setWindowTitle(QStringLiteral("%1/%2").arg(frame + 1).arg(document.FrameCount));
        Q_EMIT frameShown(frame);
        if (++column >= columns) {
            column = 0;
            ++row;
        }
        QCoreApplication::processEvents();
        if (!self)
            return; // the window was closed during playback
        start = now;
    }
    Picture1->clear();
    setWindowTitle(QStringLiteral("Preview"));
    playing_ = false;
}

void F_Preview::Command1_Click() {
    QString path = session_.dialogs.saveFileName(session_.designFolder, saveFileName_, saveFilter);
    if (path.isEmpty())
        return;
    saveFileName_ = path;
    if (!common::imageFormatFor(path))
        path += QStringLiteral(".bmp");
    const QImage& strip = session_.rendPic.picture();
    const common::Status status =
        strip.isNull() ? common::Status::failure(QStringLiteral("There is no frame strip to save yet"))
                       : common::writeImage(path, strip);
    if (!status.ok())
        session_.dialogs.warning(QStringLiteral("Save"), status.message());
}

} // namespace kirabellum
