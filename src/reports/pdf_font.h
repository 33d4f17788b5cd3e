#pragma once
// The PDF report's two faces, embedded in every report so that any viewer shows, copies and
// searches its text without fonts of its own. Latin, Greek and Cyrillic text is set in the
// proportional Liberation Sans (Debian package fonts-liberation2); what it lacks (CJK, full-width
// punctuation, ℃) in WenQuanYi Zen Hei Mono, the monospaced face of the WenQuanYi Zen Hei
// collection (fonts-wqy-zenhei), whose CJK characters are a whole em wide like those of the
// narrow CJK fonts the report's fixed positions were laid out for.

#include <filesystem>
#include <optional>
#include <string>

namespace velka {

struct PdfFontFile {
    std::filesystem::path path;
    std::optional<unsigned> collectionFace;  // the face within a font collection (.ttc)
};

struct PdfFontFiles {
    PdfFontFile latin;  // draws every character it has
    PdfFontFile cjk;    // draws the others
};

struct PdfFontSearch {
    std::optional<PdfFontFiles> files;
    // When a face is missing: "the report font Liberation Sans is not installed (…)".
    std::string missing;
};

// Each face from a copy the program ships (ProgramFile("fonts")/<file name>) first, then where
// distributions install it.
PdfFontSearch FindPdfFonts();

}  // namespace velka
