#pragma once
// The texts of the PDF report as its font's Unicode encoding takes them.

#include <string>
#include <string_view>

namespace velka {

// One run of UTF-8 text drawn in one go: characters beyond the Basic Multilingual Plane (the
// encoding's codes are 16 bits wide), control characters and malformed bytes become U+FFFD
// each, so that nothing is silently dropped or misread; a run longer than the PDF library
// takes in one string (65,535 bytes) keeps its beginning, cut between two characters. Such a
// run reaches far beyond the page's edge, so what is cut could not be seen.
std::string PdfRunText(std::string_view utf8);

}  // namespace velka
