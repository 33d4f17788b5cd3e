#include "reports/pdf_canvas.h"

#include <gtest/gtest.h>
#include <memory>

namespace velka {
namespace {

struct DocumentDeleter {
    void operator()(HPDF_Doc document) const { HPDF_Free(document); }
};

// Widths at 10 points, from the faces' metrics as the PDF library rounds them: Liberation
// Sans's digits are 5.56 points wide, its point and blank 2.77, its minus 3.33 and its Ø 7.77; the
// CJK face's ℃ 9.21 and its ideographs and full-width colon 10.
TEST(PdfCanvas, EachRunIsMeasuredInTheFaceThatDrawsItAndATabIsHalfAnEm) {
    const PdfFontSearch fonts = FindPdfFonts();
    if (!fonts.files)
        GTEST_SKIP() << fonts.missing;
    const std::unique_ptr<std::remove_pointer_t<HPDF_Doc>, DocumentDeleter> document(
        HPDF_New(nullptr, nullptr));
    HPDF_UseUTFEncodings(document.get());
    PdfCanvas canvas(LoadPdfFace(document.get(), fonts.files->latin, PdfFaceRole::Latin),
                     LoadPdfFace(document.get(), fonts.files->cjk, PdfFaceRole::Cjk));
    canvas.SetSize(10);
    const struct {
        std::string text;
        double width;
    } cases[] = {
        {"", 0},    {"\t", 5},    {"8.0", 13.89}, {"8.0℃", 23.1},    {"-30.0℃", 31.99},
        {"：", 10}, {"冷链", 20}, {"0 0", 13.89}, {"0\t\t0", 21.12}, {"Ø℃Ø", 7.77 + 9.21 + 7.77},
    };
    for (const auto& test : cases)
        EXPECT_NEAR(canvas.Width(test.text), test.width, 0.005) << test.text;
}

}  // namespace
}  // namespace velka
