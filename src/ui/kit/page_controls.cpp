#include "ui/kit/page_controls.h"

#include "translation/language_forms.h"
#include "ui/kit/ui_text.h"

#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cmath>
#include <limits>

namespace velka {
namespace {

// The largest time the image's unsigned 32-bit fields hold: 2106-02-07 06:28:15 UTC.
constexpr std::int64_t kLastStorableTime = std::numeric_limits<std::uint32_t>::max();

// What a push button's frame and padding take from its width.
constexpr int kButtonMarginsPixels = 4;

// White text on the transparent ground of the page's picture; greyed when disabled.
void WriteInWhite(QWidget& control) {
    QPalette colors = control.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        colors.setColor(group, QPalette::WindowText, Qt::white);
    colors.setColor(QPalette::Disabled, QPalette::WindowText, QColor(190, 190, 190));
    control.setPalette(colors);
}

QString ShortDateFormat(bool fourDigitYear, const ShownForms& forms) {
    if (forms != kFixedForms)
        return fourDigitYear
                   ? QtDateFormat(forms)
                   : QtDateFormat(forms).replace(QLatin1String("yyyy"), QLatin1String("yy"));
    QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (fourDigitYear && !format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

}  // namespace

void FitFontToText(QWidget& control, const QString& sample, int widthPixels) {
    constexpr int kSmallestPixelSize = 9;
    QFont font = control.font();
    while (QFontMetrics(font).horizontalAdvance(sample) > widthPixels &&
           font.pixelSize() > kSmallestPixelSize) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    if (font != control.font())
        control.setFont(font);
}

void UseOneFontSize(const std::vector<QWidget*>& controls) {
    int smallest = std::numeric_limits<int>::max();
    for (const QWidget* control : controls)
        smallest = std::min(smallest, control->font().pixelSize());
    if (smallest <= 0)
        return;  // sized in points: nothing was fitted
    for (QWidget* control : controls) {
        QFont font = control->font();
        font.setPixelSize(smallest);
        control->setFont(font);
    }
}

QPushButton* PlaceButton(QWidget& page, const QString& text, const QRect& geometry,
                         const char* name) {
    auto* button = new QPushButton(text, &page);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    button->setDefault(false);
    FitFontToText(*button, text, geometry.width() - kButtonMarginsPixels);
    return button;
}

QLineEdit* PlaceEdit(QWidget& page, const QRect& geometry, const char* name, bool centred) {
    auto* edit = new QLineEdit(&page);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(geometry);
    if (centred)
        edit->setAlignment(Qt::AlignCenter);
    return edit;
}

QLineEdit* PlacePageCount(QWidget& page, const QRect& geometry) {
    // The slash stands in the gap before the field, a little below its middle.
    PlaceWhiteLabel(page, QStringLiteral("/"),
                    {geometry.x() - 7, geometry.y() + 4, 10, geometry.height()});
    QLineEdit* field = PlaceEdit(page, geometry, "pageCount", true);
    field->setAccessibleName(TrQ("Pages", "Page count"));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

QLabel* PlaceLabel(QWidget& page, const QString& text, const QRect& geometry,
                   Qt::Alignment alignment) {
    auto* label = new QLabel(text, &page);
    label->setGeometry(geometry);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QString RequiredTitle(UiText title) {
    return QLatin1String("*") + TrQ(title);
}

QLabel* PlaceWhiteLabel(QWidget& page, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, &page);
    label->setGeometry(geometry);
    WriteInWhite(*label);
    FitFontToText(*label, text, geometry.width());
    return label;
}

QRadioButton* PlaceRadio(QWidget& page, const QString& text, const QRect& geometry,
                         const char* name) {
    auto* radio = new QRadioButton(text, &page);
    radio->setObjectName(QString::fromLatin1(name));
    radio->setGeometry(geometry);
    WriteInWhite(*radio);
    // The round mark and its spacing come before the text.
    FitFontToText(*radio, text,
                  geometry.width() -
                      (radio->sizeHint().width() - radio->fontMetrics().horizontalAdvance(text)));
    return radio;
}

QGroupBox* PlaceGroupBox(QWidget& page, const QString& title, const QRect& geometry) {
    auto* box = new QGroupBox(title, &page);
    box->setGeometry(geometry);
    WriteInWhite(*box);
    return box;
}

QDateTimeEdit* PlacePicker(QWidget& page, const QRect& geometry, const char* name,
                           const ShownForms& forms) {
    auto* picker = new QDateTimeEdit(&page);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setGeometry(geometry);
    picker->setCalendarPopup(false);
    picker->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    picker->setTimeSpec(Qt::LocalTime);
    picker->setDisplayFormat(QtDateFormat(forms) + QStringLiteral(" HH:mm:ss"));
    picker->setDateTimeRange(QDateTime::fromSecsSinceEpoch(0),
                             QDateTime::fromSecsSinceEpoch(kLastStorableTime));
    return picker;
}

QDateTimeEdit* MakeDatePicker(QWidget& page, bool fourDigitYear, std::int64_t now,
                              const ShownForms& forms) {
    auto* picker = new QDateTimeEdit(&page);
    picker->setDisplayFormat(ShortDateFormat(fourDigitYear, forms));
    picker->setCalendarPopup(true);
    picker->setDateTimeRange(QDateTime::fromSecsSinceEpoch(0),
                             QDateTime::fromSecsSinceEpoch(kLastStorableTime));
    SetPickerSeconds(*picker, now);
    return picker;
}

void SetPickerSeconds(QDateTimeEdit& picker, std::int64_t seconds) {
    picker.setDateTime(QDateTime::fromSecsSinceEpoch(seconds));
}

std::int64_t PickerSeconds(const QDateTimeEdit& picker) {
    return picker.dateTime().toSecsSinceEpoch();
}

void LimitTextLength(QLineEdit& edit, int units) {
    QObject::connect(&edit, &QLineEdit::textChanged, &edit, [&edit, units](const QString& text) {
        if (text.size() <= units && !text.contains(QChar(u'\0')))
            return;
        // A pasted NUL would end the text in the image there; it goes before the length counts.
        const int caret = edit.cursorPosition();
        const auto nulsBeforeCaret = text.left(caret).count(QChar(u'\0'));
        QString kept = text;
        kept.remove(QChar(u'\0'));
        qsizetype length = std::min<qsizetype>(kept.size(), units);
        if (length > 0 && length < kept.size() && kept[length - 1].isHighSurrogate())
            --length;
        const bool cut = length < kept.size();
        kept.truncate(length);
        edit.setText(kept);
        edit.setCursorPosition(static_cast<int>(cut ? length : caret - nulsBeforeCaret));
    });
}

QLineEdit* PlaceTextField(QWidget& page, const QRect& geometry, const char* name, int units) {
    auto* field = Place(new QLineEdit(&page), geometry, name);
    LimitTextLength(*field, units);
    return field;
}

}  // namespace velka
