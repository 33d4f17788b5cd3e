#include "reports/pdf_canvas.h"

#include "reports/pdf_text.h"

#include <algorithm>

namespace velka {
namespace {

// A tab is a blank half an em wide: a label, its tabs and a value such as "-30.0℃" then leave
// room before the next column of the summary, 150 points to the right at 10 points.
constexpr double kTabEm = 0.5;

double RunWidthEm(const PdfFace& face, const std::string& text) {
    return HPDF_Font_TextWidth(face.font, reinterpret_cast<const HPDF_BYTE*>(text.data()),
                               static_cast<HPDF_UINT>(text.size()))
               .width /
           1000.0;
}

}  // namespace

// A tab is made by moving on rather than by drawing a blank character (the faces have no glyph
// for it), so that copied text holds no characters that were never typed.
template <typename Draw> double PdfCanvas::Walk(std::string_view utf8, double x, Draw draw) const {
    const double start = x;
    const auto latinHas = [this](char16_t c) { return latin_.Has(c); };
    std::size_t from = 0;
    while (true) {
        const std::size_t tab = std::min(utf8.find('\t', from), utf8.size());
        if (tab > from) {
            for (const PdfFaceRun& run :
                 SplitByFace(PdfRunText(utf8.substr(from, tab - from)), latinHas)) {
                const PdfFace& face = run.latin ? latin_ : cjk_;
                draw(face, run.text, x);
                x += RunWidthEm(face, run.text) * size_;
            }
        }
        if (tab == utf8.size())
            return x - start;
        x += kTabEm * size_;
        from = tab + 1;
    }
}

void PdfCanvas::Line(HPDF_Page page, double x, double y, std::string_view utf8) const {
    Walk(utf8, x, [&](const PdfFace& face, const std::string& text, double runX) {
        const auto size = static_cast<HPDF_REAL>(size_);
        if (HPDF_Page_GetCurrentFont(page) != face.font ||
            HPDF_Page_GetCurrentFontSize(page) != size)
            HPDF_Page_SetFontAndSize(page, face.font, size);
        HPDF_Page_TextOut(page, static_cast<HPDF_REAL>(runX), static_cast<HPDF_REAL>(y),
                          text.c_str());
    });
}

double PdfCanvas::Width(std::string_view utf8) const {
    return Walk(utf8, 0, [](const PdfFace&, const std::string&, double) {});
}

}  // namespace velka
