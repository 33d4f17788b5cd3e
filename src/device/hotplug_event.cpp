#include "device/hotplug_event.h"

#include "device/hid_report.h"

#include <charconv>
#include <string_view>

namespace velka {
namespace {

std::optional<unsigned> ParseHex(std::string_view text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool IsLogger(const std::string& hidId) {
    const auto identity = ParseHidId(hidId);
    return identity && identity->vendor == kLoggerVendorId && identity->product == kLoggerProductId;
}

}  // namespace

std::optional<HidIdentity> ParseHidId(const std::string& hidId) {
    const std::size_t first = hidId.find(':');
    const std::size_t second = first == std::string::npos ? first : hidId.find(':', first + 1);
    if (second == std::string::npos)
        return std::nullopt;
    const std::string_view text(hidId);
    const auto bus = ParseHex(text.substr(0, first));
    const auto vendor = ParseHex(text.substr(first + 1, second - first - 1));
    const auto product = ParseHex(text.substr(second + 1));
    if (!bus || !vendor || !product)
        return std::nullopt;
    return HidIdentity{*bus, *vendor, *product};
}

HotplugDecision ClassifyHotplugEvent(const HotplugEvent& event,
                                     const std::set<std::string>& loggerNodes) {
    if (event.subsystem != "hidraw")
        return HotplugDecision::Ignore;
    if (event.action == "add") {
        const bool alreadyKnown = loggerNodes.contains(event.devnode);
        return IsLogger(event.parentHidId) && !alreadyKnown ? HotplugDecision::LoggerArrived
                                                            : HotplugDecision::Ignore;
    }
    if (event.action == "remove") {
        const bool knownNode = !event.devnode.empty() && loggerNodes.contains(event.devnode);
        return knownNode || IsLogger(event.parentHidId) ? HotplugDecision::LoggerRemoved
                                                        : HotplugDecision::Ignore;
    }
    return HotplugDecision::Ignore;
}

}  // namespace velka
