// The window's report pages and export buttons: the default paths after each decode, the save
// popup answered by the test, the workbook's sample table head taken from the record table
// list's header, and the chart the reports carry.

#include "chart/chart_image.h"
#include "loaded_session.h"
#include "local_zone.h"
#include "nss_certificates.h"
#include "report_test_support.h"
#include "ui/kit/popup_dialog.h"
#include "ui/pages/chart_page.h"
#include "ui/pages/record_table_page.h"
#include "ui/pages/report_buttons.h"
#include "ui/pages/report_pages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace velka {
namespace {

// The session and both report pages, with a save popup that records how it was filled and
// answers as the test says.
struct ReportWindow {
    ReportWindow() : zone("UTC0") {}

    AskSavePath Popup() {
        return [this](const SaveRequest& request) {
            requests.push_back(request);
            return answer;
        };
    }
    std::filesystem::path Data(const std::string& name) const {
        return session.dataRoot.DataDirectory() / name;
    }

    testing::LocalZone zone;
    testing::LoadedSession session;
    CDlgPdf pdf{session.controller, session.notifier, session.messages, session.clock,
                session.dataRoot};
    CDlgExcel excel{session.controller, session.notifier, session.messages, session.clock,
                    session.dataRoot};
    std::vector<SaveRequest> requests;
    std::optional<std::filesystem::path> answer;
};

const std::string kWorkbookExtension = ReportExtension(ReportKind::Excel);

TEST(ReportPages, DefaultPathsFollowEveryDecodeButNotAnImport) {
    ReportWindow window;
    // Before any record: the time the pages were made, 2024-05-01 00:00:00.
    EXPECT_EQ(window.pdf.reportPath(), window.Data("2024_5_1_0_0_0.pdf"));
    EXPECT_EQ(window.excel.reportPath(), window.Data("2024_5_1_0_0_0" + kWorkbookExtension));
    EXPECT_TRUE(std::filesystem::is_directory(window.session.dataRoot.DataDirectory()));

    // Named after the recording's file: each trip its own report.
    window.session.Load(60);
    EXPECT_EQ(window.pdf.reportPath(), window.Data("stored-1.pdf"));
    EXPECT_EQ(window.excel.reportPath(), window.Data("stored-1" + kWorkbookExtension));

    // A confirmed popup's path stays through an import, until the next decode.
    const std::filesystem::path chosen = window.session.folder / "chosen.pdf";
    window.answer = chosen;
    SavePdfReport(window.pdf, window.Popup());
    ASSERT_TRUE(
        window.session.controller.ImportStoredImage(window.session.folder / "stored-1.bin"));
    EXPECT_EQ(window.pdf.reportPath(), chosen);
    window.session.Load(60);
    EXPECT_EQ(window.pdf.reportPath(), window.Data("stored-2.pdf"));
}

// The export buttons ask for the path, never write over a file Velka keeps, ask before they
// replace any other file (No by default), then export and say how it went.
TEST(ReportPages, ExportButtonsAskForThePathThenExport) {
    struct Case {
        std::string name;
        bool recordLoaded;
        ReportKind kind;
        bool confirmed;
        std::string chosenName;  // in the session's folder; empty: the report's own default
        std::string existing;    // what the chosen file held before; empty: no file
        MessageAnswer answer;
        std::vector<std::string> messages;
        std::string fileStart;  // what the chosen file starts with after; "=": as it was
    };
    const std::string workbook = "chosen" + kWorkbookExtension;
    const std::string replace = " already exists. Replace it?";
    const std::vector<Case> cases = {
        {"PDF confirmed",
         true,
         ReportKind::Pdf,
         true,
         "chosen.pdf",
         "",
         MessageAnswer::Ok,
         {"PDF save success"},
         "%PDF"},
        {"workbook confirmed",
         true,
         ReportKind::Excel,
         true,
         workbook,
         "",
         MessageAnswer::Ok,
         {"Excel Export Success"},
         "PK"},
        {"PDF cancelled",
         true,
         ReportKind::Pdf,
         false,
         "chosen.pdf",
         "",
         MessageAnswer::Ok,
         {},
         ""},
        {"workbook cancelled",
         true,
         ReportKind::Excel,
         false,
         workbook,
         "",
         MessageAnswer::Ok,
         {},
         ""},
        {"PDF without a record",
         false,
         ReportKind::Pdf,
         true,
         "chosen.pdf",
         "",
         MessageAnswer::Ok,
         {"Please Insert Device"},
         ""},
        {"workbook without a record",
         false,
         ReportKind::Excel,
         true,
         workbook,
         "",
         MessageAnswer::Ok,
         {"Please Insert Device"},
         ""},
        {"PDF over another file, No",
         true,
         ReportKind::Pdf,
         true,
         "chosen.pdf",
         "mine",
         MessageAnswer::No,
         {"@chosen.pdf" + replace},
         "mine"},
        {"workbook over another file, Yes",
         true,
         ReportKind::Excel,
         true,
         workbook,
         "mine",
         MessageAnswer::Yes,
         {"@" + workbook + replace, "Excel Export Success"},
         "PK"},
        {"PDF over a stored image",
         true,
         ReportKind::Pdf,
         true,
         "stored-1.bin",
         "",
         MessageAnswer::Yes,
         {"PDF save FAILED: @stored-1.bin is a stored logger image, which a report never "
          "replaces"},
         "="},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReportWindow window;
        if (c.recordLoaded)
            window.session.Load(60);
        const bool pdf = c.kind == ReportKind::Pdf;
        const std::filesystem::path before =
            pdf ? window.pdf.reportPath() : window.excel.reportPath();
        const std::filesystem::path chosen = window.session.folder / c.chosenName;
        if (!c.existing.empty())
            std::ofstream(chosen) << c.existing;
        const std::string contentBefore =
            std::filesystem::exists(chosen) ? testing::FileContent(chosen) : "";
        if (c.confirmed)
            window.answer = chosen;
        window.session.messages.answers = {c.answer};
        if (pdf)
            SavePdfReport(window.pdf, window.Popup());
        else
            SaveExcelReport(window.excel, window.Popup());

        const std::string extension = pdf ? "pdf" : kWorkbookExtension.substr(1);
        const SaveRequest request =
            pdf ? SaveRequest{"pdf", "PDF(*.pdf)|*.pdf||", before, "Save PDF"}
                : SaveRequest{extension,
                              "Workbooks files(*." + extension + ")|*." + extension + "||", before,
                              "Save Excel"};
        // Without a record the user is told so before being asked for a file name.
        EXPECT_EQ(window.requests,
                  c.recordLoaded ? std::vector<SaveRequest>{request} : std::vector<SaveRequest>{});
        std::vector<std::string> messages;
        for (std::string message : c.messages) {
            if (const std::size_t at = message.find('@'); at != std::string::npos)
                message.replace(at, 1, window.session.folder.Path().string() + "/");
            messages.push_back(message);
        }
        EXPECT_EQ(window.session.messages.Texts(), messages);
        EXPECT_EQ(std::filesystem::exists(chosen), !c.fileStart.empty());
        if (c.fileStart == "=") {
            EXPECT_EQ(testing::FileContent(chosen), contentBefore);
        } else if (!c.fileStart.empty()) {
            EXPECT_EQ(testing::FileContent(chosen).substr(0, c.fileStart.size()), c.fileStart);
        }
        EXPECT_FALSE(std::filesystem::exists(before));
    }
}

TEST(ReportPages, AnExportRunsBesideTheWindowUnderABusyCursorAndItsBoxFollows) {
    for (const ReportKind kind : {ReportKind::Pdf, ReportKind::Excel}) {
        ReportWindow window;
        window.session.Load(60);
        // Whatever the window's event loop does while the report is written.
        std::vector<Qt::CursorShape> cursorsSeen;
        QTimer painting;
        QObject::connect(&painting, &QTimer::timeout, [&] {
            const QCursor* cursor = QGuiApplication::overrideCursor();
            cursorsSeen.push_back(cursor != nullptr ? cursor->shape() : Qt::ArrowCursor);
        });
        painting.start(0);
        if (kind == ReportKind::Pdf)
            window.pdf.ExportPdfReport();
        else
            window.excel.ExportExcelReport();
        painting.stop();
        ASSERT_FALSE(cursorsSeen.empty());
        EXPECT_EQ(cursorsSeen.front(), Qt::WaitCursor);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(window.session.messages.Texts(),
                  std::vector<std::string>{kind == ReportKind::Pdf ? "PDF save success"
                                                                   : "Excel Export Success"});
    }
}

TEST(ReportPages, TheSavePopupShowsTheRequestAndGivesBackWhatTheUserConfirmed) {
    const SaveRequest request{"pdf", "PDF(*.pdf)|*.pdf||", "/reports/0A1B2C3D.pdf", "Save PDF"};
    struct Case {
        std::string name;
        std::function<void(CPopupDlg&)> answer;
        std::optional<std::filesystem::path> confirmed;
    };
    const std::vector<Case> cases = {
        {"a typed path confirmed with Enter",
         [](CPopupDlg& popup) {
             popup.PathField().clear();
             QTest::keyClicks(&popup.PathField(), "/elsewhere/typed.pdf");
             QTest::keyClick(&popup.PathField(), Qt::Key_Return);
         },
         "/elsewhere/typed.pdf"},
        {"closed with Escape", [](CPopupDlg& popup) { QTest::keyClick(&popup, Qt::Key_Escape); },
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList shown;
        QTimer::singleShot(0, [&] {
            auto* popup = qobject_cast<CPopupDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(popup, nullptr);
            shown << popup->windowTitle() << popup->PathField().text() << popup->SaveButton().text()
                  << popup->DefaultExtension() << popup->FileFilter();
            c.answer(*popup);
        });
        EXPECT_EQ(SavePopup(nullptr)(request), c.confirmed);
        EXPECT_EQ(shown, QStringList({"Save", "/reports/0A1B2C3D.pdf", "Save PDF", "pdf",
                                      "PDF(*.pdf)|*.pdf||"}));
    }
}

// The signing offer from the keyboard: Enter signs with the meaning shown (one of the three
// offered, or one typed), a password field only when the database asks, Escape signs nothing.
TEST(ReportPages, TheSignDialogAnswersTheKeyboard) {
    struct Case {
        std::string name;
        bool needsPassword;
        std::function<void(QDialog&)> answer;
        std::optional<std::pair<std::string, std::optional<std::string>>> signedAs;
    };
    const auto field = [](QDialog& dialog, const char* name) {
        for (QWidget* child : dialog.findChildren<QWidget*>())
            if (child->accessibleName() == QLatin1String(name))
                return child;
        return static_cast<QWidget*>(nullptr);
    };
    const std::vector<Case> cases = {
        {"the first meaning, Enter", false,
         [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); },
         std::pair{std::string("Reviewed"), std::optional<std::string>()}},
        {"the second meaning chosen, a password typed", true,
         [&](QDialog& dialog) {
             auto* meaning = qobject_cast<QComboBox*>(field(dialog, "Meaning"));
             meaning->setCurrentIndex(1);
             auto* password = qobject_cast<QLineEdit*>(field(dialog, "Password"));
             QTest::keyClicks(password, "s3cret");
             QTest::keyClick(password, Qt::Key_Return);
         },
         std::pair{std::string("Released for use"), std::optional<std::string>("s3cret")}},
        {"a meaning typed", false,
         [&](QDialog& dialog) {
             auto* meaning = qobject_cast<QComboBox*>(field(dialog, "Meaning"));
             meaning->lineEdit()->selectAll();
             QTest::keyClicks(meaning->lineEdit(), "Approved by QA");
             QTest::keyClick(meaning->lineEdit(), Qt::Key_Return);
         },
         std::pair{std::string("Approved by QA"), std::optional<std::string>()}},
        {"Escape", false, [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); },
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool passwordShown = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            passwordShown = field(*dialog, "Password") != nullptr;
            c.answer(*dialog);
        });
        const std::optional<SignAnswer> answer = SignPopup(nullptr)({"QA", c.needsPassword});
        EXPECT_EQ(passwordShown, c.needsPassword);
        ASSERT_EQ(answer.has_value(), c.signedAs.has_value());
        if (answer) {
            EXPECT_EQ(answer->meaning, c.signedAs->first);
            EXPECT_EQ(answer->password, c.signedAs->second);
        }
    }
}

