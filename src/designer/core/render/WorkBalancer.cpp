#include "core/render/WorkBalancer.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace kirabellum {

namespace {

bool isMeasure(double seconds) {
    return seconds > 0 && std::isfinite(seconds);
}

} // namespace

WorkBalancer::WorkBalancer(int workerCount, int bandCount)
    : planBegin_(static_cast<std::size_t>(workerCount) + 1),
      planShare_(static_cast<std::size_t>(workerCount)),
      planned_(static_cast<std::size_t>(workerCount)),
      planSeconds_(static_cast<std::size_t>(workerCount)),
      bandStart_(static_cast<std::size_t>(bandCount) + 1),
      bandEstimate_(static_cast<std::size_t>(bandCount)),
      bandSeconds_(static_cast<std::size_t>(bandCount)) {
    restart(0);
}

void WorkBalancer::restart(int rowCount) {
    std::fill(planBegin_.begin(), planBegin_.end(), 0);
    std::fill(planShare_.begin(), planShare_.end(), 1.0 / workerCount());
    std::fill(planned_.begin(), planned_.end(), 0);
    std::fill(planSeconds_.begin(), planSeconds_.end(), 0.0);
    std::fill(bandStart_.begin(), bandStart_.end(), 0);
    std::fill(bandEstimate_.begin(), bandEstimate_.end(), 0.0);
    std::fill(bandSeconds_.begin(), bandSeconds_.end(), 0.0);
    rowCost_.assign(static_cast<std::size_t>(rowCount), 1.0);
    rowTotal_.assign(static_cast<std::size_t>(rowCount), 0.0);
}

void WorkBalancer::splitPlanning(int count) {
    learnPlanningSpeeds();
    const int workers = workerCount();
    const double shareSum = std::accumulate(planShare_.begin(), planShare_.end(), 0.0);
    double running = 0;
    planBegin_[0] = 0;
    for (int index = 1; index < workers; ++index) {
        running += planShare_[static_cast<std::size_t>(index) - 1];
        planBegin_[static_cast<std::size_t>(index)] =
            std::clamp(static_cast<int>(count * (running / shareSum)),
                       planBegin_[static_cast<std::size_t>(index) - 1], count);
    }
    planBegin_[static_cast<std::size_t>(workers)] = count;
}

void WorkBalancer::learnPlanningSpeeds() {
    // Learned only when every worker planned some and was measured.
    const int workers = workerCount();
    double speedSum = 0;
    for (int index = 0; index < workers; ++index) {
        const int planned = planned_[static_cast<std::size_t>(index)];
        const double seconds = planSeconds_[static_cast<std::size_t>(index)];
        if (!(planned > 0 && isMeasure(seconds)))
            return;
        speedSum += planned / seconds;
    }
    if (!(speedSum > 0))
        return;
    for (int index = 0; index < workers; ++index) {
        const int planned = planned_[static_cast<std::size_t>(index)];
        const double share = planned / planSeconds_[static_cast<std::size_t>(index)] / speedSum;
        double& kept = planShare_[static_cast<std::size_t>(index)];
        kept = std::max((kept + share) / 2, 0.25 / workers);
    }
}

void WorkBalancer::splitIntoBands(const std::vector<double>& rowEstimate) {
    learnRowCosts();
    const int rowCount = static_cast<int>(rowCost_.size());
    const int bands = bandCount();
    double total = 0;
    for (int row = 0; row < rowCount; ++row) {
        total +=
            rowEstimate[static_cast<std::size_t>(row)] * rowCost_[static_cast<std::size_t>(row)];
        rowTotal_[static_cast<std::size_t>(row)] = total;
    }
    bandStart_[0] = 0;
    int row = 0;
    for (int index = 1; index < bands; ++index) {
        const double share = total * index / bands;
        while (row < rowCount && rowTotal_[static_cast<std::size_t>(row)] < share)
            ++row;
        // The row the share ends in goes to the band it puts nearer its share:
        // always to the later one, it would make the later bands the slower.
        const double before = row == 0 ? 0.0 : rowTotal_[static_cast<std::size_t>(row) - 1];
        if (row < rowCount && rowTotal_[static_cast<std::size_t>(row)] - share < share - before)
            ++row;
        bandStart_[static_cast<std::size_t>(index)] = row;
    }
    bandStart_[static_cast<std::size_t>(bands)] = rowCount;
    for (int band = 0; band < bands; ++band) {
        bandEstimate_[static_cast<std::size_t>(band)] = std::accumulate(
            rowEstimate.begin() + bandBegin(band), rowEstimate.begin() + bandBegin(band + 1), 0.0);
        bandSeconds_[static_cast<std::size_t>(band)] = 0.0;
    }
}

void WorkBalancer::learnRowCosts() {
    const int bands = bandCount();
    double seconds = 0;
    double estimate = 0;
    for (int band = 0; band < bands; ++band) {
        if (isMeasure(bandSeconds_[static_cast<std::size_t>(band)])) {
            seconds += bandSeconds_[static_cast<std::size_t>(band)];
            estimate += bandEstimate_[static_cast<std::size_t>(band)];
        }
    }
    if (!(isMeasure(seconds) && estimate > 0))
        return;
    const double wholeFrameRate = seconds / estimate;
    for (int band = 0; band < bands; ++band) {
        const double bandSeconds = bandSeconds_[static_cast<std::size_t>(band)];
        const double bandEstimate = bandEstimate_[static_cast<std::size_t>(band)];
        if (!(isMeasure(bandSeconds) && bandEstimate > 0))
            continue;
        const double cost = std::clamp(bandSeconds / bandEstimate / wholeFrameRate,
                                       1 / MaximumCostRatio, MaximumCostRatio);
        for (int row = bandBegin(band); row < bandBegin(band + 1); ++row)
            rowCost_[static_cast<std::size_t>(row)] =
                (rowCost_[static_cast<std::size_t>(row)] + cost) / 2;
    }
}

} // namespace kirabellum
