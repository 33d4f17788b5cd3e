#pragma once
// Result codes of the device operations: unsigned 32-bit, 0 for success. The numbers that the
// window and the archive may have stored or shown keep their meaning (87, 0xE000020B); the
// conditions that only a bounded wait or hot-plug can produce get codes of their own, and an
// error of the operating system keeps its errno value inside a range no other code uses.

#include "services/translation.h"

#include <cstdint>
#include <string>

namespace velka {

using ResultCode = std::uint32_t;

constexpr ResultCode kResultSuccess = 0;
// A block operation was called without an open transport.
constexpr ResultCode kResultNotOpen = 87;
// No logger was found, so there was nothing to open.
constexpr ResultCode kResultNoLogger = 0xE000020B;
// The logger did not answer a read within the read time-out.
constexpr ResultCode kResultTimeout = 1460;
// The logger was unplugged while a transfer ran.
constexpr ResultCode kResultDeviceRemoved = 1167;
// The logger answered with a report that is not 65 bytes of report ID 0.
constexpr ResultCode kResultMalformedAnswer = 13;
// A settings write refused before it began: the reference tables that would encode the alarm
// limits cannot be used.
constexpr ResultCode kResultNoReferenceTables = 0xE0000300;
// Another program holds the logger (one program per logger: hidraw hands every answer to every
// open handle, so two programs at once would read each other's answers).
constexpr ResultCode kResultLoggerInUse = 0xE0000301;
// A settings write that its own check refused after reading the logger: nothing was written.
constexpr ResultCode kResultWriteRefused = 0xE0000302;
// An errno value e of a failed open, write or read is reported as kSystemErrorBase + e.
constexpr ResultCode kSystemErrorBase = 0x20000000;

// What the user reads when another program holds the logger.
constexpr UiText kLoggerInUseText = VELKA_TEXT("Device", "The logger is in use by another program");

ResultCode ResultFromSystemError(int errorNumber);

// One line for people: "time-out: the logger did not answer within the read time-out", …
std::string DescribeResult(ResultCode code);

}  // namespace velka
