#pragma once

#include "common/Status.h"
#include "common/WorkerBarrier.h"
#include "common/WorkerPool.h"
#include "core/document/DesignDocument.h"
#include "core/render/BandHandover.h"
#include "core/render/BandListing.h"
#include "core/render/Particle.h"
#include "core/render/ParticleEngine.h"
#include "core/render/RandomSource.h"
#include "core/render/RenderPreparation.h"
#include "core/render/SparkShape.h"
#include "core/render/SpawnHandout.h"
#include "core/render/TwoEndedRun.h"
#include "core/render/WorkBalancer.h"

#include <QImage>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

namespace kirabellum {

// The particle engine the designer renders with. It gives exactly the strip,
// canvas and pool of the straightforward RenderEngine (every float is computed
// by the same operations in the same order), only much sooner:
// - it keeps the live slots in a sorted list, so a frame costs what its live
//   particles cost, not what the pool holds;
// - a particle's death follows from the brightest pixel of its layer's spark;
// - its intensities follow from one whole-number shift of the ramp indices
//   (Age × Fade rounded), so a spark row is stamped in one branch-free loop
//   that the compiler vectorises, and only over the pixels above the shift,
//   the others adding exactly 0; within the frame's columns those pixels come
//   in groups of eight listed for each shift (SparkShape), stamped one after
//   the other in a single loop; halfway positions, halfway shifts and odd
//   AddRates take exact per-pixel paths over the runs of non-transparent pixels;
// - particles move with quick trigonometry whose results are taken only where
//   their error bounds show they are the reference's floats (ParticleMotion);
// - the frame is shared among worker threads in one task: each moves a part of
//   the live particles (most of its share, and then, chunk by chunk, what its
//   neighbours have not reached of the zones between their shares:
//   TwoEndedRun), then the canvas rows are cut into bands of about equal
//   work (estimated from the sparks' rows, weighted by what each part of the
//   frame took before: WorkBalancer), and each band's particles, listed eight
//   at a time where the processor allows (BandListing), are stamped by
//   one worker in slot order, so every canvas pixel receives its additions in
//   the order the straightforward engine makes them; every other band goes
//   into a second copy of the canvases (see Canvas); the other workers read a
//   worker's plans while stamping, so it asks for their cache lines back ahead
//   of writing the next frame's plans over them (WritePrefetch); a worker
//   draws its bands' rows of the frame as soon as it has stamped them;
// - a particle with a trail is one plan too: its rows cover its own stamp and
//   its trail stamps, where each of them lands is worked out once while
//   planning, and a band stamps its own stamp and then the trail stamps in
//   turn, so the additions keep the straightforward engine's order;
// - the worker that moves a part of the particles collects the bursts they
//   fire; the parts follow each other in slot order, and so do their
//   collections, one after the other.
// Where a spark lands and whether its intensities are one shift of the ramp
// indices is SparkPlacement's arithmetic; the loops that add a row of it to the
// canvas are the StampKernels.
// Spawning gives each particle the same draws from the generator; the workers
// share a large burst, run by run, and as the bursts take the lowest free
// slots, the new live list is every slot up to the last one taken followed by
// the live ones above it. Asked to spawn with the frame, the engine spawns
// within the frame's task: the worker through first with its bands spawns and
// the others help once through with theirs, so that spawning fills the time a
// worker would otherwise wait for the others at the frame's end.
class FastRenderEngine : public ParticleEngine {
public:
    // `threadCount` below 1 takes the number of cores. The pool, the live lists
    // and the worker threads are created here, once; renders reuse them.
    explicit FastRenderEngine(RandomSource& random, int threadCount = 0);
    // Renders on `workers`, which other engines may use too (from other
    // threads: their tasks take turns); they must outlive this engine.
    FastRenderEngine(RandomSource& random, common::WorkerPool& workers);

    common::Status PrepareRender(const DesignDocument& design) override;
    void releaseWorkingMemory() override;
    void advanceFrame() override;
    void drawFrame(QImage& target, QPoint origin) const override;
    void advanceAndDrawFrame(QImage& target, QPoint origin) override;
    void advanceAndSpawn(int frameIndex) override;
    void advanceDrawAndSpawn(QImage& target, QPoint origin, int frameIndex) override;
    void Add(int layer) override;
    void addBursts(const int* layers, int count) override;
    void addTriggeredBursts(const TriggeredBurst* bursts, int count, bool seeded) override;
    void packLiveParticles() override;

