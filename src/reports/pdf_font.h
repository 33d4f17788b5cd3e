#pragma once
// The PDF report's font, embedded in every report so that any viewer shows, copies and searches
// its text without fonts of its own: WenQuanYi Zen Hei Mono, the monospaced face of the
// WenQuanYi Zen Hei collection (Debian package fonts-wqy-zenhei). Its Latin letters are half an
// em wide and its CJK characters a whole em, like the narrow CJK fonts the report's fixed
// positions were laid out for; it covers Latin, Greek, Cyrillic and CJK.

#include <filesystem>
#include <optional>

namespace velka {

struct PdfFontFile {
    std::filesystem::path path;
    unsigned faceIndex = 0;  // the face within a font collection
};

// A copy beside the program (fonts/wqy-zenhei.ttc) first, then where distributions install
// the collection; nothing when there is none.
std::optional<PdfFontFile> FindPdfFont();

}  // namespace velka
