#include "command_language.h"

#include "storage/file_io.h"

#include <algorithm>

namespace velka::cli {

CommandLanguage::CommandLanguage(const Arguments& arguments) {
    const std::optional<std::string> language = arguments.Value("--lang");
    if (!language || *language == "en")
        return;
    if (std::find(kShippedLanguages.begin(), kShippedLanguages.end(), *language) ==
        kShippedLanguages.end())
        throw UsageError{"--lang takes de, zh_CN or en"};
    gui_.emplace();
    const std::filesystem::path folder = DefaultCatalogueFolder();
    catalogues_.emplace(*language, folder);
    if (catalogues_->Language() != *language)
        throw CommandFailure{"the catalogue of " + *language + " is not in " + MessagePath(folder)};
}

}  // namespace velka::cli
