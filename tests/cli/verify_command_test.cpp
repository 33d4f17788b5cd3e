// The archive's manifest and the audit log through velka-cli: every archive write keeps
// SHA256SUMS true (sha256sum itself agrees), an archive from before it is adopted once, and
// verify names each kind of tampering at its file or audit line.

#include "cli_fixture.h"

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

namespace velka::testing {
namespace {

class Verify : public CliTest {
protected:
    Verify() {
        ::setenv("TZ", "UTC0", 1);
        ::tzset();
    }

    std::filesystem::path Data() const { return RootFolder() / "Data"; }

    // Reads three loggers into the archive; their file names in archive order.
    std::vector<std::string> ArchiveThree() {
        std::vector<std::string> names;
        for (const char* serial : {"A1", "A2", "A3"}) {
            const std::string image = Synth(std::string(serial) + ".bin", {"--serial", serial});
            const CliResult read = Run({"read", "--emulate", image});
            EXPECT_EQ(read.exitCode, 0) << read.err;
            names.push_back(std::filesystem::path(
                                nlohmann::json::parse(read.out)["archivePath"].get<std::string>())
                                .filename()
                                .string());
        }
        return names;
    }

    std::vector<std::string> AuditLines() const {
        std::vector<std::string> lines;
        std::istringstream text(ReadFile((RootFolder() / "audit.jsonl").string()));
        for (std::string line; std::getline(text, line);)
            lines.push_back(line);
        return lines;
    }
    void WriteAuditLines(const std::vector<std::string>& lines) const {
        std::string text;
        for (const std::string& line : lines)
            text += line + "\n";
        std::ofstream((RootFolder() / "audit.jsonl").string(), std::ios::binary) << text;
    }

