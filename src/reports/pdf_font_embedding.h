#pragma once
// Putting the report's faces into a libharu document.

#include "reports/pdf_font.h"

#include <hpdf.h>

namespace velka {

enum class PdfFaceRole { Latin, Cjk };

// A face in the document, and the glyphs it has.
struct PdfFace {
    HPDF_Font font = nullptr;
    HPDF_FontDef definition = nullptr;

    bool Has(char16_t character) const;
};

// Loads the face into the document (which uses the UTF encodings: HPDF_UseUTFEncodings),
// embedded, with a Unicode encoding: the texts drawn with it are UTF-8, and every character of the
// Basic Multilingual Plane that the font has prints as itself. The document's ToUnicode map gives
// copying and searching the same characters back. Throws ReportFailure when the file cannot be read
// or holds another face; a face without a font when the library failed (its error handler has the
// reason).
PdfFace LoadPdfFace(HPDF_Doc document, const PdfFontFile& font, PdfFaceRole role);

}  // namespace velka
