// The README's gallery (docs/gallery, drawn by scripts/gallery) shows four
// frames of each sample; each picture must be what the renderer draws today.
// After an intended change to drawing, run scripts/gallery again.
#include "core/editing/SampleDesigns.h"
#include "core/render/RenderRun.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace kirabellum {
namespace {

const QString sourceFolder = QStringLiteral(KIRABELLUM_SOURCE_DIR);

// The sample rendered as `kirabellum render` renders it with the seed of its
// golden case.
QImage renderedStrip(const SampleDesign& sample, const QString& name, StripLayout& layout) {
    QFile seedFile(sourceFolder + QStringLiteral("/tests/golden/") + name +
                   QStringLiteral("/seed"));
    EXPECT_TRUE(seedFile.open(QIODevice::ReadOnly)) << name.toStdString();
    DesignDocument design = sample.design;
    design.RenderCancel = 1;
    RenderMode mode = RenderMode::of(design.Render);
    mode.seed = seedFile.readAll().trimmed().toULongLong();
    RandomSource random;
    RenderRun run(random);
    EXPECT_TRUE(run.PrepareRender(design, mode).ok()) << name.toStdString();
    run.RunFrames(design);
    layout = run.layout();
    return run.strip();
}

// The frames the gallery shows, side by side: the middles of the strip's four
// quarters, frames (2k + 1) * N / 8 of N.
QImage galleryPicture(const QImage& strip, const StripLayout& layout) {
    const int size = layout.FrameSize;
    QImage picture(4 * size, size, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int k = 0; k < 4; ++k) {
        const QPoint origin = layout.cellOrigin((2 * k + 1) * layout.FrameCount / 8);
        painter.drawImage(k * size, 0, strip, origin.x(), origin.y(), size, size);
    }
    return picture;
}

TEST(Gallery, EachPictureShowsItsSampleAsTheRendererDrawsIt) {
    for (const SampleDesign& sample : sampleDesigns()) {
        const QString name = QFileInfo(sample.fileName).completeBaseName();
        SCOPED_TRACE(name.toStdString());
        StripLayout layout;
        const QImage strip = renderedStrip(sample, name, layout);
        const QImage expected = galleryPicture(strip, layout);
        const QImage stored(sourceFolder + QStringLiteral("/docs/gallery/") + name +
                            QStringLiteral(".png"));
        ASSERT_EQ(stored.size(), expected.size());
        int differing = 0;
        for (int y = 0; y < stored.height(); ++y)
            for (int x = 0; x < stored.width(); ++x)
                differing += (stored.pixel(x, y) & 0xFFFFFF) != (expected.pixel(x, y) & 0xFFFFFF);
        EXPECT_EQ(differing, 0) << "pixels differ; run scripts/gallery after a change to drawing";
    }
}

} // namespace
} // namespace kirabellum
