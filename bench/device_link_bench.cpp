// A full image read (197 command and answer pairs) against the emulated logger with no
// latency: the protocol's and the copying's own cost per read, beside which real full-speed
// USB (about 0.4 s for the 197 pairs at a 1 ms polling interval) is the floor.

#include "device/device_link.h"
#include "device/emulated_logger.h"

#include <benchmark/benchmark.h>

namespace {

void ReadImageFromEmulatedLogger(benchmark::State& state) {
    velka::LoggerImage memory{};
    for (std::size_t i = 0; i < memory.size(); ++i)
        memory[i] = static_cast<std::uint8_t>(i * 31);
    velka::EmulatedLogger logger(memory);
    velka::DeviceLink link(logger);
    velka::LoggerImage image{};
    for (auto _ : state) {
        if (link.OpenDevice() != velka::kResultSuccess ||
            link.ReadImage(image) != velka::kResultSuccess) {
            state.SkipWithError("the emulated logger did not answer");
            break;
        }
        link.CloseDevice();
        benchmark::DoNotOptimize(image.data());
        benchmark::ClobberMemory();
    }
    constexpr int kBlocks = 197;
    state.counters["blocks"] = kBlocks;
    state.counters["perBlock"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kBlocks,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(ReadImageFromEmulatedLogger)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
