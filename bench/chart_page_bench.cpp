// The chart page over a full logger (8,772 samples): what the user waits for when the mouse
// moves over the chart (the hover marker repainted over the cached curve) and after a zoom
// (layout and the whole chart drawn anew). Each iteration ends when the page has painted.

#include "device/emulated_logger.h"
#include "record/synthetic_recording.h"
#include "services/message_service.h"
#include "services/numeric_locale.h"
#include "session/acquisition_controller.h"
#include "session/session_notifier.h"
#include "storage/file_io.h"
#include "storage/reference_files.h"
#include "ui/pages/chart_page.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

namespace velka {
namespace {

constexpr std::int64_t kNow = 1714521600;

class SilentMessages final : public MessageService {
public:
    MessageAnswer ShowMessage(const std::string&, MessageIcon, MessageButtons) override {
        return MessageAnswer::Ok;
    }
    void ShowTimedNotice(const std::string&, const std::string&, int) override {}
};

class PaintCounter final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

// A session holding a full logger's recording, loaded as from the history, and its page shown
// on the offscreen screen.
struct FullPage {
    FullPage() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velka-page-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        folder = pattern;
        tables = LoadReferenceTables(DefaultReferenceFolder());
        logger.Unplug();
        controller = std::make_unique<AcquisitionController>(logger, messages, clock,
                                                             DataRoot(folder), tables);
        notifier = std::make_unique<SessionNotifier>(*controller);
        page = std::make_unique<CDlgGraph>(*controller, *notifier);

        SyntheticRecordingOptions options;
        options.sampleCount = kMaxSamples;
        options.startTime = kNow - static_cast<std::int64_t>(kMaxSamples) * 300;
        const std::filesystem::path stored = folder / "full.bin";
        if (WriteFileAtomically(stored, SynthesizeRecording(options, tables).image) ||
            !controller->LoadStoredImage(stored) ||
            controller->CurrentRecording().record.samples.size() != kMaxSamples)
            std::abort();
        page->show();
        page->installEventFilter(&counter);
        QCoreApplication::processEvents();
    }
    ~FullPage() {
        page.reset();
        std::filesystem::remove_all(folder);
    }

    void MoveTo(int x, int y) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, y), page->mapToGlobal(QPointF(x, y)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(page.get(), &move);
        QCoreApplication::processEvents();
    }

    std::filesystem::path folder;
    LoadedReferenceTables tables;
    SilentMessages messages;
    FixedClock clock{kNow};
    EmulatedLogger logger{LoggerImage{}};
    std::unique_ptr<AcquisitionController> controller;
    std::unique_ptr<SessionNotifier> notifier;
    std::unique_ptr<CDlgGraph> page;
    PaintCounter counter;
};

// One mouse move over the plot, from the event to the painted page.
void HoverMoveRepaint(benchmark::State& state, FullPage& full) {
    const PlotRect& plot = full.page->plotRect();
    const int paintsBefore = full.counter.paints;
    int step = 0;
    for (auto _ : state) {
        full.MoveTo(plot.left + 1 + (step * 37) % (plot.Width() - 2), plot.top + 100 + step % 200);
        ++step;
    }
    state.counters["paints per move"] =
        static_cast<double>(full.counter.paints - paintsBefore) / static_cast<double>(step);
}

// A click on "Lateral Magnification" and then on "Restore": two layouts and two full drawings.
void ZoomAndRestoreRepaint(benchmark::State& state, FullPage& full) {
    QAbstractButton* magnify = nullptr;
    QAbstractButton* restore = nullptr;
    for (QAbstractButton* button : full.page->findChildren<QAbstractButton*>()) {
        if (button->toolTip() == QStringLiteral("Lateral Magnification"))
            magnify = button;
        if (button->toolTip() == QStringLiteral("Restore"))
            restore = button;
    }
    if (magnify == nullptr || restore == nullptr) {
        state.SkipWithError("no zoom buttons");
        return;
    }
    for (auto _ : state) {
        magnify->click();
        QCoreApplication::processEvents();
        restore->click();
        QCoreApplication::processEvents();
    }
}

}  // namespace
}  // namespace velka

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    velka::RestoreCNumericLocale();
    // The page lives inside the application object.
    velka::FullPage page;
    benchmark::RegisterBenchmark("HoverMoveRepaint", velka::HoverMoveRepaint, std::ref(page))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ZoomAndRestoreRepaint", velka::ZoomAndRestoreRepaint,
                                 std::ref(page))
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
