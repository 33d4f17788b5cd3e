#include "device/emulator_scenario.h"

#include <array>
#include <charconv>
#include <utility>

namespace velka {
namespace {

constexpr std::array<std::pair<std::string_view, EmulatedFault>, 6> kNames = {{
    {"normal", EmulatedFault::None},
    {"slow", EmulatedFault::Slow},
    {"timeout", EmulatedFault::NoAnswer},
    {"error", EmulatedFault::ErrorAtReport},
    {"removed", EmulatedFault::RemovedAtReport},
    {"malformed", EmulatedFault::MalformedAnswer},
}};

bool TakesReport(EmulatedFault fault) {
    return fault != EmulatedFault::None && fault != EmulatedFault::Slow;
}

}  // namespace

std::string EmulatorScenario::Name() const {
    for (const auto& [name, named] : kNames) {
        if (named == fault)
            return TakesReport(fault) ? std::string(name) + ":" + std::to_string(atReport)
                                      : std::string(name);
    }
    return "normal";
}

std::optional<EmulatorScenario> EmulatorScenario::Parse(std::string_view text) {
    const std::size_t colon = text.find(':');
    const std::string_view name = text.substr(0, colon);
    EmulatorScenario scenario;
    bool known = false;
    for (const auto& [candidate, fault] : kNames) {
        if (candidate == name) {
            scenario.fault = fault;
            known = true;
        }
    }
    if (!known)
        return std::nullopt;
    if (colon == std::string_view::npos)
        return scenario;
    if (!TakesReport(scenario.fault))
        return std::nullopt;
    const std::string_view number = text.substr(colon + 1);
    int report = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), report);
    if (number.empty() || error != std::errc() || end != number.data() + number.size() ||
        report < 1)
        return std::nullopt;
    scenario.atReport = report;
    return scenario;
}

}  // namespace velka
