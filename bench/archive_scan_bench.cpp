// A scan of the archive folder beside the bare cost of reading the same files (open, read
// 16 KB, close), with a warm file cache. The stored images are written to a temporary folder
// once per size and removed at the end.

#include "archive/archive_listing.h"
#include "archive/archive_scan.h"
#include "archive/recorded_samples.h"
#include "record/synthetic_recording.h"
#include "storage/reference_files.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <stdlib.h>
#include <unistd.h>

namespace velka {
namespace {

namespace fs = std::filesystem;

class StoredArchive {
public:
    StoredArchive(std::size_t fileCount, std::size_t samplesPerRecord) {
        std::string pattern = (fs::temp_directory_path() / "velka-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder");
        root_ = pattern;
        SyntheticRecordingOptions options;
        options.sampleCount = samplesPerRecord;
        options.startTime = 1'700'000'000;
        const LoggerImage image =
            SynthesizeRecording(options, LoadReferenceTables(DefaultReferenceFolder())).image;
        const fs::path data = DataRoot(root_).DataDirectory();
        fs::create_directories(data);
        // One image under many names, as an archive of one logger's recordings would look.
        for (std::size_t i = 0; i < fileCount; ++i) {
            char name[64];
            std::snprintf(name, sizeof name, "%08zX%010zu.bin", (i * 2654435761u) & 0xFFFFFFFF,
                          1'700'000'000 + i * 600);
            const int fd = ::open((data / name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 ||
                ::write(fd, image.data(), image.size()) != static_cast<ssize_t>(image.size()))
                throw std::runtime_error("cannot write the stored images");
            ::close(fd);
        }
        names_ = ListArchiveFiles(data);
    }
    ~StoredArchive() {
        std::error_code error;
        fs::remove_all(root_, error);
    }

    DataRoot Root() const { return DataRoot(root_); }
    const std::vector<std::string>& Names() const { return names_; }

private:
    fs::path root_;
    std::vector<std::string> names_;
};

// One folder per size and record length, kept for the whole run.
const StoredArchive& ArchiveOf(std::size_t fileCount, std::size_t samplesPerRecord) {
    static std::map<std::pair<std::size_t, std::size_t>, std::unique_ptr<StoredArchive>> archives;
    auto& archive = archives[{fileCount, samplesPerRecord}];
    if (!archive)
        archive = std::make_unique<StoredArchive>(fileCount, samplesPerRecord);
    return *archive;
}

void BareRead(benchmark::State& state) {
    const StoredArchive& archive = ArchiveOf(static_cast<std::size_t>(state.range(0)),
                                             static_cast<std::size_t>(state.range(1)));
    const fs::path data = archive.Root().DataDirectory();
    std::vector<std::uint8_t> buffer(kImageSize);
    for (auto _ : state) {
        for (const std::string& name : archive.Names()) {
            const int fd = ::open((data / name).c_str(), O_RDONLY);
            benchmark::DoNotOptimize(::read(fd, buffer.data(), buffer.size()));
            ::close(fd);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(archive.Names().size()));
}

// The same, each file opened by its name within the open folder, as the scan opens them.
void BareReadInFolder(benchmark::State& state) {
    const StoredArchive& archive = ArchiveOf(static_cast<std::size_t>(state.range(0)),
                                             static_cast<std::size_t>(state.range(1)));
    const int folder = ::open(archive.Root().DataDirectory().c_str(), O_RDONLY | O_DIRECTORY);
    std::vector<std::uint8_t> buffer(kImageSize);
    for (auto _ : state) {
        for (const std::string& name : archive.Names()) {
            const int fd = ::openat(folder, name.c_str(), O_RDONLY);
            benchmark::DoNotOptimize(::read(fd, buffer.data(), buffer.size()));
            ::close(fd);
        }
        benchmark::ClobberMemory();
    }
    ::close(folder);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(archive.Names().size()));
}

void Scan(benchmark::State& state) {
    const StoredArchive& archive = ArchiveOf(static_cast<std::size_t>(state.range(0)),
                                             static_cast<std::size_t>(state.range(1)));
    ArchiveEntries entries;
    for (auto _ : state) {
        if (ScanArchive(archive.Root(), entries, entries.BeginScan()) != ScanOutcome::Finished)
            state.SkipWithError("the scan did not finish");
    }
    if (entries.Lock().shownEntries.size() != archive.Names().size())
        state.SkipWithError("the scan missed files");
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(archive.Names().size()));
}

// The sample count alone, for one image of the given record length.
void CountSamples(benchmark::State& state) {
    SyntheticRecordingOptions options;
    options.sampleCount = static_cast<std::size_t>(state.range(0));
    const LoggerImage image =
        SynthesizeRecording(options, LoadReferenceTables(DefaultReferenceFolder())).image;
    for (auto _ : state)
        benchmark::DoNotOptimize(CountRecordedSamples(&image));
}

BENCHMARK(CountSamples)->Arg(2016)->Arg(8772)->Unit(benchmark::kMicrosecond);

// Arguments: files, samples per record (a week at five minutes; a full memory).
BENCHMARK(BareRead)
    ->Args({1'000, 2016})
    ->Args({10'000, 2016})
    ->Args({50'000, 2016})
    ->Args({10'000, 8772})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BareReadInFolder)->Args({10'000, 2016})->Unit(benchmark::kMillisecond);
BENCHMARK(Scan)
    ->Args({1'000, 2016})
    ->Args({10'000, 2016})
    ->Args({50'000, 2016})
    ->Args({10'000, 8772})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velka
