#pragma once
// Lines of UTF-8 text on the PDF report's pages: each character in the Latin face when that has
// it, else in the CJK face.

#include "reports/pdf_font_embedding.h"

#include <string_view>

namespace velka {

class PdfCanvas {
public:
    PdfCanvas(PdfFace latin, PdfFace cjk) : latin_(latin), cjk_(cjk) {}

    // The type size of what follows, in points.
    void SetSize(double size) { size_ = size; }

    // Draws a line with its baseline starting at (x, y), inside the page's text object. A tab
    // is a blank half an em wide.
    void Line(HPDF_Page page, double x, double y, std::string_view utf8) const;
    // How far the line reaches from its start.
    double Width(std::string_view utf8) const;

private:
    // Calls draw(face, text, x) for each run of the line and returns its width.
    template <typename Draw> double Walk(std::string_view utf8, double x, Draw draw) const;

    PdfFace latin_;
    PdfFace cjk_;
    double size_ = 10;
};

}  // namespace velka
