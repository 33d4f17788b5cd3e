#include "nss_certificates.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>

namespace velka::testing {
namespace {

bool Have(const char* tool) {
    return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

// certutil reads passwords and key noise from files.
std::string WriteBeside(const std::filesystem::path& folder, const char* name,
                        const std::string& content) {
    const std::filesystem::path path = folder.parent_path() / (folder.filename().string() + name);
    std::ofstream(path) << content;
    return path.string();
}

std::string PasswordOption(const std::filesystem::path& folder, const std::string& password) {
    return password.empty() ? "" : " -f " + WriteBeside(folder, ".password", password + "\n");
}

}  // namespace

bool HaveSigningTools() {
    return Have("certutil") && Have("pdfsig");
}

bool MakeNssDatabase(const std::filesystem::path& folder, const std::string& password) {
    std::filesystem::create_directories(folder);
    const std::string command =
        "certutil -N -d sql:" + folder.string() +
        (password.empty() ? " --empty-password" : PasswordOption(folder, password)) +
        " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

bool AddCertificate(const std::filesystem::path& folder, const std::string& nickname,
                    const std::string& commonName, const std::string& password, int monthsAgo) {
    const std::string noise = WriteBeside(folder, ".noise", std::string(64, 'n'));
    const std::string command = "certutil -S -d sql:" + folder.string() + " -n '" + nickname +
                                "' -s 'CN=" + commonName + ",O=Velka Tests' -x -t CT,C,C -k rsa" +
                                " -g 2048 -Z SHA256 -v 12 -w -" + std::to_string(monthsAgo) +
                                " -z " + noise + PasswordOption(folder, password) +
                                " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

std::string CommandOutput(const std::string& command) {
    std::string text;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen((command + " 2>&1").c_str(), "r"), ::pclose);
    if (!pipe)
        return text;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
        text.append(buffer, got);
    return text;
}

}  // namespace velka::testing
