#pragma once
// The decision "is this hot-plug event our logger arriving or leaving": a pure function of the
// event's properties, so that it can be tested without a bus.

#include <optional>
#include <set>
#include <string>

namespace velka {

// What the watcher reads from one event of the hidraw subsystem.
struct HotplugEvent {
    std::string action;     // "add", "remove", "change", "bind", …
    std::string subsystem;  // "hidraw"
    std::string devnode;    // "/dev/hidraw3"
    // HID_ID of the parent HID device, "BUS:VENDOR:PRODUCT" in hexadecimal
    // ("0003:00000FE6:00000413"); empty when the parent cannot be read (after a removal).
    std::string parentHidId;
};

enum class HotplugDecision { Ignore, LoggerArrived, LoggerRemoved };

// Vendor and product of a HID_ID, compared as numbers (any case, any number of leading zeros).
struct HidIdentity {
    unsigned bus = 0;
    unsigned vendor = 0;
    unsigned product = 0;
};
std::optional<HidIdentity> ParseHidId(const std::string& hidId);

// Arrival: an added hidraw node whose parent is the logger, unless that node is already known as
// a logger (the watcher lists the loggers present when it starts, and an event of a logger
// plugged in at that moment may follow the listing). Removal: a removed hidraw node that arrived
// as a logger (the parent is gone by then, so the node is recognised by its path) or whose event
// still names the logger as parent.
HotplugDecision ClassifyHotplugEvent(const HotplugEvent& event,
                                     const std::set<std::string>& loggerNodes);

}  // namespace velka
