// The whole cold-chain analysis of a full logger: 8,772 samples at 30 s (three 24-hour windows
// fit), the logger profile's two rules and the worst 24-hour MKT.

#include "analysis/alarm_profiles.h"
#include "analysis/series_analysis.h"
#include "record/logger_image.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace velka {
namespace {

void FullLoggerAnalysis(benchmark::State& state) {
    std::vector<double> celsius(kMaxSamples);
    for (std::size_t i = 0; i < celsius.size(); ++i)
        celsius[i] =
            5.0 + 4.0 * std::sin(static_cast<double>(i) / 300.0) + 0.1 * static_cast<double>(i % 7);
    LoggerSettings settings;
    settings.logInterval = 30;
    settings.lowerLimit = 2;
    settings.upperLimit = 8;
    settings.alarmDelayCount = 10;
    const AlarmProfile profile = *FindAlarmProfile(kDefaultAlarmProfile, settings);
    for (auto _ : state) {
        auto analysis = AnalyseSeries(celsius, settings.logInterval, kDefaultActivationEnergy,
                                      profile.rules, profile.mktCeiling);
        benchmark::DoNotOptimize(analysis);
    }
}
BENCHMARK(FullLoggerAnalysis)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velka

BENCHMARK_MAIN();
