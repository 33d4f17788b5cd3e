#include "reports/pdf_text.h"

#include "record/text_encoding.h"

#include <algorithm>
#include <hpdf_consts.h>

namespace velka {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';

bool IsPlainAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

}  // namespace

std::string PdfRunText(std::string_view utf8) {
    if (utf8.size() <= HPDF_LIMIT_MAX_STRING_LEN && IsPlainAscii(utf8))
        return std::string(utf8);  // every sample row and most labels
    const std::u16string wide = Utf16FromUtf8(utf8);
    std::u16string shown;
    shown.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const char16_t c = wide[i];
        if (c >= 0xD800 && c <= 0xDFFF) {
            // Utf16FromUtf8 gives well-formed pairs: one replacement for the pair.
            shown += kReplacement;
            ++i;
        } else if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
            shown += kReplacement;
        } else {
            shown += c;
        }
    }
    std::string text = Utf8FromUtf16(shown);
    if (text.size() > HPDF_LIMIT_MAX_STRING_LEN) {
        std::size_t end = HPDF_LIMIT_MAX_STRING_LEN;
        while ((static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            --end;
        text.resize(end);
    }
    return text;
}

std::vector<PdfFaceRun> SplitByFace(std::string_view drawn,
                                    const std::function<bool(char16_t)>& latinHas) {
    std::vector<PdfFaceRun> runs;
    if (std::all_of(drawn.begin(), drawn.end(),
                    [&](char c) { return c >= 0x20 && c < 0x7F && latinHas(c); })) {
        if (!drawn.empty())
            runs.push_back({true, std::string(drawn)});
        return runs;  // every sample row and most labels
    }
    std::u16string piece;
    bool latin = true;
    for (const char16_t c : Utf16FromUtf8(drawn)) {
        const bool inLatin = latinHas(c);
        if (inLatin != latin && !piece.empty()) {
            runs.push_back({latin, Utf8FromUtf16(piece)});
            piece.clear();
        }
        latin = inLatin;
        piece += c;
    }
    if (!piece.empty())
        runs.push_back({latin, Utf8FromUtf16(piece)});
    return runs;
}

}  // namespace velka
