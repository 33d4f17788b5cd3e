// The record library's costs on a full recording: decoding all 8,772 samples, blending the
// calibrated table, parsing the product table.
#include "record/logger_settings.h"
#include "record/recording.h"
#include "record/synthetic_recording.h"
#include "storage/reference_files.h"

#include <benchmark/benchmark.h>

namespace velka {
namespace {

const ReferenceTables& Tables() {
    static const ReferenceTables tables = LoadReferenceTables(VELKA_BENCH_REFTABLE_DIR);
    return tables;
}

const SyntheticRecording& FullRecording() {
    static const SyntheticRecording recording = [] {
        SyntheticRecordingOptions options;
        options.sampleCount = kMaxSamples;
        options.logIntervalSeconds = 30;
        options.startTime = 1765000000;
        return SynthesizeRecording(options, Tables());
    }();
    return recording;
}

void BM_DecodeImage(benchmark::State& state) {
    const LoggerImage& image = FullRecording().image;
    const ReferenceTable current = BuildCurrentTable(Tables(), ReadU16(image, kCalibrationAOffset),
                                                     ReadU16(image, kCalibrationBOffset));
    for (auto _ : state) {
        DecodedRecord record = DecodeImage(image, current, 2.0, 8.0);
        benchmark::DoNotOptimize(record.samples.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kMaxSamples));
}
BENCHMARK(BM_DecodeImage)->Unit(benchmark::kMicrosecond);

// The whole decode of a stored image: table blend, settings, products and samples.
void BM_DecodeRecording(benchmark::State& state) {
    for (auto _ : state) {
        Recording recording = DecodeRecording(FullRecording().image, Tables(), 0);
        benchmark::DoNotOptimize(recording.record.samples.data());
    }
}
BENCHMARK(BM_DecodeRecording)->Unit(benchmark::kMicrosecond);

void BM_BuildCurrentTable(benchmark::State& state) {
    for (auto _ : state) {
        ReferenceTable current = BuildCurrentTable(Tables(), 46583, 46659);
        benchmark::DoNotOptimize(current.rows.data());
    }
}
BENCHMARK(BM_BuildCurrentTable)->Unit(benchmark::kMicrosecond);

void BM_ParseProductTable(benchmark::State& state) {
    std::vector<ProductRecord> products;
    for (std::uint8_t id = 1; id <= 6; ++id) {
        products.push_back(MakeProductRecord(id, u"kg", 100, 0, std::u16string(20, u'n'),
                                             std::u16string(20, u'p'), std::u16string(20, u's'),
                                             std::u16string(20, u'h'), std::u16string(16, u'b')));
    }
    const ProductArea area = BuildProductTable(products);
    for (auto _ : state) {
        ParsedProducts parsed = ParseProductTable(area);
        benchmark::DoNotOptimize(parsed.products.data());
    }
}
BENCHMARK(BM_ParseProductTable)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velka

BENCHMARK_MAIN();