    const RenderPreparation& preparation() const override { return preparation_; }
    const std::vector<Particle>& pool() const override { return ParticlePool; }
    const std::vector<float>& canvas() const override;
    int liveParticles() const override { return liveCount_; }
    std::uint64_t stampedSparkPixels() const override { return stampedSparkPixels_; }

    int threadCount() const { return workers_.workerCount(); }

private:
    // The particle pool and the buffers sized by it.
    void allocateWorkingMemory();
    static constexpr int ContributionTableSize = 768;
    // How one live particle is stamped in this frame, worked out from its state
    // before it moves. 32 bytes, so that the stamping reads one half of a cache
    // line per plan; the canvas rows it touches are kept apart (RowRange).
    struct alignas(32) StampPlan {
        double ageFade; // Age × Fade
        float x, y;
        int column, row;         // canvas pixel of spark pixel (0, 0)
        int shift;               // when shifted: intensity = ramp index - shift
        std::uint8_t layerIndex; // layer - 1
        bool shifted : 1;
        bool brightOnly : 1;    // only the pixels above the shift are stamped
        bool columnHalfway : 1; // x is halfway between pixels: see stampParticle
        bool rowHalfway : 1;
        bool ownOutside : 1; // the particle's own stamp adds nothing within the frame
        bool trailed : 1;    // trail stamps follow: see trailStamps_
    };
    // Where a trailed plan's trail starts: the particle's position one move earlier.
    struct TrailStart {
        float x, y;
    };
    // Where one of a trailed plan's trail stamps lands, worked out while
    // planning so that each band visiting the plan need not work it out again.
    // A stamp that adds nothing within the frame is not placed.
    struct TrailStamp {
        std::int16_t column = 0, row = 0; // canvas pixel of spark pixel (0, 0)
        bool placed : 1;
        bool columnHalfway : 1;
        bool rowHalfway : 1;
    };
    // Where a frame is drawn: the target's pixels, detached beforehand.
    struct DrawTarget {
        uchar* bits;
        qsizetype bytesPerLine;
        QPoint origin;
    };
    // What one worker keeps for itself, apart from the others' cache lines.
    struct alignas(64) Worker {
        std::vector<std::int64_t> rowWork; // differences of the stamping work per canvas row
        std::atomic<int> nextOwnBand{0};   // how many of its own bands have been taken
        std::array<double, RampCapacity> contributions{};
        std::array<double, RampCapacity> trailContributions{};
        std::array<int, SparkEdge> columns{}; // canvas column of each spark column, halfway
        std::uint64_t stamped = 0;
    };
    // A run of live particles that one worker plans and moves in this frame,
    // and what came of it.
    struct PlanPart {
        int begin = 0, end = 0;            // positions in the live list
        int survivors = 0;                 // left at spareLive_[begin] on
        std::vector<TriggeredBurst> fired; // by its particles, in slot order
    };

    FastRenderEngine(RandomSource& random, std::unique_ptr<common::WorkerPool> ownWorkers,
                     common::WorkerPool* sharedWorkers);

