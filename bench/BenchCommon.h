// What every benchmark program shares: the clock, the moment the process was
// launched, peak memory, and a watcher that sees a window's first paint.
//
// The watcher is installed from a Qt pre-routine, i.e. the moment whoever
// runs the program creates the QApplication, so that the program under
// measurement creates and owns its application exactly as it would alone.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QString>
#include <QWidget>

#include <sys/resource.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <numeric>
#include <utility>
#include <vector>

namespace bench {

inline std::int64_t NowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t{ts.tv_sec} * 1000000000 + ts.tv_nsec;
}

inline double Ms(std::int64_t ns)
{
    return static_cast<double>(ns) / 1e6;
}

// When the launcher spawned this process (it passes its monotonic clock in
// VX_BENCH_SPAWN_NS); without the launcher, the first call's own time.
inline std::int64_t LaunchNs()
{
    static const std::int64_t launched = []() -> std::int64_t {
        if (const char* text = std::getenv("VX_BENCH_SPAWN_NS"))
            return std::strtoll(text, nullptr, 10);
        return NowNs();
    }();
    return launched;
}

// Peak resident set of this process so far, in KiB.
inline long PeakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Sees every event of the application and, once armed, calls back on the
// first Paint of the top-level window with the given title. A second callback
// runs once the event loop is back, i.e. after the whole frame (the window
// and all its children) has been painted and flushed.
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(std::function<void()> onPaint, std::function<void()> onFrameDone)
        : QObject(QCoreApplication::instance()), onPaint_(std::move(onPaint)), onFrameDone_(std::move(onFrameDone))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

    void Arm(const QString& title)
    {
        title_ = title;
        armed_ = true;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!armed_ || event->type() != QEvent::Paint)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !widget->isWindow() || widget->windowTitle() != title_)
            return false;
        armed_ = false;
        if (onPaint_)
            onPaint_();
        if (onFrameDone_)
            QMetaObject::invokeMethod(this, onFrameDone_, Qt::QueuedConnection);
        return false;
    }

private:
    QString title_;
    std::function<void()> onPaint_;
    std::function<void()> onFrameDone_;
    bool armed_ = false;
};

// Whether a top-level widget with this title still exists, shown or not.
inline bool TopLevelExists(const QString& title)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowTitle() == title)
            return true;
    }
    return false;
}

struct Summary {
    double median = 0;
    double mean = 0;
    double min = 0;
    double max = 0;
};

inline Summary Summarise(std::vector<double> values)
{
    Summary s;
    if (values.empty())
        return s;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    s.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    s.mean = std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(n);
    s.min = values.front();
    s.max = values.back();
    return s;
}

// One line of key=value pairs per series: name_median_ms=... name_mean_ms=...
inline void PrintSummary(const char* name, const std::vector<double>& values)
{
    const Summary s = Summarise(values);
    std::printf("%s_median_ms=%.3f %s_mean_ms=%.3f %s_min_ms=%.3f %s_max_ms=%.3f\n", name, s.median, name, s.mean,
                name, s.min, name, s.max);
}

// The iteration count of a View benchmark: its first argument, or 50.
inline int IterationsFrom(int argc, char** argv)
{
    const int n = argc > 1 ? std::atoi(argv[1]) : 50;
    return std::max(1, n);
}

// After how many clicks a View benchmark also reports its peak memory so far:
// its second argument, or never (0).
inline int CheckpointFrom(int argc, char** argv)
{
    return argc > 2 ? std::max(0, std::atoi(argv[2])) : 0;
}

} // namespace bench
