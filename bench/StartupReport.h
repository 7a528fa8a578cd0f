// The start-up benchmarks' common part: the first-paint watch on the main
// window, and the one line of results printed once the program has ended.
#pragma once

#include "BenchCommon.h"

#include <cstdio>
#include <functional>

namespace bench {

struct StartupTimes {
    std::int64_t mainNs = 0;  // main() entered
    std::int64_t paintNs = 0; // the main window's first Paint event
    std::int64_t frameNs = 0; // that first frame complete
};

inline StartupTimes& Times()
{
    static StartupTimes times;
    return times;
}

// The program's way of ending its own loop, called once the first frame is done.
inline std::function<void()>& QuitProgram()
{
    static std::function<void()> quit;
    return quit;
}

// Installed as a pre-routine: runs when the program creates its QApplication.
inline void WatchMainWindowFirstPaint()
{
    auto* watcher = new FirstPaintWatcher([] { Times().paintNs = NowNs(); },
                                          [] {
                                              Times().frameNs = NowNs();
                                              QuitProgram()();
                                          });
    watcher->Arm(QStringLiteral("Vexorin 2.1"));
}

inline void PrintStartup(int status)
{
    const std::int64_t exitNs = NowNs();
    const std::int64_t t0 = LaunchNs();
    const auto& t = Times();
    std::printf("status=%d main_ms=%.3f first_paint_ms=%.3f first_frame_ms=%.3f exit_ms=%.3f self_peak_rss_kb=%ld\n",
                status, Ms(t.mainNs - t0), Ms(t.paintNs - t0), Ms(t.frameNs - t0), Ms(exitNs - t0), PeakRssKb());
    std::fflush(stdout);
}

} // namespace bench
