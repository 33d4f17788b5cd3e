// The history page over 50,000 stored recordings as the user sees it: each click handled and
// the page repainted, on Qt's offscreen platform, after a real scan of a seeded archive folder.
// The archive is written to a temporary folder once (about 800 MB) and removed at the end.

#include "archive/history_columns.h"
#include "device/emulated_logger.h"
#include "record/logger_image.h"
#include "record/synthetic_recording.h"
#include "session/acquisition_controller.h"
#include "session/session_notifier.h"
#include "storage/reference_files.h"
#include "ui/kit/application_look.h"
#include "ui/pages/history_page.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <random>
#include <stdexcept>
#include <stdlib.h>
#include <thread>
#include <unistd.h>

namespace velka {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kRecordingCount = 50'000;

class SilentMessages final : public MessageService {
public:
    MessageAnswer ShowMessage(const std::string&, MessageIcon, MessageButtons) override {
        return MessageAnswer::Ok;
    }
    void ShowTimedNotice(const std::string&, const std::string&, int) override {}
};

// 50,000 recordings of a week each from many loggers, with their own start times, companies
// and transport numbers.
void SeedArchive(const fs::path& root) {
    const fs::path data = DataRoot(root).DataDirectory();
    fs::create_directories(data);

    static const std::u16string companies[] = {u"Nordvik Pharma AS",   u"Cold Line Logistics",
                                               u"St. Brigid Hospital", u"Kühlkette AG",
                                               u"Fjord Freight",       u"Alpine Vaccines Ltd"};
    SyntheticRecordingOptions options;
    options.startTime = 1'700'000'000;
    LoggerImage image =
        SynthesizeRecording(options, LoadReferenceTables(DefaultReferenceFolder())).image;
    std::mt19937 random(42);
    for (std::size_t i = 0; i < kRecordingCount; ++i) {
        const auto clockSetTime =
            1'600'000'000u + static_cast<std::uint32_t>(random() % 100'000'000);
        WriteU32(image, kClockSetTimeOffset, clockSetTime);
        WriteU32(image, kDeliveryDateOffset, clockSetTime + 700'000);
        WriteSlotText(image, kDeliveryCompanyOffset, kCompanySlotBytes, companies[random() % 6]);
        WriteSlotText(image, kReceivingCompanyOffset, kCompanySlotBytes, companies[random() % 6]);
        WriteSlotText(image, kTransportNumberOffset, kTransportNumberSlotBytes,
                      u"CF-" + std::u16string(1, static_cast<char16_t>(u'0' + random() % 10)));
        char name[64];
        std::snprintf(name, sizeof name, "%08X%010u.bin", static_cast<unsigned>(random()),
                      clockSetTime + 600);
        const int fd = ::open((data / name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || ::write(fd, image.data(), image.size()) != static_cast<ssize_t>(image.size()))
            throw std::runtime_error("cannot write the stored images");
        ::close(fd);
    }
}

// A temporary data root, removed at the end; or, to measure again without writing 800 MB
// each time, the one named by VELKA_BENCH_ARCHIVE_ROOT, seeded when it is new and then kept.
class BenchDataRoot {
public:
    BenchDataRoot() {
        if (const char* kept = std::getenv("VELKA_BENCH_ARCHIVE_ROOT")) {
            path_ = kept;
            keep_ = true;
            if (fs::exists(DataRoot(path_).DataDirectory()))
                return;
        } else {
            std::string pattern =
                (fs::temp_directory_path() / "velka-history-bench-XXXXXX").string();
            if (::mkdtemp(pattern.data()) == nullptr)
                throw std::runtime_error("cannot create a temporary folder");
            path_ = pattern;
        }
        SeedArchive(path_);
    }
    ~BenchDataRoot() {
        std::error_code error;
        if (!keep_)
            fs::remove_all(path_, error);
    }
    BenchDataRoot(const BenchDataRoot&) = delete;
    BenchDataRoot& operator=(const BenchDataRoot&) = delete;

    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
    bool keep_ = false;
};

// The session and the page over the seeded archive, kept for the whole run.
struct PageOverLargeArchive {
    PageOverLargeArchive()
        : tables(LoadReferenceTables(DefaultReferenceFolder())), logger(LoggerImage{}),
          controller(logger, messages, clock, DataRoot(root.Path()), tables), notifier(controller),
          page(controller, notifier, messages, clock, DataRoot(root.Path())) {
        page.show();
        QElapsedTimer scan;
        scan.start();
        while (List().model()->rowCount() == 0) {
            QCoreApplication::processEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        firstScanSeconds = static_cast<double>(scan.elapsed()) / 1000.0;
    }
    QTableView& List() { return *page.findChild<QTableView*>(QStringLiteral("historyList")); }
    template <typename Control> Control& Find(const char* name) {
        return *page.findChild<Control*>(QString::fromLatin1(name));
    }

    BenchDataRoot root;
    SilentMessages messages;
    SystemClock clock;
    LoadedReferenceTables tables;
    EmulatedLogger logger;
    AcquisitionController controller;
    SessionNotifier notifier;
    CDlgStatistics page;
    double firstScanSeconds = 0.0;  // from the page's creation to its first page listed
};

std::unique_ptr<PageOverLargeArchive> large;

PageOverLargeArchive& Large() {
    if (!large)
        large = std::make_unique<PageOverLargeArchive>();
    return *large;
}

double ThreadCpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Runs `action` (one click) and lets the event loop handle what it caused, the repaint
// included: the iteration's time is the wall time of both. The window's thread's processor
// time is reported beside it, which is what the user would wait on a machine not shared with
// other work.
template <typename Action> void TimeClicks(benchmark::State& state, Action action) {
    double cpuSeconds = 0.0;
    for (auto _ : state) {
        const double cpuBefore = ThreadCpuSeconds();
        QElapsedTimer timer;
        timer.start();
        action();
        QCoreApplication::processEvents();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        cpuSeconds += ThreadCpuSeconds() - cpuBefore;
    }
    state.counters["ui_cpu_ms"] =
        1e3 * cpuSeconds / static_cast<double>(std::max<std::int64_t>(state.iterations(), 1));
}

void Click(const char* name) {
    QTest::mouseClick(&Large().Find<QPushButton>(name), Qt::LeftButton);
}

// From "scan finished" arriving to the first page listed and painted; the scan itself runs on
// the scanner thread while the window's event loop turns every 5 ms, and the longest of those
// turns is what the user may feel as a stall during the scan.
void ScanResultShown(benchmark::State& state) {
    PageOverLargeArchive& page = Large();
    double longestTurnDuringScanMs = 0.0;
    double cpuMs = 0.0;
    for (auto _ : state) {
        page.page.RefreshHistory();
        for (;;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            const double cpuBefore = ThreadCpuSeconds();
            QElapsedTimer timer;
            timer.start();
            QCoreApplication::processEvents();
            const bool listed = page.List().model()->rowCount() > 0;
            // The repaint asked for while the result was handled comes in the next turn.
            if (listed)
                QCoreApplication::processEvents();
            const double turnMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            if (listed) {
                state.SetIterationTime(turnMs / 1e3);
                cpuMs += 1e3 * (ThreadCpuSeconds() - cpuBefore);
                break;
            }
            longestTurnDuringScanMs = std::max(longestTurnDuringScanMs, turnMs);
        }
    }
    state.counters["first_scan_s"] = page.firstScanSeconds;
    state.counters["longest_turn_during_scan_ms"] = longestTurnDuringScanMs;
    state.counters["ui_cpu_ms"] = cpuMs / static_cast<double>(state.iterations());
}

void QueryByTime(benchmark::State& state) {
    PageOverLargeArchive& page = Large();
    QTest::mouseClick(&page.Find<QRadioButton>("startTimeQuery"), Qt::LeftButton);
    page.Find<QDateTimeEdit>("queryFrom").setDateTime(QDateTime::fromSecsSinceEpoch(1'620'000'000));
    page.Find<QDateTimeEdit>("queryTo").setDateTime(QDateTime::fromSecsSinceEpoch(1'670'000'000));
    TimeClicks(state, [] { Click("query"); });
    state.counters["shown"] = page.Find<QLineEdit>("pageCount").text().toDouble() * 25;
    Click("cancel");
}

void QueryByText(benchmark::State& state) {
    PageOverLargeArchive& page = Large();
    QTest::mouseClick(&page.Find<QRadioButton>("deliveryCompanyQuery"), Qt::LeftButton);
    page.Find<QLineEdit>("filter").setText(QStringLiteral("pharma"));
    TimeClicks(state, [] { Click("query"); });
    state.counters["shown"] = page.Find<QLineEdit>("pageCount").text().toDouble() * 25;
    Click("cancel");
}

// A click on a column title; successive clicks sort the other way.
void SortByTitle(benchmark::State& state) {
    PageOverLargeArchive& page = Large();
    const int column = static_cast<int>(state.range(0));
    QHeaderView& header = *page.List().horizontalHeader();
    const QPoint centre(header.sectionViewportPosition(column) + header.sectionSize(column) / 2,
                        header.height() / 2);
    TimeClicks(state, [&] { QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, centre); });
    Click("cancel");
}

void NextPage(benchmark::State& state) {
    Click("home");
    TimeClicks(state, [] { Click("next"); });
}

void LastAndHome(benchmark::State& state) {
    bool last = true;
    TimeClicks(state, [&] {
        Click(last ? "last" : "home");
        last = !last;
    });
}

BENCHMARK(ScanResultShown)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(QueryByTime)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(QueryByText)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(SortByTitle)
    ->UseManualTime()
    ->Arg(kDeviceSerialColumn)
    ->Arg(kStartTimeColumn)
    ->Arg(kDeliveryCompanyColumn)
    ->Arg(kTransportNumberColumn)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(NextPage)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(LastAndHome)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velka

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    velka::ApplyApplicationLook(application);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // The page goes before the application object.
    velka::large.reset();
    return 0;
}
