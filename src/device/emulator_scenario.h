#pragma once
// How the emulated logger behaves: a named scenario, chosen on the command line and in the
// window's demo mode ("normal", "slow", "timeout", "error", "removed", "malformed"), each
// fault optionally at the k-th report ("removed:50").

#include <optional>
#include <string>
#include <string_view>

namespace velka {

enum class EmulatedFault {
    None,
    Slow,             // every answer takes answerDelayMs, within the read time-out
    NoAnswer,         // from report k on the logger answers nothing: every read times out
    ErrorAtReport,    // the k-th report fails with an I/O error; later ones work
    RemovedAtReport,  // the logger is unplugged at the k-th report
    MalformedAnswer,  // the first answer at or after report k is a short report
};

struct EmulatorScenario {
    EmulatedFault fault = EmulatedFault::None;
    // Reports are counted from 1 since the logger was plugged in: every write and every read
    // of one report counts, so block n of an image read is reports 2n-1 (command) and 2n.
    int atReport = 1;
    int answerDelayMs = 10;

    std::string Name() const;
    // "normal", "slow", "timeout", "error", "removed" or "malformed", with ":K" for the report.
    static std::optional<EmulatorScenario> Parse(std::string_view text);
};

// The names Parse accepts, for usage texts.
constexpr const char* kEmulatorScenarioNames =
    "normal, slow, timeout[:K], error[:K], removed[:K], malformed[:K]";

}  // namespace velka
