#include "ui/kit/page_controls.h"

#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace velka {
namespace {

constexpr const char* kEnterIntegerText = "Enter an integer.";
constexpr const char* kEnterNumberText = "Enter a number.";
constexpr const char* kWarningCaption = "Warning";
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

void Refuse(QLineEdit& field, const char* text, MessageService& messages) {
    messages.ShowMessage(text, kWarningCaption, MessageIcon::Warning);
    field.setFocus(Qt::OtherFocusReason);
    field.selectAll();
}

QString Trimmed(const QString& text) {
    // Blanks and tabs only: a line break is not something a user types into a field.
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && (text[first] == u' ' || text[first] == u'\t'))
        ++first;
    while (end > first && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    return text.mid(first, end - first);
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
    PlaceLabel(page, QStringLiteral("/"),
               {geometry.x() - 7, geometry.y() + 4, 10, geometry.height()});
    QLineEdit* field = PlaceEdit(page, geometry, "pageCount", true);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

QLabel* PlaceLabel(QWidget& page, const QString& text, const QRect& geometry) {
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

QDateTimeEdit* PlacePicker(QWidget& page, const QRect& geometry, const char* name) {
    auto* picker = new QDateTimeEdit(&page);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setGeometry(geometry);
    picker->setCalendarPopup(false);
    picker->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    picker->setTimeSpec(Qt::LocalTime);
    picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    picker->setDateTimeRange(
        QDateTime::fromSecsSinceEpoch(0),
        QDateTime::fromSecsSinceEpoch(std::numeric_limits<std::uint32_t>::max()));
    return picker;
}

void SetPickerSeconds(QDateTimeEdit& picker, std::int64_t seconds) {
    picker.setDateTime(QDateTime::fromSecsSinceEpoch(seconds));
}

std::int64_t PickerSeconds(const QDateTimeEdit& picker) {
    return picker.dateTime().toSecsSinceEpoch();
}

std::optional<std::int32_t> ParseIntegerText(const QString& text) {
    const QByteArray digits = Trimmed(text).toLatin1();
    const char* first = digits.constData();
    const char* last = first + digits.size();
    if (first != last && *first == '+' && (last - first == 1 || first[1] != '-'))
        ++first;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value, 10);
    if (error != std::errc() || end != last || first == last)
        return std::nullopt;
    return value;
}

std::optional<double> ParseNumberText(const QString& text) {
    const QString trimmed = Trimmed(text);
    // toLatin1 turns every other character into '?', which no number contains.
    const QByteArray digits = trimmed.toLatin1();
    const char* first = digits.constData();
    const char* last = first + digits.size();
    if (first != last && *first == '+' && (last - first == 1 || first[1] != '-'))
        ++first;
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc() || end != last || first == last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString NumberText(double value) {
    return QString::number(value, 'g', 15);
}

bool ReadIntegerField(QLineEdit& field, std::int32_t& value, MessageService& messages) {
    const std::optional<std::int32_t> typed = ParseIntegerText(field.text());
    if (!typed) {
        Refuse(field, kEnterIntegerText, messages);
        return false;
    }
    value = *typed;
    return true;
}

bool ReadNumberField(QLineEdit& field, double& value, MessageService& messages) {
    const std::optional<double> typed = ParseNumberText(field.text());
    if (!typed) {
        Refuse(field, kEnterNumberText, messages);
        return false;
    }
    value = *typed;
    return true;
}

}  // namespace velka
