// --lang through velka-cli: without it a German desktop's locale changes not one byte of the
// reports; with it their texts come from the catalogue.

#include "cli_fixture.h"
#include "comma_locale.h"
#include "storage/file_io.h"

#include <cstdlib>

namespace velka::testing {
namespace {

TEST_F(CliTest, ReportsStayEnglishWhateverTheLocaleUnlessALanguageIsGiven) {
    const std::string image = Synth("a.bin", {"--count", "60", "--interval", "300"});
    // The three files of one export, as bytes.
    const auto exported = [&](const std::string& name, std::vector<std::string> extra) {
        std::vector<std::string> arguments = {"export", image};
        for (const char* kind : {"csv", "pdf", "xlsx"})
            arguments.insert(arguments.end(),
                             {std::string("--") + kind, (Dir() / (name + "." + kind)).string()});
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        const CliResult result = Run(arguments);
        EXPECT_EQ(result.exitCode, 0) << name << ": " << result.err;
        std::string bytes;
        for (const char* kind : {"csv", "pdf", "xlsx"})
            bytes += ReadWholeFile(Dir() / (name + "." + kind)).value_or("missing");
        return bytes;
    };
    const std::string english = exported("plain", {});
    EXPECT_EQ(exported("en", {"--lang", "en"}), english);
    const std::string german = exported("de", {"--lang", "de"});
    const std::string chinese = exported("zh", {"--lang", "zh_CN"});
    EXPECT_NE(german, english);
    EXPECT_NE(chinese, english);
    EXPECT_NE(german, chinese);
    EXPECT_NE(ReadWholeFile(Dir() / "de.csv").value_or("").rfind("Number,", 0), 0u);

    const CommaLocale comma = BuildCommaDecimalLocale(Dir() / "locale");
    if (comma.unavailable.empty()) {
        setenv("LC_ALL", comma.name.c_str(), 1);
        setenv("LANGUAGE", "de", 1);
        const std::string underGermanLocale = exported("locale", {});
        unsetenv("LC_ALL");
        unsetenv("LANGUAGE");
        EXPECT_EQ(underGermanLocale, english);
    }

    const CliResult refused = Run({"export", image, "--csv", "x.csv", "--lang", "fr"});
    EXPECT_EQ(refused.exitCode, 2) << refused.err;
    EXPECT_NE(refused.err.find("--lang takes de, zh_CN or en"), std::string::npos) << refused.err;
}

}  // namespace
}  // namespace velka::testing
