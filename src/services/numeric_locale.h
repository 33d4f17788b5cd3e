#pragma once
// Creating a QGuiApplication or QApplication sets the C library's whole locale from the
// environment, so under a comma-decimal locale printf, strtod and the libraries built on them
// (libxlsxwriter, libharu) would read and write "5,1". Every program that creates one calls this
// right after, so that numbers in files, reports and pictures never depend on the user's locale.

#include <clocale>
#include <locale.h>

namespace velka {

inline void RestoreCNumericLocale() {
    std::setlocale(LC_NUMERIC, "C");
}

// Within its scope the calling thread formats and reads numbers as the "C" locale does, whatever
// the process's locale: around a library that writes numbers into a file with printf, so that
// the file is right even in a program that did not restore the locale. Other threads and the
// other categories (text, time) keep their locale.
class ScopedCNumericLocale {
public:
    ScopedCNumericLocale() {
        const locale_t current = duplocale(uselocale(static_cast<locale_t>(nullptr)));
        if (current == static_cast<locale_t>(nullptr))
            return;
        cNumeric_ = newlocale(LC_NUMERIC_MASK, "C", current);
        if (cNumeric_ == static_cast<locale_t>(nullptr)) {
            freelocale(current);
            return;
        }
        previous_ = uselocale(cNumeric_);
    }
    ~ScopedCNumericLocale() {
        if (cNumeric_ == static_cast<locale_t>(nullptr))
            return;
        uselocale(previous_);
        freelocale(cNumeric_);
    }
    ScopedCNumericLocale(const ScopedCNumericLocale&) = delete;
    ScopedCNumericLocale& operator=(const ScopedCNumericLocale&) = delete;

private:
    locale_t cNumeric_ = static_cast<locale_t>(nullptr);
    locale_t previous_ = static_cast<locale_t>(nullptr);
};

}  // namespace velka
