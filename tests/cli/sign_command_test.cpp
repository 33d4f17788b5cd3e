// velka-cli sign as a black box: certificates made with certutil in temporary NSS databases, the
// signed report checked with pdfsig (which exits 0 whatever it finds, so its text is read), a
// byte changed after signing, and each refusal: one line, exit 1, no file.

#include "cli_fixture.h"
#include "nss_certificates.h"

namespace velka::testing {
namespace {

class Sign : public CliTest {
protected:
    void SetUp() override {
        if (!HaveSigningTools())
            GTEST_SKIP() << "certutil (libnss3-tools) or pdfsig (poppler-utils) is missing";
        WriteFile("password", "s3cret\n");
        WriteFile("wrong", "guess\n");
        // An open database with a valid and an expired certificate, a locked one with one.
        ASSERT_TRUE(MakeNssDatabase(Dir() / "open"));
        ASSERT_TRUE(AddCertificate(Dir() / "open", "QA", "Jane Doe"));
        ASSERT_TRUE(AddCertificate(Dir() / "open", "Old", "Old Key", {}, 24));
        ASSERT_TRUE(MakeNssDatabase(Dir() / "locked", "s3cret"));
        ASSERT_TRUE(AddCertificate(Dir() / "locked", "Release", "Pat Quality", "s3cret"));
        const std::string image = Synth("shipment.bin");
        ASSERT_EQ(Run({"export", image, "--pdf", Path("report.pdf")}).exitCode, 0);
        std::filesystem::create_directories(RootFolder());
    }

    std::string Path(const std::string& name) const { return (Dir() / name).string(); }

    CliResult SignWith(const std::string& database, const std::string& nickname,
                       std::vector<std::string> extra = {}) const {
        std::vector<std::string> arguments = {
            "sign",   Path("report.pdf"), "--out",  Path("signed.pdf"), "--cert",
            nickname, "--nssdb",          database, "--reason",         "Released for use"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return Run(arguments);
    }
};

TEST_F(Sign, ASignedReportVerifiesShowsWhoWhenAndWhyAndBreaksWhenChanged) {
    const CliResult result = SignWith(Path("open"), "QA");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const nlohmann::json printed = nlohmann::json::parse(result.out);
    EXPECT_EQ(printed["signer"], "Jane Doe");
    const std::string check = CommandOutput("pdfsig " + Path("signed.pdf"));
    EXPECT_NE(check.find("Signature is Valid."), std::string::npos) << check;
    EXPECT_NE(check.find("Total document signed"), std::string::npos) << check;
    // The visible signature: who, when (UTC) and the meaning, on the first page.
    const std::string page = CommandOutput("pdftotext -f 1 -l 1 " + Path("signed.pdf") + " -");
    EXPECT_NE(page.find("Signed by Jane Doe"), std::string::npos) << page;
    EXPECT_NE(page.find("Meaning: Released for use"), std::string::npos) << page;
    EXPECT_NE(page.find(" UTC"), std::string::npos) << page;
    // Recorded, with the signed file's digest.
    const std::string log = ReadFile((RootFolder() / "audit.jsonl").string());
    const nlohmann::json line = nlohmann::json::parse(log.substr(0, log.find('\n')));
    EXPECT_EQ(line["event"], "sign");
    EXPECT_EQ(line["sha256"], printed["sha256"]);

    // One byte inside the signed range changed.
    std::string bytes = ReadFile(Path("signed.pdf"));
    bytes[2000] = static_cast<char>(bytes[2000] ^ 0x20);
    WriteFile("tampered.pdf", bytes);
    EXPECT_NE(CommandOutput("pdfsig " + Path("tampered.pdf")).find("Digest Mismatch."),
              std::string::npos);
}

TEST_F(Sign, EachRefusalIsOneLineAndWritesNothing) {
    const std::string open = Path("open");
    const std::string locked = Path("locked");
    struct Case {
        std::string database;
        std::string nickname;
        std::vector<std::string> extra;
        std::string err;  // its beginning
    };
    const Case cases[] = {
        {Path("missing"), "QA", {}, "velka-cli sign: no NSS certificate database in "},
        {open,
         "Nobody",
         {},
         "velka-cli sign: no signing certificate \"Nobody\" in " + open + " (it holds "},
        {open, "Old", {}, "velka-cli sign: the certificate \"Old\" expired on "},
        {locked, "Release", {}, "velka-cli sign: the NSS database " + locked + " needs a password"},
        {locked,
         "Release",
         {"--password-file", Path("wrong")},
         "velka-cli sign: the password of the NSS database " + locked + " is wrong"},
    };
    for (const Case& c : cases) {
        const CliResult result = SignWith(c.database, c.nickname, c.extra);
        EXPECT_EQ(result.exitCode, 1) << c.err;
        EXPECT_EQ(result.err.rfind(c.err, 0), 0u) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_FALSE(std::filesystem::exists(Path("signed.pdf"))) << c.err;
    }
    // With its password the locked database signs; a second signing needs --force.
    ASSERT_EQ(SignWith(locked, "Release", {"--password-file", Path("password")}).exitCode, 0);
    EXPECT_EQ(SignWith(open, "QA").exitCode, 1);
    EXPECT_EQ(SignWith(open, "QA", {"--force"}).exitCode, 0);
}

}  // namespace
}  // namespace velka::testing