    // Spawns the bursts of `layers`, or the triggered `bursts` when given.
    void spawnBursts(const int* layers, const TriggeredBurst* bursts, int count, bool seeded);
    // The spawn under way: its bursts, and where its draws start unless they
    // are seeded.
    struct Spawn {
        const int* layers = nullptr;
        const TriggeredBurst* bursts = nullptr;
        bool seeded = false;
        std::uint64_t start = 0;
        int total = 0; // particles
    };
    // The spawning worker's part of the spawn: the new live list and the runs
    // it takes; the other workers of the task may help (spawnHandout_).
    void spawnAsSpawner(int lastSlot, int liveBelowLast);
    // A worker other than the spawning one: helps with every spawn until the
    // spawning worker is finished.
    void helpSpawning();
    // Spawns run `run` of the spawn under way.
    void spawnRun(int run);
    // Spawns the particles `begin` to `end` - 1 of the spawn under way.
    void spawnRange(int begin, int end);
    // The free slot `index` (counting from 0, lowest first) and how many live
    // slots lie below it.
    struct FreeSlot {
        int slot, liveBelow;
    };
    FreeSlot freeSlot(int index) const;
    // Frame steps 1 and 2, step 3 into `target` when given and step 4 after
    // frame `spawnFrame` when it is not NoSpawn: true when it did them, false
    // when no particle was live, and then only faded the canvases.
    static constexpr int NoSpawn = -1;
    bool advance(const DrawTarget* target, int spawnFrame);
    // Step 4 within the frame's task, by the worker that gathered the survivors.
    void spawnWithinFrame(int spawnFrame, int worker);
    // Cuts the live particles into the workers' parts for this frame.
    void splitPlanning();
    void planAndMove(int worker);
    void planPart(PlanPart& part, Worker& worker);
    void fadeAndStamp(int worker, const DrawTarget* target);
    void fadeAndStampBand(int band, Worker& worker, const DrawTarget* target);
    // Fades and stamps band `band`, rows bandBegin to bandEnd - 1 of `canvases`
    // (Canvas or its second copy); returns the rows it stamped, all of them
    // unless some were taken over.
    RowRange stampBand(int band, int bandBegin, int bandEnd, float* canvases, Worker& worker);
    struct BandWork;
    // Stamps the listed plans of chunk `chunk` of a band on rows rowBegin to
    // rowEnd - 1.
    void stampChunk(const BandWork& work, int chunk, int rowBegin, int rowEnd, Worker& worker);
    // Stamps the plan at `position` on rows rowBegin to rowEnd - 1, if it has any there.
    void stampListed(int position, int rowBegin, int rowEnd, float* canvases, Worker& worker);
    // Once a worker is through with its own bands: takes over half the rows of
    // any band that has much left, for the chunks not yet begun.
    void takeOverBands(int worker, const DrawTarget* target);
    // The share of the band's work its holder stamped, all of it unless some
    // rows were taken over (the band's time divided by it tells the balancer
    // what the whole band would have taken).
    double shareStamped(int band, RowRange stamped) const;
    // Makes rows rowBegin to rowEnd - 1 current in the second copy of the
    // canvases, or in Canvas, copying those that are current in the other.
    void takeRowsInto(bool secondCopy, int rowBegin, int rowEnd);
    // Copies the rows current in the second copy back into Canvas.
    void bringRowsHome() const;
    // Copies canvas row `row` of every canvas from one copy into the other.
    void copyRow(int row, const float* from, float* into) const;
    // Returns the stamping work in each of the plan's rows.
    int planParticle(const Particle& particle, StampPlan& plan, RowRange& rows, bool& dies) const;
    // The spark rows of a trailed plan's trail stamps that can add anything.
    SparkShape::Run trailRows(const StampPlan& plan) const;
    // Widens a trailed plan's rows to cover its trail stamps too, and records
    // where each trail stamp lands in `stamps`.
    void planTrail(const StampPlan& plan, TrailStart start, RowRange& rows,
                   TrailStamp* stamps) const;
    // After the move: the bursts that the part's particles fire, and the
    // survivors without the particles that split.
    void collectPartTriggers(PlanPart& part);
    const double* contributionsFor(const StampPlan& plan, Worker& worker) const;
    const double* trailContributionsFor(const StampPlan& plan, int step, Worker& worker) const;
    void prepareLayerCanvases();
    void prepareTrails();
    // Fades rows rowBegin to rowEnd - 1 of every canvas in `canvases`.
    void fadeRows(float* canvases, int rowBegin, int rowEnd);
    void fadeCanvasRows(float* first, float* last, int rampLength) const;
    // Stamps the plan's rows rowBegin to rowEnd - 1.
    void stampParticle(const StampPlan& plan, int position, int rowBegin, int rowEnd,
                       float* canvases, Worker& worker);
    // Draws canvas rows rowBegin to rowEnd - 1 (see drawFrame).
    void drawRows(const DrawTarget& target, int rowBegin, int rowEnd) const;
    void gatherSurvivors();
    void splitIntoBands();

    std::unique_ptr<common::WorkerPool> ownWorkers_; // unless the workers are shared
    // Drawing a frame runs a task too; running one leaves the engine as it is.
    common::WorkerPool& workers_;
    common::WorkerBarrier barrier_;
    std::vector<Worker> workerState_;
    RenderPreparation preparation_;
    std::vector<Particle> ParticlePool;
    // The canvases, one after the other. With several bands, those of odd
    // index are stamped into a second copy of them, so that two bands stamped
    // at once never write neighbouring rows of one array (in one, each took
    // 3 to 5% longer than alone: the processors fetch ahead across the cut).
    // Each row is current in one copy or in both; asking for the canvas brings
    // the rows of the second copy home.
    mutable std::vector<float> Canvas;
    std::vector<float> secondCanvas_;
    // Where each row's values are current.
    enum RowCopies : std::uint8_t { InCanvas, InSecondCopy, InBoth };
    mutable std::vector<RowCopies> rowCopies_;
    // The spark index maps of the used layers, for stamping row by row.
    std::array<SparkShape, LayerTotal> sparkShapes_{};
    // Intensity × AddRate for the intensities -256 to 511, at index intensity + 256.
    std::array<double, ContributionTableSize> contributionTable_{};
    // Each layer's canvas, as its offset in Canvas and the limit of its values.
    std::array<std::ptrdiff_t, LayerTotal> canvasOffset_{};
    std::array<double, LayerTotal> canvasLimit_{};
    // The weight of each trail stamp j = 1 to 8 of each layer, at j - 1, and
    // (intensity × weight) × AddRate as contributionTable_ holds it for each.
    std::array<std::array<double, MaximumTrailSteps>, LayerTotal> trailWeights_{};
    std::array<std::vector<double>, LayerTotal> trailContributionTables_{};

