#pragma once

#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

// Per-iteration timings, reported as the median and the 99th percentile.
class Durate {
public:
    void Inizia() { inizio_ = std::chrono::steady_clock::now(); }
    void Ferma() {
        valori_.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio_)
                .count());
    }
    // Counters in milliseconds, or microseconds when asked.
    void Riporta(benchmark::State& state, bool microsecondi = false) const;

private:
    std::chrono::steady_clock::time_point inizio_;
    std::vector<double> valori_;
};
