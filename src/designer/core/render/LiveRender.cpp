#include "core/render/LiveRender.h"

namespace kirabellum {

LiveRender::LiveRender(common::WorkerPool& workers)
    : run_(random_, workers), worker_([this] { work(); }) {}

LiveRender::~LiveRender() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

std::uint64_t LiveRender::request(const DesignDocument& design, std::uint64_t seed,
                                  const RenderMode& mode) {
    std::uint64_t number = 0;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        number = ++requests_;
        pending_ = Request{number, design, seed, mode};
    }
    wake_.notify_one();
    return number;
}

void LiveRender::cancel() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        // A request numbered 0 stops the render in progress; the worker drops it.
        pending_ = Request{};
    }
    wake_.notify_one();
}

LiveFrames LiveRender::newest() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return newest_;
}

void LiveRender::work() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || pending_.has_value(); });
        if (stopping_)
            return;
        Request job = std::move(*pending_);
        pending_.reset();
        if (job.number == 0)
            continue; // a cancel
        lock.unlock();
        render(job);
        lock.lock();
    }
}

void LiveRender::render(Request& job) {
    random_.restart(job.seed);
    // The copy's cancel flag is the worker's own: the render button's cancel
    // flag in the document is never read or written here.
    job.design.RenderCancel = 1;
    const common::Status prepared = run_.PrepareRender(job.design, job.mode);
    if (!prepared.ok()) {
        Q_EMIT renderFailed(job.number, prepared.message());
        return;
    }
    const int frameCount = run_.layout().FrameCount;
    // Stops the run after the frame in progress once a newer request waits.
    const auto stopWhenSuperseded = [&] {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (superseded())
            job.design.RenderCancel = 0;
    };
    RenderHooks hooks;
    hooks.frameDrawn = [&](int frameIndex, const QImage& strip, const QRect& cell) {
        QImage frame = strip.copy(cell);
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            if (frameIndex == 0)
                newest_ = LiveFrames{job.number, frameCount, {}};
            newest_.frames.push_back(std::move(frame));
            if (superseded())
                job.design.RenderCancel = 0;
        }
        Q_EMIT frameReady(job.number, frameIndex, frameCount);
    };
    hooks.betweenFrames = stopWhenSuperseded;
    run_.RunFrames(job.design, hooks);
}

} // namespace kirabellum
