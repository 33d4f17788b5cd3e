#pragma once
// The PDF report draws its lines in a GBK-encoded font; this converts the program's UTF-8 texts
// to GBK. A character that GBK cannot represent becomes "?".

#include <iconv.h>
#include <string>
#include <string_view>

namespace velka {

class GbkEncoder {
public:
    // Throws std::runtime_error when the system's iconv has no GBK.
    GbkEncoder();
    ~GbkEncoder();
    GbkEncoder(const GbkEncoder&) = delete;
    GbkEncoder& operator=(const GbkEncoder&) = delete;

    std::string Encode(std::string_view utf8);

private:
    iconv_t converter_;
};

}  // namespace velka
