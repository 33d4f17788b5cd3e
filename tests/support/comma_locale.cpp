#include "comma_locale.h"

#include <clocale>
#include <cstdlib>
#include <cstring>

namespace velka::testing {

CommaLocale BuildCommaDecimalLocale(const std::filesystem::path& folder) {
    const char* const name = "de_DE.UTF-8";
    if (!std::filesystem::exists("/usr/share/i18n/locales/de_DE"))
        return {{}, "the locale sources are not installed (Debian package locales)"};
    const std::string command =
        "localedef -i de_DE -f UTF-8 '" + (folder / name).string() + "' >/dev/null 2>&1";
    // localedef warns about some sources and still builds the locale: what counts is whether
    // the locale is there afterwards.
    if (std::system(command.c_str()) == -1)
        return {{}, "cannot run localedef"};
    ::setenv("LOCPATH", folder.c_str(), 1);
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const bool loaded = std::setlocale(LC_NUMERIC, name) != nullptr &&
                        std::strcmp(std::localeconv()->decimal_point, ",") == 0;
    std::setlocale(LC_NUMERIC, previous.c_str());
    if (!loaded)
        return {{}, "localedef could not build " + std::string(name)};
    return {name, {}};
}

}  // namespace velka::testing
