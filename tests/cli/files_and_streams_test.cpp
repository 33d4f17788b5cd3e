// velka-cli with what a user may hand it besides plain files: global options before the
// command, pipes, devices, folders and links as inputs and outputs, standard output that
// cannot be written, and reference tables that cannot be used.

#include "cli_fixture.h"

#include <future>
#include <sys/stat.h>

namespace velka::testing {
namespace {

// velka-cli through the shell, so that a test can point standard output anywhere.
CliResult RunRedirected(const std::vector<std::string>& arguments, const std::string& redirect) {
    std::string command = "exec " + CliPath();
    for (const std::string& argument : arguments)
        command += " '" + argument + "'";
    return RunProgram("/bin/sh", {"-c", command + " " + redirect});
}

mode_t KindOf(const std::filesystem::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 ? (status.st_mode & S_IFMT) : 0;
}

class FilesAndStreams : public CliTest {
protected:
    std::string Image() {
        return image_.empty() ? image_ = Synth("a.bin", {"--count", "50"}) : image_;
    }

private:
    std::string image_;
};

TEST_F(FilesAndStreams, GlobalOptionsMayComeBeforeTheCommand) {
    const std::string image = Image();
    const CliResult after = Run({"decode", image});
    std::vector<std::string> before = Globals();
    before.insert(before.end(), {"decode", image});
    const CliResult result = RunCli(before);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, after.out);

