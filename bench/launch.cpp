// Runs one program and measures it from the outside: wall time from just
// before the spawn to the reaped exit, and the child's peak resident set as
// the kernel accounts it. The spawn time goes to the child in
// VX_BENCH_SPAWN_NS (monotonic nanoseconds), so it can time itself from
// its own start. The child's output goes straight through; this program
// adds one line: wall_ms=... peak_rss_kb=... exit=...
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

extern char** environ;

namespace {

std::int64_t NowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t{ts.tv_sec} * 1000000000 + ts.tv_nsec;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    std::fflush(stdout);
    const std::int64_t start = NowNs();
    setenv("VX_BENCH_SPAWN_NS", std::to_string(start).c_str(), 1);
    pid_t pid = 0;
    if (const int error = posix_spawn(&pid, argv[1], nullptr, nullptr, argv + 1, environ); error != 0) {
        std::fprintf(stderr, "cannot run %s: %s\n", argv[1], std::strerror(error));
        return 2;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        std::perror("wait4");
        return 2;
    }
    const std::int64_t end = NowNs();
    const int exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::printf("wall_ms=%.3f peak_rss_kb=%ld user_ms=%.3f sys_ms=%.3f exit=%d\n", static_cast<double>(end - start) / 1e6,
                usage.ru_maxrss, usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3,
                usage.ru_stime.tv_sec * 1e3 + usage.ru_stime.tv_usec / 1e3, exitCode);
    return exitCode;
}
