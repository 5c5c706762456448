#include "core/render/FastRenderEngine.h"

#include "common/Colour.h"
#include "common/Rounding.h"
#include "core/document/DesignMath.h"
#include "core/render/ParticleSpawn.h"
#include "core/render/SparkPlacement.h"
#include "core/render/StampKernels.h"
#include "core/render/WiderClones.h"
#include "core/render/WritePrefetch.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <numeric>

namespace kirabellum {

namespace {

constexpr int ContributionOffset = 256; // contributionTable_ index of intensity 0

// The stamping work a plan is estimated at: a visit to a plan costs about as
// much as stamping 100 pixels, a row about 8.
constexpr int VisitWork = 100;
constexpr int RowWork = 8;

// One stamp of a spark: where it lands and what its pixels add.
struct SparkStamp {
    float x, y;
    AxisPlacement columns, rows;
    bool brightOnly;             // only the pixels above the shift are stamped
    int shift;                   // when brightOnly: intensity = ramp index - shift
    double weight;               // when brightOnly and Weighted: each intensity's weight
    const double* contributions; // otherwise: what each ramp index adds
};

// Adds the stamp's spark rows that land on canvas rows rowBegin to rowEnd - 1
// to `canvas`, in the spark's row and column order. Weighted stamps (trail
// stamps) add (intensity × weight) × addRate where the others add intensity ×
// addRate. Inlined into the callers, whose loops are vectorised.
template <bool Weighted>
__attribute__((always_inline)) inline void
stampSpark(const SparkShape& shape, const SparkStamp& stamp, float* canvas, int frameSize,
           double addRate, double limit, int rowBegin, int rowEnd, int* columnMap) {
    const int column = stamp.columns.origin;
    const int row = stamp.rows.origin;
    // Spark columns columnBegin to columnEnd - 1 land inside the frame.
    int columnBegin = 0;
    int columnEnd = 0;
    if (!stamp.columns.halfway) {
        columnBegin = std::max(0, -column);
        columnEnd = std::min(SparkEdge, frameSize - column);
    } else {
        columnBegin = SparkEdge;
        for (int dx = 0; dx < SparkEdge; ++dx) {
            const double px =
                common::roundHalfEven(dx + static_cast<double>(stamp.x) - SparkCentre);
            if (px >= 0 && px < frameSize) {
                columnMap[dx] = static_cast<int>(px);
                columnBegin = std::min(columnBegin, dx);
                columnEnd = dx + 1;
            }
        }
    }
    if (columnBegin >= columnEnd)
        return;

    // Spark rows rowBegin - row to rowEnd - 1 - row land in the band, one to
    // one; halfway, each row's canvas row follows the rounding.
    const bool brightOnly = stamp.brightOnly;
    const SparkShape::Run brightRows =
        brightOnly ? shape.brightRows(stamp.shift) : SparkShape::Run{0, 0};
    int firstRow = brightOnly ? brightRows.begin : shape.firstRow();
    int endRow = brightOnly ? brightRows.end : shape.endRow();
    if (!stamp.rows.halfway) {
        firstRow = std::max(firstRow, rowBegin - row);
        endRow = std::min(endRow, rowEnd - row);
    }
    if (brightOnly && !stamp.rows.halfway && columnBegin == 0 && columnEnd == SparkEdge) {
        // Within the frame's columns the bright spans' groups come listed, in
        // one loop over the band's rows, rather than row by row: a loop whose
        // only end is the stamp's, which the processor foresees where it
        // cannot foresee each row's.
        if (firstRow >= endRow)
            return;
        const std::uint16_t* starts = shape.brightGroupStarts(stamp.shift);
        const std::uint16_t* pixels = shape.groupPixels();
        const std::int32_t* values = shape.widenedRow(0);
        const std::ptrdiff_t origin = static_cast<std::ptrdiff_t>(row) * frameSize + column;
        for (int group = starts[firstRow]; group < starts[endRow]; ++group) {
            const int pixel = pixels[group];
            float* cells = canvas + origin +
                           static_cast<std::ptrdiff_t>(pixel / SparkEdge) * frameSize +
                           pixel % SparkEdge;
            addShiftedGroup<Weighted>(cells, values + pixel, stamp.shift, stamp.weight, addRate,
                                      limit);
        }
        return;
    }
    for (int dy = firstRow; dy < endRow; ++dy) {
        int canvasRow = row + dy;
        if (stamp.rows.halfway) {
            canvasRow = static_cast<int>(
                common::roundHalfEven(static_cast<double>(stamp.y) + dy - SparkCentre));
            if (canvasRow < rowBegin || canvasRow >= rowEnd)
                continue;
        }
        float* line = canvas + static_cast<std::ptrdiff_t>(canvasRow) * frameSize;
        if (brightOnly) {
            const SparkShape::Run span = shape.brightSpan(dy, stamp.shift);
            const int begin = std::max<int>(span.begin, columnBegin);
            const int end = std::min<int>(span.end, columnEnd);
            if (begin >= end)
                continue;
            // Widened to whole groups of pixels where the frame's columns allow:
            // the pixels added add exactly 0.
            GroupedSpan grouped{};
            if (groupSpan(begin, end, columnBegin, columnEnd, grouped)) {
                addShiftedGroups<Weighted>(line + column + grouped.begin,
                                           shape.widenedRow(dy) + grouped.begin, grouped.groups,
                                           stamp.shift, stamp.weight, addRate, limit);
            } else {
                if constexpr (Weighted)
                    addWeightedShiftedSpan(line + column + begin, shape.widenedRow(dy) + begin,
                                           end - begin, stamp.shift, stamp.weight, addRate, limit);
                else
                    addShiftedSpan(line + column + begin, shape.widenedRow(dy) + begin, end - begin,
                                   stamp.shift, addRate, limit);
            }
            continue;
        }
        const std::uint8_t* values = shape.row(dy);
        for (const SparkShape::Run* run = shape.runsBegin(dy); run != shape.runsEnd(dy); ++run) {
            const int begin = std::max<int>(run->begin, columnBegin);
            const int end = std::min<int>(run->end, columnEnd);
            if (stamp.columns.halfway)
                addMappedSpan(line, columnMap, values, begin, end, stamp.contributions, limit);
            else if (begin < end)
                addSpan(line + column + begin, values + begin, end - begin, stamp.contributions,
                        limit);
        }
    }
}

} // namespace

FastRenderEngine::FastRenderEngine(RandomSource& random, int threadCount)
    : FastRenderEngine(random,
                       std::make_unique<common::WorkerPool>(
                           threadCount < 1 ? common::WorkerPool::coreCount() : threadCount),
                       nullptr) {}

FastRenderEngine::FastRenderEngine(RandomSource& random, common::WorkerPool& workers)
    : FastRenderEngine(random, nullptr, &workers) {}

FastRenderEngine::FastRenderEngine(RandomSource& random,
                                   std::unique_ptr<common::WorkerPool> ownWorkers,
                                   common::WorkerPool* sharedWorkers)
    : ParticleEngine(random), ownWorkers_(std::move(ownWorkers)),
      workers_(sharedWorkers != nullptr ? *sharedWorkers : *ownWorkers_),
      barrier_(workers_.workerCount()),
      workerState_(static_cast<std::size_t>(workers_.workerCount())),
      balancer_(workers_.workerCount(),
                workers_.workerCount() == 1 ? 1 : BandsPerWorker * workers_.workerCount()),
      ownPart_(static_cast<std::size_t>(workers_.workerCount())),
      zoneFirstPart_(static_cast<std::size_t>(workers_.workerCount())),
      zones_(static_cast<std::size_t>(workers_.workerCount() - 1)),
      bandWork_(static_cast<std::size_t>(balancer_.bandCount())) {
    allocateWorkingMemory();
}

void FastRenderEngine::allocateWorkingMemory() {
    const auto size = static_cast<std::size_t>(PoolSize);
    ParticlePool.resize(size);
    live_.resize(size);
    spareLive_.resize(size);
    plans_.resize(size);
    planRows_.resize(size);
    trailStarts_.resize(size);
    if (balancer_.bandCount() > 1)
        for (BandWork& work : bandWork_)
            work.listed.resize(size);
}

void FastRenderEngine::releaseWorkingMemory() {
    // Swapped with empty ones: clearing would keep the memory.
    std::vector<Particle>().swap(ParticlePool);
    for (std::vector<int>* slots : {&live_, &spareLive_, &burstStarts_})
        std::vector<int>().swap(*slots);
    decltype(plans_)().swap(plans_);
    decltype(planRows_)().swap(planRows_);
    decltype(trailStarts_)().swap(trailStarts_);
    decltype(trailStamps_)().swap(trailStamps_);
    for (BandWork& work : bandWork_)
        std::vector<int>().swap(work.listed);
    takeRowsInto(false, 0, static_cast<int>(rowCopies_.size()));
    std::vector<float>().swap(secondCanvas_);
}

common::Status FastRenderEngine::PrepareRender(const DesignDocument& design) {
    if (ParticlePool.empty())
        allocateWorkingMemory();
    for (Particle& particle : ParticlePool)
        particle.Layer = 0.0f;
    liveCount_ = 0;
    planCount_ = 0;
    stampedSparkPixels_ = 0;
    const common::Status status = preparation_.prepare(design);
    if (!status.ok())
        return status;

    for (int layer = 1; layer <= LayerTotal; ++layer)
        if (preparation_.usesSpark(layer))
            sparkShapes_[static_cast<std::size_t>(layer - 1)].build(
                preparation_.sparkIndexMap(layer));

    // Dark pixels inside the frame still add 0 × AddRate, which is NaN for a
    // NaN or infinite AddRate and then clears the canvas pixel.
    const double addRate = design.AddRate;
    for (std::size_t index = 0; index < contributionTable_.size(); ++index) {
        const double intensity = static_cast<double>(index) - ContributionOffset;
        contributionTable_[index] = (intensity < 1 ? 0.0 : intensity) * addRate;
    }
    prepareLayerCanvases();
    prepareTrails();

    // Stamping can then only add +0 or more to a canvas value of +0 or more.
    bool rampsFilled = true;
    for (int canvas = 0; canvas < preparation_.canvasCount(); ++canvas)
        rampsFilled = rampsFilled && preparation_.canvasRampLength(canvas) >= 1;
    onlyUpperLimit_ = addRate >= 0 && std::isfinite(addRate) && rampsFilled &&
                      (design.AfterimageOn == 0 || design.Afterimage >= 0);

    const auto frameSize = static_cast<std::size_t>(preparation_.frameSize());
    Canvas.assign(frameSize * frameSize * static_cast<std::size_t>(preparation_.canvasCount()),
                  0.0f);
    secondCanvas_.assign(balancer_.bandCount() > 1 ? Canvas.size() : 0, 0.0f);
    rowCopies_.assign(frameSize, InCanvas);
    canvasBlank_ = true;
    rowEstimate_.assign(frameSize, 0.0);
    for (Worker& worker : workerState_)
        worker.rowWork.assign(frameSize + 1, 0);
    balancer_.restart(preparation_.frameSize());

    spawnFirstBursts();
    return common::Status::success();
}

void FastRenderEngine::prepareLayerCanvases() {
    const std::ptrdiff_t area =
        static_cast<std::ptrdiff_t>(preparation_.frameSize()) * preparation_.frameSize();
    for (int layer = 1; layer <= LayerTotal; ++layer) {
        const int canvas = preparation_.canvasOf(layer);
        canvasOffset_[static_cast<std::size_t>(layer - 1)] = canvas * area;
        canvasLimit_[static_cast<std::size_t>(layer - 1)] =
            preparation_.canvasRampLength(canvas) - 1;
    }
}

void FastRenderEngine::prepareTrails() {
    trailStampStride_ = 0;
    for (int layer = 1; layer <= LayerTotal; ++layer)
        trailStampStride_ = std::max(trailStampStride_, preparation_.trailSteps(layer));
    if (trailStampStride_ == 0)
        decltype(trailStamps_)().swap(trailStamps_);
    else
        trailStamps_.resize(static_cast<std::size_t>(PoolSize) *
                            static_cast<std::size_t>(trailStampStride_));
    const double addRate = preparation_.design().AddRate;
    for (int layer = 1; layer <= LayerTotal; ++layer) {
        const auto index = static_cast<std::size_t>(layer - 1);
        std::vector<double>& table = trailContributionTables_[index];
        table.clear();
        double weight = 1.0;
        for (int step = 1; step <= preparation_.trailSteps(layer); ++step) {
            weight = weight * preparation_.trailFade(layer);
            trailWeights_[index][static_cast<std::size_t>(step - 1)] = weight;
            for (int entry = 0; entry < ContributionTableSize; ++entry) {
                const double intensity = static_cast<double>(entry) - ContributionOffset;
                table.push_back((intensity < 1 ? 0.0 : intensity) * weight * addRate);
            }
        }
    }
}

void FastRenderEngine::Add(int layer) {
    addBursts(&layer, 1);
}

void FastRenderEngine::addBursts(const int* layers, int count) {
    spawnBursts(layers, nullptr, count, false);
}

void FastRenderEngine::addTriggeredBursts(const TriggeredBurst* bursts, int count, bool seeded) {
    spawnBursts(nullptr, bursts, count, seeded);
}

void FastRenderEngine::spawnBursts(const int* layers, const TriggeredBurst* bursts, int count,
                                   bool seeded) {
    // The bursts take the free slots in turn, lowest first.
    burstStarts_.resize(static_cast<std::size_t>(count) + 1);
    std::int64_t wanted = 0;
    for (int index = 0; index < count; ++index) {
        burstStarts_[static_cast<std::size_t>(index)] = static_cast<int>(wanted);
        const int layer = bursts != nullptr ? bursts[index].layer : layers[index];
        wanted = std::min<std::int64_t>(
            wanted + std::max<int>(0, preparation_.layer(layer).LayerCount), PoolSize);
    }
    burstStarts_[static_cast<std::size_t>(count)] = static_cast<int>(wanted);
    const int total = static_cast<int>(std::min<std::int64_t>(wanted, PoolSize - liveCount_));
    if (total <= 0)
        return;
    spawn_ = Spawn{layers, bursts, seeded, random_->state(), total};
    // Every slot up to the last one spawned into is live then, and the live
    // slots above it follow: the new live list needs no merging.
    const FreeSlot last = freeSlot(total - 1);
    // Within a frame's task the workers through with stamping help; otherwise
    // a large spawn is a task of its own. A small one is not worth handing out.
    constexpr int ParallelSpawnMinimum = 256;
    if (!spawningInTask_ && total >= ParallelSpawnMinimum && workers_.workerCount() > 1) {
        spawnHandout_.reset();
        auto spawnTask = [this, last](int worker) {
            if (worker != 0) {
                helpSpawning();
                return;
            }
            spawnAsSpawner(last.slot, last.liveBelow);
            spawnHandout_.finish();
        };
        workers_.run(spawnTask);
    } else {
        spawnAsSpawner(last.slot, last.liveBelow);
    }
    live_.swap(spareLive_);
    liveCount_ += total;
    if (!seeded)
        random_->skip(static_cast<std::uint64_t>(SpawnDraws) * static_cast<std::uint64_t>(total));
}

void FastRenderEngine::spawnAsSpawner(int lastSlot, int liveBelowLast) {
    // Each particle takes SpawnDraws draws, so a run of them starts where the
    // draws of the particles before it end (or, for seeded bursts, each
    // particle where those of its burst before it end), and the spawning worker
    // takes runs from one end while the others take them from the other: one
    // that joins late takes fewer, and the first worker takes the front, so
    // that each worker's particles lie mostly among those it plans next.
    spawnHandout_.open((spawn_.total + SpawnRun - 1) / SpawnRun, spawnerIsFirst_);
    std::iota(spareLive_.begin(), spareLive_.begin() + lastSlot + 1, 0);
    std::copy(live_.begin() + liveBelowLast, live_.begin() + liveCount_,
              spareLive_.begin() + lastSlot + 1);
    for (int run = spawnHandout_.take(); run >= 0; run = spawnHandout_.take())
        spawnRun(run);
    spawnHandout_.close();
}

void FastRenderEngine::helpSpawning() {
    spawnHandout_.help([this](int run) { spawnRun(run); });
}

void FastRenderEngine::spawnRun(int run) {
    spawnRange(run * SpawnRun, std::min(run * SpawnRun + SpawnRun, spawn_.total));
}

FastRenderEngine::FreeSlot FastRenderEngine::freeSlot(int index) const {
    // Below live slot live_[p] lie live_[p] - p free ones: the slot sought lies
    // below the first live slot with more than `index` free ones under it.
    int low = 0;
    int high = liveCount_;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (live_[static_cast<std::size_t>(middle)] - middle > index)
            high = middle;
        else
            low = middle + 1;
    }
    return {index + low, low};
}

