#include "archive/history_columns.h"

#include "archive/table_time_text.h"
#include "config/settings_titles.h"

namespace velka {
namespace {

constexpr std::size_t kSerialCharacters = 8;

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

int HexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

char16_t LowerAscii(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

std::u16string Decimal(std::size_t value) {
    std::u16string text;
    for (const char c : std::to_string(value))
        text.push_back(static_cast<char16_t>(c));
    return text;
}

}  // namespace

const std::array<HistoryColumnLayout, kHistoryColumnCount> kHistoryColumns = {{
    // Five digits: an archive of tens of thousands of recordings numbers them all.
    {VELKA_TEXT("History", "Number"), u"99999"},
    // A logger's serial in hexadecimal; D is the widest of the digits.
    {title::kDeviceSerial, u"DDDDDDDD"},
    {VELKA_TEXT("History", "Start Time"), u"2000-12-31_23:59:59"},
    {VELKA_TEXT("History", "Stop Time"), u"2000-12-31_23:59:59"},
    {title::kDeliveryCompany, u""},
    {title::kDeliveryDate, u"2000-12-31"},
    {title::kReceivingCompany, u""},
    {title::kTransportNumber, u""},
}};

std::u16string_view DeviceSerialText(std::u16string_view fileName) {
    // Characters, not code units: a character outside the basic plane is never cut in two.
    std::size_t end = 0;
    for (std::size_t characters = 0; characters < kSerialCharacters && end < fileName.size();
         ++characters) {
        end += (IsHighSurrogate(fileName[end]) && end + 1 < fileName.size()) ? 2 : 1;
    }
    return fileName.substr(0, end);
}

std::array<std::u16string, kHistoryColumnCount>
HistoryRowTexts(const ArchiveEntry& entry, std::size_t position, const ShownForms& forms) {
    if (!entry.readable)
        return {Decimal(position + 1), std::u16string(DeviceSerialText(entry.fileName)),
                std::u16string(kUnreadableEntryText)};
    return {
        Decimal(position + 1),
        std::u16string(DeviceSerialText(entry.fileName)),
        LocalDateTimeText(entry.startTime, '_', forms),
        LocalDateTimeText(entry.stopTime, '_', forms),
        entry.deliveryCompany,
        LocalDateText(entry.deliveryDate, forms),
        entry.receivingCompany,
        entry.transportNumber,
    };
}

std::u16string LowerAsciiLetters(std::u16string_view text) {
    std::u16string lower(text);
    for (char16_t& c : lower)
        c = LowerAscii(c);
    return lower;
}

int CompareIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char16_t x = LowerAscii(a[i]);
        const char16_t y = LowerAscii(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

DeviceSerialKey DeviceSerialKey::Of(const ArchiveEntry& entry) {
    DeviceSerialKey key;
    key.text = DeviceSerialText(entry.fileName);
    if (key.text.size() != kSerialCharacters)
        return key;
    std::uint32_t value = 0;
    for (const char16_t c : key.text) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            return key;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    key.hexadecimal = true;
    key.value = value;
    return key;
}

}  // namespace velka
