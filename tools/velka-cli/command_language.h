#pragma once
// --lang: the catalogue a command's texts (its reports, their messages) are put into. Without
// it every text stays English, whatever the locale, so that scripts get the same bytes on every
// machine.

#include "command_line.h"
#include "offscreen_gui.h"
#include "translation/language_catalogues.h"

#include <optional>

namespace velka::cli {

class CommandLanguage {
public:
    // Throws UsageError for a language that is not shipped, CommandFailure when its catalogue
    // is missing.
    explicit CommandLanguage(const Arguments& arguments);

private:
    std::optional<OffscreenGui> gui_;  // the translators need an application
    std::optional<LanguageCatalogues> catalogues_;
};

}  // namespace velka::cli