void FastRenderEngine::spawnRange(int begin, int end) {
    const int* const layers = spawn_.layers;
    const TriggeredBurst* const bursts = spawn_.bursts;
    const bool seeded = spawn_.seeded;
    const FreeSlot first = freeSlot(begin);
    int slot = first.slot;
    int next = first.liveBelow; // position in live_ of the first live slot not below `slot`
    int burst = static_cast<int>(std::upper_bound(burstStarts_.begin(), burstStarts_.end(), begin) -
                                 burstStarts_.begin()) -
                1;
    RandomSource random(spawn_.start);
    random.skip(static_cast<std::uint64_t>(SpawnDraws) * static_cast<std::uint64_t>(begin));
    for (int index = begin; index < end; ++index, ++slot) {
        for (; next < liveCount_ && live_[static_cast<std::size_t>(next)] == slot; ++next)
            ++slot;
        while (burstStarts_[static_cast<std::size_t>(burst) + 1] <= index)
            ++burst;
        const int layer = bursts != nullptr ? bursts[burst].layer : layers[burst];
        const TriggeredBurst* parent = bursts != nullptr ? &bursts[burst] : nullptr;
        if (seeded) {
            random.restart(parent->seed);
            random.skip(
                static_cast<std::uint64_t>(SpawnDraws) *
                static_cast<std::uint64_t>(index - burstStarts_[static_cast<std::size_t>(burst)]));
        }
        spawnParticle(ParticlePool[static_cast<std::size_t>(slot)], slot, layer,
                      preparation_.layer(layer), preparation_.Scale(), random, parent);
    }
}

