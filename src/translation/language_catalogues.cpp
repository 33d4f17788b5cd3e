#include "translation/language_catalogues.h"

#include "services/translation.h"
#include "storage/data_root.h"
#include "translation/language_forms.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace velka {
namespace {

std::string QtTranslate(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

QLocale LocaleOf(std::string_view language) {
    if (language.empty())
        return QLocale::system();
    return QLocale(QString::fromUtf8(language.data(), static_cast<qsizetype>(language.size())));
}

}  // namespace

std::filesystem::path DefaultCatalogueFolder() {
    return ProgramFile("translations");
}

LanguageCatalogues::LanguageCatalogues(std::string_view language,
                                       const std::filesystem::path& folder) {
    const QLocale locale = LocaleOf(language);
    // Qt tries the locale's languages in order of preference ("de-AT", then "de").
    if (own_.load(locale, QStringLiteral("velka"), QStringLiteral("_"),
                  QString::fromStdString(folder.string()))) {
        ownInstalled_ = QCoreApplication::installTranslator(&own_);
        // Qt's own texts (the buttons of a message box, a file dialog) in the same language.
        if (qt_.load(locale, QStringLiteral("qt"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qtInstalled_ = QCoreApplication::installTranslator(&qt_);
        // The system's own locale when it is of the shown language (de_AT keeps its forms).
        QLocale shown(own_.language());
        if (locale.language() == shown.language())
            shown = locale;
        shown.setNumberOptions(QLocale::OmitGroupSeparator);
        forms_ = FormsOf(shown);
        QLocale::setDefault(shown);
    }
    InstallTranslation(ownInstalled_ ? QtTranslate : nullptr);
}

LanguageCatalogues::~LanguageCatalogues() {
    InstallTranslation(nullptr);
    QLocale::setDefault(previousDefault_);
    if (qtInstalled_)
        QCoreApplication::removeTranslator(&qt_);
    if (ownInstalled_)
        QCoreApplication::removeTranslator(&own_);
}

std::string LanguageCatalogues::Language() const {
    return ownInstalled_ ? own_.language().toStdString() : std::string();
}

}  // namespace velka
