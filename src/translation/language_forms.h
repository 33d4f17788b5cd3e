#pragma once
// The forms the window writes numbers and dates in for a language, taken from Qt's locale data.

#include "record/shown_forms.h"

#include <QLocale>
#include <QString>

namespace velka {

// The locale's decimal separator and short date, with the year in four digits and month and
// day in two ("dd.MM.yy" gives "%d.%m.%Y", "yyyy/M/d" gives "%Y/%m/%d"). A short date with
// anything but year, month, day and separators (a month's name) gives the fixed date form.
ShownForms FormsOf(const QLocale& locale);

// A date of `forms` as QDateTimeEdit's display format: "%d.%m.%Y" is "dd.MM.yyyy".
QString QtDateFormat(const ShownForms& forms);

}  // namespace velka
