#pragma once
// Putting the report font into a libharu document.

#include "reports/pdf_font.h"

#include <hpdf.h>

namespace velka {

// Loads the face into the document, embedded, with a Unicode encoding: the texts drawn with it
// are UTF-8, and every character of the Basic Multilingual Plane that the font has prints as
// itself. The document's ToUnicode map gives copying and searching the same characters back.
// Throws ReportFailure when the file cannot be read or is not such a font.
HPDF_Font LoadPdfFont(HPDF_Doc document, const PdfFontFile& font);

}  // namespace velka
