#pragma once
// Every text the window shows, for tests that read them all: the titles (labels, buttons, group
// boxes, list heads, chooser entries, tooltips, the names screen readers hear) with the width
// the layout gives each, and the values (fields, text boxes, list cells).

#include "ui/kit/skin_button.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTableView>
#include <vector>

namespace velka::testing {

struct ShownText {
    const QWidget* widget;
    QString text;
    bool title;  // a title rather than a value
    int room;    // the width the layout gives a title; -1 where it may take more
    QFont font;  // the type it is written in
};

inline std::vector<ShownText> WindowTexts(const QWidget& window) {
    std::vector<ShownText> texts;
    const auto add = [&texts](const QWidget* widget, const QString& text, bool title, int room,
                              const QFont& font) {
        // Titles without a letter ("/", "℃") are signs; values count from a digit on ("5.1").
        if (text.contains(QRegularExpression(title ? QStringLiteral("\\p{L}")
                                                   : QStringLiteral("[\\p{L}\\p{N}]"))))
            texts.push_back({widget, text, title, room, font});
    };
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const QFont& font = widget->font();
        add(widget, widget->toolTip(), true, -1, font);
        add(widget, widget->accessibleName(), true, -1, font);
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            add(widget, label->text(), !label->wordWrap(),
                label->wordWrap() ? -1 : label->contentsRect().width(), font);
        if (const auto* skin = qobject_cast<const CxSkinButton*>(widget); skin && skin->Caption())
            add(widget, skin->text(), true, skin->Caption()->place.width(), skin->Caption()->font);
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            add(widget, button->text(), true, button->width(), font);
        if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            add(widget, group->title(), true, group->width(), font);
        if (const auto* field = qobject_cast<const QLineEdit*>(widget))
            add(widget, field->text(), false, -1, font);
        if (const auto* box = qobject_cast<const QPlainTextEdit*>(widget))
            add(widget, box->toPlainText(), false, -1, font);
        if (const auto* chooser = qobject_cast<const QComboBox*>(widget)) {
            for (int i = 0; i < chooser->count(); ++i)
                add(widget, chooser->itemText(i), true, -1, font);
        }
        if (const auto* view = qobject_cast<const QAbstractItemView*>(widget);
            view != nullptr && view->model() != nullptr) {
            const QAbstractItemModel& model = *view->model();
            const auto* table = qobject_cast<const QTableView*>(view);
            for (int column = 0; column < model.columnCount(); ++column) {
                add(widget, model.headerData(column, Qt::Horizontal).toString(), true,
                    table != nullptr ? table->horizontalHeader()->sectionSize(column) : -1, font);
                for (int row = 0; row < model.rowCount(); ++row)
                    add(widget, model.index(row, column).data().toString(), false, -1, font);
            }
        }
    }
    return texts;
}

}  // namespace velka::testing
