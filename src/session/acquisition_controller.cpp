#include "session/acquisition_controller.h"

#include "archive/archive_file_name.h"
#include "archive/archive_manifest.h"
#include "archive/archive_store.h"
#include "config/settings_changes.h"
#include "config/settings_write.h"
#include "device/udev_rule.h"
#include "record/local_time.h"
#include "services/translation.h"
#include "storage/file_io.h"
#include "storage/reference_files.h"
#include "storage/sha256.h"
#include "storage/staged_file.h"

#include <cerrno>
#include <cstring>
#include <iostream>

namespace velka {
namespace {

constexpr UiText kFirstNoticeText =
    VELKA_TEXT("Session", "Detection of device insertion, data reading...");
constexpr UiText kFirstNoticeCaption = VELKA_TEXT("Session", "Data reading");
constexpr UiText kSecondNoticeText =
    VELKA_TEXT("Session", "Detection of device insertion, Data read completed");
constexpr UiText kSecondNoticeCaption = VELKA_TEXT("Session", "Data read completed");
constexpr UiText kReadFailedText = VELKA_TEXT("Session", "Data read FAILED");
constexpr UiText kArchiveFailedText = VELKA_TEXT("Session", "Archive save FAILED");
constexpr UiText kEraseFailedText = VELKA_TEXT("Session", "Erase FAILED");
constexpr UiText kLoadFailedText = VELKA_TEXT("Session", "Load FAILED");
constexpr UiText kErasedText = VELKA_TEXT("Session", "Data erased");
constexpr UiText kConnectLoggerText =
    VELKA_TEXT("Session", "Please make sure device is connected correctly");

// Why a logger that is there cannot be opened, and what the user can do about it.
std::string OpenFailureText(const std::string& devicePath, ResultCode result) {
    if (result == kResultLoggerInUse)
        return Tr(kLoggerInUseText);
    std::string reason = DescribeResult(result);
    std::string remedy = Tr("Session", "Plug it in again.");
    if (result > kSystemErrorBase) {
        const int errorNumber = static_cast<int>(result - kSystemErrorBase);
        reason = std::strerror(errorNumber);
        if (errorNumber == EACCES || errorNumber == EPERM)
            remedy = WithArguments(
                Tr("Session", "The udev rule %1 gives access; once it is there, run \"%2\" and "
                              "plug the logger in again."),
                {InstalledUdevRulePath(), kApplyUdevRuleCommand});
        else if (errorNumber == EBUSY)
            remedy = Tr("Session", "Close the program that is using it.");
    }
    return WithArguments(Tr("Session", "The logger at %1 cannot be opened: %2. %3"),
                         {MessagePath(devicePath), reason, remedy});
}

// What a failed erase leaves on the logger, by the step it stopped at.
std::string EraseFailureText(const TransferFailure& failure) {
    const std::string what = Tr(kEraseFailedText) + ": " + DescribeTransferFailure(failure);
    switch (failure.step) {
    case TransferStep::FinalCommand:
        return what + "; " + Tr("Session", "the record was erased and the settings written back");
    case TransferStep::WriteBack:
        return what + "; " + Tr("Session", "the record was erased");
    case TransferStep::EraseSamples:
        return what + "; " + Tr("Session", "the record is partly erased");
    case TransferStep::ReadBack:
        // The status block went first: the record's start is gone, its samples are not.
        return what + "; " +
               Tr("Session", "the status block was cleared, so the record's start time is lost, "
                             "but its samples are still on the logger");
    default:
        return what + "; " + Tr("Session", "nothing on the logger was changed");
    }
}

// What a settings write that stopped at `failure` left on the logger, by the parts of the
// settings area: "settings and limits written, transport details partly written, product list
// not written: write again".
std::string WrittenPartsText(const TransferFailure& failure) {
    struct Part {
        UiText name;
        std::size_t first, end;  // image bytes
    };
    static constexpr Part kParts[] = {
        {VELKA_TEXT("Session", "settings and limits"), kSettingsBlockOffset, kDeliveryDateOffset},
        {VELKA_TEXT("Session", "transport details"), kDeliveryDateOffset, kProductTableOffset},
        {VELKA_TEXT("Session", "product list"), kProductTableOffset, kImageSize},
    };
    // The blocks before the failing one went through.
    const std::size_t writtenEnd =
        kSettingsBlockOffset +
        static_cast<std::size_t>(std::max(failure.block - 1, 0)) * kBlockBytes;
    std::string text;
    for (const Part& part : kParts) {
        const std::string state = writtenEnd >= part.end     ? Tr("Session", "%1 written")
                                  : writtenEnd <= part.first ? Tr("Session", "%1 not written")
                                                             : Tr("Session", "%1 partly written");
        text += (text.empty() ? "" : ", ") + WithArguments(state, {Tr(part.name)});
    }
    return WithArguments(Tr("Session", "%1: write again"), {text});
}

}  // namespace

AcquisitionController::AcquisitionController(HidDeviceProvider& provider, MessageService& messages,
                                             const Clock& clock, DataRoot dataRoot,
                                             const LoadedReferenceTables& tables,
                                             int noticeTimeoutMs,
                                             const DeviceLinkOptions& linkOptions,
                                             const Clock& fileClock)
    : link_(provider, linkOptions), messages_(messages), clock_(clock), fileClock_(fileClock),
      lockWait_(linkOptions.waitForLogger ? linkOptions.waitForLogger : LockWait(SleepFor)),
      dataRoot_(std::move(dataRoot)), tables_(tables), noticeTimeoutMs_(noticeTimeoutMs),
      audit_(dataRoot_, AuditIdentity::OfThisProcess(ProgramName("velka")), clock_, lockWait_) {
    recording_.settings = InitialSettings(clock_.Now());
    pageSettings_ = recording_.settings;
}

void AcquisitionController::RecordAudit(std::string_view event,
                                        const nlohmann::ordered_json& details) const {
    // The session's events come from the work that archives, which makes the data root anyway.
    EnsureDirectory(dataRoot_.Root());
    if (const std::error_code error = audit_.Append(event, details))
        std::cerr << "the audit log cannot be written: " << DescribeFileError(audit_.File(), error)
                  << std::endl;
}

void AcquisitionController::ResetForArrival() {
    link_.ResetForArrival();
    readLogger_ = {};
    // The parameter page's fields: every text emptied and its calibration copies zeroed; the
    // selections, the limits and the product list stay.
    LoggerSettings& settings = recording_.settings;
    settings.serialText.clear();
    settings.logCycleText.clear();
    settings.deliveryDateText.clear();
    settings.deliveryCompany.clear();
    settings.receivingCompany.clear();
    settings.transportCompany.clear();
    settings.transportNumber.clear();
    settings.calibrationA = 0;
    settings.calibrationB = 0;
    calibrationA_ = 0;
    // A failed read must leave the chart empty, not showing the previous logger's record.
    recording_.record.samples.clear();
    shownStoredRecording_.clear();
    shownCentralOrigin_.clear();
    pageSettings_ = recording_.settings;
    observer_->RecordCleared();
}

ResultCode AcquisitionController::ArrivalSequence() {
    ResetForArrival();
    // The read runs while the notice is on screen.
    messages_.StartTimedNotice(Tr(kFirstNoticeText), Tr(kFirstNoticeCaption), noticeTimeoutMs_);
    // The other program that holds the logger archives its record meanwhile: an identical
    // read after it writes nothing.
    const ResultCode result = Acquire(WhenInUse::Wait);
    // A logger that is gone before anything was read, is there but could not be opened or
    // read through must not be reported as read.
    if (result == kResultSuccess)
        messages_.ShowTimedNotice(Tr(kSecondNoticeText), Tr(kSecondNoticeCaption),
                                  noticeTimeoutMs_);
    else if (result == kResultNoLogger)
        messages_.ShowMessage(Tr(kConnectLoggerText), MessageIcon::Warning);
    else if (result == kResultLoggerInUse)
        messages_.ShowMessage(Tr(kLoggerInUseText), MessageIcon::Information);
    else
        messages_.ShowMessage(AcquireFailureText(result), MessageIcon::Error);
    observer_->HistoryRefreshRequested();
    return result;
}

ResultCode AcquisitionController::Acquire(WhenInUse whenInUse) {
    lastArchive_ = {};
    if (const ResultCode opened = link_.OpenDevice(whenInUse)) {
        link_.CloseDevice();
        link_.SetDevicePresent(false);
        observer_->LoggerDetached();
        return opened;
    }
    link_.SetDevicePresent(true);

    // Read into a copy: only a complete read replaces the image, so a broken transfer can
    // neither be archived over a good file nor decoded into a mixed record.
    LoggerImage read = image_;
    const ResultCode result = link_.ReadImage(read);
    if (result != kResultSuccess) {
        link_.CloseDevice();
        link_.SetDevicePresent(false);
        observer_->LoggerDetached();
        return result;
    }
    image_ = read;
    shownStoredRecording_.clear();
    shownCentralOrigin_.clear();

    // Known before the settings are announced: the parameter page's lock rule reads it then.
    readLogger_ = {true, ReadU32(image_, kSerialNumberOffset), image_[kWriteProtectFlagOffset]};
    LoadSettingsFromImage();
    observer_->LoggerAttached();
    // Another program waiting for the logger reads it only once its record is in the archive.
    ArchiveImage();
    link_.CloseDevice();
    ReportArchiveFailure();
    DecodeRecord();
    LoadProducts();
    return kResultSuccess;
}

bool AcquisitionController::LoadStoredImage(const std::filesystem::path& path) {
    if (!ReadStoredImage(path, image_))
        return false;
    shownStoredRecording_ = path;
    LoadSettingsFromImage();
    DecodeRecord();
    LoadProducts();
    // Shown all the same: the user decides what a changed recording is worth.
    if (ChangedSinceArchived(ReadManifest(path.parent_path()).entries, path.filename().string(),
                             image_))
        messages_.ShowMessage(Tr(kChangedRecordingText), MessageIcon::Warning);
    return true;
}

void AcquisitionController::LoadFetchedImage(const LoggerImage& image, std::string origin) {
    image_ = image;
    shownStoredRecording_.clear();
    shownCentralOrigin_ = std::move(origin);
    LoadSettingsFromImage();
    DecodeRecord();
    LoadProducts();
}

bool AcquisitionController::ImportStoredImage(const std::filesystem::path& path) {
    // Only the parameter page takes the file's transport fields and products: the recording
    // that is shown, and its reports, keep the ones it was made with.
    LoggerImage imported{};
    if (!ReadStoredImage(path, imported))
        return false;
    CopyTransportFields(DecodeSettings(imported, recording_.currentTable, clock_.Now()),
                        pageSettings_);
    observer_->SettingsChanged();
    ParsedProducts parsed = ParseImageProducts(imported);
    pageSettings_.products = std::move(parsed.products);
    pageSettings_.tableUsedBytes = parsed.tableUsedBytes;
    observer_->ProductsLoaded();
    return true;
}

bool AcquisitionController::ReadStoredImage(const std::filesystem::path& path, LoggerImage& into) {
    // A cut or over-long file is no recording: nothing of it reaches the image, and the user
    // is told why instead of seeing the previous recording mixed with the file's bytes. A file
    // gone since it was listed or chosen loads nothing, silently, as ever.
    std::error_code error;
    if (ReadImageFile(path, into, &error))
        return true;
    if (error != std::errc::no_such_file_or_directory)
        messages_.ShowMessage(Tr(kLoadFailedText) + ": " + DescribeFileError(path, error),
                              MessageIcon::Error);
    return false;
}

std::string AcquisitionController::AcquireFailureText(ResultCode result) const {
    if (result == kResultNoLogger)
        return Tr(kConnectLoggerText);
    if (result == kResultLoggerInUse)
        return Tr(kLoggerInUseText);
    if (link_.LastFailure().step == TransferStep::ReadImage)
        return Tr(kReadFailedText) + ": " + DescribeResult(result);
    return OpenFailureText(link_.devicePath(), result);
}

bool AcquisitionController::ReportUnusableReferenceTables() {
    if (tables_.Usable())
        return false;
    messages_.ShowMessage(tables_.ProblemText(), MessageIcon::Error);
    return true;
}

bool AcquisitionController::ReportUnusableDataRoot() {
    const std::optional<std::string> problem = DataRootProblem(dataRoot_);
    if (problem)
        messages_.ShowMessage(*problem, MessageIcon::Error);
    return problem.has_value();
}

ResultCode AcquisitionController::WriteSettings(const LoggerSettings& settings) {
    lastWriteFailure_.clear();
    // Limits encoded through tables that cannot convert would be nonsense on the logger.
    if (!tables_.Usable()) {
        lastWriteFailure_ = tables_.ProblemText();
        messages_.ShowMessage(tables_.ProblemText(), MessageIcon::Error);
        return kResultNoReferenceTables;
    }
    // A page that shows no logger's settings (nothing read, or a read that failed) has nothing
    // to write.
    if (pageSettings_.serialText.empty()) {
        lastWriteFailure_ = DescribeResult(kResultNoLogger);
        messages_.ShowMessage(Tr(kConnectLoggerText), MessageIcon::Warning);
        return kResultNoLogger;
    }

    // The logger that is plugged in decides, read within the same opening: it must be the one
    // the page shows (after a Load from the history it may be another), its record must be safe
    // in the archive (the new clock would make the next read archive it again as a new
    // recording), and the limits are encoded through its own calibrated table.
    SaidText refusal;
    std::string loggerSerial;
    MessageIcon refusalIcon = MessageIcon::Warning;
    ExclusiveLock archiveLock;
    std::vector<SettingChange> changes;
    const std::int64_t now = clock_.Now();
    const ResultCode result =
        link_.WriteSettings([&](const LoggerImage& loggerImage) -> std::optional<LoggerImage> {
            const std::string serialText = SerialText(ReadU32(loggerImage, kSerialNumberOffset));
            loggerSerial = serialText;
            if (serialText != pageSettings_.serialText) {
                refusal = Said(VELKA_TEXT("Session",
                                          "The logger plugged in (serial number %1) is not the "
                                          "one these settings are for (serial number %2), so "
                                          "nothing was written"),
                               {serialText, pageSettings_.serialText});
                refusalIcon = MessageIcon::Error;
                return std::nullopt;
            }
            if (!MayChange(loggerImage, archiveLock, ChangeKind::Write, refusal))
                return std::nullopt;
            LoggerImage written = loggerImage;
            const ReferenceTable table =
                BuildCurrentTable(tables_, ReadU16(loggerImage, kCalibrationAOffset),
                                  ReadU16(loggerImage, kCalibrationBOffset));
            ApplySettingsToImage(settings, written, table, now);
            changes = SettingsChanges(loggerImage, written, table);
            return written;
        });
    archiveLock.Release();

    if (result == kResultWriteRefused) {
        RecordAudit("write-settings-refused",
                    {{"serial", loggerSerial}, {"reason", refusal.english}});
        lastWriteFailure_ = refusal.shown;
        messages_.ShowMessage(refusal.shown, refusalIcon);
        return result;
    }
    if (result != kResultSuccess) {
        const TransferFailure& failure = link_.LastFailure();
        if (failure.step == TransferStep::WriteSettings)
            lastWriteFailure_ = DescribeTransferFailure(failure) + "; " + WrittenPartsText(failure);
        else if (failure.step == TransferStep::ReadImage)
            lastWriteFailure_ =
                DescribeTransferFailure(failure) + "; " + Tr("Session", "nothing was written");
        else if (result == kResultNoLogger)
            lastWriteFailure_ = Tr("Session", "no logger is connected");
        else
            lastWriteFailure_ = DescribeResult(result);
    }
    if (result == kResultLoggerInUse) {
        messages_.ShowMessage(Tr(kLoggerInUseText), MessageIcon::Error);
        return result;
    }
    if (result == kResultSuccess) {
        pageSettings_ = settings;
        nlohmann::ordered_json changed = nlohmann::ordered_json::array();
        for (const SettingChange& change : changes)
            changed.push_back(
                {{"field", change.field}, {"old", change.before}, {"new", change.after}});
        RecordAudit("write-settings", {{"serial", loggerSerial}, {"changes", changed}});
    }
    observer_->SettingsWritten(result == kResultSuccess);
    return result;
}

void AcquisitionController::SetChartView(const LogSummary& view) {
    LogSummary& summary = recording_.record.summary;
    summary.viewFirst = view.viewFirst;
    summary.viewLast = view.viewLast;
    summary.chartMinInt = view.chartMinInt;
    summary.chartMaxInt = view.chartMaxInt;
    observer_->ChartViewChanged();
}

void AcquisitionController::SetAnalysisChoice(const AnalysisChoice& choice) {
    const AnalysisChoice usable = UsableAnalysisChoice(choice);
    if (usable == analysisChoice_)
        return;
    analysisChoice_ = usable;
    observer_->AnalysisChoiceChanged();
}

void AcquisitionController::SetUnit(TemperatureUnit unit) {
    if (unit == unit_)
        return;
    unit_ = unit;
    observer_->TemperatureUnitChanged();
}

EraseOutcome AcquisitionController::HandleEraseRequest() {
    SaidText refusal;
    ExclusiveLock archiveLock;
    std::filesystem::path archivedCopy;
    const EraseOutcome outcome = link_.EraseRecord(image_, [&](const LoggerImage& loggerImage) {
        return MayChange(loggerImage, archiveLock, ChangeKind::Erase, refusal, &archivedCopy);
    });
    // Other programs may change the archive again before anyone reads the outcome.
    archiveLock.Release();
    // The logger's own serial number: the image read from it for the erase.
    const std::string serial = SerialText(ReadU32(image_, kSerialNumberOffset));
    if (outcome.opened && outcome.refused)
        RecordAudit("erase-refused", {{"serial", serial}, {"reason", refusal.english}});
    if (outcome.opened && !outcome.refused && outcome.result == kResultSuccess) {
        const std::optional<std::string> digest =
            archivedCopy.empty() ? std::nullopt : Sha256HexOfFile(archivedCopy);
        RecordAudit("erase",
                    {{"serial", serial},
                     {"sha256", digest ? nlohmann::ordered_json(*digest) : nullptr},
                     {"file", archivedCopy.empty()
                                  ? nlohmann::ordered_json(nullptr)
                                  : nlohmann::ordered_json(archivedCopy.filename().string())}});
        // Every page shows what the logger holds now: its empty record.
        shownStoredRecording_.clear();
        shownCentralOrigin_.clear();
        LoadSettingsFromImage();
        DecodeRecord();
        LoadProducts();
        messages_.ShowMessage(
            archivedCopy.empty()
                ? Tr(kErasedText)
                : WithArguments(Tr("Session", "%1; the record is kept in the archive as %2"),
                                {Tr(kErasedText), MessagePath(archivedCopy)}),
            MessageIcon::Information);
    }
    if (!outcome.opened && outcome.result == kResultNoLogger)
        messages_.ShowMessage(Tr(kConnectLoggerText), MessageIcon::Warning);
    else if (!outcome.opened)
        messages_.ShowMessage(OpenFailureText(link_.devicePath(), outcome.result),
                              MessageIcon::Error);
    else if (outcome.refused)
        messages_.ShowMessage(refusal.shown, MessageIcon::Warning);
    else if (outcome.result != kResultSuccess)
        messages_.ShowMessage(EraseFailureText(outcome.failure), MessageIcon::Error);
    return outcome;
}

bool AcquisitionController::MayChange(const LoggerImage& loggerImage, ExclusiveLock& archiveLock,
                                      ChangeKind change, SaidText& refusal,
                                      std::filesystem::path* archivedCopy) const {
    const std::size_t samples = CountSamplesBeforeZero(UnpackSampleRegion(loggerImage));
    if (samples == 0)
        return true;
    const bool write = change == ChangeKind::Write;
    const std::string held = std::to_string(samples);
    if (ReadU32(loggerImage, kClockSetTimeOffset) == 0) {
        refusal = Said(
            write ? VELKA_TEXT("Session", "The logger holds %1 samples that cannot be archived "
                                          "(it was never set up), so nothing was written")
                  : VELKA_TEXT("Session", "The logger holds %1 samples that cannot be archived "
                                          "(it was never set up), so it was not erased"),
            {held});
        return false;
    }
    const std::filesystem::path folder = dataRoot_.DataDirectory();
    archiveLock = LockArchiveFolder(folder, lockWait_);
    // No archive folder holds no copy either: that refusal follows below.
    if (!archiveLock.Held() && archiveLock.Error() != std::errc::no_such_file_or_directory) {
        refusal = Said(
            write ? VELKA_TEXT("Session", "The logger holds %1 samples whose archived copy cannot "
                                          "be checked (%2), so nothing was written")
                  : VELKA_TEXT("Session", "The logger holds %1 samples whose archived copy cannot "
                                          "be checked (%2), so it was not erased"),
            {held, DescribeArchiveLockFailure(folder, archiveLock)});
        return false;
    }
    if (const std::optional<std::filesystem::path> copy = FindArchivedCopy(folder, loggerImage)) {
        if (archivedCopy != nullptr)
            *archivedCopy = *copy;
        return true;
    }
    refusal = Said(
        write ? VELKA_TEXT("Session", "The logger holds %1 samples that are not in the archive, "
                                      "so nothing was written. Plug it in again to archive them "
                                      "first")
              : VELKA_TEXT("Session", "The logger holds %1 samples that are not in the archive, "
                                      "so it was not erased. Plug it in again to archive them "
                                      "first"),
        {held});
    return false;
}

void AcquisitionController::HandleDeviceEvent(const DeviceEvent& event) {
    if (event.kind == HotplugDecision::LoggerArrived)
        ArrivalSequence();
    else if (event.kind == HotplugDecision::LoggerRemoved)
        HandleRemoval(event.devnode);
}

void AcquisitionController::HandleRemoval(const std::string& devnode) {
    // Device paths are case-sensitive here: the node is compared as it is.
    if (link_.devicePath().empty() || devnode.empty() || link_.devicePath() != devnode)
        return;
    link_.SetDevicePresent(false);
    observer_->LoggerDetached();
}

void AcquisitionController::LoadSettingsFromImage() {
    // The products stay until the product table is parsed, after the decode.
    std::vector<ProductRecord> products = std::move(recording_.settings.products);
    const int tableUsedBytes = recording_.settings.tableUsedBytes;
    recording_.settings = DecodeSettings(image_, recording_.currentTable, clock_.Now());
    recording_.settings.products = std::move(products);
    recording_.settings.tableUsedBytes = tableUsedBytes;
    calibrationA_ = recording_.settings.calibrationA;
    calibrationB_ = recording_.settings.calibrationB;
    pageSettings_ = recording_.settings;
    observer_->SettingsChanged();
}

void AcquisitionController::ArchiveImage() {
    const LoggerSettings& settings = recording_.settings;
    // A logger that was never set up holds no recording worth keeping.
    if (settings.serialText.empty() || settings.clockSetTime == 0)
        return;
    const std::filesystem::path folder = dataRoot_.DataDirectory();
    if (!OpenArchive()) {
        lastArchive_ = {ArchiveOutcome::Status::Failed, NumberedArchivePath(folder, image_, 1),
                        Tr(kArchiveFailedText) + ": " +
                            WithArguments(Tr("Session", "the archive folder %1 cannot be created"),
                                          {MessagePath(folder)})};
        return;
    }
    const ArchiveStoreResult stored = StoreInArchive(folder, image_, lockWait_, &audit_);
    lastArchive_.path = stored.path;
    if (stored.status == ArchiveStoreResult::Status::Failed) {
        lastArchive_.status = ArchiveOutcome::Status::Failed;
        lastArchive_.failure = Tr(kArchiveFailedText) + ": " + stored.failure;
        return;
    }
    lastArchive_.status = ArchiveOutcome::Status::Saved;
    const std::optional<std::string> digest = Sha256HexOfFile(stored.path);
    RecordAudit("download", {{"serial", settings.serialText},
                             {"file", stored.path.filename().string()},
                             {"sha256", digest ? nlohmann::ordered_json(*digest) : nullptr}});
}

void AcquisitionController::ReportArchiveFailure() {
    if (lastArchive_.status == ArchiveOutcome::Status::Failed)
        messages_.ShowMessage(lastArchive_.failure, MessageIcon::Error);
}

bool AcquisitionController::OpenArchive() {
    const std::filesystem::path folder = dataRoot_.DataDirectory();
    if (!EnsureDirectory(folder))
        return false;
    if (!archiveSwept_) {
        SweepStaleStagedFiles(folder, fileClock_.Now());
        archiveSwept_ = true;
    }
    return true;
}

void AcquisitionController::DecodeRecord() {
    if (!tables_.Usable()) {
        // No temperatures from tables that cannot convert: the pages show an empty record.
        recording_.currentTable = {};
        recording_.record = {};
        observer_->RecordDecoded();
        return;
    }
    recording_.currentTable = BuildCurrentTable(tables_, calibrationA_, calibrationB_);
    // current.txt is for inspection only; failing to write it is silent.
    WriteCurrentTable(dataRoot_, recording_.currentTable);
    LoggerSettings& settings = recording_.settings;
    settings.lowerLimit = LimitFromCode(settings.lowerLimitCode, recording_.currentTable);
    settings.upperLimit = LimitFromCode(settings.upperLimitCode, recording_.currentTable);
    recording_.record =
        DecodeImage(image_, recording_.currentTable, settings.lowerLimit, settings.upperLimit);
    pageSettings_.lowerLimit = settings.lowerLimit;
    pageSettings_.upperLimit = settings.upperLimit;
    observer_->RecordDecoded();
}

void AcquisitionController::LoadProducts() {
    ParsedProducts parsed = ParseImageProducts(image_);
    recording_.settings.products = std::move(parsed.products);
    recording_.settings.tableUsedBytes = parsed.tableUsedBytes;
    pageSettings_.products = recording_.settings.products;
    pageSettings_.tableUsedBytes = recording_.settings.tableUsedBytes;
    observer_->ProductsLoaded();
}

}  // namespace velka
