// The window in another language: with a catalogue that leaves every text of the code marked
// "⟦", every title the window shows carries the mark (a text without it is one no translator can
// reach); and in each shipped language every title fits the place the fixed layout gives it.

#include "device/device_link.h"
#include "reports/report_file.h"
#include "storage/reference_files.h"
#include "translation/language_catalogues.h"
#include "ui/pages/system_page.h"
#include "window_fixture.h"
#include "window_texts.h"

#include <QTableView>
#include <gtest/gtest.h>

namespace velka {
namespace {

using Page = CVelkaDlg::Page;
using testing::WindowUnderTest;

TEST(Language, EveryTitleAndMessageOfTheWindowComesFromTheCatalogue) {
    const LanguageCatalogues pseudo("de", VELKA_PSEUDO_CATALOGUE_DIR);
    ASSERT_EQ(pseudo.Language(), "de");
    WindowUnderTest test;
    test.Start();
    std::string unmarked;
    for (const testing::ShownText& title : testing::WindowTexts(*test.window)) {
        if (title.title && !title.text.contains(QStringLiteral("⟦")))
            unmarked += title.widget->metaObject()->className() + std::string(" \"") +
                        title.text.toStdString() + "\"; ";
    }
    EXPECT_EQ(unmarked, "");
    // The boxes of an erase: the question, then what became of the record.
    QTest::mouseClick(test.window->Button(CVelkaDlg::kSystemButton), Qt::LeftButton);
    auto* system = static_cast<CDlgSysInfo*>(test.window->PageWidget(Page::System));
    QTest::mouseClick(system->EraseButton(), Qt::LeftButton);
    ASSERT_EQ(test.messages.shown.size(), 2u);
    for (const std::string& message : test.messages.shown)
        EXPECT_NE(message.find("⟦"), std::string::npos) << message;
}

TEST(Language, InEachShippedLanguageEveryTitleFitsItsPlace) {
    for (const std::string_view language : kShippedLanguages) {
        const LanguageCatalogues catalogues(language, DefaultCatalogueFolder());
        ASSERT_EQ(catalogues.Language(), language);
        WindowUnderTest test;
        test.Start();
        std::string clipped;
        for (const testing::ShownText& title : testing::WindowTexts(*test.window)) {
            if (!title.title || title.room < 0)
                continue;
            const int needed = QFontMetrics(title.font).horizontalAdvance(title.text);
            if (needed > title.room)
                clipped += title.text.toStdString() + " (" + std::to_string(needed) + " > " +
                           std::to_string(title.room) + "); ";
        }
        EXPECT_EQ(clipped, "") << language;
    }
}

// The reasons inside a failure's message are in the user's language too, each a whole sentence
// around its values (paths and the system's own error texts as they come).
TEST(Language, TheReasonsInsideMessagesAreInTheUsersLanguage) {
    const LanguageCatalogues german("de", DefaultCatalogueFolder());
    const struct {
        std::string shown;
        std::string start;
    } cases[] = {
        {DescribeTransferFailure({TransferStep::WriteBack, kResultTimeout, 24, 24}),
         "Zurückschreiben der Einstellungen fehlgeschlagen bei Block 24 von 24: der Logger hat "
         "nicht rechtzeitig geantwortet"},
        {DescribeTransferFailure({TransferStep::FinalCommand, kResultDeviceRemoved}),
         "abschließender Befehl nicht bestätigt: der Logger wurde während der Übertragung "
         "abgezogen"},
        {LoadReferenceTables("/nonexistent-velka").ProblemText(),
         "Die Referenztabellen in /nonexistent-velka sind nicht verwendbar: high.txt: "},
        {CannotWriteText("/0/1.pdf", std::make_error_code(std::errc::permission_denied)),
         "Schreiben nicht möglich: /0/1.pdf: "},
    };
    for (const auto& [shown, start] : cases)
        EXPECT_EQ(shown.substr(0, start.size()), start);
}

// The forms each language's catalogue gives the window, from Qt's locale data; English keeps
// the fixed ones the files use.
TEST(Language, EachLanguageGivesTheWindowItsFormsOfNumbersAndDates) {
    const struct {
        std::string_view language;
        ShownForms forms;
    } cases[] = {
        {"en", kFixedForms},
        {"de", {",", "%d.%m.%Y"}},
        {"zh_CN", {".", "%Y/%m/%d"}},
    };
    for (const auto& [language, forms] : cases) {
        const LanguageCatalogues catalogues(language, DefaultCatalogueFolder());
        EXPECT_EQ(catalogues.Forms(), forms) << language;
    }
}

// Every value the window shows once a recording is in (its summary, the record table, the
// history, the pickers, the bounds, the limits) in the language's forms, and none in the fixed
// ones.
TEST(Language, TheWindowWritesNumbersAndDatesInTheFormsOfItsLanguage) {
    const QRegularExpression fixedDate(QStringLiteral("\\d{4}-\\d\\d-\\d\\d"));
    const QRegularExpression pointDecimal(QStringLiteral("(^|[^\\w.])-?\\d+\\.\\d+([^\\w.]|$)"));
    const struct {
        std::string_view language;
        QRegularExpression date;
        QRegularExpression decimal;
    } cases[] = {
        {"de", QRegularExpression(QStringLiteral("\\d\\d\\.\\d\\d\\.\\d{4}")),
         QRegularExpression(QStringLiteral("\\d,\\d"))},
        {"zh_CN", QRegularExpression(QStringLiteral("\\d{4}/\\d\\d/\\d\\d")), pointDecimal},
    };
    for (const auto& [language, date, decimal] : cases) {
        const LanguageCatalogues catalogues(language, DefaultCatalogueFolder());
        WindowUnderTest test(testing::ImageWithSerial(0x0A1B2C3D), nullptr,
                             testing::DeliveredTables(), {}, catalogues.Forms());
        test.Start();
        const auto* history =
            test.window->PageWidget(Page::History)->findChild<QTableView*>("historyList");
        ASSERT_TRUE(QTest::qWaitFor([&] { return history->model()->rowCount() == 1; }, 5000));
        int dates = 0;
        int decimals = 0;
        std::string fixed;
        // What users typed (a product's specification) and file paths stay as they are.
        const QAbstractItemModel& products = *test.window->PageWidget(Page::Parameters)
                                                  ->findChild<QTableView*>("productList")
                                                  ->model();
        const QString typed = products.index(0, 2).data().toString();
        for (const testing::ShownText& value : testing::WindowTexts(*test.window)) {
            if (value.title || value.text == typed || value.text.startsWith(u'/'))
                continue;
            dates += value.text.contains(date) ? 1 : 0;
            decimals += value.text.contains(decimal) ? 1 : 0;
            if (value.text.contains(fixedDate) ||
                (decimal != pointDecimal && value.text.contains(pointDecimal)))
                fixed += value.text.toStdString() + "; ";
        }
        EXPECT_EQ(fixed, "") << language;
        // The 35 rows of the record table each give a date and a temperature.
        EXPECT_GT(dates, 35) << language;
        EXPECT_GT(decimals, 35) << language;
    }
}

}  // namespace
}  // namespace velka