void FastRenderEngine::advanceFrame() {
    advance(nullptr, NoSpawn);
}

void FastRenderEngine::advanceAndDrawFrame(QImage& target, QPoint origin) {
    // Detached here, once: bits() on an image shared with another copies it,
    // which two workers must not both do.
    const DrawTarget draw{target.bits(), target.bytesPerLine(), origin};
    if (!advance(&draw, NoSpawn))
        drawFrame(target, origin);
}

void FastRenderEngine::advanceAndSpawn(int frameIndex) {
    if (!advance(nullptr, frameIndex))
        spawnBurstsAfter(frameIndex);
}

void FastRenderEngine::advanceDrawAndSpawn(QImage& target, QPoint origin, int frameIndex) {
    const DrawTarget draw{target.bits(), target.bytesPerLine(), origin};
    if (!advance(&draw, frameIndex)) {
        drawFrame(target, origin);
        spawnBurstsAfter(frameIndex);
    }
}

bool FastRenderEngine::advance(const DrawTarget* target, int spawnFrame) {
    planCount_ = liveCount_;
    if (planCount_ > 0) {
        splitPlanning();
        // One task per frame: the workers meet between moving and stamping
        // instead of handing back to this thread and waiting for it. Stamping
        // reads only the plans, so the survivors are gathered meanwhile, by the
        // first worker through with its bands, while the others finish theirs;
        // that worker then spawns the bursts after the frame, and the others
        // help once through with their bands. Bands with much left are taken
        // over last: spawning costs no second visits.
        survivorsGathered_.store(false, std::memory_order_relaxed);
        spawnHandout_.reset();
        auto frame = [this, target, spawnFrame](int worker) {
            planAndMove(worker);
            barrier_.arriveAndWait();
            if (worker == 0)
                splitIntoBands();
            barrier_.arriveAndWait();
            fadeAndStamp(worker, target);
            if (!survivorsGathered_.exchange(true, std::memory_order_relaxed)) {
                gatherSurvivors();
                if (spawnFrame != NoSpawn)
                    spawnWithinFrame(spawnFrame, worker);
                takeOverBands(worker, target);
            } else {
                takeOverBands(worker, target);
                if (spawnFrame != NoSpawn)
                    helpSpawning();
            }
        };
        workers_.run(frame);
        canvasBlank_ = false;
        return true;
    }
    // Nothing to stamp: only the fade, and not even that on a blank canvas that
    // the fade keeps blank.
    const DesignDocument& design = preparation_.design();
    const bool keepsBlank = design.AfterimageOn == 0 || design.Afterimage > 0;
    if (!(canvasBlank_ && keepsBlank)) {
        takeRowsInto(false, 0, preparation_.frameSize());
        fadeRows(Canvas.data(), 0, preparation_.frameSize());
    }
    if (design.AfterimageOn == 0)
        canvasBlank_ = true;
    return false;
}

