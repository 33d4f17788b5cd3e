// Arbitrary bytes as the settings file of `velka-cli apply-settings`: either refused with the
// command's one-line message, or settings that pass the checks the Write makes.
#include "command_line.h"
#include "config/settings_write.h"
#include "record/logger_settings.h"
#include "settings_json.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    velka::LoggerSettings decoded;
    decoded.deliveryCompany = u"Fjord";
    decoded.receivingCompany = u"Bay";
    decoded.lowerLimit = 2;
    decoded.upperLimit = 8;
    try {
        const velka::LoggerSettings settings = velka::cli::SettingsFromJson(text, decoded);
        if (velka::CheckRequiredFields(settings) || velka::CheckFitsImage(settings))
            std::abort();
    } catch (const velka::cli::CommandFailure& failure) {
        if (failure.message.empty() || failure.message.find('\n') != std::string::npos)
            std::abort();
    }
    return 0;
}
