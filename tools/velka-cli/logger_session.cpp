#include "logger_session.h"

#include "console_messages.h"
#include "device/emulated_logger.h"
#include "device/hidapi_transport.h"
#include "image_files.h"
#include "path_json.h"
#include "storage/file_io.h"

#include <memory>
#include <optional>
#include <sstream>

namespace velka::cli {
namespace {

// Finds the logger at a path chosen by the caller, when there is one.
class ChosenPathProvider final : public HidDeviceProvider {
public:
    ChosenPathProvider(HidDeviceProvider& provider, const std::string& devicePath)
        : provider_(provider), devicePath_(devicePath) {}

    std::optional<std::string> FindLogger() override {
        if (devicePath_.empty())
            return provider_.FindLogger();
        return devicePath_;
    }
    OpenResult Open(const std::string& devicePath) override { return provider_.Open(devicePath); }

private:
    HidDeviceProvider& provider_;
    const std::string& devicePath_;
};

}  // namespace

OptionSpec LoggerOptions(std::set<std::string> withValue) {
    withValue.insert({"--emulate", "--dump", "--scenario"});
    return {std::move(withValue), {"--trace"}};
}

int RunOnLogger(const Arguments& arguments, Context& context,
                const std::function<int(AcquisitionController&, std::ostream& out)>& body,
                const std::string* devicePath) {
    const auto emulate = arguments.Value("--emulate");
    const auto dump = arguments.Value("--dump");
    const auto scenarioName = arguments.Value("--scenario");
    if (!emulate && (dump || scenarioName))
        throw UsageError{"--dump and --scenario need --emulate IMAGE"};
    EmulatorScenario scenario;
    if (scenarioName) {
        const auto parsed = EmulatorScenario::Parse(*scenarioName);
        if (!parsed)
            throw UsageError{std::string("--scenario takes one of ") + kEmulatorScenarioNames};
        scenario = *parsed;
    }

    std::unique_ptr<EmulatedLogger> emulated;
    std::unique_ptr<HidapiProvider> hidapi;
    HidDeviceProvider* provider = nullptr;
    if (emulate) {
        emulated = std::make_unique<EmulatedLogger>(ReadImageArgument(*emulate), scenario);
        emulated->LockThrough(*emulate);
        provider = emulated.get();
    } else {
        hidapi = std::make_unique<HidapiProvider>();
        provider = hidapi.get();
    }
    std::optional<ChosenPathProvider> chosenPath;
    if (devicePath != nullptr)
        provider = &chosenPath.emplace(*provider, *devicePath);

    ConsoleMessages messages(context.err);
    const FixedClock clock(context.now);
    AcquisitionController controller(*provider, messages, clock, context.dataRoot, context.tables);
    controller.SetAuditProgram(ProgramName("velka-cli"));
    if (arguments.Flag("--trace"))
        controller.SetReportTrace(&context.err);

    std::ostringstream heldBack;
    std::ostream& out = dump ? heldBack : context.out;
    int exitCode = kExitFailure;
    try {
        exitCode = body(controller, out);
    } catch (const CommandFailure& failure) {
        if (dump) {
            if (const std::error_code error = WriteFileAtomically(*dump, emulated->Memory()))
                throw CommandFailure{failure.message + "; the memory dump cannot be written: " +
                                     DescribeFileError(*dump, error)};
        }
        throw;
    } catch (...) {
        // The failure itself is what the user reads; the dump is written as far as it can be.
        if (dump)
            WriteFileAtomically(*dump, emulated->Memory());
        throw;
    }
    if (dump) {
        if (const std::error_code error = WriteFileAtomically(*dump, emulated->Memory()))
            throw CommandFailure{
                "the memory dump cannot be written: " + DescribeFileError(*dump, error) +
                (exitCode == kExitSuccess ? " (the command itself went through)" : "")};
        context.out << heldBack.str();
    }
    return exitCode;
}

bool AcquireForCommand(AcquisitionController& controller, WhenInUse whenInUse) {
    const ResultCode result = controller.Acquire(whenInUse);
    if (result != kResultSuccess)
        throw CommandFailure{controller.AcquireFailureText(result)};
    return controller.LastArchive().status != ArchiveOutcome::Status::Failed;
}

void PutArchivePath(nlohmann::ordered_json& json, const AcquisitionController& controller) {
    const ArchiveOutcome& archive = controller.LastArchive();
    if (archive.status == ArchiveOutcome::Status::Saved)
        PutPath(json, "archivePath", archive.path);
    else
        json["archivePath"] = nullptr;
}

}  // namespace velka::cli
