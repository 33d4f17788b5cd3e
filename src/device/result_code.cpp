#include "device/result_code.h"

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
        return "success";
    case kResultNotOpen:
        return "the logger is not open";
    case kResultNoLogger:
        return "no logger was found";
    case kResultTimeout:
        return "the logger did not answer in time";
    case kResultDeviceRemoved:
        return "the logger was unplugged during the transfer";
    case kResultMalformedAnswer:
        return "the logger gave a malformed answer";
    case kResultNoReferenceTables:
        return "the reference tables cannot be used";
    case kResultLoggerInUse:
        return Tr(kLoggerInUseText);
    case kResultWriteRefused:
        return "the write was refused";
    default:
        break;
    }
    if (code > kSystemErrorBase && code - kSystemErrorBase < 4096) {
        const int errorNumber = static_cast<int>(code - kSystemErrorBase);
        return std::string("system error: ") + std::strerror(errorNumber);
    }
    return "error code " + std::to_string(code);
}

}  // namespace velka
