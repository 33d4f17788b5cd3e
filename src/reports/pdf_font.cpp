#include "reports/pdf_font.h"

#include "record/string_format.h"
#include "reports/pdf_font_embedding.h"
#include "reports/report_file.h"
#include "storage/data_root.h"
#include "storage/file_io.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <hpdf_doc.h>
#include <hpdf_fontdef.h>
#include <hpdf_objects.h>
#include <hpdf_streams.h>
#include <string>
#include <vector>

namespace velka {
namespace {

struct ReportFace {
    const char* family;
    const char* postScriptName;  // what the file must hold, as the PDF library names it
    const char* fileName;
    std::optional<unsigned> collectionFace;
    const char* debianPackage;
    std::vector<const char*> folders;  // where distributions install the file
};

const ReportFace kLatinFace{"Liberation Sans",
                            "LiberationSans",
                            "LiberationSans-Regular.ttf",
                            std::nullopt,
                            "fonts-liberation2",
                            {"/usr/share/fonts/truetype/liberation2",   // Debian
                             "/usr/share/fonts/truetype/liberation",    // Debian, fonts-liberation
                             "/usr/share/fonts/liberation-sans-fonts",  // Fedora
                             "/usr/share/fonts/liberation-sans",        // older Fedora
                             "/usr/share/fonts/liberation"}};           // Arch
const ReportFace kCjkFace{"WenQuanYi Zen Hei Mono",
                          "WenQuanYiZenHeiMono",
                          "wqy-zenhei.ttc",
                          1,
                          "fonts-wqy-zenhei",
                          {"/usr/share/fonts/truetype/wqy",  // Debian
                           "/usr/share/fonts/wqy-zenhei"}};  // Fedora, Arch

std::optional<PdfFontFile> FindFace(const ReportFace& face) {
    std::vector<std::filesystem::path> candidates{ProgramFile("fonts") / face.fileName};
    for (const char* folder : face.folders)
        candidates.push_back(std::filesystem::path(folder) / face.fileName);
    for (const std::filesystem::path& path : candidates) {
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error))
            return PdfFontFile{path, face.collectionFace};
    }
    return std::nullopt;
}

// With the "UTF-8" encoding, libharu 2.3 gives each character the code (and CID) of its UTF-16
// value and maps CIDs to glyphs through a CIDToGIDMap. The ToUnicode map it writes is an
// encoding CMap with a "begincidrange" in it, which is no valid ToUnicode map: poppler warns
// and other readers may give up on the text. Ours maps every BMP code to the character of the
// same value (the surrogate area is never a code), in ranges that keep their first byte as
// a ToUnicode range must.
std::string IdentityToUnicodeMap() {
    std::string ranges;
    int count = 0;
    std::string text = "/CIDInit /ProcSet findresource begin\n"
                       "12 dict begin\n"
                       "begincmap\n"
                       "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                       "/CMapName /Adobe-Identity-UCS def\n"
                       "/CMapType 2 def\n"
                       "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    const auto flush = [&] {
        text += StringPrintf("%d beginbfrange\n", count) + ranges + "endbfrange\n";
        ranges.clear();
        count = 0;
    };
    for (unsigned high = 0; high <= 0xFF; ++high) {
        if (high >= 0xD8 && high <= 0xDF)
            continue;
        ranges += StringPrintf("<%02X00> <%02XFF> <%02X00>\n", high, high, high);
        if (++count == 100)  // at most 100 entries in one block
            flush();
    }
    flush();
    text += "endcmap\n"
            "CMapName currentdict /CMap defineresource pop\n"
            "end\n"
            "end\n";
    return text;
}

void ReplaceToUnicodeMap(HPDF_Font font) {
    const auto map = static_cast<HPDF_Dict>(HPDF_Dict_GetItem(font, "ToUnicode", HPDF_OCLASS_DICT));
    if (map == nullptr || map->stream == nullptr)
        throw ReportFailure("the PDF library gave the font no ToUnicode map");
    static const std::string text = IdentityToUnicodeMap();
    HPDF_MemStream_FreeData(map->stream);
    // The encoding CMap's entries have no place in a ToUnicode stream.
    // (Removing a key that is not there only returns a status; it records no error.)
    for (const char* key : {"Type", "CMapName", "CIDSystemInfo", "WMode"})
        HPDF_Dict_RemoveElement(map, key);
    if (HPDF_Stream_Write(map->stream, reinterpret_cast<const HPDF_BYTE*>(text.data()),
                          static_cast<HPDF_UINT>(text.size())) != HPDF_OK)
        throw ReportFailure("cannot write the font's ToUnicode map");
}

}  // namespace

PdfFontSearch FindPdfFonts() {
    const std::optional<PdfFontFile> latin = FindFace(kLatinFace);
    const std::optional<PdfFontFile> cjk = FindFace(kCjkFace);
    if (latin && cjk)
        return {PdfFontFiles{*latin, *cjk}, {}};
    const ReportFace& missing = latin ? kCjkFace : kLatinFace;
    return {std::nullopt, StringPrintf("the report font %s is not installed (%s, in Debian's %s)",
                                       missing.family, missing.fileName, missing.debianPackage)};
}

PdfFace LoadPdfFace(HPDF_Doc document, const PdfFontFile& font, PdfFaceRole role) {
    const ReportFace& face = role == PdfFaceRole::Latin ? kLatinFace : kCjkFace;
    // libharu's own message for an unreadable file says neither which file nor why.
    if (!std::ifstream(font.path, std::ios::binary))
        throw ReportFailure("cannot read the report font " + MessagePath(font.path) + ": " +
                            std::strerror(errno));
    const char* name =
        font.collectionFace
            ? HPDF_LoadTTFontFromFile2(document, font.path.c_str(), *font.collectionFace, HPDF_TRUE)
            : HPDF_LoadTTFontFromFile(document, font.path.c_str(), HPDF_TRUE);
    if (name == nullptr)
        return {};  // the error handler has the library's reason
    // Another face would have other widths than the layout was made for.
    if (std::strcmp(name, face.postScriptName) != 0)
        throw ReportFailure(StringPrintf(
            "the report font %s holds %s%s, not %s", MessagePath(font.path).c_str(), name,
            font.collectionFace ? StringPrintf(" as face %u", *font.collectionFace).c_str() : "",
            face.postScriptName));
    PdfFace loaded{HPDF_GetFont(document, name, "UTF-8"), HPDF_GetFontDef(document, name)};
    if (loaded.font != nullptr)
        ReplaceToUnicodeMap(loaded.font);
    return loaded;
}

bool PdfFace::Has(char16_t character) const {
    return HPDF_TTFontDef_GetGlyphid(definition, character) != 0;
}

}  // namespace velka
