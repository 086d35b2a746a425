// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the RI-DI window: the time from starting the process to the window's first
// complete paint, and the peak resident memory, over a number of runs on the current display.
//   bench/window_startup [RUNS]                  (starts Xvfb itself when there is no display)
//   build/bench/bench_window_startup [RUNS]      (on the display in DISPLAY)
//
// Each run starts this program again as a child that does what ridi does (application,
// window, show, event loop) and reports when the first paint of the window has been flushed.
#include "qt_coax_frm.hpp"

#include "ridi/version.hpp"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr std::string_view child_flag = "--child";

long long monotonic_ns() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// Ends the event loop once the window's first paint is done: the zero timer runs after the
// repaint that delivered the paint event has drawn every control and flushed the window.
class first_paint : public QObject {
public:
    explicit first_paint(long long started_ns) : started_ns_(started_ns) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, [this] {
                std::printf("%lld\n", monotonic_ns() - started_ns_);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    long long started_ns_;
    bool seen_ = false;
};

int run_child(int argc, char** argv, long long started_ns) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RI-DI"));
    QApplication::setApplicationVersion(
        QString::fromUtf8(ridi::version.data(), static_cast<qsizetype>(ridi::version.size())));
    ridi::coax_frm window;
    first_paint watcher(started_ns);
    window.installEventFilter(&watcher);
    window.show();
    return QApplication::exec();
}

struct run_result {
    double milliseconds = 0;
    double peak_mib = 0;
};

// Starts one child and waits for it; false when it did not report a paint. A quiet child's
// warnings are dropped (the warm-up run shows them).
bool run_once(const char* self, bool quiet, run_result& result) {
    int out[2];
    if (pipe(out) != 0) {
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    if (quiet) {
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }

    const long long started_ns = monotonic_ns();
    std::string started = std::to_string(started_ns);
    std::string flag(child_flag);
    std::string program(self);
    char* child_argv[] = {program.data(), flag.data(), started.data(), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, child_argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        std::fprintf(stderr, "bench_window_startup: cannot start %s: %s\n", self,
                     std::strerror(spawned));
        return false;
    }
    std::string reported;
    char buffer[64];
    ssize_t got = 0;
    while ((got = read(out[0], buffer, sizeof buffer)) > 0) {
        reported.append(buffer, static_cast<std::size_t>(got));
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    long long elapsed_ns = 0;
    const auto [end, error] =
        std::from_chars(reported.data(), reported.data() + reported.size(), elapsed_ns);
    if (error != std::errc() || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return false;
    }
    result.milliseconds = static_cast<double>(elapsed_ns) / 1e6;
    result.peak_mib = static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && argv[1] == child_flag) {
        return run_child(argc, argv, std::atoll(argv[2]));
    }
    int runs = 20;
    if (argc == 2) {
        runs = std::atoi(argv[1]);
    }
    if (argc > 2 || runs < 1) {
        std::fprintf(stderr, "usage: %s [RUNS]\n", argv[0]);
        return 2;
    }
    if (std::getenv("DISPLAY") == nullptr) {
        std::fprintf(stderr,
                     "bench_window_startup: no display (DISPLAY is not set); run it as "
                     "xvfb-run -a %s, or use bench/window_startup\n",
                     argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);

    run_result warm_up;
    if (!run_once("/proc/self/exe", false, warm_up)) {
        std::fprintf(stderr, "bench_window_startup: the window did not start\n");
        return 1;
    }
    std::vector<double> times;
    std::vector<double> peaks;
    for (int i = 0; i < runs; ++i) {
        run_result result;
        if (!run_once("/proc/self/exe", true, result)) {
            std::fprintf(stderr, "bench_window_startup: run %d failed\n", i + 1);
            return 1;
        }
        times.push_back(result.milliseconds);
        peaks.push_back(result.peak_mib);
    }
    std::printf("runs: %d (after one warm-up run of %.1f ms)\n", runs, warm_up.milliseconds);
    std::printf(
        "start to first paint: median %.1f ms, min %.1f ms, max %.1f ms (target <= 100 ms)\n",
        median(times), *std::min_element(times.begin(), times.end()),
        *std::max_element(times.begin(), times.end()));
    std::printf("peak resident memory: median %.1f MiB, max %.1f MiB (target <= 35 MiB)\n",
                median(peaks), *std::max_element(peaks.begin(), peaks.end()));
    return 0;
}
