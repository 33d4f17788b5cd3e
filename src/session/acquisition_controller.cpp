#include "session/acquisition_controller.h"

#include "config/settings_write.h"
#include "record/local_time.h"
#include "session/archive_file_name.h"
#include "session/archive_store.h"
#include "storage/file_io.h"
#include "storage/reference_files.h"
#include "storage/staged_file.h"

#include <cerrno>
#include <cstring>

namespace velka {
namespace {

constexpr const char* kFirstNoticeText = "Detection of device insertion, data reading...";
constexpr const char* kFirstNoticeCaption = "Data reading";
constexpr const char* kSecondNoticeText = "Detection of device insertion, Data read completed";
constexpr const char* kSecondNoticeCaption = "Data read completed";
constexpr const char* kReadFailedText = "Data read FAILED";
constexpr const char* kArchiveFailedText = "Archive save FAILED";
constexpr const char* kEraseFailedText = "Erase FAILED";
constexpr const char* kConnectLoggerText = "Please make sure device is connected correctly";
constexpr const char* kErrorCaption = "Error";
constexpr const char* kWarningCaption = "Warning";
constexpr const char* kInfoCaption = "Info";

// Why a logger that is there cannot be opened, and what the user can do about it.
std::string OpenFailureText(const std::string& devicePath, ResultCode result) {
    if (result == kResultLoggerInUse)
        return kLoggerInUseText;
    std::string reason = DescribeResult(result);
    std::string remedy = "Plug it in again.";
    if (result > kSystemErrorBase) {
        const int errorNumber = static_cast<int>(result - kSystemErrorBase);
        reason = std::strerror(errorNumber);
        if (errorNumber == EACCES || errorNumber == EPERM)
            remedy = "Install the udev rule (see Help).";
        else if (errorNumber == EBUSY)
            remedy = "Close the program that is using it.";
    }
    return "The logger at " + MessagePath(devicePath) + " cannot be opened: " + reason + ". " +
           remedy;
}

// What a failed erase leaves on the logger, by the step it stopped at.
std::string EraseFailureText(const TransferFailure& failure) {
    const std::string what =
        std::string(kEraseFailedText) + ": " + DescribeTransferFailure(failure);
    switch (failure.step) {
    case TransferStep::FinalCommand:
        return what + "; the record was erased and the settings written back";
    case TransferStep::WriteBack:
        return what + "; the record was erased";
    case TransferStep::EraseSamples:
        return what + "; the record is partly erased";
    case TransferStep::ReadBack:
        return what + "; the record is still on the logger";
    default:
        return what + "; nothing on the logger was changed";
    }
}

}  // namespace

AcquisitionController::AcquisitionController(HidDeviceProvider& provider, MessageService& messages,
                                             const Clock& clock, DataRoot dataRoot,
                                             const LoadedReferenceTables& tables,
                                             int noticeTimeoutMs, DeviceLinkOptions linkOptions,
                                             const Clock& fileClock)
    : link_(provider, linkOptions), messages_(messages), clock_(clock), fileClock_(fileClock),
      lockWait_(linkOptions.waitForLogger ? linkOptions.waitForLogger : LockWait(SleepFor)),
      dataRoot_(std::move(dataRoot)), tables_(tables), noticeTimeoutMs_(noticeTimeoutMs) {
    recording_.settings = InitialSettings(clock_.Now());
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
    observer_->RecordCleared();
}

ResultCode AcquisitionController::ArrivalSequence() {
    ResetForArrival();
    messages_.ShowTimedNotice(kFirstNoticeText, kFirstNoticeCaption, noticeTimeoutMs_);
    // The other program that holds the logger archives its record meanwhile: an identical
    // read after it writes nothing.
    const ResultCode result = Acquire(WhenInUse::Wait);
    // Without a logger both notices are shown; a logger that is there but could not be opened
    // or read through must not be reported as read.
    if (result == kResultSuccess || result == kResultNoLogger)
        messages_.ShowTimedNotice(kSecondNoticeText, kSecondNoticeCaption, noticeTimeoutMs_);
    else if (result == kResultLoggerInUse)
        messages_.ShowMessage(kLoggerInUseText, kInfoCaption, MessageIcon::Information);
    else
        messages_.ShowMessage(AcquireFailureText(result), kErrorCaption, MessageIcon::Error);
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
    // Only the first 16,384 bytes of a longer file are read; a shorter one leaves the rest of
    // the image as it was.
    if (!ReadImageFile(path, image_))
        return false;
    LoadSettingsFromImage();
    DecodeRecord();
    LoadProducts();
    return true;
}

bool AcquisitionController::ImportStoredImage(const std::filesystem::path& path) {
    if (!ReadImageFile(path, image_))
        return false;
    CopyTransportFields(DecodeSettings(image_, recording_.currentTable, clock_.Now()),
                        recording_.settings);
    observer_->SettingsChanged();
    LoadProducts();
    return true;
}

std::string AcquisitionController::AcquireFailureText(ResultCode result) const {
    if (result == kResultNoLogger)
        return kConnectLoggerText;
    if (result == kResultLoggerInUse)
        return kLoggerInUseText;
    if (link_.LastFailure().step == TransferStep::ReadImage)
        return std::string(kReadFailedText) + ": " + DescribeResult(result);
    return OpenFailureText(link_.devicePath(), result);
}

bool AcquisitionController::ReportUnusableReferenceTables() {
    if (tables_.Usable())
        return false;
    messages_.ShowMessage(tables_.ProblemText(), kErrorCaption, MessageIcon::Error);
    return true;
}

ResultCode AcquisitionController::WriteSettings(const LoggerSettings& settings) {
    // Limits encoded through tables that cannot convert would be nonsense on the logger.
    if (!tables_.Usable()) {
        messages_.ShowMessage(tables_.ProblemText(), kErrorCaption, MessageIcon::Error);
        observer_->SettingsWritten(false);
        return kResultNoReferenceTables;
    }
    // The limits are encoded through the calibrated table of the logger that was read; before
    // any read (or after one that failed) there is none, and the codes would be nonsense.
    if (!readLogger_.read) {
        messages_.ShowMessage(kConnectLoggerText, kWarningCaption, MessageIcon::Warning);
        observer_->SettingsWritten(false);
        return kResultNoLogger;
    }
    ApplySettingsToImage(settings, image_, recording_.currentTable, clock_.Now());
    recording_.settings = settings;
    const ResultCode result = link_.WriteSettings(image_);
    if (result == kResultLoggerInUse) {
        messages_.ShowMessage(kLoggerInUseText, kErrorCaption, MessageIcon::Error);
        return result;
    }
    observer_->SettingsWritten(result == kResultSuccess);
    return result;
}

void AcquisitionController::HandleShowChartRequest() {
    observer_->ChartPageRequested();
}

void AcquisitionController::SetChartView(const LogSummary& view) {
    LogSummary& summary = recording_.record.summary;
    summary.viewFirst = view.viewFirst;
    summary.viewLast = view.viewLast;
    summary.chartMinInt = view.chartMinInt;
    summary.chartMaxInt = view.chartMaxInt;
    observer_->ChartViewChanged();
}

EraseOutcome AcquisitionController::HandleEraseRequest() {
    std::string refusal;
    ExclusiveLock archiveLock;
    const EraseOutcome outcome = link_.EraseRecord(image_, [&](const LoggerImage& loggerImage) {
        return MayErase(loggerImage, archiveLock, refusal);
    });
    // Other programs may change the archive again before anyone reads the outcome.
    archiveLock.Release();
    if (!outcome.opened && outcome.result == kResultNoLogger)
        messages_.ShowMessage(kConnectLoggerText, kWarningCaption, MessageIcon::Warning);
    else if (!outcome.opened)
        messages_.ShowMessage(OpenFailureText(link_.devicePath(), outcome.result), kErrorCaption,
                              MessageIcon::Error);
    else if (outcome.refused)
        messages_.ShowMessage(refusal, kWarningCaption, MessageIcon::Warning);
    else if (outcome.result != kResultSuccess)
        messages_.ShowMessage(EraseFailureText(outcome.failure), kErrorCaption, MessageIcon::Error);
    return outcome;
}

bool AcquisitionController::MayErase(const LoggerImage& loggerImage, ExclusiveLock& archiveLock,
                                     std::string& refusal) const {
    const std::size_t samples = CountSamplesBeforeZero(UnpackSampleRegion(loggerImage));
    if (samples == 0)
        return true;
    const std::string held = "The logger holds " + std::to_string(samples) + " samples";
    if (ReadU32(loggerImage, kClockSetTimeOffset) == 0) {
        refusal = held + " that cannot be archived (it was never set up), so it was not erased";
        return false;
    }
    const std::filesystem::path folder = dataRoot_.DataDirectory();
    archiveLock = LockArchiveFolder(folder, lockWait_);
    // No archive folder holds no copy either: that refusal follows below.
    if (!archiveLock.Held() && archiveLock.Error() != std::errc::no_such_file_or_directory) {
        refusal = held + " whose archived copy cannot be checked (" +
                  DescribeArchiveLockFailure(folder, archiveLock) + "), so it was not erased";
        return false;
    }
    if (FindArchivedCopy(folder, loggerImage))
        return true;
    refusal = held + " that are not in the archive, so it was not erased. Plug it in again to "
                     "archive them first";
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
                        std::string(kArchiveFailedText) + ": the archive folder " +
                            MessagePath(folder) + " cannot be created"};
        return;
    }
    const ArchiveStoreResult stored = StoreInArchive(folder, image_, lockWait_);
    lastArchive_.path = stored.path;
    if (stored.status == ArchiveStoreResult::Status::Failed) {
        lastArchive_.status = ArchiveOutcome::Status::Failed;
        lastArchive_.failure = std::string(kArchiveFailedText) + ": " + stored.failure;
        return;
    }
    lastArchive_.status = ArchiveOutcome::Status::Saved;
}

void AcquisitionController::ReportArchiveFailure() {
    if (lastArchive_.status == ArchiveOutcome::Status::Failed)
        messages_.ShowMessage(lastArchive_.failure, kErrorCaption, MessageIcon::Error);
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
    observer_->RecordDecoded();
}

void AcquisitionController::LoadProducts() {
    ParsedProducts parsed = ParseImageProducts(image_);
    recording_.settings.products = std::move(parsed.products);
    recording_.settings.tableUsedBytes = parsed.tableUsedBytes;
    observer_->ProductsLoaded();
}

}  // namespace velka
