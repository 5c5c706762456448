#include "core/render/AtlasRender.h"

#include "common/FramePlayback.h"
#include "common/sheets/AtlasLayout.h"
#include "common/sheets/FrameBounds.h"
#include "core/document/DesignFormat.h"
#include "core/render/IntensitySheet.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <set>

namespace kirabellum {

namespace {

int variantCount(const AtlasDesign& entry, const AtlasRequest& request) {
    return entry.variants.value_or(request.sheet.variants);
}

// The designs' names, each made unique among them by a number after the
// first that bears it.
std::vector<QString> uniqueNames(const std::vector<AtlasDesign>& designs) {
    std::set<QString> taken;
    std::vector<QString> names;
    for (const AtlasDesign& entry : designs) {
        QString name = entry.name;
        for (int number = 2; taken.count(name) != 0; ++number)
            name = QStringLiteral("%1_%2").arg(entry.name).arg(number);
        taken.insert(name);
        names.push_back(name);
    }
    return names;
}

} // namespace

common::Status readAtlasDesign(const QString& path, AtlasDesign& entry) {
    entry.name = QFileInfo(path).completeBaseName();
    entry.path = path;
    return DesignFormat::toRead(path).read(path, entry.design);
}

AtlasRender::AtlasRender(common::WorkerPool& workers) : workers_(workers) {}

RenderMode AtlasRender::modeOf(const AtlasDesign& entry, const AtlasRequest& request, int variant) {
    RenderMode mode = RenderMode::of(entry.design.Render);
    mode.loop = mode.loop || request.loop;
    mode.cycles = request.cycles;
    const std::uint64_t seed = entry.seed     ? *entry.seed
                               : request.seed ? *request.seed
                                              : mode.seed.value_or(0);
    mode.seed = seed + static_cast<std::uint64_t>(variant);
    mode.frameStep = request.sheet.frameStep;
    mode.recordMotion = request.sheet.motionVectors != common::MotionVectorPreset::None;
    mode.recordIntensity = request.sheet.colour == common::SheetColour::Intensity;
    mode.palette = request.palette;
    mode.dither = request.sheet.dither;
    return mode;
}

common::Status AtlasRender::prepare(std::vector<AtlasDesign> designs, const AtlasRequest& request) {
    designs_ = std::move(designs);
    request_ = request;
    runs_.clear();
    cancelled_ = false;
    const std::vector<QString> names = uniqueNames(designs_);
    for (std::size_t design = 0; design < designs_.size(); ++design) {
        AtlasDesign& entry = designs_[design];
        // As the render button does: the run may go on until the last frame.
        entry.design.RenderCancel = 1;
        const int variants = variantCount(entry, request_);
        for (int variant = 0; variant < variants; ++variant) {
            AtlasRun run;
            run.name = variants == 1 ? names[design]
                                     : QStringLiteral("%1_v%2").arg(names[design]).arg(variant);
            run.design = static_cast<int>(design);
            run.variant = variant;
            run.random = std::make_unique<RandomSource>();
            run.run = std::make_unique<RenderRun>(*run.random, workers_);
            const common::Status status =
                run.run->PrepareRender(entry.design, modeOf(entry, request_, variant));
            if (!status.ok())
                return common::Status::failure(
                    QCoreApplication::translate("kirabellum::AtlasRender",
                                                "cannot render \"%1\": %2")
                        .arg(entry.path.isEmpty() ? entry.name : entry.path, status.message()));
            // The pool is made anew for the run: runs waiting their turn hold none.
            run.run->releaseWorkingMemory();
            run.framesPerSecond = request_.sheet.statedFrameRate(
                common::captionedFrameRate(entry.design.RefreshRate));
            run.loop = run.run->mode().loop;
            runs_.push_back(std::move(run));
        }
    }
    return common::Status::success();
}

common::Status AtlasRender::checkSheet() const {
    common::Status status = common::Status::success();
    if (!request_.sheet.crop && !request_.sheet.trim) {
        common::SheetAtlas atlas;
        status = layOut(atlas);
    }
    for (std::size_t index = 0; status.ok() && index < runs_.size(); ++index)
        if (runs_[index].run->mode().recordIntensity)
            status =
                checkIntensitySheet(runs_[index].run->engine().preparation(), request_.sheet.alpha);
    return status;
}

int AtlasRender::frameCount() const {
    int frames = 0;
    for (const AtlasRun& run : runs_)
        frames += run.run->layout().FrameCount;
    return frames;
}

bool AtlasRender::run(const RenderHooks& hooks) {
    int before = 0;
    for (AtlasRun& animation : runs_) {
        RenderHooks shifted = hooks;
        if (hooks.frameStarted)
            shifted.frameStarted = [&hooks, before](int frame) {
                hooks.frameStarted(before + frame);
            };
        if (hooks.frameDrawn)
            shifted.frameDrawn = [&hooks, before](int frame, const QImage& strip,
                                                  const QRect& cell) {
                hooks.frameDrawn(before + frame, strip, cell);
            };
        const int frames = animation.run->layout().FrameCount;
        const DesignDocument& design = designs_[static_cast<std::size_t>(animation.design)].design;
        // Prepared as before, from the same seed: the same frames.
        const RenderMode mode = animation.run->mode();
        if (!animation.run->PrepareRender(design, mode).ok())
            return false;
        const int run = animation.run->RunFrames(design, shifted);
        animation.run->releaseWorkingMemory();
        if (run < frames || cancelled_)
            return false;
        before += frames;
    }
    keepFrames();
    return true;
}

void AtlasRender::cancel() {
    cancelled_ = true;
    for (AtlasDesign& entry : designs_)
        entry.design.RenderCancel = 0;
}

bool AtlasRender::rendersAsBefore(const AtlasRequest& request) const {
    const common::SheetOptions& now = request.sheet;
    const common::SheetOptions& before = request_.sheet;
    return request.seed == request_.seed && request.loop == request_.loop &&
           request.cycles == request_.cycles && now.palette == before.palette &&
           now.dither == before.dither && now.variants == before.variants &&
           now.frameStep == before.frameStep &&
           (now.motionVectors == common::MotionVectorPreset::None) ==
               (before.motionVectors == common::MotionVectorPreset::None) &&
           now.colour == before.colour;
}

void AtlasRender::resheet(const AtlasRequest& request) {
    request_.sheet = request.sheet;
    for (AtlasRun& animation : runs_)
        animation.framesPerSecond = request_.sheet.statedFrameRate(common::captionedFrameRate(
            designs_[static_cast<std::size_t>(animation.design)].design.RefreshRate));
    keepFrames();
}

bool AtlasRender::unsettled() const {
    for (const AtlasRun& run : runs_)
        if (!run.run->settled())
            return true;
    return false;
}

void AtlasRender::keepFrames() {
    for (AtlasRun& animation : runs_) {
        const RenderRun& run = *animation.run;
        const StripLayout& strip = run.layout();
        animation.background = run.background();
        animation.frames = common::enlargedFrames({run.strip(), strip.grid(), strip.FrameCount,
                                                   animation.background, request_.sheet.frameStep},
                                                  request_.sheet.scale);
        animation.kept = QRect();
    }
    if (!request_.sheet.crop)
        return;
    // One crop for every variant of a design, so that they share a cell size.
    for (std::size_t design = 0; design < designs_.size(); ++design) {
        std::vector<common::SheetFrames> sets;
        std::vector<common::Colour> backgrounds;
        for (const AtlasRun& animation : runs_)
            if (animation.design == static_cast<int>(design)) {
                sets.push_back(animation.frames);
                backgrounds.push_back(animation.background);
            }
        const QRect crop = common::unionBounds(sets, backgrounds);
        for (AtlasRun& animation : runs_)
            if (animation.design == static_cast<int>(design))
                animation.kept = crop;
    }
}

std::vector<common::AtlasBlock> AtlasRender::blocks() const {
    std::vector<common::AtlasBlock> blocks;
    for (const AtlasRun& animation : runs_) {
        const StripLayout& strip = animation.run->layout();
        common::AtlasBlock block;
        block.name = animation.name;
        block.framesPerSecond = animation.framesPerSecond;
        block.loop = animation.loop;
        block.frameCount = strip.FrameCount;
        block.columns = strip.Columns;
        const int size = strip.FrameSize * request_.sheet.scale;
        block.frameSize = QSize(size, size);
        block.kept = animation.kept;
        if (request_.sheet.trim)
            block.bounds = common::keptFrameBounds(animation.frames, animation.background);
        blocks.push_back(block);
    }
    return blocks;
}

common::Status AtlasRender::layOut(common::SheetAtlas& atlas) const {
    return common::layOutAtlas(blocks(), request_.sheet, atlas);
}

common::Status AtlasRender::sheetFiles(const QString& imagePath, const common::SheetAtlas& atlas,
                                       const QString& application, const QString& version,
                                       common::SheetCompanions& files) const {
    std::vector<common::SheetFrames> sources;
    std::vector<common::Colour> backgrounds;
    std::vector<const RenderRun*> renders;
    std::vector<std::vector<common::MotionVectorFrame>> motion;
    for (const AtlasRun& animation : runs_) {
        sources.push_back(animation.frames);
        backgrounds.push_back(animation.background);
        renders.push_back(animation.run.get());
        motion.push_back(animation.run->motionVectors());
    }
    common::SheetAtlas named = atlas;
    if (named.animations.size() == 1)
        named.animations.front().name = QFileInfo(imagePath).completeBaseName();
    files.sheet = common::makeSheet(sources, named, request_.sheet.alpha, backgrounds,
                                    !request_.sheet.palette.isEmpty());
    files.description =
        common::SheetDescription::of(imagePath, named, request_.sheet.alpha, application, version);
    files.images.clear();
    common::Status status = common::Status::success();
    if (request_.sheet.colour == common::SheetColour::Intensity)
        status = addIntensitySheet(renders, request_.sheet.alpha, imagePath, files);
    if (request_.sheet.motionVectors != common::MotionVectorPreset::None)
        files.addMotionVectors(motion, request_.sheet.motionVectors, request_.sheet.frameStep,
                               imagePath);
    return status;
}

std::int64_t AtlasRender::framePixels() const {
    std::int64_t pixels = 0;
    for (const AtlasRun& animation : runs_) {
        const std::int64_t size = animation.frames.grid.frameSize();
        pixels += size * size * request_.sheet.keptFrameCount(animation.frames.frameCount);
    }
    return pixels;
}

std::int64_t AtlasRender::croppedPixels() const {
    std::int64_t pixels = framePixels();
    for (const AtlasRun& animation : runs_) {
        const QRect kept = animation.kept.isNull()
                               ? QRect(QPoint(), QSize(animation.frames.grid.frameSize(),
                                                       animation.frames.grid.frameSize()))
                               : animation.kept;
        pixels -= std::int64_t{kept.width()} * kept.height() *
                  request_.sheet.keptFrameCount(animation.frames.frameCount);
    }
    return pixels;
}

} // namespace kirabellum
