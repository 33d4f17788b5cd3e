#include "signing/report_signing.h"

#include "reports/report_file.h"
#include "services/translation.h"
#include "storage/file_io.h"
#include "storage/sha256.h"

#include <QDateTime>
#include <QRectF>
#include <cstring>
#include <ctime>
#include <memory>
#include <poppler-form.h>
#include <poppler-qt6.h>

namespace velka {
namespace {

// Where the signature shows on the first page, as fractions of the page from its top left: the
// gap right of the "Data Chart" heading, above the chart and below the longest product table.
const QRectF kSignatureBox(0.39, 0.487, 0.56, 0.046);

QString Text(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

bool HoldsDatabase(const std::filesystem::path& folder) {
    std::error_code error;
    return std::filesystem::is_regular_file(folder / "cert9.db", error) ||
           std::filesystem::is_regular_file(folder / "cert8.db", error);
}

// Hands NSS the password once: asked again, the first was wrong, and NSS is told to stop.
struct PasswordAnswers {
    std::optional<std::string> password;
    int asked = 0;
};

// NSS opens one database a process, on the first signature call after its folder is named:
// the folder is named once, and another one later cannot be used in the same run.
std::optional<std::string> UseNssDatabase(const std::filesystem::path& database) {
    static std::optional<std::filesystem::path> opened;
    if (!opened) {
        Poppler::setNSSDir(Text(database.string()));
        opened = database;
    }
    if (*opened != database)
        return WithArguments(Tr("Signing", "this run already uses the NSS database %1; start the "
                                           "program again to sign with %2"),
                             {MessagePath(*opened), MessagePath(database)});
    return std::nullopt;
}

std::string UtcText(std::int64_t seconds) {
    const auto value = static_cast<std::time_t>(seconds);
    std::tm utc{};
    ::gmtime_r(&value, &utc);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &utc);
    return text;
}

}  // namespace

std::filesystem::path DefaultNssDatabase(const std::filesystem::path& home) {
    return home / ".pki" / "nssdb";
}

bool NssDatabaseNeedsPassword(const std::filesystem::path& database) {
    if (!HoldsDatabase(database) || !Poppler::hasNSSSupport())
        return false;
    static int asked = 0;
    asked = 0;
    // The folder first: poppler wants it before any other signature call.
    if (UseNssDatabase(database))
        return false;  // signing then says why
    Poppler::setNSSPasswordCallback([](const char*) -> char* {
        ++asked;
        return nullptr;
    });
    Poppler::getAvailableSigningCertificates();
    return asked > 0;
}

std::filesystem::path SignedReportPath(const std::filesystem::path& report) {
    std::filesystem::path signedPath = report;
    return signedPath.replace_filename(report.stem().string() + "-signed" +
                                       report.extension().string());
}

SigningOutcome SignReport(const SigningRequest& request) {
    SigningOutcome outcome;
    const auto fail = [&outcome](std::string failure) {
        outcome.failure = std::move(failure);
        return outcome;
    };
    if (!HoldsDatabase(request.nssDatabase))
        return fail(WithArguments(Tr("Signing", "no NSS certificate database in %1"),
                                  {MessagePath(request.nssDatabase)}));
    if (!Poppler::hasNSSSupport())
        return fail(Tr("Signing", "this build of poppler cannot sign (no NSS support)"));

    // NSS asks through this callback; its answer is freed by NSS.
    static PasswordAnswers answers;
    answers = {request.password, 0};
    if (const std::optional<std::string> refusal = UseNssDatabase(request.nssDatabase))
        return fail(*refusal);
    Poppler::setNSSPasswordCallback([](const char*) -> char* {
        ++answers.asked;
        if (answers.asked > 1 || !answers.password)
            return nullptr;
        return ::strdup(answers.password->c_str());
    });

    const QVector<Poppler::CertificateInfo> certificates =
        Poppler::getAvailableSigningCertificates();
    if (answers.asked > 1 || (answers.asked == 1 && !request.password))
        return fail(WithArguments(
            request.password ? Tr("Signing", "the password of the NSS database %1 is wrong")
                             : Tr("Signing", "the NSS database %1 needs a password"),
            {MessagePath(request.nssDatabase)}));
    const Poppler::CertificateInfo* chosen = nullptr;
    std::string known;
    for (const Poppler::CertificateInfo& certificate : certificates) {
        if (Utf8(certificate.nickName()) == request.nickname)
            chosen = &certificate;
        known += (known.empty() ? "" : ", ") + Utf8(certificate.nickName());
    }
    if (chosen == nullptr)
        return fail(WithArguments(known.empty()
                                      ? Tr("Signing", "no signing certificate \"%1\" in %2 (it "
                                                      "holds none)")
                                      : Tr("Signing", "no signing certificate \"%1\" in %2 (it "
                                                      "holds %3)"),
                                  {request.nickname, MessagePath(request.nssDatabase), known}));

    // The real clock: a signature's time is never the one a test or --now sets.
    const std::int64_t now = static_cast<std::int64_t>(std::time(nullptr));
    const QDateTime current = QDateTime::fromSecsSinceEpoch(now, Qt::UTC);
    if (current < chosen->validityStart())
        return fail(WithArguments(
            Tr("Signing", "the certificate \"%1\" is not valid before %2"),
            {request.nickname, Utf8(chosen->validityStart().toUTC().toString(Qt::ISODate))}));
    if (current > chosen->validityEnd())
        return fail(WithArguments(
            Tr("Signing", "the certificate \"%1\" expired on %2"),
            {request.nickname, Utf8(chosen->validityEnd().toUTC().toString(Qt::ISODate))}));

    const std::unique_ptr<Poppler::Document> document =
        Poppler::Document::load(Text(request.report.string()));
    if (!document || document->isLocked())
        return fail(WithArguments(Tr("Signing", "%1 is not a PDF that can be signed"),
                                  {MessagePath(request.report)}));
    const std::string signer = Utf8(chosen->subjectInfo(Poppler::CertificateInfo::CommonName));

    const ExportResult written =
        WriteReportFile(request.output, [&](const std::filesystem::path& temporary) {
            const std::unique_ptr<Poppler::PDFConverter> converter(document->pdfConverter());
            converter->setOutputFileName(Text(temporary.string()));
            Poppler::PDFConverter::NewSignatureData data;
            data.setCertNickname(Text(request.nickname));
            if (request.password)
                data.setPassword(Text(*request.password));
            data.setPage(0);
            data.setBoundingRectangle(kSignatureBox);
            data.setSignatureText(
                Text("Signed by " + signer + "\n" + UtcText(now) + "\nMeaning: " + request.reason));
            data.setReason(Text(request.reason));
            data.setFontSize(8);
            data.setFontColor(Qt::black);
            data.setBorderColor(Qt::darkGray);
            data.setBorderWidth(0.75);
            data.setBackgroundColor(QColor(248, 248, 248));
            if (!converter->sign(data))
                throw ReportFailure(WithArguments(
                    Tr("Signing", "signing failed: the key of \"%1\" could not be used"),
                    {request.nickname}));
        });
    if (written.status != ExportStatus::Saved)
        return fail(written.failure);
    outcome.signedReport = true;
    outcome.signer = signer;
    outcome.time = now;
    outcome.sha256 = Sha256HexOfFile(request.output).value_or(std::string());
    return outcome;
}

}  // namespace velka
