#pragma once
// A comma-decimal locale (de_DE.UTF-8: "5,1"), built with localedef into a test's own folder
// and found through LOCPATH, so that a test can run code under the locale a German desktop
// gives the program whether or not the machine has it installed.

#include <filesystem>
#include <string>

namespace velka::testing {

struct CommaLocale {
    std::string name;         // for setlocale, once LOCPATH names the folder
    std::string unavailable;  // why it cannot be had here (no localedef, no locale sources)
};

// Builds the locale in `folder` and points LOCPATH at it.
CommaLocale BuildCommaDecimalLocale(const std::filesystem::path& folder);

}  // namespace velka::testing
