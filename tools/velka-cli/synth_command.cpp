#include "commands.h"
#include "image_files.h"
#include "record/synthetic_recording.h"

#include <charconv>

namespace velka::cli {

int RunSynth(const Arguments& arguments, Context& context) {
    if (!arguments.positional.empty())
        throw UsageError{"synth takes no positional arguments"};
    SyntheticRecordingOptions options;
    const std::string out = arguments.RequiredValue("--out");
    if (const auto serial = arguments.Value("--serial")) {
        std::uint32_t value = 0;
        const auto [end, error] =
            std::from_chars(serial->data(), serial->data() + serial->size(), value, 16);
        if (serial->empty() || serial->size() > 8 || error != std::errc() ||
            end != serial->data() + serial->size())
            throw UsageError{"--serial takes up to eight hexadecimal digits"};
        options.serialNumber = value;
    }
    if (const auto interval = arguments.Integer("--interval", 1, 65535)) {
        if (*interval != 30 && *interval != 60 && *interval != 300 && *interval != 600 &&
            *interval != 1800)
            throw UsageError{"--interval must be one of 30, 60, 300, 600, 1800 seconds"};
        options.logIntervalSeconds = static_cast<std::uint16_t>(*interval);
    }
    if (const auto count = arguments.Integer("--count", 1, static_cast<long long>(kMaxSamples)))
        options.sampleCount = static_cast<std::size_t>(*count);
    options.startTime =
        context.now - static_cast<std::int64_t>(options.sampleCount) * options.logIntervalSeconds;
    if (const auto start = arguments.Integer("--start", 601, 0xFFFFFFFFLL))
        options.startTime = *start;
    if (const auto seed = arguments.Integer("--seed", 0, 0xFFFFFFFFLL))
        options.seed = static_cast<std::uint32_t>(*seed);

    const SyntheticRecording recording = SynthesizeRecording(options, context.tables);
    WriteImageArgument(out, recording.image);
    return kExitSuccess;
}

}  // namespace velka::cli
