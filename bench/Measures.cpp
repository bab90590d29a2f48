#include "Measures.h"

#include <QApplication>
#include <algorithm>

namespace {
double Percentile(std::vector<double> values, double quota) {
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(quota * static_cast<double>(values.size() - 1))];
}
} // namespace

void Durations::BringBack(benchmark::State& state, bool microseconds) const {
    if (values_.empty()) {
        return;
    }
    const double scale = microseconds ? 1000.0 : 1.0;
    const char* unit = microseconds ? "_us" : "_ms";
    state.counters[std::string("p50") + unit] = Percentile(values_, 0.50) * scale;
    state.counters[std::string("p99") + unit] = Percentile(values_, 0.99) * scale;
}

// Every benchmark program drives real windows, headless.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
