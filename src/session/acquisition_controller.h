#pragma once
// The session around the logger's memory image: what happens when a logger is plugged in
// (notices, reading, archiving, decoding), when a stored image is opened or imported, and the
// answers to the window's three requests (write the settings, show the chart, erase the
// logger). It owns the session state; the window reads it and is told about changes through
// SessionObserver; everything the user must see goes through the MessageService.

#include "analysis/recording_analysis.h"
#include "audit/audit_log.h"
#include "device/device_link.h"
#include "device/device_watcher.h"
#include "record/logger_image.h"
#include "record/recording.h"
#include "record/temperature_unit.h"
#include "services/clock.h"
#include "services/message_service.h"
#include "services/translation.h"
#include "session/session_observer.h"
#include "storage/data_root.h"
#include "storage/reference_files.h"

#include <filesystem>
#include <optional>
#include <string>

namespace velka {

// The default of the "Show infomation timeout" setting.
constexpr int kDefaultNoticeTimeoutMs = 2000;
// Only loggers with a serial number above this are offered the erase.
constexpr std::uint32_t kHighestSerialWithoutErase = 0x800000;

// The logger behind the last successful read: what the erase offer and the parameter page's
// lock rule go by, whatever image was loaded from the archive or imported since.
struct ReadLogger {
    bool read = false;  // false before the first successful read and after a failed arrival
    std::uint32_t serialNumber = 0;
    std::uint8_t writeProtectFlag = 0;
};

// What the last acquisition did with the archive.
struct ArchiveOutcome {
    enum class Status {
        NotArchived,  // nothing read, or a logger that was never set up (clockSetTime 0)
        Saved,        // written, or already in the archive byte for byte
        Failed,  // the user was told "Archive save FAILED" and why; any earlier file is untouched
    };
    Status status = Status::NotArchived;
    std::filesystem::path path;
    std::string failure;  // what the user was told, for a failed one
};

class AcquisitionController {
public:
    // `provider`, `messages`, both clocks and `tables` must outlive the controller. Tables that
    // cannot be used give no temperatures and no settings write (see ReferenceTablesUsable).
    // `clock` is the session's "now" (--now); `fileClock` judges the age of files in the
    // archive, which other programs write in real time. The link options' waitForLogger is also
    // how the session waits for the archive folder's lock.
    AcquisitionController(HidDeviceProvider& provider, MessageService& messages, const Clock& clock,
                          DataRoot dataRoot, const LoadedReferenceTables& tables,
                          int noticeTimeoutMs = kDefaultNoticeTimeoutMs,
                          const DeviceLinkOptions& linkOptions = {},
                          const Clock& fileClock = MachineClock());

    void SetObserver(SessionObserver* observer) {
        observer_ = observer != nullptr ? observer : &noObserver_;
    }

    // --- the sequences ---

    // Clears the link and the decoded record before a new acquisition.
    void ResetForArrival();
    // A logger arrived: reset, first notice, acquisition, second notice (or, instead of it, why
    // a logger that is there could not be opened or read through), history refresh. A logger
    // that another program holds is waited for; one still held after that is read by nobody
    // here, and one notice says so.
    ResultCode ArrivalSequence();
    // Reads the logger and brings the session up to date. A read that fails or stops early
    // changes nothing but the presence flag: the image keeps its earlier content and nothing
    // is archived or decoded. kResultNoLogger when there is none; the reason when the logger
    // found cannot be opened (kResultLoggerInUse while another program holds it: a read the
    // user started is refused, one that a plug-in started waits). The logger stays this
    // program's until its record is archived.
    ResultCode Acquire(WhenInUse whenInUse = WhenInUse::Refuse);
    // What the user is told about an acquisition that returned `result`: "Please make sure
    // device is connected correctly" when no logger was found, why a logger that is there
    // cannot be opened and how to fix it, or "Data read FAILED: " and the reason.
    std::string AcquireFailureText(ResultCode result) const;
    // A stored recording from the history: decoded as after an acquisition, without the
    // device and without archiving. False when the file is missing; also, with an Error box
    // saying why, when it cannot be read or is not a complete logger image. A recording that
    // no longer matches its folder's manifest is loaded with a warning that says so.
    bool LoadStoredImage(const std::filesystem::path& path);
    // A recording fetched from the central archive: decoded and shown as a stored one, and
    // written nowhere. `origin` names it in the reports' source line.
    void LoadFetchedImage(const LoggerImage& image, std::string origin);
    // The parameter page's Load: reads the chosen file, whatever the case of its extension,
    // into the image and takes over only its delivery and transport fields and its products.
    // False as for LoadStoredImage.
    bool ImportStoredImage(const std::filesystem::path& path);

