#pragma once

#include "common/WorkerPool.h"
#include "core/ColourModel.h"
#include "core/SharedSettings.h"

#include <QImage>

#include <functional>
#include <memory>
#include <vector>

namespace koratune {

// One colour with the hue shifted by `hueShift` steps (0 to 1529) and the
// saturation moved by `saturationShift` (-255 to 255: towards grey below zero,
// towards full colour above). Pure black and pure white stay as they are.
common::Colour RecolourColour(common::Colour colour, int hueShift, int saturationShift);

// A recolouring run: the work image becomes the base image recoloured with the
// settings' HueShift and SaturationShift, row by row from the top. The run can
// be cancelled between rows; the rows below then keep the base image's colours.
//
// The workers recolour a block of rows at a time, each its own rows, into a
// copy; the rows then go into the image one by one, with the hooks before and
// after each as if each row were recoloured only then.
class Recolouring {
public:
    // `threadCount` below 1 takes the number of cores.
    explicit Recolouring(int threadCount = 0);
    ~Recolouring();
    Recolouring(const Recolouring&) = delete;
    Recolouring& operator=(const Recolouring&) = delete;

    // Called before each row with the row (0-based) and the number of rows.
    using ProgressHook = std::function<void(int row, int rowCount)>;
    // Called after each row while the run goes on; windows let pending events
    // in here, which is where a cancel arrives.
    using RowDoneHook = std::function<void()>;

    void setProgressHook(ProgressHook hook) { progressHook_ = std::move(hook); }
    void setRowDoneHook(RowDoneHook hook) { rowDoneHook_ = std::move(hook); }

    // Clears the run flag; a run in progress stops after the row it is on.
    void cancel() { running_ = false; }
    // The run flag: set when a run starts, cleared by cancel().
    bool isRunning() const { return running_; }

    // Copies `base` into `work` and, unless both shifts are zero, recolours it
    // row by row. The run flag is read once after each row. Returns the number
    // of rows recoloured: all of them, none for zero shifts, or the rows up to
    // and including the one a cancel arrived in.
    int RecolourImage(const QImage& base, QImage& work, const SharedSettings& settings);
    // The same on `work` itself, as it is: no copy is made when nothing else
    // holds it.
    int RecolourImage(QImage& work, const SharedSettings& settings);

private:
    // The colours a worker has recoloured in this run, and what they became.
    class Memory;

    // Recolours rows `begin` to `end` - 1 of `work` into the block copy.
    void recolourBlock(const QImage& work, int begin, int end);

    common::WorkerPool workers_;
    std::vector<std::unique_ptr<Memory>> memories_;
    std::vector<QRgb> block_;
    ProgressHook progressHook_;
    RowDoneHook rowDoneHook_;
    bool running_ = true;
};

} // namespace koratune
