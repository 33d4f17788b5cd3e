#pragma once
// The catalogues of the language the user reads: the program's own (velka_de.qm,
// velka_zh_CN.qm, in ProgramFile("translations")) and Qt's for its own dialogs and
// buttons (qt_de.qm). Installed, they translate every text of the process (Tr) and make the
// language's locale Qt's default (a calendar's month names); English, the language the texts
// are written in, needs none.

#include "record/shown_forms.h"

#include <QLocale>
#include <QTranslator>
#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace velka {

// The languages shipped besides English, as config.ini's "Language" and velka-cli's --lang
// name them.
inline constexpr std::array<std::string_view, 2> kShippedLanguages{"de", "zh_CN"};

// ProgramFile("translations"): beside the program, or under ../share/velka once installed.
std::filesystem::path DefaultCatalogueFolder();

class LanguageCatalogues {
public:
    // Needs a QCoreApplication. `language` names one ("de", "zh_CN", "en" for the English
    // texts); empty follows the languages the system's locale prefers. A language without a
    // catalogue in `folder` leaves the texts in English.
    LanguageCatalogues(std::string_view language, const std::filesystem::path& folder);
    ~LanguageCatalogues();
    LanguageCatalogues(const LanguageCatalogues&) = delete;
    LanguageCatalogues& operator=(const LanguageCatalogues&) = delete;

    // The language shown: "de", "zh_CN", or empty for English.
    std::string Language() const;
    // How the window writes numbers and dates in that language: its locale's forms (FormsOf),
    // or the fixed ones in English.
    const ShownForms& Forms() const { return forms_; }

private:
    QTranslator own_;
    QTranslator qt_;
    bool ownInstalled_ = false;
    bool qtInstalled_ = false;
    ShownForms forms_;
    QLocale previousDefault_;
};

}  // namespace velka
