#pragma once
// Creating a QGuiApplication or QApplication sets the C library's whole locale from the
// environment, so under a comma-decimal locale printf, strtod and the libraries built on them
// (libxlsxwriter, libharu) would read and write "5,1". Every program that creates one calls this
// right after, so that numbers in files, reports and pictures never depend on the user's locale.

#include <clocale>

namespace velka {

inline void RestoreCNumericLocale() {
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace velka