void FastRenderEngine::spawnWithinFrame(int spawnFrame, int worker) {
    spawningInTask_ = true;
    spawnerIsFirst_ = worker == 0;
    spawnBurstsAfter(spawnFrame);
    spawningInTask_ = false;
    spawnerIsFirst_ = true;
    spawnHandout_.finish();
}

void FastRenderEngine::splitPlanning() {
    balancer_.splitPlanning(planCount_);
    const int workerCount = workers_.workerCount();
    // The parts in slot order: worker w's own, then the chunks of zone w, which
    // takes an eighth of each share on either side of their boundary.
    planPartCount_ = 0;
    auto addPart = [this](int begin, int end) {
        if (planPartCount_ == static_cast<int>(planParts_.size()))
            planParts_.emplace_back();
        PlanPart& part = planParts_[static_cast<std::size_t>(planPartCount_++)];
        part.begin = begin;
        part.end = end;
        part.survivors = 0;
        part.fired.clear();
    };
    int ownBegin = 0;
    for (int worker = 0; worker < workerCount; ++worker) {
        ownPart_[static_cast<std::size_t>(worker)] = planPartCount_;
        if (worker + 1 == workerCount) {
            addPart(ownBegin, planCount_);
            break;
        }
        const int boundary = balancer_.planBegin(worker + 1);
        const int zoneBegin = boundary - (boundary - balancer_.planBegin(worker)) / ZoneFraction;
        const int zoneEnd = boundary + (balancer_.planBegin(worker + 2) - boundary) / ZoneFraction;
        addPart(ownBegin, zoneBegin);
        zoneFirstPart_[static_cast<std::size_t>(worker)] = planPartCount_;
        for (int begin = zoneBegin; begin < zoneEnd; begin += ZoneChunk)
            addPart(begin, std::min(begin + ZoneChunk, zoneEnd));
        zones_[static_cast<std::size_t>(worker)].reset(
            planPartCount_ - zoneFirstPart_[static_cast<std::size_t>(worker)]);
        ownBegin = zoneEnd;
    }
}

