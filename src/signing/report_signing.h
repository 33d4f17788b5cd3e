#pragma once
// Signing a PDF report with an X.509 certificate and its key from an NSS database, through
// poppler's signing interface: a visible signature on the first page that shows who signed, when
// (UTC) and what the signature means, and a signature over the whole document that any PDF
// reader verifies.

#include "services/translation.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velka {

inline constexpr UiText kSigningFailedText = VELKA_TEXT("Signing", "Signing FAILED");

// The meanings the window offers; any text may be given.
inline const std::vector<std::string> kSignatureMeanings = {"Reviewed", "Released for use",
                                                            "Rejected"};

// What config.ini names for signing in the window: "Signing Certificate" (a nickname; empty:
// the window offers no signing) and "Signing Database" (empty: ~/.pki/nssdb).
struct SigningSetup {
    std::string nickname;
    std::filesystem::path database;

    bool operator==(const SigningSetup&) const = default;
};

struct SigningRequest {
    std::filesystem::path report;         // the PDF to sign
    std::filesystem::path output;         // the signed copy
    std::string nickname;                 // the certificate's nickname in the database
    std::filesystem::path nssDatabase;    // the folder that holds cert9.db and key4.db
    std::string reason;                   // the meaning of the signature
    std::optional<std::string> password;  // of the database, when it has one
};

struct SigningOutcome {
    bool signedReport = false;
    std::string failure;    // one line, for a signing that did not happen: nothing was written
    std::string signer;     // the certificate's common name
    std::int64_t time = 0;  // the signature time, seconds since 1970 (the real clock)
    std::string sha256;     // of the signed file
};

// The user's own database, ~/.pki/nssdb.
std::filesystem::path DefaultNssDatabase(const std::filesystem::path& home);

// Whether the database asks for a password before its keys can be used (false also for a
// folder that holds no database: signing then says what is wrong).
bool NssDatabaseNeedsPassword(const std::filesystem::path& database);

// The signed copy of a report: "report.pdf" gives "report-signed.pdf" beside it.
std::filesystem::path SignedReportPath(const std::filesystem::path& report);

// Signs `request.report` into `request.output` through the staged writer (an existing output is
// replaced; whether it may be is the caller's question). The time and the certificate's validity
// go by the machine's clock, whatever the program's clock says. A missing database, an unknown
// nickname, a certificate out of its validity, a wrong password and a report that is no PDF
// each fail with one line.
SigningOutcome SignReport(const SigningRequest& request);

}  // namespace velka
