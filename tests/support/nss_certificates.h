#pragma once
// NSS databases with self-signed certificates for the signing tests, made with certutil
// (libnss3-tools), and what pdfsig and pdftotext (poppler-utils) say of a signed PDF.

#include <filesystem>
#include <string>

namespace velka::testing {

// Whether certutil and pdfsig are there; the signing tests skip without them.
bool HaveSigningTools();

// An empty database in `folder` (made), locked with `password` when one is given.
bool MakeNssDatabase(const std::filesystem::path& folder, const std::string& password = {});
// A self-signed certificate with its key, CN=`commonName`, valid for a year from now, or from
// `monthsAgo` months before now (12 or more: expired).
bool AddCertificate(const std::filesystem::path& folder, const std::string& nickname,
                    const std::string& commonName, const std::string& password = {},
                    int monthsAgo = 0);

// The output of a shell command, standard error included.
std::string CommandOutput(const std::string& command);

}  // namespace velka::testing