void FastRenderEngine::planAndMove(int workerIndex) {
    const auto started = std::chrono::steady_clock::now();
    Worker& worker = workerState_[static_cast<std::size_t>(workerIndex)];
    std::fill(worker.rowWork.begin(), worker.rowWork.end(), 0);
    worker.stamped = 0;
    PlanPart& own =
        planParts_[static_cast<std::size_t>(ownPart_[static_cast<std::size_t>(workerIndex)])];
    planPart(own, worker);
    int planned = own.end - own.begin;
    // Then the chunks of the zones on either side that the neighbours have not
    // taken: after its own part first, before it next.
    auto takeZone = [&](int zone, bool fromFront) {
        TwoEndedRun& run = zones_[static_cast<std::size_t>(zone)];
        for (int chunk = fromFront ? run.takeFront() : run.takeBack(); chunk >= 0;
             chunk = fromFront ? run.takeFront() : run.takeBack()) {
            PlanPart& part = planParts_[static_cast<std::size_t>(
                zoneFirstPart_[static_cast<std::size_t>(zone)] + chunk)];
            planPart(part, worker);
            planned += part.end - part.begin;
        }
    };
    if (workerIndex + 1 < workers_.workerCount())
        takeZone(workerIndex, true);
    if (workerIndex > 0)
        takeZone(workerIndex - 1, false);
    balancer_.recordPlanning(
        workerIndex, planned,
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
}

void FastRenderEngine::planPart(PlanPart& part, Worker& worker) {
    const int begin = part.begin;
    const int end = part.end;
    int survivors = 0;
    std::uint64_t stamped = 0;
    const bool trails = preparation_.hasTrails();
    // The other workers read this worker's plans of the frame before, while
    // stamping their bands: their lines are fetched back ahead of the writes.
    constexpr int WritePrefetchDistance = 16;
    for (int position = begin; position < end; ++position) {
        if (position + WritePrefetchDistance < end) {
            const auto ahead = static_cast<std::size_t>(position + WritePrefetchDistance);
            prefetchForWriting(&plans_[ahead]);
            prefetchForWriting(&planRows_[ahead]);
            if (trails) {
                prefetchForWriting(&trailStarts_[ahead]);
                prefetchForWriting(
                    &trailStamps_[ahead * static_cast<std::size_t>(trailStampStride_)]);
            }
        }
        const int slot = live_[static_cast<std::size_t>(position)];
        Particle& particle = ParticlePool[static_cast<std::size_t>(slot)];
        StampPlan& plan = plans_[static_cast<std::size_t>(position)];
        RowRange& rows = planRows_[static_cast<std::size_t>(position)];
        bool dies = false;
        int workPerRow = planParticle(particle, plan, rows, dies);
        const SparkShape& shape = sparkShapes_[plan.layerIndex];
        stamped += static_cast<std::uint64_t>(shape.opaquePixels());
        plan.ownOutside = rows.begin >= rows.end;
        plan.trailed = false;
        const int steps = trails ? preparation_.trailSteps(plan.layerIndex + 1) : 0;
        if (steps > 0) {
            // From its second frame on, a particle of a layer with a trail is
            // stamped again back towards where it was one move earlier.
            if (particle.Age >= 1) {
                const TrailStart start{particle.PreviousX, particle.PreviousY};
                trailStarts_[static_cast<std::size_t>(position)] = start;
                plan.trailed = true;
                planTrail(plan, start, rows,
                          trailStamps_.data() +
                              static_cast<std::ptrdiff_t>(position) * trailStampStride_);
                stamped += static_cast<std::uint64_t>(steps * shape.opaquePixels());
                if (rows.begin < rows.end)
                    workPerRow =
                        ((steps + 1) * shape.opaquePixels() + VisitWork) / (rows.end - rows.begin) +
                        RowWork;
            }
            particle.PreviousX = particle.X;
            particle.PreviousY = particle.Y;
        }
        if (rows.begin < rows.end) {
            worker.rowWork[static_cast<std::size_t>(rows.begin)] += workPerRow;
            worker.rowWork[static_cast<std::size_t>(rows.end)] -= workPerRow;
        }
        if (dies)
            particle.Layer = 0.0f;
        else
            spareLive_[static_cast<std::size_t>(begin + survivors++)] = slot;
    }
    // A particle that just died still moves once, as every slot stamped in this
    // frame does; spawning overwrites all of it later.
    preparation_.motion().moveQuickly(ParticlePool, live_.data() + begin, end - begin);
    part.survivors = survivors;
    worker.stamped += stamped;
    if (preparation_.hasTriggers())
        collectPartTriggers(part);
}

int FastRenderEngine::planParticle(const Particle& particle, StampPlan& plan, RowRange& rowRange,
                                   bool& dies) const {
    const int frameSize = preparation_.frameSize();
    // Layer holds a whole number 1 to 8 in a live slot.
    const int layerIndex = static_cast<int>(particle.Layer) - 1;
    const SparkShape& shape = sparkShapes_[static_cast<std::size_t>(layerIndex)];
    plan.layerIndex = static_cast<std::uint8_t>(layerIndex);
    plan.x = particle.X;
    plan.y = particle.Y;
    plan.ageFade = particle.Age * static_cast<double>(particle.Fade);

    // A particle dies when every spark pixel is transparent or dark (intensity
    // below 1), inside the frame or not; intensity grows with the ramp index, so
    // the brightest pixel decides.
    std::int64_t shift = 0;
    plan.shifted = false;
    plan.shift = 0;
    if (wholeShift(plan.ageFade, shift)) {
        dies = shape.opaquePixels() == 0 || shape.brightest() - shift < 1;
        // Shifts stay well inside int: ageFade is below 2^26.
        plan.shifted = true;
        plan.shift = static_cast<int>(shift);
    } else {
        dies = shape.opaquePixels() == 0 ||
               common::roundHalfEven(shape.brightest() - plan.ageFade) < 1;
    }

    rowRange = {0, 0};
    plan.brightOnly = false;
    plan.columnHalfway = false;
    plan.rowHalfway = false;
    plan.column = 0;
    plan.row = 0;
    const AxisPlacement columns = placeAxis(particle.X);
    const AxisPlacement rows = placeAxis(particle.Y);
    if (!columns.placed || !rows.placed || shape.opaquePixels() == 0)
        return 0;
    plan.column = columns.origin;
    plan.row = rows.origin;
    plan.columnHalfway = columns.halfway;
    plan.rowHalfway = rows.halfway;
    // Halfway, spark pixel d lands on origin + d or a neighbour of it.
    if (columns.origin + SparkEdge + 1 <= 0 || columns.origin - 1 >= frameSize)
        return 0;
    // Along a shifted particle's rows only the pixels above the shift add
    // anything: the others, transparent ones included, add exactly 0.
    plan.brightOnly = plan.shifted && onlyUpperLimit_ && !columns.halfway;
    int sparkFirstRow = shape.firstRow();
    int sparkEndRow = shape.endRow();
    int pixels = shape.opaquePixels();
    if (plan.brightOnly) {
        const SparkShape::Run brightRows = shape.brightRows(plan.shift);
        sparkFirstRow = brightRows.begin;
        sparkEndRow = brightRows.end;
        pixels = shape.brightPixels(plan.shift);
        if (sparkFirstRow >= sparkEndRow)
            return 0;
    }
    const int slack = rows.halfway ? 1 : 0;
    rowRange.begin =
        static_cast<std::uint16_t>(std::clamp(rows.origin + sparkFirstRow - slack, 0, frameSize));
    rowRange.end =
        static_cast<std::uint16_t>(std::clamp(rows.origin + sparkEndRow + slack, 0, frameSize));
    // The stamping work, spread evenly over the rows the spark covers.
    return (pixels + VisitWork) / (sparkEndRow - sparkFirstRow) + RowWork;
}

SparkShape::Run FastRenderEngine::trailRows(const StampPlan& plan) const {
    // Where stamping can only raise canvas values, the rows of a shifted
    // particle at or below the shift add exactly 0, wherever they land.
    const SparkShape& shape = sparkShapes_[plan.layerIndex];
    return plan.shifted && onlyUpperLimit_
               ? shape.brightRows(plan.shift)
               : SparkShape::Run{static_cast<std::uint8_t>(shape.firstRow()),
                                 static_cast<std::uint8_t>(shape.endRow())};
}

void FastRenderEngine::planTrail(const StampPlan& plan, TrailStart start, RowRange& rows,
                                 TrailStamp* stamps) const {
    const int steps = preparation_.trailSteps(plan.layerIndex + 1);
    std::fill(stamps, stamps + steps, TrailStamp{0, 0, false, false, false});
    const SparkShape& shape = sparkShapes_[plan.layerIndex];
    if (shape.opaquePixels() == 0)
        return;
    const SparkShape::Run sparkRows = trailRows(plan);
    if (sparkRows.begin >= sparkRows.end)
        return;
    const int frameSize = preparation_.frameSize();
    for (int step = 1; step <= steps; ++step) {
        const AxisPlacement columns = placeAxis(trailCoordinate(plan.x, start.x, step, steps));
        const AxisPlacement stampRows = placeAxis(trailCoordinate(plan.y, start.y, step, steps));
        if (!columns.placed || !stampRows.placed)
            continue;
        if (columns.origin + SparkEdge + 1 <= 0 || columns.origin - 1 >= frameSize)
            continue;
        const int slack = stampRows.halfway ? 1 : 0;
        int begin = std::clamp(stampRows.origin + sparkRows.begin - slack, 0, frameSize);
        int end = std::clamp(stampRows.origin + sparkRows.end + slack, 0, frameSize);
        if (begin >= end)
            continue;
        // Placed origins lie within a spark's edge of the frame.
        stamps[step - 1] = {static_cast<std::int16_t>(columns.origin),
                            static_cast<std::int16_t>(stampRows.origin), true, columns.halfway,
                            stampRows.halfway};
        if (rows.begin < rows.end) {
            begin = std::min<int>(rows.begin, begin);
            end = std::max<int>(rows.end, end);
        }
        rows = {static_cast<std::uint16_t>(begin), static_cast<std::uint16_t>(end)};
    }
}

void FastRenderEngine::collectPartTriggers(PlanPart& part) {
    // The part's survivors, in slot order, are the slots its stamping did not
    // free; those that split leave the list.
    const int begin = part.begin;
    const int end = part.end;
    int* survivors = spareLive_.data() + begin;
    int kept = 0;
    int survivor = 0;
    for (int position = begin; position < end; ++position) {
        const int slot = live_[static_cast<std::size_t>(position)];
        const bool freed = !(survivor < part.survivors && survivors[survivor] == slot);
        if (!freed)
            ++survivor;
        Particle& particle = ParticlePool[static_cast<std::size_t>(slot)];
        const int layer = plans_[static_cast<std::size_t>(position)].layerIndex + 1;
        const bool splits = !preparation_.childTriggers(layer).empty() &&
                            collectTriggers(particle, layer, freed, part.fired);
        if (splits)
            particle.Layer = 0.0f;
        else if (!freed)
            survivors[kept++] = slot;
    }
    part.survivors = kept;
}

const double* FastRenderEngine::contributionsFor(const StampPlan& plan, Worker& worker) const {
    // Intensities past the ramp's end stay below 1 alike: 256 is shift enough.
    if (plan.shifted && plan.shift >= -ContributionOffset)
        return contributionTable_.data() + ContributionOffset -
               std::min(plan.shift, ContributionOffset);
    const SparkShape& shape = sparkShapes_[plan.layerIndex];
    const double addRate = preparation_.design().AddRate;
    for (int value = 1; value <= shape.brightest(); ++value) {
        double intensity = common::roundHalfEven(value - plan.ageFade);
        if (intensity < 1)
            intensity = 0;
        worker.contributions[static_cast<std::size_t>(value)] = intensity * addRate;
    }
    return worker.contributions.data();
}

const double* FastRenderEngine::trailContributionsFor(const StampPlan& plan, int step,
                                                      Worker& worker) const {
    const std::size_t layerIndex = plan.layerIndex;
    if (plan.shifted && plan.shift >= -ContributionOffset)
        return trailContributionTables_[layerIndex].data() +
               static_cast<std::ptrdiff_t>(step - 1) * ContributionTableSize + ContributionOffset -
               std::min(plan.shift, ContributionOffset);
    const SparkShape& shape = sparkShapes_[layerIndex];
    const double addRate = preparation_.design().AddRate;
    const double weight = trailWeights_[layerIndex][static_cast<std::size_t>(step - 1)];
    for (int value = 1; value <= shape.brightest(); ++value) {
        double intensity = common::roundHalfEven(value - plan.ageFade);
        if (intensity < 1)
            intensity = 0;
        worker.trailContributions[static_cast<std::size_t>(value)] = intensity * weight * addRate;
    }
    return worker.trailContributions.data();
}

void FastRenderEngine::packLiveParticles() {
    liveCount_ = packLive(ParticlePool);
    std::iota(live_.begin(), live_.begin() + liveCount_, 0);
}

void FastRenderEngine::gatherSurvivors() {
    // Each part left its survivors at its start in the list; the parts follow
    // each other in slot order, and so do their triggers.
    int count = 0;
    for (int index = 0; index < planPartCount_; ++index) {
        const PlanPart& part = planParts_[static_cast<std::size_t>(index)];
        if (part.begin != count && part.survivors > 0)
            std::memmove(spareLive_.data() + count, spareLive_.data() + part.begin,
                         static_cast<std::size_t>(part.survivors) * sizeof(int));
        count += part.survivors;
        triggered_.insert(triggered_.end(), part.fired.begin(), part.fired.end());
    }
    for (const Worker& worker : workerState_)
        stampedSparkPixels_ += worker.stamped;
    live_.swap(spareLive_);
    liveCount_ = count;
}

void FastRenderEngine::splitIntoBands() {
    // Work per canvas row: its fade plus the spark rows stamped into it.
    const int frameSize = preparation_.frameSize();
    std::int64_t running = 0;
    for (int row = 0; row < frameSize; ++row) {
        for (const Worker& worker : workerState_)
            running += worker.rowWork[static_cast<std::size_t>(row)];
        rowEstimate_[static_cast<std::size_t>(row)] =
            static_cast<double>(running + frameSize / 4 + 1);
    }
    balancer_.splitIntoBands(rowEstimate_);
    for (Worker& worker : workerState_)
        worker.nextOwnBand.store(0, std::memory_order_relaxed);
    for (BandWork& work : bandWork_)
        work.handover.reset();
}

void FastRenderEngine::fadeRows(float* canvases, int rowBegin, int rowEnd) {
    const int frameSize = preparation_.frameSize();
    const std::ptrdiff_t area = static_cast<std::ptrdiff_t>(frameSize) * frameSize;
    for (int canvas = 0; canvas < preparation_.canvasCount(); ++canvas) {
        float* const values = canvases + canvas * area;
        fadeCanvasRows(values + static_cast<std::ptrdiff_t>(rowBegin) * frameSize,
                       values + static_cast<std::ptrdiff_t>(rowEnd) * frameSize,
                       preparation_.canvasRampLength(canvas));
    }
}

void FastRenderEngine::fadeCanvasRows(float* first, float* last, int rampLength) const {
    if (preparation_.design().AfterimageOn == 0) {
        std::fill(first, last, 0.0f);
        return;
    }
    const double divisor = preparation_.design().Afterimage / 10.0;
    // Afterimages of 10 to 100 divide by at least 1: the canvas stays within
    // its ramp. Only smaller values from a file need holding to it.
    if (divisor >= 1.0) {
        for (float* value = first; value != last; ++value)
            *value = static_cast<float>(*value / divisor);
        return;
    }
    const float limit = static_cast<float>(rampLength - 1);
    for (float* value = first; value != last; ++value) {
        *value = static_cast<float>(*value / divisor);
        if (*value > limit)
            *value = limit;
        if (!(*value >= 0.0f))
            *value = 0.0f;
    }
}

void FastRenderEngine::fadeAndStamp(int workerIndex, const DrawTarget* target) {
    // Each worker owns BandsPerWorker bands, the same ones every frame, so that
    // their canvas rows stay in its core's caches. Once its own are done, it
    // takes the bands other workers have not started yet, so that a worker that
    // has not even begun (its core taken away for a while) leaves them to the
    // others.
    Worker& worker = workerState_[static_cast<std::size_t>(workerIndex)];
    const int workerCount = workers_.workerCount();
    const int bandsPerOwner = balancer_.bandCount() / workerCount;
    for (int offset = 0; offset < workerCount; ++offset) {
        const int owner = (workerIndex + offset) % workerCount;
        std::atomic<int>& next = workerState_[static_cast<std::size_t>(owner)].nextOwnBand;
        for (int taken = next.fetch_add(1, std::memory_order_relaxed); taken < bandsPerOwner;
             taken = next.fetch_add(1, std::memory_order_relaxed))
            fadeAndStampBand(owner * bandsPerOwner + taken, worker, target);
    }
}

void FastRenderEngine::fadeAndStampBand(int band, Worker& worker, const DrawTarget* target) {
    const int bandBegin = balancer_.bandBegin(band);
    const int bandEnd = balancer_.bandBegin(band + 1);
    if (bandBegin == bandEnd)
        return;
    const auto started = std::chrono::steady_clock::now();
    const bool secondCopy = band % 2 == 1;
    takeRowsInto(secondCopy, bandBegin, bandEnd);
    const RowRange stamped = stampBand(band, bandBegin, bandEnd,
                                       secondCopy ? secondCanvas_.data() : Canvas.data(), worker);
    // The band's rows are final now, and still in this core's caches.
    if (target != nullptr)
        drawRows(*target, stamped.begin, stamped.end);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    balancer_.recordBand(band, seconds / shareStamped(band, stamped));
}

double FastRenderEngine::shareStamped(int band, RowRange stamped) const {
    const int bandBegin = balancer_.bandBegin(band);
    const int bandEnd = balancer_.bandBegin(band + 1);
    if (stamped.begin == bandBegin && stamped.end == bandEnd)
        return 1.0;
    // The chunks before the handover on every row of the band, the rest on
    // the rows kept, each row counting as much as its estimated work.
    const BandWork& work = bandWork_[static_cast<std::size_t>(band)];
    const int chunkCount = work.chunkCount();
    const double whole = static_cast<double>(work.handover.handedOverFrom()) / chunkCount;
    const auto rows = [this](int begin, int end) {
        return std::accumulate(rowEstimate_.begin() + begin, rowEstimate_.begin() + end, 0.0);
    };
    const double kept = rows(stamped.begin, stamped.end) / rows(bandBegin, bandEnd);
    return whole + (1.0 - whole) * kept;
}

void FastRenderEngine::takeOverBands(int workerIndex, const DrawTarget* target) {
    const int bandsPerOwner = balancer_.bandCount() / workers_.workerCount();
    const int ownBand = workerIndex * bandsPerOwner;
    Worker& worker = workerState_[static_cast<std::size_t>(workerIndex)];
    for (int band = 0; band < balancer_.bandCount(); ++band) {
        const int bandBegin = balancer_.bandBegin(band);
        const int bandEnd = balancer_.bandBegin(band + 1);
        if (bandEnd - bandBegin < 2)
            continue;
        // The rows on this worker's side, half the band's estimated work.
        const double half =
            std::accumulate(rowEstimate_.begin() + bandBegin, rowEstimate_.begin() + bandEnd, 0.0) /
            2;
        int split = bandBegin + 1;
        for (double running = rowEstimate_[static_cast<std::size_t>(bandBegin)];
             split < bandEnd - 1 && running < half; ++split)
            running += rowEstimate_[static_cast<std::size_t>(split)];
        const bool takesRowsBefore = ownBand < band;
        BandWork& work = bandWork_[static_cast<std::size_t>(band)];
        const int first = work.handover.takeOver(split, takesRowsBefore, HandoverShare);
        if (first < 0)
            continue;
        const int rowBegin = takesRowsBefore ? bandBegin : split;
        const int rowEnd = takesRowsBefore ? split : bandEnd;
        work.handover.awaitHolder(first);
        const int chunkCount = work.chunkCount();
        for (int chunk = first; chunk < chunkCount; ++chunk)
            stampChunk(work, chunk, rowBegin, rowEnd, worker);
        if (target != nullptr)
            drawRows(*target, rowBegin, rowEnd);
    }
}

void FastRenderEngine::takeRowsInto(bool secondCopy, int rowBegin, int rowEnd) {
    // A row moves when the bands' boundaries move: a few rows a frame.
    const RowCopies taken = secondCopy ? InSecondCopy : InCanvas;
    for (int row = rowBegin; row < rowEnd; ++row) {
        RowCopies& copies = rowCopies_[static_cast<std::size_t>(row)];
        if (copies != taken && copies != InBoth)
            copyRow(row, secondCopy ? Canvas.data() : secondCanvas_.data(),
                    secondCopy ? secondCanvas_.data() : Canvas.data());
        copies = taken;
    }
}

void FastRenderEngine::bringRowsHome() const {
    for (std::size_t row = 0; row < rowCopies_.size(); ++row)
        if (rowCopies_[row] == InSecondCopy) {
            copyRow(static_cast<int>(row), secondCanvas_.data(), Canvas.data());
            rowCopies_[row] = InBoth;
        }
}

void FastRenderEngine::copyRow(int row, const float* from, float* into) const {
    const int frameSize = preparation_.frameSize();
    const std::ptrdiff_t area = static_cast<std::ptrdiff_t>(frameSize) * frameSize;
    for (int canvas = 0; canvas < preparation_.canvasCount(); ++canvas) {
        const std::ptrdiff_t offset = canvas * area + static_cast<std::ptrdiff_t>(row) * frameSize;
        std::copy(from + offset, from + offset + frameSize, into + offset);
    }
}

const std::vector<float>& FastRenderEngine::canvas() const {
    bringRowsHome();
    return Canvas;
}

RowRange FastRenderEngine::stampBand(int band, int bandBegin, int bandEnd, float* canvases,
                                     Worker& worker) {
    fadeRows(canvases, bandBegin, bandEnd);
    const RowRange whole{static_cast<std::uint16_t>(bandBegin),
                         static_cast<std::uint16_t>(bandEnd)};
    // A single band takes every plan; otherwise the band first lists the plans
    // whose rows overlap it, in slot order.
    if (balancer_.bandCount() == 1) {
        for (int position = 0; position < planCount_; ++position)
            stampListed(position, bandBegin, bandEnd, canvases, worker);
        return whole;
    }
    BandWork& work = bandWork_[static_cast<std::size_t>(band)];
    work.count =
        listOverlapping(planRows_.data(), planCount_, bandBegin, bandEnd, work.listed.data());
    work.canvases = canvases;
    const int chunkCount = work.chunkCount();
    work.handover.start(chunkCount);
    for (int chunk = work.handover.claim(); chunk >= 0; chunk = work.handover.claim()) {
        stampChunk(work, chunk, bandBegin, bandEnd, worker);
        work.handover.finished(chunk);
    }
    if (!work.handover.handedOver())
        return whole;
    // The rest of the chunks on this side of the split only.
    const int split = work.handover.split();
    const bool rowsBeforeTaken = work.handover.takenRowsBefore();
    const int rowBegin = rowsBeforeTaken ? split : bandBegin;
    const int rowEnd = rowsBeforeTaken ? bandEnd : split;
    for (int chunk = work.handover.handedOverFrom(); chunk < chunkCount; ++chunk)
        stampChunk(work, chunk, rowBegin, rowEnd, worker);
    return RowRange{static_cast<std::uint16_t>(rowBegin), static_cast<std::uint16_t>(rowEnd)};
}

void FastRenderEngine::stampChunk(const BandWork& work, int chunk, int rowBegin, int rowEnd,
                                  Worker& worker) {
    // The listed plans, and their trail starts, lie apart in memory, further
    // than the processor looks ahead by itself.
    constexpr int PrefetchDistance = 8;
    const bool trails = preparation_.hasTrails();
    const int end = std::min(work.count, (chunk + 1) * HandoverChunk);
    for (int index = chunk * HandoverChunk; index < end; ++index) {
        if (index + PrefetchDistance < work.count) {
            const auto ahead = static_cast<std::size_t>(work.listed[index + PrefetchDistance]);
            __builtin_prefetch(&plans_[ahead]);
            if (trails)
                __builtin_prefetch(
                    &trailStamps_[ahead * static_cast<std::size_t>(trailStampStride_)]);
        }
        stampListed(work.listed[index], rowBegin, rowEnd, work.canvases, worker);
    }
}

void FastRenderEngine::stampListed(int position, int rowBegin, int rowEnd, float* canvases,
                                   Worker& worker) {
    const RowRange rows = planRows_[static_cast<std::size_t>(position)];
    const int begin = std::max<int>(rows.begin, rowBegin);
    const int end = std::min<int>(rows.end, rowEnd);
    if (begin < end)
        stampParticle(plans_[static_cast<std::size_t>(position)], position, begin, end, canvases,
                      worker);
}

// The spans' loops are vectorised, on four pixels per instruction with AVX2 and
// eight with AVX-512.
KIRABELLUM_WIDER_CLONES void FastRenderEngine::stampParticle(const StampPlan& plan, int position,
                                                             int rowBegin, int rowEnd,
                                                             float* canvases, Worker& worker) {
    const int frameSize = preparation_.frameSize();
    const SparkShape& shape = sparkShapes_[plan.layerIndex];
    float* const canvas = canvases + canvasOffset_[plan.layerIndex];
    const double limit = canvasLimit_[plan.layerIndex];
    const double addRate = preparation_.design().AddRate;
    if (!plan.ownOutside) {
        const SparkStamp own{plan.x,
                             plan.y,
                             {true, plan.columnHalfway, plan.column},
                             {true, plan.rowHalfway, plan.row},
                             plan.brightOnly,
                             plan.shift,
                             1.0,
                             plan.brightOnly ? nullptr : contributionsFor(plan, worker)};
        stampSpark<false>(shape, own, canvas, frameSize, addRate, limit, rowBegin, rowEnd,
                          worker.columns.data());
    }
    if (!plan.trailed)
        return;
    // The trail stamps, j = 1 to k, each after the one before.
    const int steps = preparation_.trailSteps(plan.layerIndex + 1);
    const TrailStamp* stamps =
        trailStamps_.data() + static_cast<std::ptrdiff_t>(position) * trailStampStride_;
    const SparkShape::Run sparkRows = trailRows(plan);
    for (int step = 1; step <= steps; ++step) {
        const TrailStamp placed = stamps[step - 1];
        if (!placed.placed)
            continue;
        const int slack = placed.rowHalfway ? 1 : 0;
        if (placed.row + sparkRows.end + slack <= rowBegin ||
            placed.row + sparkRows.begin - slack >= rowEnd)
            continue;
        SparkStamp trail{};
        // The position itself is needed only halfway.
        if (placed.columnHalfway || placed.rowHalfway) {
            const TrailStart start = trailStarts_[static_cast<std::size_t>(position)];
            trail.x = trailCoordinate(plan.x, start.x, step, steps);
            trail.y = trailCoordinate(plan.y, start.y, step, steps);
        }
        trail.columns = {true, placed.columnHalfway, placed.column};
        trail.rows = {true, placed.rowHalfway, placed.row};
        trail.brightOnly = plan.shifted && onlyUpperLimit_ && !trail.columns.halfway;
        trail.shift = plan.shift;
        trail.weight = trailWeights_[plan.layerIndex][static_cast<std::size_t>(step - 1)];
        trail.contributions =
            trail.brightOnly ? nullptr : trailContributionsFor(plan, step, worker);
        stampSpark<true>(shape, trail, canvas, frameSize, addRate, limit, rowBegin, rowEnd,
                         worker.columns.data());
    }
}

void FastRenderEngine::drawFrame(QImage& target, QPoint origin) const {
    if (canvasBlank_)
        return;
    const int frameSize = preparation_.frameSize();
    // A large frame is drawn by all workers, each a band of its rows.
    constexpr int ParallelDrawMinimum = 128 * 128;
    const int workerCount =
        frameSize * frameSize >= ParallelDrawMinimum ? workers_.workerCount() : 1;
    // Detached here, once: bits() on an image shared with another copies it,
    // which two workers must not both do.
    const DrawTarget draw{target.bits(), target.bytesPerLine(), origin};
    auto drawPart = [&](int worker) {
        drawRows(
            draw, static_cast<int>(static_cast<std::int64_t>(frameSize) * worker / workerCount),
            static_cast<int>(static_cast<std::int64_t>(frameSize) * (worker + 1) / workerCount));
    };
    if (workerCount == 1)
        drawPart(0);
    else
        workers_.run(drawPart);
}

void FastRenderEngine::drawRows(const DrawTarget& target, int rowBegin, int rowEnd) const {
    const int frameSize = preparation_.frameSize();
    const int canvasCount = preparation_.canvasCount();
    const std::ptrdiff_t area = static_cast<std::ptrdiff_t>(frameSize) * frameSize;
    for (int y = rowBegin; y < rowEnd; ++y) {
        auto* line =
            reinterpret_cast<QRgb*>(target.bits + (target.origin.y() + y) * target.bytesPerLine) +
            target.origin.x();
        const float* values =
            (rowCopies_[static_cast<std::size_t>(y)] == InSecondCopy ? secondCanvas_.data()
                                                                     : Canvas.data()) +
            static_cast<std::ptrdiff_t>(y) * frameSize;
        for (int x = 0; x < frameSize; ++x) {
            // The canvas stays within 0 and 255: the whole part of a value of at
            // least 1 is its palette index.
            if (values[x] >= 1.0f)
                line[x] = preparation_.paletteRgb(static_cast<int>(values[x]));
        }
        // The layers' own canvases add their colours to what is there.
        for (int canvas = 1; canvas < canvasCount; ++canvas) {
            const float* own = values + canvas * area;
            for (int x = 0; x < frameSize; ++x)
                if (own[x] >= 1.0f)
                    line[x] = common::addChannels(
                        line[x], preparation_.canvasRgb(canvas, static_cast<int>(own[x])));
        }
    }
}

} // namespace kirabellum
