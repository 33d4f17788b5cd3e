#pragma once
// Runs velka-cli as a black box: arguments in, exit code and both output streams out; and the
// exact bytes of a name that its JSON carries in base64.

#include <string>
#include <vector>

namespace velka::testing {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// The velka-cli built with the tests.
std::string CliPath();

CliResult RunCli(const std::vector<std::string>& arguments);
// Any program, e.g. a shell that points velka-cli's output somewhere.
CliResult RunProgram(const std::string& program, const std::vector<std::string>& arguments);

// The bytes of a "…Base64" field.
std::string FromBase64(const std::string& text);

}  // namespace velka::testing
