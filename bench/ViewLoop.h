// The View benchmark's loop, shared by the bare program and the real one:
// once the main window has painted its first frame, it clicks "View" N
// times, each time timing the cheat window until its first paint, then
// closes it and lets every deferred deletion run before the next click.
// Given a checkpoint, it reports its peak memory after that many clicks and
// after the last, so that a long run shows how memory grows with use.
#pragma once

#include "BenchCommon.h"

#include <QTimer>

// Built with VX_BENCH_CALLGRIND, callgrind collects only from each click to
// the cheat window's first paint (run it with --collect-atstart=no).
#ifdef VX_BENCH_CALLGRIND
#include <valgrind/callgrind.h>
#define VX_BENCH_TOGGLE_COLLECT() CALLGRIND_TOGGLE_COLLECT
#else
#define VX_BENCH_TOGGLE_COLLECT() ((void)0)
#endif

#include <cstdio>
#include <functional>
#include <vector>

namespace bench {

struct ViewHooks {
    std::function<void()> select;     // chooses the game and the platform, once
    std::function<void()> click;      // clicks "View"
    std::function<bool()> cheatOpen;  // whether the cheat window is open
    std::function<void()> closeCheat; // clicks its "Close"
    std::function<void(int)> quit;    // ends the program's loop
};

class ViewLoop : public QObject {
public:
    static constexpr int kGapMs = 20;       // between a close and the next click
    static constexpr int kTimeoutMs = 10000; // no frame by then: give up

    ViewLoop(int iterations, int checkpoint, QString mainTitle, QString cheatTitle, ViewHooks hooks)
        : QObject(QCoreApplication::instance()), iterations_(iterations), checkpoint_(checkpoint),
          mainTitle_(std::move(mainTitle)), cheatTitle_(std::move(cheatTitle)), hooks_(std::move(hooks)),
          watcher_(new FirstPaintWatcher([this] { OnPaint(); }, [this] { OnFrameDone(); }))
    {
        // Reserved up front, so that the timings themselves add nothing to
        // the memory that grows from click to click.
        clickToReturn_.reserve(static_cast<std::size_t>(iterations_));
        clickToPaint_.reserve(static_cast<std::size_t>(iterations_));
        clickToFrame_.reserve(static_cast<std::size_t>(iterations_));
        watcher_->Arm(mainTitle_);
        timeout_.setSingleShot(true);
        connect(&timeout_, &QTimer::timeout, this, [this] {
            std::fprintf(stderr, "no first paint within %d ms (iteration %d)\n", kTimeoutMs, done_);
            hooks_.quit(2);
        });
    }

private:
    void OnPaint()
    {
        paintNs_ = NowNs();
        if (measuring_) {
            VX_BENCH_TOGGLE_COLLECT();
            measuring_ = false;
        }
    }

    void OnFrameDone()
    {
        const std::int64_t frameNs = NowNs();
        timeout_.stop();
        if (!started_) {
            started_ = true;
            hooks_.select();
            QTimer::singleShot(kGapMs, this, [this] { Click(); });
            return;
        }
        clickToReturn_.push_back(Ms(returnNs_ - clickNs_));
        clickToPaint_.push_back(Ms(paintNs_ - clickNs_));
        clickToFrame_.push_back(Ms(frameNs - clickNs_));
        ++done_;
        hooks_.closeCheat();
        if (done_ == checkpoint_)
            checkpointRssKb_ = PeakRssKb();
        QTimer::singleShot(kGapMs, this, [this] {
            if (done_ < iterations_)
                Click();
            else
                Finish();
        });
    }

    void Click()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (hooks_.cheatOpen()) {
            std::fprintf(stderr, "the cheat window is still open before click %d\n", done_ + 1);
            hooks_.quit(2);
            return;
        }
        watcher_->Arm(cheatTitle_);
        timeout_.start(kTimeoutMs);
        measuring_ = true;
        VX_BENCH_TOGGLE_COLLECT();
        clickNs_ = NowNs();
        hooks_.click();
        returnNs_ = NowNs();
    }

    void Finish()
    {
        std::printf("iterations=%d first_click_to_paint_ms=%.3f\n", done_, clickToPaint_.front());
        if (checkpoint_ > 0 && checkpoint_ <= done_) {
            std::printf("checkpoint=%d checkpoint_peak_rss_kb=%ld final_peak_rss_kb=%ld\n", checkpoint_,
                        checkpointRssKb_, PeakRssKb());
        }
        // The first click pays one-time costs of the toolkit; the rest are warm.
        const std::vector<double> warmPaint(clickToPaint_.begin() + (done_ > 1 ? 1 : 0), clickToPaint_.end());
        const std::vector<double> warmFrame(clickToFrame_.begin() + (done_ > 1 ? 1 : 0), clickToFrame_.end());
        const std::vector<double> warmReturn(clickToReturn_.begin() + (done_ > 1 ? 1 : 0), clickToReturn_.end());
        PrintSummary("click_to_paint", clickToPaint_);
        PrintSummary("warm_click_to_paint", warmPaint);
        PrintSummary("warm_click_to_frame", warmFrame);
        PrintSummary("warm_click_to_return", warmReturn);
        hooks_.quit(0);
    }

    int iterations_;
    int checkpoint_;
    long checkpointRssKb_ = 0;
    QString mainTitle_;
    QString cheatTitle_;
    ViewHooks hooks_;
    FirstPaintWatcher* watcher_;
    QTimer timeout_;
    bool started_ = false;
    bool measuring_ = false;
    int done_ = 0;
    std::int64_t clickNs_ = 0;
    std::int64_t returnNs_ = 0;
    std::int64_t paintNs_ = 0;
    std::vector<double> clickToReturn_;
    std::vector<double> clickToPaint_;
    std::vector<double> clickToFrame_;
};

} // namespace bench
