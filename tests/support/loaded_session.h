#pragma once
// A session for the window's page tests: no logger plugged in, a data root in a temporary
// folder, scripted messages, a fixed clock, and a synthetic recording loaded as the history
// page loads a stored one. The pages listen to `notifier`.

#include "device/emulated_logger.h"
#include "record/synthetic_recording.h"
#include "scripted_messages.h"
#include "session/acquisition_controller.h"
#include "session/session_notifier.h"
#include "storage/file_io.h"
#include "synthetic_recordings.h"
#include "temp_dir.h"
#include "test_tables.h"

#include <gtest/gtest.h>
#include <string>

namespace velka::testing {

class LoadedSession {
public:
    LoadedSession() { logger.Unplug(); }

    // Loads a recording of `sampleCount` samples that ends at kSyntheticNow.
    void Load(std::size_t sampleCount, std::uint16_t logIntervalSeconds = 300) {
        SyntheticRecordingOptions options;
        options.sampleCount = sampleCount;
        options.logIntervalSeconds = logIntervalSeconds;
        options.startTime =
            kSyntheticNow - static_cast<std::int64_t>(sampleCount) * logIntervalSeconds;
        const LoggerImage image = SynthesizeRecording(options, DeliveredTables()).image;
        const std::filesystem::path path = folder / ("stored-" + std::to_string(++loads_) + ".bin");
        ASSERT_FALSE(WriteFileAtomically(path, image));
        ASSERT_TRUE(controller.LoadStoredImage(path));
    }

    const Recording& Current() const { return controller.CurrentRecording(); }

    TempDir folder;
    DataRoot dataRoot{folder / "Calderwyn"};
    FixedClock clock{kSyntheticNow};
    ScriptedMessages messages;
    EmulatedLogger logger{LoggerImage{}};
    AcquisitionController controller{logger, messages, clock, dataRoot, DeliveredTables()};
    SessionNotifier notifier{controller};

private:
    int loads_ = 0;
};

}  // namespace velka::testing
