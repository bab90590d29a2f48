#include "Misure.h"

#include <QApplication>
#include <algorithm>

namespace {
double Percentile(std::vector<double> valori, double quota) {
    std::sort(valori.begin(), valori.end());
    return valori[static_cast<size_t>(quota * static_cast<double>(valori.size() - 1))];
}
} // namespace

void Durate::Riporta(benchmark::State& state, bool microsecondi) const {
    if (valori_.empty()) {
        return;
    }
    const double scala = microsecondi ? 1000.0 : 1.0;
    const char* unita = microsecondi ? "_us" : "_ms";
    state.counters[std::string("p50") + unita] = Percentile(valori_, 0.50) * scala;
    state.counters[std::string("p99") + unita] = Percentile(valori_, 0.99) * scala;
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
