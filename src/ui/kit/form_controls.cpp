#include "ui/kit/form_controls.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace velka {
namespace {

// The largest time the image's unsigned 32-bit fields hold: 2106-02-07 06:28:15 UTC.
constexpr std::int64_t kLastStorableTime = 0xFFFFFFFFLL;

QString ShortDateFormat(bool fourDigitYear) {
    QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (fourDigitYear && !format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

}  // namespace

QLabel* PlaceLabel(QWidget& page, const char* text, const QRect& rect, Qt::Alignment alignment) {
    auto* label = new QLabel(QString::fromUtf8(text), &page);
    label->setGeometry(rect);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
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

QDateTimeEdit* MakeDatePicker(QWidget& page, bool fourDigitYear, std::int64_t now) {
    auto* picker = new QDateTimeEdit(&page);
    picker->setDisplayFormat(ShortDateFormat(fourDigitYear));
    picker->setCalendarPopup(true);
    picker->setDateTimeRange(QDateTime::fromSecsSinceEpoch(0),
                             QDateTime::fromSecsSinceEpoch(kLastStorableTime));
    SetPickedTime(*picker, now);
    return picker;
}

std::int64_t PickedTime(const QDateTimeEdit& picker) {
    return picker.dateTime().toSecsSinceEpoch();
}

void SetPickedTime(QDateTimeEdit& picker, std::int64_t seconds) {
    picker.setDateTime(QDateTime::fromSecsSinceEpoch(seconds));
}

QString WholeNumberText(double value) {
    // The limits are whole degrees; -0 shows as 0.
    return QString::number(static_cast<int>(std::trunc(value)));
}

}  // namespace velka
