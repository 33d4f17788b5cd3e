#pragma once
// The logger of demo mode: an emulated logger whose memory lives in DATA-ROOT/demo/logger.bin.
// A synthetic recording is made when the file is missing, and the memory is saved back at the
// end of every transfer that changed it (a settings write, an erase), so the demo logger keeps
// what the user wrote into it from one run to the next.

#include "device/emulated_logger.h"
#include "record/reference_table.h"
#include "services/clock.h"
#include "storage/data_root.h"

#include <filesystem>
#include <memory>
#include <string>

namespace velka {

class DemoLogger final : public HidDeviceProvider {
public:
    // Starts unplugged: plugging it in is what the user sees the window react to.
    DemoLogger(const DataRoot& dataRoot, const ReferenceTables& tables, const Clock& clock);
    ~DemoLogger() override;

    std::optional<std::string> FindLogger() override;
    OpenResult Open(const std::string& devicePath) override;

    void Plug() { logger_->Plug(); }
    void Unplug() { logger_->Unplug(); }
    bool Plugged() const { return logger_->Plugged(); }
    // The path hot-plug events name.
    static std::string DevicePath() { return EmulatedLogger::kDevicePath; }

    // The logger comes back from a new trip: a new synthetic recording with the same serial
    // number, ending now, replaces its memory (and is saved).
    void StartNewRecording();

    const LoggerImage& Memory() const { return logger_->Memory(); }
    const std::filesystem::path& MemoryFile() const { return memoryFile_; }
    // Whether the last save of the memory failed (the reason went to stderr).
    bool SaveFailed() const { return saveFailed_; }

private:
    class SavingTransport;

    void SaveIfChanged();
    void Replace(const LoggerImage& memory);

    const ReferenceTables& tables_;
    const Clock& clock_;
    std::filesystem::path memoryFile_;
    std::unique_ptr<EmulatedLogger> logger_;
    LoggerImage saved_{};
    std::uint32_t recordingsMade_ = 0;
    bool saveFailed_ = false;
};

// The memory file of the demo logger under a data root.
std::filesystem::path DemoLoggerFile(const DataRoot& dataRoot);

}  // namespace velka