    // --- the window's requests ---

    // The parameter page's Write: reads the logger that is plugged in, and only when it is the
    // one the page shows and its record is safe in the archive (as for the erase) writes
    // `settings` into its settings area (clockSetTime = now), the limits encoded through its
    // own calibrated table. A refusal (also before the logger is opened: no settings of a
    // logger shown, tables that cannot be used), and a logger that another program holds, are one
    // box with no outcome after it; a failure names what the logger then holds (LastWriteFailure).
    ResultCode WriteSettings(const LoggerSettings& settings);
    // The chart page's zoom, pan and restore: the view window (viewFirst…viewLast) and the shown
    // temperature range (chartMinInt…chartMaxInt) of `view` become the record's; the statistics
    // stay as decoded.
    void SetChartView(const LogSummary& view);
    // Empties the logger's record, but only when what the logger holds now is in the archive
    // byte for byte, or it holds no samples: a recording is never erased before it is safe on
    // disk. The archive folder stays locked from that check to the erase's end, so no other
    // program can change the copy meanwhile. Success says so ("Data erased; the record is kept
    // in the archive as …") and every page then shows the logger's empty record; a refusal, an
    // absent logger and a failed erase (with the step that failed and what the logger then holds)
    // are reported to the user.
    EraseOutcome HandleEraseRequest();
    // Whether the erase is offered: the logger of the last acquisition is still plugged in and
    // its serial number is above 0x800000 (an image loaded from the archive since changes
    // nothing: it is not the logger that is plugged in).
    bool EraseOffered() const {
        return link_.devicePresent() && readLogger_.serialNumber > kHighestSerialWithoutErase;
    }

    // --- the analysis ---

    // The activation energy and alarm profile by which the window and its reports analyse the
    // recording. A change re-evaluates what is shown (AnalysisChoiceChanged) and touches neither
    // the logger nor the archive; an unusable value gives way to its default.
    const AnalysisChoice& Analysis() const { return analysisChoice_; }
    void SetAnalysisChoice(const AnalysisChoice& choice);

    // --- the unit shown ---

    // The unit in which the window and its reports show temperatures. The recording, the
    // analysis and what is written to a logger stay in °C; a change only redraws
    // (TemperatureUnitChanged).
    TemperatureUnit Unit() const { return unit_; }
    void SetUnit(TemperatureUnit unit);

    // --- the audit log ---

    // DATA-ROOT/audit.jsonl, in which the session records each download, settings write and
    // erase, and each refusal that kept a record from being lost; the window and velka-cli
    // record their exports in it too. Lines name the program "velka" unless told otherwise.
    const AuditLog& Audit() const { return audit_; }
    void SetAuditProgram(std::string program) { audit_.SetProgram(std::move(program)); }
    // Appends a line; a log that cannot be written is named on stderr, and the work it records
    // stands (a recording is not taken back for want of its log line).
    void RecordAudit(std::string_view event, const nlohmann::ordered_json& details) const;

    // --- the reference tables ---

    // Whether the delivered tables can convert anything. When they cannot, the window says so
    // once at start (ReportUnusableReferenceTables), no temperatures are decoded and Write is
    // refused.
    bool ReferenceTablesUsable() const { return tables_.Usable(); }
    // Shows the one "Error" naming the folder and the problem; false (and silent) for usable
    // tables.
    bool ReportUnusableReferenceTables();
    // The same for a data root that cannot keep recordings (DataRootProblem): a file, or a
    // folder the program may not read or write. Reads still go on; their archiving then fails.
    bool ReportUnusableDataRoot();

