#include "cli_runner.h"

#include "child_process.h"

#include <QByteArray>

namespace velka::testing {

std::string CliPath() {
    return VELKA_TEST_CLI_PATH;
}

CliResult RunCli(const std::vector<std::string>& arguments) {
    return RunProgram(CliPath(), arguments);
}

CliResult RunProgram(const std::string& program, const std::vector<std::string>& arguments) {
    ChildProcess cli(program, arguments);
    CliResult result;
    result.exitCode = *cli.Wait();
    result.out = cli.Out();
    result.err = cli.Err();
    return result;
}

std::string FromBase64(const std::string& text) {
    return QByteArray::fromBase64(QByteArray::fromStdString(text)).toStdString();
}

}  // namespace velka::testing
