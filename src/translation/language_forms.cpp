#include "translation/language_forms.h"

namespace velka {

ShownForms FormsOf(const QLocale& locale) {
    ShownForms forms;
    forms.decimalPoint = locale.decimalPoint().toStdString();
    const QString qtDate = locale.dateFormat(QLocale::ShortFormat);
    std::string date;
    for (qsizetype i = 0; i < qtDate.size();) {
        const QChar letter = qtDate[i];
        qsizetype run = 1;
        while (i + run < qtDate.size() && qtDate[i + run] == letter)
            ++run;
        i += run;
        if (letter == u'y')
            date += "%Y";
        else if (letter == u'M' && run <= 2)
            date += "%m";
        else if (letter == u'd' && run <= 2)
            date += "%d";
        else if (letter.isLetter() || letter == u'\'' || letter == u'%' || letter.unicode() > 0x7f)
            return ShownForms{forms.decimalPoint, kDateFormat};
        else
            date += std::string(static_cast<std::size_t>(run), static_cast<char>(letter.unicode()));
    }
    if (date.find("%Y") != std::string::npos && date.find("%m") != std::string::npos &&
        date.find("%d") != std::string::npos)
        forms.dateFormat = date;
    return forms;
}

QString QtDateFormat(const ShownForms& forms) {
    QString format = QString::fromStdString(forms.dateFormat);
    format.replace(QLatin1String("%Y"), QLatin1String("yyyy"));
    format.replace(QLatin1String("%m"), QLatin1String("MM"));
    format.replace(QLatin1String("%d"), QLatin1String("dd"));
    return format;
}

}  // namespace velka