TEST(ReportPages, TheWorkbookHeadIsTheRecordTableListsHeaderAtExportTime) {
    ReportWindow window;
    window.session.Load(60);
    const std::string head =
        std::to_string(54 + 2 * window.session.Current().settings.products.size());
    const std::string cells = "A" + head + " B" + head + " C" + head + " D" + head;
    const std::filesystem::path path = window.session.folder / ("head" + kWorkbookExtension);
    window.answer = path;

    const CDlgTable table(window.session.controller, window.session.notifier,
                          window.session.messages, window.session.clock);
    window.excel.SetSampleTableHeader(table.SampleListHeader());
    SaveExcelReport(window.excel, window.Popup());
    const std::optional<std::string> titles = testing::ReadCells(path, cells);
    if (!titles)
        GTEST_SKIP() << "the system's python3 has no openpyxl";
    EXPECT_EQ(*titles, "Number\nRecord time\nTemperature℃\nAlarm\n");

    // Another list with other columns.
    auto model = std::make_unique<QStandardItemModel>(0, 4);
    model->setHorizontalHeaderLabels({"Nr", "When", "°C", "Alarm"});
    auto list = std::make_unique<QTableView>();
    list->setModel(model.get());
    window.excel.SetSampleTableHeader(list->horizontalHeader());
    SaveExcelReport(window.excel, window.Popup());
    EXPECT_EQ(testing::ReadCells(path, cells), "Nr\nWhen\n°C\nAlarm\n");

    model->removeColumn(3);
    SaveExcelReport(window.excel, window.Popup());
    EXPECT_EQ(testing::ReadCells(path, cells), "Nr\nWhen\n°C\nAlarm\n");

    // A list that is gone leaves the record table's own titles.
    list.reset();
    SaveExcelReport(window.excel, window.Popup());
    EXPECT_EQ(testing::ReadCells(path, cells), "Number\nRecord time\nTemperature℃\nAlarm\n");
}

