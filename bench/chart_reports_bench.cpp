// A full logger (8,772 samples): laying out and drawing the chart, the PDF report (164 pages)
// and the workbook (about 26,000 cells).

#include "chart/chart_image.h"
#include "record/synthetic_recording.h"
#include "reports/excel_report.h"
#include "reports/pdf_report.h"
#include "services/numeric_locale.h"
#include "storage/reference_files.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace velka {
namespace {

const Recording& FullRecording() {
    static const Recording recording = [] {
        const ReferenceTables tables = LoadReferenceTables(DefaultReferenceFolder());
        SyntheticRecordingOptions options;
        options.sampleCount = kMaxSamples;
        options.startTime =
            1714521600 - static_cast<std::int64_t>(kMaxSamples) * options.logIntervalSeconds;
        return DecodeRecording(SynthesizeRecording(options, tables).image, tables, 1714521600);
    }();
    return recording;
}

const std::filesystem::path& OutputFolder() {
    static const std::filesystem::path folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velka-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        return std::filesystem::path(pattern);
    }();
    return folder;
}

void LayoutChartFull(benchmark::State& state) {
    const Recording& recording = FullRecording();
    for (auto _ : state)
        benchmark::DoNotOptimize(LayoutChart(recording));
}
BENCHMARK(LayoutChartFull)->Unit(benchmark::kMillisecond);

// What a repaint of the chart page costs: the layout after a zoom and the drawing.
void LayoutAndDrawChartFull(benchmark::State& state) {
    const Recording& recording = FullRecording();
    for (auto _ : state) {
        const ChartLayout layout = LayoutChart(recording);
        benchmark::DoNotOptimize(RenderChartCanvas(ChartScene{recording, layout}));
    }
}
BENCHMARK(LayoutAndDrawChartFull)->Unit(benchmark::kMillisecond);

void RenderChartImageFull(benchmark::State& state) {
    const Recording& recording = FullRecording();
    const ChartLayout layout = LayoutChart(recording);
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderChartImage(ChartScene{recording, layout}));
}
BENCHMARK(RenderChartImageFull)->Unit(benchmark::kMillisecond);

void PdfReportFull(benchmark::State& state) {
    const Recording& recording = FullRecording();
    const ChartLayout layout = LayoutChart(recording);
    const ChartPixels pixels = RenderChartImage(ChartScene{recording, layout});
    const FixedClock clock(1714521600);
    for (auto _ : state) {
        const ExportResult result =
            WritePdfReport(ReportInputs{recording, pixels, clock}, OutputFolder() / "report.pdf");
        if (result.status != ExportStatus::Saved)
            state.SkipWithError(result.failure.c_str());
    }
}
BENCHMARK(PdfReportFull)->Unit(benchmark::kMillisecond);

void ExcelReportFull(benchmark::State& state) {
    const Recording& recording = FullRecording();
    const ChartLayout layout = LayoutChart(recording);
    const ChartPixels pixels = RenderChartImage(ChartScene{recording, layout});
    const FixedClock clock(1714521600);
    for (auto _ : state) {
        const ExportResult result = WriteExcelWorkbook(
            ReportInputs{recording, pixels, clock},
            DefaultTableColumnTitles(TemperatureUnit::Celsius), OutputFolder() / "report.xlsx");
        if (result.status != ExportStatus::Saved)
            state.SkipWithError(result.failure.c_str());
    }
}
BENCHMARK(ExcelReportFull)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velka

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    velka::RestoreCNumericLocale();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(velka::OutputFolder());
    return 0;
}
