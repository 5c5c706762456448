#pragma once

#include "common/WorkerPool.h"
#include "core/document/DesignDocument.h"
#include "core/render/RandomSource.h"
#include "core/render/RenderRun.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace kirabellum {

// The frames of the newest live render that has drawn its first frame.
struct LiveFrames {
    std::uint64_t request = 0;  // 0 until a render has drawn a frame
    int frameCount = 0;         // the frames the render draws in all
    std::vector<QImage> frames; // those drawn so far, in order
    bool complete() const { return request != 0 && static_cast<int>(frames.size()) == frameCount; }
};

// Renders the design again in the background, each time it changes, for the
// preview player's live mode. Every request is a copy of the document rendered
// on a worker thread with a random generator of its own, started at the
// request's seed, so the same design and seed give the same frames; a newer
// request cancels the render in progress after the frame it is drawing. The
// session's generator, render run and strip are never touched, so the renders
// of the render button give what they gave without live rendering.
class LiveRender : public QObject {
    Q_OBJECT
public:
    // Renders with the fast engine on `workers`, which the render button's run
    // may share: their frames then take turns on the workers. They must outlive
    // this.
    explicit LiveRender(common::WorkerPool& workers);
    ~LiveRender() override;

    LiveRender(const LiveRender&) = delete;
    LiveRender& operator=(const LiveRender&) = delete;

    // Renders a copy of `design` from `seed`; returns the request's number
    // (1, 2, ...). Returns at once: the copy is all the caller waits for.
    std::uint64_t request(const DesignDocument& design, std::uint64_t seed,
                          const RenderMode& mode = {});
    // Drops the waiting request and stops the render in progress after its
    // current frame; the frames drawn so far stay.
    void cancel();

    // A copy of the newest frames (the pictures are shared, not copied).
    LiveFrames newest() const;

Q_SIGNALS:
    // Emitted on the worker thread: receivers in the windows get it queued.
    void frameReady(quint64 request, int frameIndex, int frameCount);
    // The request's design cannot be rendered (the render's own message).
    void renderFailed(quint64 request, const QString& message);

private:
    struct Request {
        std::uint64_t number = 0;
        DesignDocument design;
        std::uint64_t seed = 0;
        RenderMode mode;
    };

    void work();
    void render(Request& job);
    // Whether the render in progress should stop; the caller holds the mutex.
    bool superseded() const { return stopping_ || pending_.has_value(); }

    RandomSource random_;
    RenderRun run_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Request> pending_;
    std::uint64_t requests_ = 0;
    bool stopping_ = false;
    LiveFrames newest_;

    std::thread worker_;
};

} // namespace kirabellum
