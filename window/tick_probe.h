#pragma once

// For measuring only: with PIED_BENCH_TICKS=N in the environment, reports on
// standard error the wall-clock time at which the first tick's displays were
// written and the interval between ticks, then ends the program after N
// ticks. Without the variable it does nothing. Header-only so that the
// benchmarks' bare comparison program can use the very same probe.

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace window {

class TickProbe : public QObject {
 public:
  // Call after the timer's own handler is connected, so that the probe runs
  // once the tick has written its displays.
  static void attach_if_asked(QTimer& timer) {
    const char* asked = std::getenv("PIED_BENCH_TICKS");
    if (!asked) return;
    auto* probe = new TickProbe(std::max(1, std::atoi(asked)), &timer);
    connect(&timer, &QTimer::timeout, probe, &TickProbe::on_tick);
  }

 private:
  using Clock = std::chrono::steady_clock;

  TickProbe(int ticks, QObject* parent) : QObject(parent), ticks_(ticks) {
    times_.reserve(static_cast<std::size_t>(ticks));
  }

  void on_tick() {
    times_.push_back(Clock::now());
    if (times_.size() == 1) {
      const auto wall = std::chrono::system_clock::now().time_since_epoch();
      std::fprintf(stderr, "first-displays-ns %lld\n",
                   static_cast<long long>(std::chrono::nanoseconds(wall).count()));
    }
    if (static_cast<int>(times_.size()) < ticks_) return;
    for (std::size_t i = 1; i < times_.size(); ++i) {
      const std::chrono::duration<double, std::micro> gap = times_[i] - times_[i - 1];
      std::fprintf(stderr, "interval-us %.1f\n", gap.count());
    }
    std::fflush(stderr);
    QCoreApplication::exit(0);
  }

  int ticks_;
  std::vector<Clock::time_point> times_;
};

}  // namespace window
