// velka-cli watch: one JSON line per logger arrival or removal; with --read, every logger that
// arrives is read and archived as the window does on a plug-in, so that a machine with no one
// at it takes in every logger plugged into it, and its line carries the verdict of the alarm
// profile the window keeps in config.ini.

#include "central/central_uploader.h"
#include "central_options.h"
#include "commands.h"
#include "config/analysis_settings.h"
#include "config/central_setting.h"
#include "device/device_watcher.h"
#include "logger_session.h"
#include "path_json.h"
#include "record_json.h"
#include "stop_signals.h"

#include <cerrno>
#include <cstring>
#include <limits>
#include <memory>
#include <mutex>
#include <poll.h>
#include <vector>

namespace velka::cli {
namespace {

class Watch {
public:
    Watch(std::ostream& out, AcquisitionController& controller, std::string& arrivedPath,
          bool readOnArrival, std::filesystem::path settingsFile)
        : out_(out), controller_(controller), arrivedPath_(arrivedPath),
          readOnArrival_(readOnArrival), settingsFile_(std::move(settingsFile)) {}

    // With --sync: every recording archived goes to the central archive in the background, and
    // each sync's outcome is a line of its own ("event": "central").
    void UploadTo(const std::string& connection, const UploadOrigin& origin, const DataRoot& root,
                  const ReferenceTables& tables) {
        uploader_ = std::make_unique<CentralUploader>(
            connection, root, tables, origin, MachineClock(), [this](const UploadStatus& status) {
                Json line;
                line["event"] = "central";
                line["upToDate"] = status.upToDate;
                line["waiting"] = status.waiting;
                line["failingSince"] =
                    status.failingSince ? Json(*status.failingSince) : Json(nullptr);
                if (!status.failure.empty())
                    line["error"] = JsonText(status.failure);
                Write(line);
            });
    }

    // The uploader's last word before the watch ends: one more try when something waits.
    void FinishUploads() {
        if (uploader_ == nullptr || uploader_->Status().upToDate)
            return;
        uploader_->Request();
        uploader_->WaitForSync(std::chrono::seconds(30));
        uploader_.reset();
    }

    void Report(const DeviceEvent& event) {
        Json line;
        const bool arrival = event.kind == HotplugDecision::LoggerArrived;
        line["event"] = arrival ? "arrival" : "removal";
        PutPath(line, "devicePath", event.devnode);
        if (arrival && readOnArrival_)
            TakeIn(event.devnode, line);
        else if (!arrival)
            controller_.HandleRemoval(event.devnode);
        Write(line);
        if (!out_)
            throw CommandFailure{"watch: cannot write to standard output"};
    }

private:
    // The window's reaction to a plug-in, without its notices: reset, read, archive, decode.
    void TakeIn(const std::string& devicePath, Json& line) {
        arrivedPath_ = devicePath;
        controller_.ResetForArrival();
        try {
            const bool archiveSafe = AcquireForCommand(controller_, WhenInUse::Wait);
            line["serialText"] = controller_.CurrentRecording().settings.serialText;
            PutVerdict(line);
            if (archiveSafe) {
                PutArchivePath(line, controller_);
                if (uploader_ != nullptr)
                    uploader_->Request();
            } else
                line["error"] = JsonText(controller_.LastArchive().failure);
        } catch (const CommandFailure& failure) {
            line["error"] = JsonText(failure.message);
        }
    }

    // The verdict of the profile configured now (the window may have changed it since the last
    // logger), so that a dock can notify someone: "alarm" and the time it first fired.
    void PutVerdict(Json& line) const {
        const AnalysisChoice choice = LoadAnalysisChoice(settingsFile_);
        const Recording& recording = controller_.CurrentRecording();
        const std::optional<RecordingAnalysis> analysis = AnalyseRecording(recording, choice);
        line["profile"] = choice.profile;
        line["alarm"] = analysis && analysis->profile.Alarm();
        const std::optional<std::size_t> first =
            analysis ? analysis->profile.FirstAlarmIndex() : std::nullopt;
        line["firstAlarmTime"] = first ? Json(recording.SampleTime(*first)) : Json(nullptr);
    }

