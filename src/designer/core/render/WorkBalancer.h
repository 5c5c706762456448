#pragma once

#include <vector>

namespace kirabellum {

// Decides which worker does what part of a frame from what the parts took in
// the frames before; it runs no thread and touches no pixel, so however it
// splits, the frames stay the same bit for bit.
//
// Planning: the live particles are cut into one run per worker, each as long
// as the particles that worker got through per second in the last frame allow.
// Stamping: the canvas rows are cut into bands of about equal work, the work of
// each row estimated by the engine and weighted by what a unit of it took in
// the band that held the row in the frames before, relative to the whole frame:
// the estimate misses what costs more in some places than in others (halfway
// positions, clipped sparks, a core that runs slower).
//
// Each measure moves the split halfway from where it was, for steadiness, and
// a measure far off the rest counts within bounds: a worker held up (its core
// taken away) keeps a share of a quarter of an even one at least, and a band
// counts as at most MaximumCostRatio times slower or quicker than the frame,
// so that a band held up for however long keeps a quarter of its rows at least
// in the next split. Times that are not finite numbers above 0 are no measure.
class WorkBalancer {
public:
    static constexpr double MaximumCostRatio = 4.0;

    WorkBalancer(int workerCount, int bandCount);

    // A new render on a canvas of `rowCount` rows: even shares, every row alike.
    void restart(int rowCount);

    // Cuts `count` particles into the workers' shares, after learning from the
    // times recorded for the frames before.
    void splitPlanning(int count);
    // Worker w's share is particles planBegin(w) to planBegin(w + 1) - 1.
    int planBegin(int worker) const { return planBegin_[static_cast<std::size_t>(worker)]; }
    // How many particles worker w planned in the last frame, its share or
    // not, and what it took. Workers may record at the same time, each its own.
    void recordPlanning(int worker, int planned, double seconds) {
        planned_[static_cast<std::size_t>(worker)] = planned;
        planSeconds_[static_cast<std::size_t>(worker)] = seconds;
    }

    // Cuts the canvas rows into bands of about equal work, after learning from
    // the times recorded for the bands before; `rowEstimate` holds each row's
    // work, in any unit.
    void splitIntoBands(const std::vector<double>& rowEstimate);
    // Band b is canvas rows bandBegin(b) to bandBegin(b + 1) - 1.
    int bandBegin(int band) const { return bandStart_[static_cast<std::size_t>(band)]; }
    // What band b of the last split took. Workers may record at the same time,
    // each its own bands.
    void recordBand(int band, double seconds) {
        bandSeconds_[static_cast<std::size_t>(band)] = seconds;
    }

    int workerCount() const { return static_cast<int>(planShare_.size()); }
    int bandCount() const { return static_cast<int>(bandEstimate_.size()); }

private:
    void learnPlanningSpeeds();
    void learnRowCosts();

    std::vector<int> planBegin_;
    std::vector<double> planShare_; // each worker's share of the particles, summing to about 1
    std::vector<int> planned_;
    std::vector<double> planSeconds_; // 0 for a run not measured
    std::vector<int> bandStart_;
    std::vector<double> rowCost_;      // what a unit of each row's estimate takes, relatively
    std::vector<double> rowTotal_;     // the weighted estimates of rows 0 to row summed
    std::vector<double> bandEstimate_; // each band's estimated work in the last split
    std::vector<double> bandSeconds_;  // 0 for a band not measured
};

} // namespace kirabellum
