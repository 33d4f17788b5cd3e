// The window in another language: with a catalogue that leaves every text of the code marked
// "⟦", every title the window shows carries the mark (a text without it is one no translator can
// reach); and in each shipped language every title fits the place the fixed layout gives it.

#include "translation/language_catalogues.h"
#include "ui/kit/skin_button.h"
#include "ui/pages/system_page.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QStyle>
#include <gtest/gtest.h>

namespace velka {
namespace {

using Page = CVelkaDlg::Page;
using testing::WindowUnderTest;

struct Title {
    const QWidget* widget;
    QString text;
    int room;  // the width the layout gives the text
};

// The titles of the window: labels, buttons, group boxes, list heads, chooser entries, tooltips
// and the names screen readers hear. Texts without a letter ("/", "℃") are signs, not titles.
std::vector<Title> WindowTitles(const QWidget& window) {
    std::vector<Title> titles;
    const auto add = [&titles](const QWidget* widget, const QString& text, int room) {
        if (text.contains(QRegularExpression(QStringLiteral("\\p{L}"))))
            titles.push_back({widget, text, room});
    };
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        add(widget, widget->toolTip(), -1);
        add(widget, widget->accessibleName(), -1);
        if (const auto* label = qobject_cast<const QLabel*>(widget); label && !label->wordWrap())
            add(widget, label->text(), label->contentsRect().width());
        if (const auto* skin = qobject_cast<const CxSkinButton*>(widget); skin && skin->Caption())
            add(widget, skin->text(), skin->Caption()->place.width());
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            add(widget, button->text(), button->width());
        if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            add(widget, group->title(), group->width());
        if (const auto* chooser = qobject_cast<const QComboBox*>(widget)) {
            for (int i = 0; i < chooser->count(); ++i)
                add(widget, chooser->itemText(i), -1);
        }
        if (const auto* header = qobject_cast<const QHeaderView*>(widget);
            header != nullptr && header->orientation() == Qt::Horizontal && header->model()) {
            for (int section = 0; section < header->count(); ++section)
                add(widget, header->model()->headerData(section, Qt::Horizontal).toString(),
                    header->sectionSize(section));
        }
    }
    return titles;
}

TEST(Language, EveryTitleAndMessageOfTheWindowComesFromTheCatalogue) {
    const LanguageCatalogues pseudo("de", VELKA_PSEUDO_CATALOGUE_DIR);
    ASSERT_EQ(pseudo.Language(), "de");
    WindowUnderTest test;
    test.Start();
    std::string unmarked;
    for (const Title& title : WindowTitles(*test.window)) {
        if (!title.text.contains(QStringLiteral("⟦")))
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
        for (const Title& title : WindowTitles(*test.window)) {
            if (title.room < 0)
                continue;
            const auto* skin = qobject_cast<const CxSkinButton*>(title.widget);
            const QFontMetrics metrics(skin && skin->Caption() ? skin->Caption()->font
                                                               : title.widget->font());
            const int needed = metrics.horizontalAdvance(title.text);
            if (needed > title.room)
                clipped += title.text.toStdString() + " (" + std::to_string(needed) + " > " +
                           std::to_string(title.room) + "); ";
        }
        EXPECT_EQ(clipped, "") << language;
    }
}

}  // namespace
}  // namespace velka
