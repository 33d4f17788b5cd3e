#include "device/result_code.h"

#include "services/translation.h"

#include <cerrno>
#include <cstring>

namespace velka {

ResultCode ResultFromSystemError(int errorNumber) {
    // An error without a number is still an error: it must never read as success.
    if (errorNumber <= 0)
        errorNumber = EIO;
    return kSystemErrorBase + static_cast<ResultCode>(errorNumber);
}

std::string DescribeResult(ResultCode code) {
    switch (code) {
    case kResultSuccess:
        return Tr("Device", "success");
    case kResultNotOpen:
        return Tr("Device", "the logger is not open");
    case kResultNoLogger:
        return Tr("Device", "no logger was found");
    case kResultTimeout:
        return Tr("Device", "the logger did not answer in time");
    case kResultDeviceRemoved:
        return Tr("Device", "the logger was unplugged during the transfer");
    case kResultMalformedAnswer:
        return Tr("Device", "the logger gave a malformed answer");
    case kResultNoReferenceTables:
        return Tr("Device", "the reference tables cannot be used");
    case kResultLoggerInUse:
        return Tr(kLoggerInUseText);
    case kResultWriteRefused:
        return Tr("Device", "the write was refused");
    default:
        break;
    }
    if (code > kSystemErrorBase && code - kSystemErrorBase < 4096) {
        const int errorNumber = static_cast<int>(code - kSystemErrorBase);
        return WithArguments(Tr("Device", "system error: %1"), {std::strerror(errorNumber)});
    }
    return WithArguments(Tr("Device", "error code %1"), {std::to_string(code)});
}

}  // namespace velka
