#pragma once

#include "common/Colour.h"
#include "common/Status.h"
#include "common/WorkerPool.h"
#include "common/palettes/Palette.h"
#include "common/sheets/SheetAtlas.h"
#include "common/sheets/SheetCompanions.h"
#include "common/sheets/SheetImage.h"
#include "common/sheets/SheetOptions.h"
#include "core/document/DesignDocument.h"
#include "core/render/RandomSource.h"
#include "core/render/RenderRun.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace kirabellum {

// One design of a sheet, as the command line's arguments or list and the
// export window give it.
struct AtlasDesign {
    // What names its animations: the design file's base name ("burst").
    QString name;
    // The file it was read from, which messages name.
    QString path;
    DesignDocument design;
    // Where its generator starts; none: the sheet's seed, else the design's
    // fixed seed, else 0.
    std::optional<std::uint64_t> seed;
    // How many times it is rendered, variant v with seed S + v; none: the
    // sheet's --variants.
    std::optional<int> variants;
};

// Reads the design file `path` (in the format its extension names) into an
// entry named after the file, with no seed or variants of its own.
common::Status readAtlasDesign(const QString& path, AtlasDesign& entry);

// What the sheet asks of every design.
struct AtlasRequest {
    // Variants, frame step, scale, crop, trim, motion vectors, colour mode...
    common::SheetOptions sheet;
    // --seed: the start of every design without a seed of its own.
    std::optional<std::uint64_t> seed;
    // --loop: every design renders a loop of `cycles` periods; otherwise
    // each design as its render settings say.
    bool loop = false;
    int cycles = 1;
    // The palette the frames are locked to (loaded from sheet.palette).
    std::optional<common::Palette> palette;
};

// One animation of the sheet: variant `variant` of design `design`.
struct AtlasRun {
    QString name; // "burst", "burst_v1"
    int design = 0;
    int variant = 0;
    std::unique_ptr<RandomSource> random;
    std::unique_ptr<RenderRun> run;
    // Once rendered: the frames the sheet keeps, enlarged by --scale, and
    // their background (the ramp's first colour, snapped to the palette).
    common::SheetFrames frames;
    common::Colour background = 0;
    double framesPerSecond = 15;
    bool loop = false;
    // The part of every frame the cells keep (with --crop, the same for every
    // variant of a design); null: all of it.
    QRect kept;
};

// Renders every design and variant of one sheet and makes what the sheet
// files are written from. A sheet of one design without variants is the
// sheet of a single render, file for file.
class AtlasRender {
public:
    explicit AtlasRender(common::WorkerPool& workers);

    // The mode variant `variant` of `entry` renders in: seed S + variant (S
    // from the entry, else the request, else the design, else 0), the
    // design's loop unless the request asks for one, and what the sheet
    // options record.
    static RenderMode modeOf(const AtlasDesign& entry, const AtlasRequest& request, int variant);

    // Prepares a run for every variant of every design in `designs` (at
    // least one), naming the animations: each design after its name, made
    // unique among the designs ("burst", "burst_2"), with "_v0", "_v1", ...
    // when it has variants. Fails as RenderRun::PrepareRender does, the
    // message naming the design.
    common::Status prepare(std::vector<AtlasDesign> designs, const AtlasRequest& request);

    // The usage problems that show before rendering: the layout (unless a
    // crop or trim needs the frames first) and the intensity sheet's limits.
    common::Status checkSheet() const;

    // The frames every run renders, together: what progress counts to.
    int frameCount() const;
    // Renders every run in turn. The hooks get frame indices counted over
    // every run (frameDrawn the run's own strip and cell). Returns false when
    // cancel() stopped it.
    bool run(const RenderHooks& hooks = {});
    // Stops the run after the frame being drawn (from a hook).
    void cancel();

    // Whether `request` renders every run as the last preparation did (the
    // same seeds, loop, palette and dithering, variants, frame step and
    // recordings), so that only the sheet made of the frames may differ.
    bool rendersAsBefore(const AtlasRequest& request) const;
    // Takes the sheet options of `request` (for which rendersAsBefore holds)
    // for the rendered frames: their scale, crop, trim, layout and files.
    void resheet(const AtlasRequest& request);

    const std::vector<AtlasRun>& animations() const { return runs_; }
    const std::vector<AtlasDesign>& designs() const { return designs_; }
    const AtlasRequest& request() const { return request_; }
    // Whether any run's loop did not settle within the mode's limit.
    bool unsettled() const;

    // The animations as the layout takes them (a crop or a trim once
    // rendered), and laid out on one sheet.
    std::vector<common::AtlasBlock> blocks() const;
    common::Status layOut(common::SheetAtlas& atlas) const;

    // The sheet of the rendered frames on `atlas` to be written to
    // `imagePath`, its description and its companions (motion vectors and
    // the intensity sheet as the options ask). A sheet of one animation names
    // it after the file, as a single render's sheet always did.
    common::Status sheetFiles(const QString& imagePath, const common::SheetAtlas& atlas,
                              const QString& application, const QString& version,
                              common::SheetCompanions& files) const;

    // With --crop: the pixels of every kept frame's cell without the crop,
    // and those the crop leaves out.
    std::int64_t framePixels() const;
    std::int64_t croppedPixels() const;

private:
    void keepFrames();

    common::WorkerPool& workers_;
    std::vector<AtlasDesign> designs_;
    AtlasRequest request_;
    std::vector<AtlasRun> runs_;
    bool cancelled_ = false;
};

} // namespace kirabellum