    // sha256sum's own check of the manifest, in the archive folder.
    int Sha256sumCheck() const {
        const std::string command =
            "cd '" + Data().string() + "' && sha256sum --quiet -c SHA256SUMS >/dev/null 2>&1";
        return std::system(command.c_str());
    }
};

TEST_F(Verify, EveryArchiveWriteKeepsTheManifestTrueAndEachTamperingIsNamedWhereItIs) {
    const std::vector<std::string> names = ArchiveThree();
    EXPECT_EQ(Sha256sumCheck(), 0);
    for (const std::string& name : names) {
        struct stat status {};
        ASSERT_EQ(::stat((Data() / name).c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 0222, 0u) << name << " is archived read-only";
    }
    const CliResult clean = Run({"verify"});
    EXPECT_EQ(clean.exitCode, 0) << clean.out << clean.err;
    EXPECT_EQ(clean.out,
              "verified: 3 recordings match SHA256SUMS; the audit log's 3 lines are unbroken\n");
    // verify recorded its own run: 3 downloads and a verify.
    ASSERT_EQ(AuditLines().size(), 4u);
    const std::filesystem::path pristine = Dir() / "pristine";
    std::filesystem::copy(RootFolder(), pristine, std::filesystem::copy_options::recursive);

    const auto data = [&](const std::string& name) { return "Data/" + name; };
    struct Case {
        const char* what;
        std::function<void()> tamper;
        std::string out;
    };
    const Case cases[] = {
        {"one byte of a recording",
         [&] {
             const std::filesystem::path file = Data() / names[1];
             std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                          std::filesystem::perm_options::add);
             std::fstream stream(file, std::ios::in | std::ios::out | std::ios::binary);
             stream.seekp(5000);
             stream.put('\x5A');
         },
         data(names[1]) + ": changed after it was archived\n"},
        {"a recording removed", [&] { std::filesystem::remove(Data() / names[2]); },
         data(names[2]) + ": listed in SHA256SUMS but missing\n"},
        {"a recording added",
         [&] { std::filesystem::copy_file(Data() / names[0], Data() / "extra.bin"); },
         "Data/extra.bin: not listed in SHA256SUMS\n"},
        {"an audit line changed",
         [&] {
             std::vector<std::string> lines = AuditLines();
             lines[1].replace(lines[1].find("000000A2"), 8, "000000B2");
             WriteAuditLines(lines);
         },
         "audit.jsonl line 2: was changed, or lines after it were removed (line 3 does not "
         "follow it)\n"},
        {"an audit line removed",
         [&] {
             std::vector<std::string> lines = AuditLines();
             lines.erase(lines.begin() + 1);
             WriteAuditLines(lines);
         },
         "audit.jsonl line 1: was changed, or lines after it were removed (line 2 does not "
         "follow it)\n"},
        {"two audit lines swapped",
         [&] {
             std::vector<std::string> lines = AuditLines();
             std::swap(lines[1], lines[2]);
             WriteAuditLines(lines);
         },
         "audit.jsonl line 2: was moved: it belongs after line 3\n"
         "audit.jsonl line 3: was moved: it belongs after line 1\n"
         "audit.jsonl line 4: was moved: it belongs after line 2\n"},
        {"the manifest garbled",
         [&] { std::ofstream(Data() / "SHA256SUMS", std::ios::app) << "not a digest  x.bin\n"; },
         "Data/SHA256SUMS: line 4 is not a sha256sum line\n"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(RootFolder());
        std::filesystem::copy(pristine, RootFolder(), std::filesystem::copy_options::recursive);
        c.tamper();
        const CliResult result = Run({"verify"});
        EXPECT_EQ(result.exitCode, 1) << c.what;
        EXPECT_EQ(result.out, c.out) << c.what;
    }
}

TEST_F(Verify, ACrashCutLineIsNamedAndTheNextAppendStartsANewLine) {
    ArchiveThree();
    std::vector<std::string> lines = AuditLines();
    // The third line lost its end, as when the machine went down while it was written.
    std::ofstream((RootFolder() / "audit.jsonl").string(), std::ios::binary)
        << lines[0] << '\n'
        << lines[1] << '\n'
        << lines[2].substr(0, 40);
    CliResult result = Run({"verify"});
    EXPECT_EQ(result.exitCode, 0) << result.out;
    EXPECT_EQ(result.out, "verified: 3 recordings match SHA256SUMS; the audit log's 3 lines are "
                          "unbroken (line 3 cut short by a crash while written)\n");
    // verify's own line went on a line of its own after the cut one, and the chain holds.
    lines = AuditLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(nlohmann::json::parse(lines[3])["event"], "verify");
    result = Run({"verify"});
    EXPECT_EQ(result.exitCode, 0) << result.out;
}

TEST_F(Verify, AnArchiveFromBeforeTheManifestIsAdoptedOnceAndSaidSo) {
    const std::vector<std::string> names = ArchiveThree();
    // As an earlier version left it: recordings, no manifest, no log.
    std::filesystem::remove(Data() / "SHA256SUMS");
    std::filesystem::remove(RootFolder() / "audit.jsonl");
    EXPECT_EQ(Run({"verify"}).out, "Data/SHA256SUMS: missing: no recording is vouched for\n");

    const std::string fourth = Synth("A4.bin", {"--serial", "A4"});
    ASSERT_EQ(Run({"read", "--emulate", fourth}).exitCode, 0);
    EXPECT_EQ(Sha256sumCheck(), 0);
    std::vector<std::string> events;
    for (const std::string& line : AuditLines()) {
        const nlohmann::json record = nlohmann::json::parse(line);
        events.push_back(record["event"].get<std::string>() + " " +
                         record.value("file", std::string()));
    }
    // The verify above, the three adopted, the one downloaded.
    EXPECT_EQ(events.size(), 5u);
    EXPECT_EQ(
        std::vector<std::string>(events.begin() + 1, events.begin() + 4),
        (std::vector<std::string>{"adopt " + names[0], "adopt " + names[1], "adopt " + names[2]}));
    EXPECT_EQ(events.back().rfind("download ", 0), 0u);
    EXPECT_EQ(Run({"verify"}).exitCode, 0);
}

}  // namespace
}  // namespace velka::testing
