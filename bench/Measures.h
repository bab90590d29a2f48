#pragma once

#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

// Per-iteration timings, reported as the median and the 99th percentile.
class Durations {
  public:
    void Begin() { start_ = std::chrono::steady_clock::now(); }
    void Stop() {
        values_.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_)
                .count());
    }
    // Counters in milliseconds, or microseconds when asked.
    void BringBack(benchmark::State& state, bool microseconds = false) const;

  private:
    std::chrono::steady_clock::time_point start_;
    std::vector<double> values_;
};