    // Live slots in ascending order: live_[0] to live_[liveCount_ - 1].
    std::vector<int> live_;
    std::vector<int> spareLive_;
    int liveCount_ = 0;
    // While spawning: burst b's particles are the bursts' particles
    // burstStarts_[b] to burstStarts_[b + 1] - 1, as far as the free slots go.
    std::vector<int> burstStarts_;
    Spawn spawn_;
    // A spawn's particles are spawned in runs of SpawnRun, shared out among
    // the workers of the task the spawning worker is in (spawningInTask_), or
    // of a task of the spawn's own.
    static constexpr int SpawnRun = 256;
    SpawnHandout spawnHandout_;
    bool spawningInTask_ = false;
    bool spawnerIsFirst_ = true;   // the spawning worker is the first one
    std::vector<StampPlan> plans_; // one per live slot of the frame being stamped
    // The plans' canvas rows, apart from the rest so that a band finds its plans
    // reading 8 bytes of each.
    std::vector<RowRange> planRows_;
    // The start of each trailed plan's trail, at the plan's position.
    std::vector<TrailStart> trailStarts_;
    // Each trailed plan's trail stamps, trailStampStride_ from its position on
    // (the most steps of any layer's trail; none without trails).
    std::vector<TrailStamp> trailStamps_;
    int trailStampStride_ = 0;
    int planCount_ = 0;
    // Bands per worker (see fadeAndStamp). Every band boundary that a spark
    // crosses costs a second visit to its plan, which measured dearer than what
    // finer bands gain in balance: one band each, of about equal work.
    static constexpr int BandsPerWorker = 1;
    // Who plans which live particles and stamps which canvas rows.
    WorkBalancer balancer_;
    // Each worker plans a part of its own, and the zone between two neighbours'
    // parts (an eighth of each) is shared out in chunks, from both ends, so
    // that a worker through first takes over what the other has not reached.
    static constexpr int ZoneFraction = 8;
    static constexpr int ZoneChunk = 128;
    std::vector<PlanPart> planParts_; // in slot order
    int planPartCount_ = 0;
    std::vector<int> ownPart_;       // each worker's own part, in planParts_
    std::vector<int> zoneFirstPart_; // the first chunk of the zone after each worker's part
    std::vector<TwoEndedRun> zones_; // between worker w and w + 1, at w
    // A band's listed plans in chunks of HandoverChunk, of which half the rows
    // of the chunks not begun are taken over by a worker through first when a
    // sixteenth or more are left: a core held up a while (a virtual machine's
    // other guests) leaves the rest to the other, where the cut between the
    // bands can only follow the frames before.
    static constexpr int HandoverChunk = 64;
    static constexpr int HandoverShare = 16;
    // Each on lines of its own: its holder claims chunks all the while.
    struct alignas(128) BandWork {
        BandHandover handover;
        // The positions of the plans whose sparks touch the band, listed[0] to
        // listed[count - 1]: the band's own, as the one taking over reads them
        // while their holder goes on to another band.
        std::vector<int> listed;
        int count = 0;
        float* canvases = nullptr; // the copy of the canvases the band is stamped into
        int chunkCount() const { return (count + HandoverChunk - 1) / HandoverChunk; }
    };
    std::vector<BandWork> bandWork_;  // one per band
    std::vector<double> rowEstimate_; // the work estimated for each canvas row in this frame
    std::atomic<bool> survivorsGathered_{false}; // in this frame, by one of the workers
    bool canvasBlank_ = true;                    // every canvas value is +0.0
    // AddRate is neither negative nor NaN nor infinite, no ramp is empty
    // and the fade never divides by a negative number (which could leave -0.0 in
    // the canvas): stamping can then only raise canvas values, up to the ramp's
    // end, and a transparent pixel, at intensity 0, leaves its canvas value as it is.
    bool onlyUpperLimit_ = false;

    std::uint64_t stampedSparkPixels_ = 0;
};

} // namespace kirabellum