    // The archive folder, created when missing; staged files that killed programs left there
    // more than an hour ago are removed the first time. The first archiving does it too.
    bool OpenArchive();

    // --- hot-plug ---

    void HandleDeviceEvent(const DeviceEvent& event);
    // The node `devnode` was removed: when it is the logger's, it is no longer present.
    void HandleRemoval(const std::string& devnode);

    // --- the session state ---

    const LoggerImage& Image() const { return image_; }
    // The calibrated table, the decoded settings with the products, the raw samples, the
    // sample list and the summary.
    const Recording& CurrentRecording() const { return recording_; }
    std::uint16_t CalibrationA() const { return calibrationA_; }
    std::uint16_t CalibrationB() const { return calibrationB_; }
    const DeviceLink& Link() const { return link_; }
    // Every report to and from the logger is written to `trace` (null: none).
    void SetReportTrace(std::ostream* trace) { link_.SetReportTrace(trace); }
    // What the parameter page shows and writes: the recording's settings, with the transport
    // fields and products of a Load into the page, and after a Write the settings written.
    // CurrentRecording().settings stay those the recording was made with, for its reports.
    const LoggerSettings& PageSettings() const { return pageSettings_; }
    // The stored file the shown recording was loaded from; empty for one read from a logger.
    const std::filesystem::path& ShownStoredRecording() const { return shownStoredRecording_; }
    // Where the shown recording came from when the central archive gave it; empty otherwise.
    const std::string& ShownCentralOrigin() const { return shownCentralOrigin_; }
    const ArchiveOutcome& LastArchive() const { return lastArchive_; }
    // Why the last settings write failed and what the logger then holds ("writing the settings
    // failed at block 3 of 24: …; settings and limits written, …: write again"); empty after
    // one that went through.
    const std::string& LastWriteFailure() const { return lastWriteFailure_; }
    const ReadLogger& LastReadLogger() const { return readLogger_; }
    int NoticeTimeoutMs() const { return noticeTimeoutMs_; }

private:
    bool ReadStoredImage(const std::filesystem::path& path, LoggerImage& into);
    void LoadSettingsFromImage();
    // Stores the image in the archive; a failure is in lastArchive_, shown by the caller.
    void ArchiveImage();
    void ReportArchiveFailure();
    // The rule before the erase and the settings write change a logger: what it holds is in
    // the archive byte for byte, or it holds no samples. The refusal says which change was not
    // made. `archivedCopy`, when given, is set to the copy that was found.
    enum class ChangeKind { Write, Erase };
    bool MayChange(const LoggerImage& loggerImage, ExclusiveLock& archiveLock, ChangeKind change,
                   SaidText& refusal, std::filesystem::path* archivedCopy = nullptr) const;
    void DecodeRecord();
    void LoadProducts();

    DeviceLink link_;
    MessageService& messages_;
    const Clock& clock_;
    const Clock& fileClock_;
    LockWait lockWait_;
    DataRoot dataRoot_;
    const LoadedReferenceTables& tables_;
    int noticeTimeoutMs_;

    SessionObserver noObserver_;
    SessionObserver* observer_ = &noObserver_;

    LoggerImage image_{};
    Recording recording_;
    AnalysisChoice analysisChoice_;
    TemperatureUnit unit_ = TemperatureUnit::Celsius;
    AuditLog audit_;
    LoggerSettings pageSettings_;
    std::filesystem::path shownStoredRecording_;
    std::string shownCentralOrigin_;
    std::uint16_t calibrationA_ = 0;
    std::uint16_t calibrationB_ = 0;
    ArchiveOutcome lastArchive_;
    std::string lastWriteFailure_;
    ReadLogger readLogger_;
    bool archiveSwept_ = false;
};

}  // namespace velka