// The chart picture a PDF report carries, as pdfimages extracts it; a null image when the tool
// is missing.
QImage PdfChartPicture(const std::filesystem::path& pdf, const std::filesystem::path& folder) {
    const std::string command =
        "pdfimages -png '" + pdf.string() + "' '" + (folder / "picture").string() + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0)
        return {};
    return QImage(QString::fromStdString((folder / "picture-000.png").string()))
        .convertToFormat(QImage::Format_RGB888);
}

TEST(ReportPages, TheReportsChartIsTheCurrentViewWithoutTheHoverMarker) {
    ReportWindow window;
    window.session.Load(2016);
    CDlgGraph page(window.session.controller, window.session.notifier);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    for (QAbstractButton* button : page.findChildren<QAbstractButton*>())
        if (button->toolTip() == "Lateral Magnification")
            QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(window.session.Current().record.summary.viewFirst, 302);
    // The mouse still over the chart when the export runs (a keyboard shortcut, say).
    QTest::mouseMove(&page, QPoint(page.plotRect().left + 300, page.plotRect().top + 200));
    ASSERT_TRUE(page.Pointer().hoverOn);

    window.answer = window.session.folder / "view.pdf";
    SavePdfReport(window.pdf, window.Popup());
    const QImage picture = PdfChartPicture(*window.answer, window.session.folder.Path());
    if (picture.isNull())
        GTEST_SKIP() << "pdfimages (poppler-utils) is not installed";
    const ChartLayout layout = LayoutChart(window.session.Current());
    const ChartPixels expected = RenderChartImage(ChartScene{window.session.Current(), layout});
    ASSERT_EQ(picture.size(), QSize(kChartImageWidth, kChartImageHeight));
    int differing = 0;
    int hoverBlue = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const std::uint8_t* row = picture.constScanLine(y);
        const std::uint8_t* bgr = expected.bgr.data() + kChartImageRowBytes * y;
        for (int x = 0; x < picture.width(); ++x) {
            const std::uint8_t* rgb = row + 3 * x;
            differing +=
                rgb[0] != bgr[3 * x + 2] || rgb[1] != bgr[3 * x + 1] || rgb[2] != bgr[3 * x];
            hoverBlue += rgb[0] == 64 && rgb[1] == 64 && rgb[2] == 228;
        }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(hoverBlue, 0);
}