    const struct {
        std::vector<std::string> arguments;
        std::string err;
    } wrongUses[] = {
        {{"--data-root", "", "scan"}, "velka-cli scan: --data-root needs a folder"},
        {{"scan", "--data-root", ""}, "velka-cli scan: --data-root needs a folder"},
        {{"--reftable", "", "decode", image}, "velka-cli decode: --reftable needs a folder"},
        {{"--bogus", "scan"}, "velka-cli: unknown option --bogus before the command"},
        {{"--now", "5"}, "velka-cli: no command"},
    };
    for (const auto& c : wrongUses) {
        const CliResult wrong = RunCli(c.arguments);
        EXPECT_EQ(wrong.exitCode, 2) << c.err;
        EXPECT_EQ(wrong.err.substr(0, wrong.err.find('\n')), c.err);
    }
    EXPECT_FALSE(std::filesystem::exists("Data"));
}

TEST_F(FilesAndStreams, OutputThatCannotReachStandardOutputFails) {
    std::filesystem::create_directory(RootFolder());  // scan lists only an existing data root
    const struct {
        std::vector<std::string> arguments;
        const char* redirect;
        const char* reason;
    } cases[] = {
        {{"decode", Image()}, ">/dev/full", "No space left on device"},
        {{"scan"}, ">/dev/full", "No space left on device"},
        {{"decode", Image()}, ">&-", "Bad file descriptor"},
        {{"--help"}, ">&-", "Bad file descriptor"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        const std::vector<std::string> globals = Globals();
        if (arguments[0] != "--help")
            arguments.insert(arguments.end(), globals.begin(), globals.end());
        const CliResult result = RunRedirected(arguments, c.redirect);
        EXPECT_EQ(result.exitCode, 1) << arguments[0] << " " << c.redirect;
        EXPECT_EQ(result.err,
                  std::string("velka-cli: cannot write to standard output: ") + c.reason + "\n");
    }
}

// A pipe or a device as an input is "cannot be read", at once: nothing waits for a writer or
// reads an endless device into memory. A newline or a terminal escape in a name or a user's text
// is shown escaped: the message stays one line, and nothing reaches the terminal raw.
TEST_F(FilesAndStreams, InputsAreReadFromRegularFilesOnlyAndNamedSafely) {
    ASSERT_EQ(::mkfifo((Dir() / "pipe.bin").c_str(), 0600), 0);
    const std::string pipe = (Dir() / "pipe.bin").string();
    const std::string folder = Dir().Path().string();
    const std::string big = WriteFile("big.json", "{" + std::string(1024 * 1024, ' ') + "}");
    const std::string out = (Dir() / "out.bin").string();
    const std::string odd = (Dir() / "a\nb\x1b[31m").string();
    const std::string shown = (Dir() / "a\\nb\\x1b[31m").string();
    const std::string oddKey = WriteFile("k.json", R"({"products": [{"k\u001b\r\u007f": 1}]})");
    const struct {
        std::vector<std::string> arguments;
        std::string err;
    } cases[] = {
        {{"decode", pipe}, "cannot read " + pipe + ": Not a regular file"},
        {{"decode", folder}, "cannot read " + folder + ": Is a directory"},
        {{"read", "--emulate", pipe}, "cannot read " + pipe + ": Not a regular file"},
        {{"apply-settings", Image(), "/dev/zero", "--out", out},
         "cannot read the settings file /dev/zero: Not a regular file"},
        {{"apply-settings", Image(), pipe, "--out", out},
         "cannot read the settings file " + pipe + ": Not a regular file"},
        {{"apply-settings", Image(), folder, "--out", out},
         "cannot read the settings file " + folder + ": Is a directory"},
        {{"apply-settings", Image(), "missing.json", "--out", out},
         "cannot read the settings file missing.json: No such file or directory"},
        {{"apply-settings", Image(), big, "--out", out},
         "cannot read the settings file " + big + ": File too large"},
        {{"write-settings", "missing.json"},
         "cannot read the settings file missing.json: No such file or directory"},
        {{"decode", odd}, "cannot read " + shown + ": No such file or directory"},
        {{"export", Image(), "--csv", odd + "/out.csv"},
         "velka-cli export: cannot write --csv " + shown + "/out.csv: No such file or directory"},
        {{"apply-settings", Image(), oddKey, "--out", out},
         "unknown product key \"k\\x1b\\r\\x7f\""},
    };
    for (const auto& c : cases) {
        const CliResult result = Run(c.arguments);
        EXPECT_EQ(result.exitCode, 1) << c.err;
        EXPECT_EQ(result.err, c.err + "\n");
        EXPECT_TRUE(result.out.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

// An output that is not a regular file is written through and stays what it is.
TEST_F(FilesAndStreams, OutputsOverPipesAndDevicesAreWrittenThrough) {
    ASSERT_EQ(::mkfifo((Dir() / "pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/null", Dir() / "null.bin");
    const std::string settings = WriteFile("s.json", "{}");

    std::future<std::size_t> received =
        std::async(std::launch::async, [&] { return ReadFile((Dir() / "pipe").string()).size(); });
    const CliResult toPipe = Run({"synth", "--out", (Dir() / "pipe").string()});
    EXPECT_EQ(toPipe.exitCode, 0) << toPipe.err;
    EXPECT_EQ(received.get(), 16384u);
    EXPECT_EQ(KindOf(Dir() / "pipe"), S_IFIFO);

    const CliResult toNull =
        Run({"apply-settings", Image(), settings, "--out", (Dir() / "null.bin").string()});
    EXPECT_EQ(toNull.exitCode, 0) << toNull.err;
    EXPECT_EQ(KindOf(Dir() / "null.bin"), S_IFLNK);
}

TEST_F(FilesAndStreams, UnusableReferenceTablesStopEveryCommandThatConverts) {
    const TempDir tables;
    for (const char* name : {"high.txt", "low.txt"})
        std::filesystem::copy_file(ReferenceFolder() / name, tables / name);
    std::ofstream(tables / "middle.txt") << "-30.0    nan\n";
    const std::string image = Image();
    const std::string dump = (Dir() / "dump.bin").string();
    const std::vector<std::string> emulate = {"--emulate", image, "--dump", dump};
    const std::vector<std::vector<std::string>> commands = {
        {"decode", image},
        {"synth", "--out", (Dir() / "s.bin").string()},
        {"apply-settings", image, WriteFile("s.json", "{}"), "--out", (Dir() / "o.bin").string()},
        {"export", image, "--csv", (Dir() / "o.csv").string()},
        {"read", "--emulate", image, "--dump", dump},
        {"erase", "--emulate", image, "--dump", dump},
        {"write-settings", WriteFile("w.json", "{}"), "--emulate", image, "--dump", dump},
    };
    for (std::vector<std::string> arguments : commands) {
        arguments.insert(arguments.end(), {"--reftable", tables.Path().string(), "--data-root",
                                           (Dir() / "root").string()});
        const CliResult result = RunCli(arguments);
        EXPECT_EQ(result.exitCode, 1) << arguments[0];
        EXPECT_EQ(result.err, "The reference tables in " + tables.Path().string() +
                                  " cannot be used: middle.txt: 1 of 1001 rows\n");
        EXPECT_TRUE(result.out.empty());
    }
    // Nothing was written anywhere, and the logger was not even read.
    for (const char* name : {"s.bin", "o.bin", "o.csv", "dump.bin", "root"})
        EXPECT_FALSE(std::filesystem::exists(Dir() / name)) << name;
}

}  // namespace
}  // namespace velka::testing
