#pragma once
// The eight columns of the history list: their titles, the widest texts they hold, the text of
// each cell and the order each column sorts by.

#include "archive/archive_entry.h"
#include "record/shown_forms.h"
#include "services/translation.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velka {

constexpr int kHistoryColumnCount = 8;

enum HistoryColumn : int {
    kNumberColumn = 0,
    kDeviceSerialColumn = 1,
    kStartTimeColumn = 2,
    kStopTimeColumn = 3,
    kDeliveryCompanyColumn = 4,
    kDeliveryDateColumn = 5,
    kReceivingCompanyColumn = 6,
    kTransportNumberColumn = 7,
};

struct HistoryColumnLayout {
    UiText title;  // translated where it is shown
    // The widest text the column holds, which the list makes room for; empty for the free
    // texts typed in at delivery, which take the room left over.
    const char16_t* widestText;
};

extern const std::array<HistoryColumnLayout, kHistoryColumnCount> kHistoryColumns;

// The first 8 characters of the name (the whole name when shorter): for files written by the
// acquisition, the logger's serial number in hexadecimal.
std::u16string_view DeviceSerialText(std::u16string_view fileName);

// What the Start Time column of a file that is no complete logger image says; its other
// columns but the number and the name are empty.
inline constexpr std::u16string_view kUnreadableEntryText = u"unreadable";

// The texts of one row for the entry at `position` (0-based) of the shown entries, its dates
// in `forms`.
std::array<std::u16string, kHistoryColumnCount>
HistoryRowTexts(const ArchiveEntry& entry, std::size_t position, const ShownForms& forms);

// Lower-cases the letters A to Z only; every other character stays as it is.
std::u16string LowerAsciiLetters(std::u16string_view text);

// Text order ignoring the case of A to Z, by character code: < 0, 0 or > 0.
int CompareIgnoringAsciiCase(std::u16string_view a, std::u16string_view b);

// What the "Device S/N" column sorts by: names whose first 8 characters are all hexadecimal
// digits (either case) sort by that number; all other names come after them, in the order of
// those 8 characters' text.
struct DeviceSerialKey {
    bool hexadecimal = false;
    std::uint32_t value = 0;   // the serial, when hexadecimal
    std::u16string_view text;  // the column's text, a view into the entry's name

    static DeviceSerialKey Of(const ArchiveEntry& entry);
};

}  // namespace velka
