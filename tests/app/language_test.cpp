// The window in another language: with a catalogue that leaves every text of the code marked
// "⟦", every title the window shows carries the mark (a text without it is one no translator can
// reach); and in each shipped language every title fits the place the fixed layout gives it.

#include "translation/language_catalogues.h"
#include "ui/pages/system_page.h"
#include "window_fixture.h"
#include "window_texts.h"

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

}  // namespace
}  // namespace velka
