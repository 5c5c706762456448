#include "core/render/AtlasExport.h"

#include "common/palettes/PaletteFile.h"
#include "core/render/AtlasRender.h"

namespace kirabellum {

common::Status renderAtlasExport(common::WorkerPool& workers, const DesignDocument& design,
                                 const QString& name, const RenderRun& rendered,
                                 const QStringList& designFiles,
                                 const common::SheetOptions& options, const QString& imagePath,
                                 const QString& application, const QString& version,
                                 common::SheetCompanions& files) {
    std::vector<AtlasDesign> designs(1);
    designs.front().name = name;
    designs.front().design = design;
    designs.front().seed = rendered.startSeed();
    for (const QString& path : designFiles) {
        designs.emplace_back();
        const common::Status read = readAtlasDesign(path, designs.back());
        if (!read.ok())
            return read;
    }
    AtlasRequest request;
    request.sheet = options;
    request.loop = rendered.mode().loop;
    request.cycles = rendered.mode().cycles;
    if (!options.palette.isEmpty()) {
        request.palette.emplace();
        const common::Status loaded = common::loadPalette(options.palette, *request.palette);
        if (!loaded.ok())
            return loaded;
    }
    AtlasRender render(workers);
    common::Status status = render.prepare(std::move(designs), request);
    if (status.ok())
        status = render.checkSheet();
    if (!status.ok())
        return status;
    render.run();
    common::SheetAtlas atlas;
    status = render.layOut(atlas);
    if (status.ok())
        status = render.sheetFiles(imagePath, atlas, application, version, files);
    return status;
}

} // namespace kirabellum
