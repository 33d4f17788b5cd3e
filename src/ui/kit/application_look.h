#pragma once
// The look of the whole program, set once right after the QApplication is created: the same
// style, font and language on every desktop, so that the pages' fixed pixel rectangles hold
// their texts and Qt's own texts read in English (United States), as every message box does.

#include <QFont>

class QApplication;
class QMessageBox;

namespace velka {

// The UI font: Liberation Sans (metric-compatible with Arial) at 11 pixels, in which the pages'
// label, radio and button rectangles hold their texts (all but the history page's 70-pixel
// paging buttons, whose longest texts need 9 pixels), with Chinese texts from a CJK font.
QFont ApplicationFont();

// Style Fusion (with a narrower gap after radio and check marks) with the skin's accent as the
// selection colour, ApplicationFont(), the default QLocale English (United States) whatever the
// desktop's language, numbers in the C library's "C" locale (QApplication switched it to the
// environment's).
void ApplyApplicationLook(QApplication& application);

// The buttons of a message box read "OK" and "Cancel" on every desktop (some platform themes
// put mnemonics or their own words on the standard buttons).
void SetStandardButtonTexts(QMessageBox& box);

}  // namespace velka