// A saved PDF is offered for signing when a certificate is configured: signed beside the report
// with the meaning the user chose, verifiable, and recorded; "Not now" signs nothing, and
// without a certificate nothing is offered.
TEST(ReportPages, ASavedPdfIsOfferedForSigningAndSignedBesideIt) {
    if (!testing::HaveSigningTools())
        GTEST_SKIP() << "certutil (libnss3-tools) or pdfsig (poppler-utils) is missing";
    ReportWindow window;
    const std::filesystem::path database = window.session.folder / "nssdb";
    ASSERT_TRUE(testing::MakeNssDatabase(database));
    ASSERT_TRUE(testing::AddCertificate(database, "QA", "Jane Doe"));
    window.session.Load(100);
    window.answer = window.Data("report.pdf");
    const std::filesystem::path signedReport = window.Data("report-signed.pdf");

    struct Case {
        std::string nickname;  // configured; empty: none
        std::optional<SignAnswer> answer;
        bool asked;
        bool signedCopy;
    };
    const Case cases[] = {
        {"", SignAnswer{"Reviewed", std::nullopt}, false, false},
        {"QA", std::nullopt, true, false},
        {"QA", SignAnswer{"Released for use", std::nullopt}, true, true},
    };
    for (const Case& c : cases) {
        // The archive folder's files are never replaced by a report: each case writes anew.
        std::filesystem::remove(signedReport);
        std::filesystem::remove(*window.answer);
        window.pdf.SetSigning({c.nickname, database});
        std::vector<SignQuestion> questions;
        SavePdfReport(window.pdf, window.Popup(), [&](const SignQuestion& question) {
            questions.push_back(question);
            return c.answer;
        });
        ASSERT_EQ(questions.size(), c.asked ? 1u : 0u) << c.nickname;
        if (c.asked) {
            EXPECT_EQ(questions[0].nickname, "QA");
            EXPECT_FALSE(questions[0].needsPassword);
        }
        EXPECT_EQ(std::filesystem::exists(signedReport), c.signedCopy);
    }
    const std::string check = testing::CommandOutput("pdfsig " + signedReport.string());
    EXPECT_NE(check.find("Signature is Valid."), std::string::npos) << check;
    EXPECT_NE(testing::CommandOutput("pdftotext -f 1 -l 1 " + signedReport.string() + " -")
                  .find("Meaning: Released for use"),
              std::string::npos);
    EXPECT_EQ(window.session.messages.Texts().back(),
              "The report is signed as " + signedReport.string());
    std::ifstream log(window.session.dataRoot.Root() / "audit.jsonl");
    std::string last;
    for (std::string line; std::getline(log, line);)
        last = line;
    EXPECT_NE(last.find("\"event\":\"sign\""), std::string::npos) << last;
    EXPECT_NE(last.find("\"reason\":\"Released for use\""), std::string::npos) << last;
}

}  // namespace
}  // namespace velka
