// The settings file: the private-profile format as hand-edited files use it, the four settings
// with their defaults and cuts, and what the program leaves in the file at exit.

#include "app/app_settings.h"
#include "storage/file_io.h"
#include "storage/profile_file.h"
#include "temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace velka {
namespace {

using testing::TempDir;

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadText(const std::filesystem::path& path) {
    return ReadWholeFile(path).value_or("<missing>");
}

struct LookupCase {
    const char* name;
    std::string text;
    std::optional<std::string> expected;  // of [Velka] "Product Info"
};

TEST(ProfileFile, FindsValuesAsTheProfileFunctionsDo) {
    const LookupCase cases[] = {
        {"plain", "[Velka]\nProduct Info=Cold chain\n", "Cold chain"},
        {"names in any case, blanks around", "  [ velka ]\r\n  product INFO =  Cold chain \r\n",
         "Cold chain"},
        {"double quotes removed", "[Velka]\nProduct Info=\"  padded \"\n", "  padded "},
        {"single quotes removed", "[Velka]\nProduct Info='x'\n", "x"},
        {"unpaired quote kept", "[Velka]\nProduct Info=\"x\n", "\"x"},
        {"first of two keys", "[Velka]\nProduct Info=one\nProduct Info=two\n", "one"},
        {"first of two sections", "[Velka]\nProduct Info=one\n[Velka]\nProduct Info=two\n", "one"},
        {"key of another section", "[Other]\nProduct Info=x\n[Velka]\n", std::nullopt},
        {"key before any section", "Product Info=x\n[Velka]\n", std::nullopt},
        {"commented out", "[Velka]\n;Product Info=x\n", std::nullopt},
        {"empty value", "[Velka]\nProduct Info=\n", ""},
        {"value holding '='", "[Velka]\nProduct Info=a=b\n", "a=b"},
        {"no line end at the end", "[Velka]\nProduct Info=last", "last"},
        {"byte-order mark", "\xEF\xBB\xBF[Velka]\nProduct Info=x\n", "x"},
        {"no section", "", std::nullopt},
    };
    for (const LookupCase& c : cases)
        EXPECT_EQ(ProfileFile::Parse(c.text).Value("Velka", "Product Info"), c.expected) << c.name;
}

struct WriteCase {
    const char* name;
    std::string before;
    std::string after;  // once "Key" is set to "new" in [Velka]
};

TEST(ProfileFile, WriteChangesOnlyItsOwnLine) {
    const WriteCase cases[] = {
        {"new file", "", "[Velka]\nKey=new\n"},
        {"replaced in place, comments and other sections kept",
         "; mine\n[Other]\nKey=keep\n\n[Velka]\nkey = old\nMore=1\n",
         "; mine\n[Other]\nKey=keep\n\n[Velka]\nKey=new\nMore=1\n"},
        {"added after the section's last entry", "[Velka]\nMore=1\n\n[Other]\nX=2\n",
         "[Velka]\nMore=1\nKey=new\n\n[Other]\nX=2\n"},
        {"section added after a blank line", "[Other]\nX=2\n",
         "[Other]\nX=2\n\n[Velka]\nKey=new\n"},
        {"CR LF and byte-order mark kept", "\xEF\xBB\xBF[Velka]\r\nKey=old\r\n",
         "\xEF\xBB\xBF[Velka]\r\nKey=new\r\n"},
    };
    for (const WriteCase& c : cases) {
        ProfileFile file = ProfileFile::Parse(c.before);
        file.SetValue("Velka", "Key", "new");
        EXPECT_EQ(file.Text(), c.after) << c.name;
    }
}

TEST(AppSettings, OneKeyGivenTheOthersDefaultAndAllWrittenInOrder) {
    TempDir dir;
    const auto config = dir / "config.ini";
    WriteText(config, "[Velka]\nShow infomation timeout=5000\n");

    const AppSettings settings = LoadAppSettings(config);
    AppSettings expected;
    expected.noticeTimeoutMs = 5000;
    EXPECT_EQ(settings, expected);

    ASSERT_FALSE(SaveAppSettings(config, settings));
    EXPECT_EQ(
        ReadText(config),
        "[Velka]\nShow infomation timeout=5000\nCheck WP Enable=0\n"
        "Product Info=" +
            expected.productInfo + "\nCompany Info=" + expected.companyInfo +
            "\nMKT Activation Energy=83.144\nAlarm Profile=logger\nTemperature Unit=C\nLanguage=\n"
            "Signing Certificate=\nSigning Database=\n");
    EXPECT_EQ(LoadAppSettings(config), settings);
    // The product's own texts, the version from the one version of the project.
    EXPECT_EQ(expected.productInfo, "Velka temperature data logger software");
    EXPECT_EQ(expected.companyInfo.rfind("Version " VELKA_VERSION "  ", 0), 0u);

    // The placeholders that earlier versions wrote back give way to them; a distributor's own
    // texts win.
    WriteText(config, "[Velka]\nProduct Info=XXX温度记录软件\nCompany Info=Nordvik Cold AS\n");
    EXPECT_EQ(LoadAppSettings(config).productInfo, expected.productInfo);
    EXPECT_EQ(LoadAppSettings(config).companyInfo, "Nordvik Cold AS");
}

TEST(AppSettings, LongTextsAreCutTo259UnitsAndWrittenBackCut) {
    TempDir dir;
    const auto config = dir / "config.ini";
    // 258 letters and a character outside the BMP, whose two UTF-16 units straddle the cut.
    const std::string longCompany = std::string(258, 'c') + "\xF0\x9F\x8C\xA1" + "tail";
    WriteText(config, "[Velka]\nProduct Info=" + std::string(300, 'p') +
                          "\nCompany Info=" + longCompany + "\n");

    const AppSettings settings = LoadAppSettings(config);
    EXPECT_EQ(settings.productInfo, std::string(259, 'p'));
    EXPECT_EQ(settings.companyInfo, std::string(258, 'c'));

    ASSERT_FALSE(SaveAppSettings(config, settings));
    EXPECT_EQ(LoadAppSettings(config), settings);
    EXPECT_NE(ReadText(config).find("Product Info=" + std::string(259, 'p') + "\n"),
              std::string::npos);
}

TEST(AppSettings, IntegersReadAsTheProfileFunctionsReadThem) {
    const std::pair<std::string, int> cases[] = {
        {"1500", 1500},
        {"  750 ms", 750},
        {"+40", 40},
        {"-5", -5},
        {"abc", 2000},
        {"", 2000},
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
    };
    TempDir dir;
    const auto config = dir / "config.ini";
    for (const auto& [value, expected] : cases) {
        WriteText(config, "[Velka]\nShow infomation timeout=" + value +
                              "\nCheck WP Enable=" + value + "\n");
        const AppSettings settings = LoadAppSettings(config);
        EXPECT_EQ(settings.noticeTimeoutMs, expected) << value;
        EXPECT_EQ(settings.checkWpEnable, expected == 2000 ? 0 : expected) << value;
    }
}

TEST(AppSettings, MissingFilesAndFoldersAreCreatedAndUnreadableOnesLeftAlone) {
    TempDir dir;
    const auto config = dir / "xdg" / "velka" / "config.ini";
    EXPECT_EQ(LoadAppSettings(config), AppSettings{});
    ASSERT_FALSE(SaveAppSettings(config, AppSettings{}));
    EXPECT_EQ(LoadAppSettings(config), AppSettings{});

    // A link in a dotfiles folder keeps pointing at the file it names.
    const auto kept = dir / "dotfiles.ini";
    WriteText(kept, "; mine\n");
    std::filesystem::create_symlink(kept, dir / "linked.ini");
    AppSettings changed;
    changed.checkWpEnable = 1;
    ASSERT_FALSE(SaveAppSettings(dir / "linked.ini", changed));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "linked.ini"));
    EXPECT_EQ(LoadAppSettings(kept), changed);

    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads files whatever their permissions";
    const auto locked = dir / "locked.ini";
    WriteText(locked, "[Velka]\nCheck WP Enable=1\n");
    ::chmod(locked.c_str(), 0);
    EXPECT_EQ(LoadAppSettings(locked), AppSettings{});
    EXPECT_TRUE(SaveAppSettings(locked, AppSettings{}));
    ::chmod(locked.c_str(), 0600);
    EXPECT_EQ(ReadText(locked), "[Velka]\nCheck WP Enable=1\n");
}

}  // namespace
}  // namespace velka
