// The history's query, sort and page fill over 50,000 entries.

#include "archive/history_list.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <random>

namespace velka {
namespace {

constexpr std::size_t kEntryCount = 50'000;

std::vector<ArchiveEntry> MadeUpEntries() {
    static const std::u16string companies[] = {u"Nordvik Pharma AS",   u"Cold Line Logistics",
                                               u"St. Brigid Hospital", u"Kühlkette AG",
                                               u"Fjord Freight",       u"Alpine Vaccines Ltd"};
    std::mt19937 random(42);
    std::vector<ArchiveEntry> list(kEntryCount);
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        ArchiveEntry& entry = list[i];
        char name[64];
        std::snprintf(name, sizeof name, "%08X%010u.bin", static_cast<unsigned>(random()),
                      1'600'000'000u + static_cast<unsigned>(random() % 100'000'000));
        entry.storedName = name;
        entry.fileName = std::u16string(entry.storedName.begin(), entry.storedName.end());
        entry.startTime = 1'600'000'000u + static_cast<std::uint32_t>(random() % 100'000'000);
        entry.stopTime = entry.startTime + 604'800;
        entry.deliveryDate = entry.stopTime + static_cast<std::uint32_t>(random() % 86'400);
        entry.deliveryCompany = companies[random() % 6];
        entry.receivingCompany = companies[random() % 6];
        entry.transportNumber =
            u"CF-" + std::u16string(1, static_cast<char16_t>(u'0' + random() % 10)) + u"417";
    }
    return list;
}

struct LargeHistory {
    ArchiveEntries entries;
    HistorySortState sortState;
    HistoryList history{entries, sortState};

    LargeHistory() {
        const std::uint64_t generation = entries.BeginScan();
        for (ArchiveEntry& entry : MadeUpEntries())
            entries.Append(generation, std::move(entry));
        entries.FinishScan(generation);
        history.ShowScanResult(generation);
    }
};

void QueryByTime(benchmark::State& state) {
    LargeHistory large;
    for (auto _ : state)
        large.history.Query(1'620'000'000, 1'670'000'000);  // about half of the entries
    state.counters["shown"] = static_cast<double>(large.history.ShownCount());
}

void QueryByText(benchmark::State& state) {
    LargeHistory large;
    large.history.SetQueryMode(HistoryQueryMode::DeliveryCompany);
    large.history.SetFilterText(u"pharma");
    for (auto _ : state)
        large.history.Query(0, 0);
    state.counters["shown"] = static_cast<double>(large.history.ShownCount());
}

void SortBy(benchmark::State& state) {
    LargeHistory large;
    const int column = static_cast<int>(state.range(0));
    const std::vector<ArchiveEntry> unsorted = large.entries.Lock().allEntries;
    for (auto _ : state) {
        state.PauseTiming();
        large.entries.Lock().shownEntries = unsorted;
        large.sortState = {};  // every click sorts ascending from the listing order
        state.ResumeTiming();
        large.history.Sort(column);
    }
}

void FillPage(benchmark::State& state) {
    LargeHistory large;
    large.history.Go(1000);
    for (auto _ : state)
        benchmark::DoNotOptimize(large.history.PageRows());
}

BENCHMARK(QueryByTime)->Unit(benchmark::kMillisecond);
BENCHMARK(QueryByText)->Unit(benchmark::kMillisecond);
BENCHMARK(SortBy)
    ->Arg(kDeviceSerialColumn)
    ->Arg(kStartTimeColumn)
    ->Arg(kDeliveryCompanyColumn)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(FillPage)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velka
