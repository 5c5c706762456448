// Koratune's way from a frame image to its outputs, on any picture bytes and
// settings: open, composite an overlay, recolour, compose the sheet, write it,
// name and cut the sequence frames. Outputs are written to memory only.
//
// The input starts with twelve option bytes:
//   0 frame size (24 to 64)       1 frame count (1 to 16)
//   2 start frame                 3 skip step
//   4 bit 0 mirror left to right, bit 1 mirror top to bottom, bit 2 write PNG
//   5-6 hue shift                 7 saturation change (a signed byte, doubled)
//   8 columns (0: the columns offered first, else 1 to 17)
//   9 length of the sequence name (0 to 15)
//   10-11 length of the overlay picture's bytes
// then the sequence name, the overlay picture (none when its length is 0) and
// the frame image's picture bytes. Pictures above 1 MB are refused, so that an
// input takes milliseconds.
#include "FuzzInput.h"
#include "FuzzTarget.h"

#include "common/FrameGrid.h"
#include "common/ImageFile.h"
#include "core/FrameImages.h"
#include "core/FrameSelection.h"
#include "core/Recolouring.h"
#include "core/SheetLayout.h"
#include "core/SheetOutput.h"

#include <QBuffer>
#include <QImageReader>
#include <QSet>

#include <algorithm>

namespace {

using koratune::SharedSettings;

constexpr int MostFrames = 16;

struct Options {
    SharedSettings settings;
    int columns = 0;
    bool png = false;
    QString sequenceName;
    QByteArray overlay;
};

Options readOptions(fuzz::FuzzInput& input) {
    Options options;
    SharedSettings& settings = options.settings;
    settings.FrameSize = koratune::MinimumFrameSize + input.byte() % 41;
    settings.FrameCount = 1 + input.byte() % MostFrames;
    settings.StartFrame = input.byte() % settings.FrameCount;
    settings.SkipStep = 1 + input.byte() % koratune::maximumSkipStep(settings.FrameCount);
    const std::uint8_t flags = input.byte();
    settings.FlipHorizontal = (flags & 1) != 0;
    settings.FlipVertical = (flags & 2) != 0;
    options.png = (flags & 4) != 0;
    settings.HueShift = input.uint16() % (koratune::MaximumHueShift + 1);
    settings.SaturationShift =
        std::clamp(2 * static_cast<std::int8_t>(input.byte()), -koratune::MaximumSaturationShift,
                   koratune::MaximumSaturationShift);
    // Up to one column more than the frames can use, so that a refused layout is tried too.
    options.columns = input.byte() % (MostFrames + 2);
    if (options.columns == 0)
        options.columns =
            koratune::SheetLayout::initialColumns(koratune::FrameSelection(settings).count());
    const std::size_t nameLength = input.byte() % 16;
    const std::size_t overlayLength = input.uint16();
    options.sequenceName = QString::fromUtf8(input.take(nameLength));
    options.overlay = input.take(overlayLength);
    return options;
}

bool readPicture(QByteArray bytes, QImage& image) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return common::readImage(buffer, image).ok();
}

// A written picture reads back pixel for pixel.
void checkWritten(const QImage& image, common::ImageFormat format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    fuzz::require(common::writeImage(buffer, image, format).ok(), "a picture can be written");
    QImage read;
    fuzz::require(readPicture(bytes, read), "a written picture reads back");
    fuzz::require(read == image, "a written picture reads back pixel for pixel");
}

void checkRecoloured(const QImage& base, const QImage& work, int rows,
                     const SharedSettings& settings) {
    const bool unchanged = settings.HueShift == 0 && settings.SaturationShift == 0;
    fuzz::require(rows == (unchanged ? 0 : base.height()), "recolouring runs over every row");
    fuzz::require(work.size() == base.size(), "recolouring keeps the image's size");
    if (unchanged)
        fuzz::require(work == base, "recolouring without shifts keeps every pixel");
    for (int y = 0; y < base.height(); ++y)
        for (int x = 0; x < base.width(); ++x) {
            const QRgb pixel = base.pixel(x, y);
            if (pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255))
                fuzz::require(work.pixel(x, y) == pixel, "black and white stay as they are");
        }
}

// Every sequence frame has a name of its own and is its cell of the sheet.
void checkSequence(const QImage& sheet, const Options& options) {
    const SharedSettings& settings = options.settings;
    const common::FrameGrid cells(settings.FrameSize, options.columns);
    const QRect sheetRect = sheet.rect();
    QString stem = options.sequenceName;
    if (stem.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
        stem.chop(4);
    QImage black(settings.FrameSize, settings.FrameSize, QImage::Format_RGB32);
    black.fill(qRgb(0, 0, 0));
    QSet<QString> names;
    for (int number = 0; number < settings.FrameCount; ++number) {
        const QString name = koratune::SequenceFileName(options.sequenceName, number);
        fuzz::require(name.startsWith(stem) && name.endsWith(QStringLiteral(".bmp")),
                      "a sequence name is the chosen name, a number and \".bmp\"");
        names.insert(name);

        const QImage frame = koratune::SequenceFrame(sheet, settings.FrameSize, number);
        const QRect cell = cells.cellRect(number);
        if (sheetRect.contains(cell))
            fuzz::require(frame == sheet.copy(cell), "a sequence frame is its cell of the sheet");
        else
            fuzz::require(frame == black, "a sequence frame beyond the sheet is black");
        checkWritten(frame, common::ImageFormat::Bmp);
    }
    fuzz::require(names.size() == settings.FrameCount, "every sequence frame has its own name");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = [] {
        QImageReader::setAllocationLimit(1);
        // The picture readers' complaints about damaged files would flood the run.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return true;
    }();
    static_cast<void>(quiet);

    fuzz::FuzzInput input(data, size);
    const Options options = readOptions(input);
    QImage picture;
    if (!readPicture(input.rest(), picture))
        return 0;

    koratune::FrameImages images;
    images.OpenPic(picture);
    const QSize opened = images.work().size();
    QImage overlay;
    if (readPicture(options.overlay, overlay))
        images.UnionPic(overlay);
    fuzz::require(images.work().size() == opened, "compositing keeps the work image's size");
    fuzz::require(images.base() == images.work(), "compositing makes the result the base image");
    fuzz::require(images.openingPreview().size() == QSize(160, 160),
                  "the opening preview is 160 x 160");

    koratune::Recolouring recolouring;
    const int rows = recolouring.RecolourImage(images.base(), images.work(), options.settings);
    checkRecoloured(images.base(), images.work(), rows, options.settings);

    QImage sheet;
    if (!koratune::ComposeSheet(images.work(), options.settings, options.columns, sheet).ok())
        return 0;
    const koratune::SheetLayout layout(options.settings, options.columns);
    fuzz::require(sheet.size() == QSize(layout.width(), layout.height()),
                  "the sheet has its layout's size");
    checkWritten(sheet, options.png ? common::ImageFormat::Png : common::ImageFormat::Bmp);
    checkSequence(sheet, options);
    return 0;
}
