#include "reports/gbk_text.h"

#include <cerrno>
#include <stdexcept>

namespace velka {
namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// The length of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

}  // namespace

GbkEncoder::GbkEncoder() : converter_(iconv_open("GBK", "UTF-8")) {
    if (converter_ == kNoConverter)
        throw std::runtime_error("the system cannot convert text to GBK");
}

GbkEncoder::~GbkEncoder() {
    iconv_close(converter_);
}

std::string GbkEncoder::Encode(std::string_view utf8) {
    iconv(converter_, nullptr, nullptr, nullptr, nullptr);
    // GBK never needs more bytes than UTF-8 for the same text.
    std::string out(utf8.size(), '\0');
    char* input = const_cast<char*>(utf8.data());
    std::size_t inputLeft = utf8.size();
    char* output = out.data();
    std::size_t outputLeft = out.size();
    while (inputLeft > 0) {
        if (iconv(converter_, &input, &inputLeft, &output, &outputLeft) !=
            static_cast<std::size_t>(-1))
            break;
        if (errno == E2BIG) {
            const std::size_t written = static_cast<std::size_t>(output - out.data());
            out.resize(out.size() * 2 + 8);
            output = out.data() + written;
            outputLeft = out.size() - written;
            continue;
        }
        // EILSEQ (no GBK form, or malformed) and EINVAL (cut short): one "?" for the character.
        if (outputLeft == 0) {
            const std::size_t written = static_cast<std::size_t>(output - out.data());
            out.resize(out.size() + 8);
            output = out.data() + written;
            outputLeft = out.size() - written;
        }
        *output++ = '?';
        --outputLeft;
        const std::size_t skip =
            std::min(SequenceLength(static_cast<unsigned char>(*input)), inputLeft);
        input += skip;
        inputLeft -= skip;
    }
    out.resize(static_cast<std::size_t>(output - out.data()));
    return out;
}

}  // namespace velka
