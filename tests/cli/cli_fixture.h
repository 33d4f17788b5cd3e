#pragma once
// A data root and a synthetic recording in a temporary folder, for black-box runs of velka-cli.

#include "cli_runner.h"
#include "temp_dir.h"
#include "test_tables.h"

#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace velka::testing {

class CliTest : public ::testing::Test {
protected:
    static constexpr long long kNow = 1765280000;  // 2025-12-09 11:33:20 UTC

    // Global options pointing at the temporary data root, the delivered tables and a fixed clock.
    std::vector<std::string> Globals() const {
        return {"--data-root", RootFolder().string(), "--reftable", ReferenceFolder().string(),
                "--now",       std::to_string(kNow),  "--config",   (dir_ / "config.ini").string()};
    }

    // The data root, "root" in the temporary folder unless a test names it otherwise. It does
    // not exist until a command or the test makes it.
    std::filesystem::path RootFolder() const { return dir_ / rootName_; }
    void UseRootFolder(std::string name) { rootName_ = std::move(name); }

    CliResult Run(std::vector<std::string> arguments) const {
        const std::vector<std::string> globals = Globals();
        arguments.insert(arguments.end(), globals.begin(), globals.end());
        return RunCli(arguments);
    }

    std::string Synth(const std::string& name, std::vector<std::string> extra = {}) const {
        const std::string path = (dir_ / name).string();
        std::vector<std::string> arguments = {"synth", "--out", path};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        const CliResult result = Run(arguments);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return path;
    }

    nlohmann::json Decode(const std::string& image) const {
        const CliResult result = Run({"decode", image});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return nlohmann::json::parse(result.out);
    }

    std::string WriteFile(const std::string& name, const std::string& content) const {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    std::string ReadFile(const std::string& path) const {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    const TempDir& Dir() const { return dir_; }

private:
    TempDir dir_;
    std::string rootName_ = "root";
};

}  // namespace velka::testing
