#pragma once
// The texts of the PDF report as its fonts' Unicode encoding takes them.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velka {

// One run of UTF-8 text drawn in one go: characters beyond the Basic Multilingual Plane (the
// encoding's codes are 16 bits wide), control characters and malformed bytes become U+FFFD
// each, so that nothing is silently dropped or misread; a run longer than the PDF library
// takes in one string (65,535 bytes) keeps its beginning, cut between two characters. Such a
// run reaches far beyond the page's edge, so what is cut could not be seen.
std::string PdfRunText(std::string_view utf8);

// A piece of a run that one face draws.
struct PdfFaceRun {
    bool latin = true;
    std::string text;  // UTF-8

    bool operator==(const PdfFaceRun&) const = default;
};

// Splits a run as PdfRunText gives it where the face changes: the Latin face draws every
// character it has, the CJK face the others.
std::vector<PdfFaceRun> SplitByFace(std::string_view drawn,
                                    const std::function<bool(char16_t)>& latinHas);

}  // namespace velka