    // A line at a time, whole, whichever thread writes it: whoever reads the output acts on each
    // event as it happens. A line that cannot be written ends the watch: nobody would learn of
    // the events after it.
    void Write(const Json& line) {
        const std::lock_guard lock(outputMutex_);
        out_ << line.dump() << std::endl;
    }

    std::mutex outputMutex_;
    std::ostream& out_;
    AcquisitionController& controller_;
    std::string& arrivedPath_;
    bool readOnArrival_;
    std::filesystem::path settingsFile_;
    std::unique_ptr<CentralUploader> uploader_;  // last: its thread writes through the above
};

}  // namespace

int RunWatch(const Arguments& arguments, Context& context) {
    if (!arguments.positional.empty())
        throw UsageError{"watch takes no positional arguments"};
    const auto count = arguments.Integer("--count", 1, std::numeric_limits<int>::max());
    const bool readOnArrival = arguments.Flag("--read");
    // The intake service runs with one command line whether or not its configuration names a
    // central archive: --sync-if-configured leaves the choice to the file.
    const bool ifConfigured = arguments.Flag("--sync-if-configured");
    if (ifConfigured && arguments.Flag("--sync"))
        throw UsageError{"--sync and --sync-if-configured exclude each other"};
    const bool sync =
        arguments.Flag("--sync") ||
        (ifConfigured && !LoadCentralSetting(context.settingsFile).connection.empty());
    if ((sync || ifConfigured) && !readOnArrival)
        throw UsageError{"--sync needs --read"};
    if (!arguments.Flag("--sync") && (arguments.Value("--db") || arguments.Value("--site")))
        throw UsageError{"--db and --site need --sync"};
    const std::string connection = sync ? CentralConnection(arguments, context, "watch") : "";
    std::string arrivedPath;

    const auto body = [&](AcquisitionController& controller, std::ostream& out) {
        StopSignals stopSignals;
        DeviceWatcher watcher;
        if (!watcher.Available())
            throw CommandFailure{"watch: hot-plug events cannot be received on this machine"};
        Watch watch(out, controller, arrivedPath, readOnArrival, context.settingsFile);
        if (sync)
            watch.UploadTo(connection, CentralOrigin(arguments, context), context.dataRoot,
                           context.tables);
        context.err << "watching for loggers; SIGINT or SIGTERM ends" << std::endl;

        long long reported = 0;
        bool stopped = false;
        // Ends after `count` events or on SIGINT or SIGTERM, between two events.
        const auto carryOn = [&] {
            stopped = stopped || stopSignals.TakeStopRequest();
            return !stopped && (!count || reported < *count);
        };
        const auto report = [&](const std::vector<DeviceEvent>& events) {
            for (const DeviceEvent& event : events) {
                if (!carryOn())
                    return;
                watch.Report(event);
                ++reported;
            }
        };

        // Loggers plugged in before the watch began are reported first, as the window reads a
        // logger that was plugged in before it started.
        std::vector<DeviceEvent> present;
        for (const std::string& node : watcher.LoggerNodes())
            present.push_back({HotplugDecision::LoggerArrived, node});
        report(present);

        while (carryOn()) {
            pollfd descriptors[] = {{stopSignals.FileDescriptor(), POLLIN, 0},
                                    {watcher.FileDescriptor(), POLLIN, 0}};
            if (::poll(descriptors, 2, -1) < 0) {
                if (errno == EINTR)
                    continue;
                throw CommandFailure{std::string("watch: ") + std::strerror(errno)};
            }
            report(watcher.ReadPendingEvents());
        }
        watch.FinishUploads();
        return kExitSuccess;
    };
    return RunOnLogger(arguments, context, body, &arrivedPath);
}

}  // namespace velka::cli
