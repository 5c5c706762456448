#include "core/render/AtlasExport.h"

#include "common/palettes/PaletteFile.h"

#include <QCoreApplication>

namespace kirabellum {

AtlasExport::AtlasExport(common::WorkerPool& workers, const DesignDocument& design,
                         const QString& name, const RenderRun& rendered, const QString& application,
                         const QString& version)
    : workers_(workers), design_(design), name_(name), rendered_(rendered),
      application_(application), version_(version) {}

common::Status AtlasExport::render(const QStringList& designFiles, const AtlasRequest& request,
                                   const common::RenderProgress& progress) {
    render_.reset();
    std::vector<AtlasDesign> designs(1);
    designs.front().name = name_;
    designs.front().design = design_;
    designs.front().seed = rendered_.startSeed();
    for (const QString& path : designFiles) {
        designs.emplace_back();
        const common::Status read = readAtlasDesign(path, designs.back());
        if (!read.ok())
            return read;
    }
    auto render = std::make_unique<AtlasRender>(workers_);
    common::Status status = render->prepare(std::move(designs), request);
    if (!status.ok())
        return status;
    RenderHooks hooks;
    if (progress) {
        AtlasRender& running = *render;
        const int frameTotal = running.frameCount();
        hooks.frameDrawn = [&running, &progress, frameTotal](int frameIndex, const QImage&,
                                                             const QRect&) {
            if (!progress(frameIndex + 1, frameTotal))
                running.cancel();
        };
    }
    if (!render->run(hooks))
        return common::Status::failure(
            QCoreApplication::translate("kirabellum::AtlasExport", "The render was cancelled"));
    ++renderCount_;
    render_ = std::move(render);
    designFiles_ = designFiles;
    return common::Status::success();
}

common::Status AtlasExport::sheetFiles(const QStringList& designFiles,
                                       const common::SheetOptions& options,
                                       const QString& imagePath, common::SheetCompanions& files,
                                       const common::RenderProgress& progress) {
    AtlasRequest request;
    request.sheet = options;
    request.loop = rendered_.mode().loop;
    request.cycles = rendered_.mode().cycles;
    if (!options.palette.isEmpty()) {
        request.palette.emplace();
        const common::Status loaded = common::loadPalette(options.palette, *request.palette);
        if (!loaded.ok())
            return loaded;
    }
    common::Status status = common::Status::success();
    if (render_ && designFiles == designFiles_ && render_->rendersAsBefore(request))
        render_->resheet(request);
    else
        status = render(designFiles, request, progress);
    if (status.ok())
        status = render_->checkSheet();
    common::SheetAtlas atlas;
    if (status.ok())
        status = render_->layOut(atlas);
    if (status.ok())
        status = render_->sheetFiles(imagePath, atlas, application_, version_, files);
    return status;
}

} // namespace kirabellum
