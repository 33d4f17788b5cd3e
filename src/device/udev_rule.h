#pragma once
// The logger's udev rule (70-velka-logger.rules) where this build installs it: messages name it
// when a logger's node cannot be opened.

#include <string>

namespace velka {

std::string InstalledUdevRulePath();

// The one command, run as root, that applies an installed or changed rule to a logger already
// plugged in (udev reads changed rules by itself before it handles the event).
inline constexpr const char* kApplyUdevRuleCommand =
    "sudo udevadm trigger --subsystem-match=hidraw --action=add";

}  // namespace velka
