#include "archive/history_list.h"

#include <algorithm>
#include <numeric>

#include "archive/archive_reading.h"
#include "archive/table_time_text.h"

namespace velka {
namespace {

bool IsTextMode(HistoryQueryMode mode) {
    return static_cast<int>(mode) >= static_cast<int>(HistoryQueryMode::DeviceSerial);
}

const std::u16string& QueriedText(const ArchiveEntry& entry, HistoryQueryMode mode) {
    switch (mode) {
    case HistoryQueryMode::DeliveryCompany:
        return entry.deliveryCompany;
    case HistoryQueryMode::ReceivingCompany:
        return entry.receivingCompany;
    case HistoryQueryMode::TransportNumber:
        return entry.transportNumber;
    default:
        return entry.fileName;
    }
}

std::uint32_t QueriedTime(const ArchiveEntry& entry, HistoryQueryMode mode) {
    switch (mode) {
    case HistoryQueryMode::StopTime:
        return entry.stopTime;
    case HistoryQueryMode::DeliveryDate:
        return entry.deliveryDate;
    default:
        return entry.startTime;
    }
}

// Sorts `shown` by `less` over a permutation of indices, so the entries themselves move once.
template <typename Less>
void SortByIndex(std::vector<ArchiveEntry>& shown, bool descending, Less less) {
    std::vector<std::uint32_t> order(shown.size());
    std::iota(order.begin(), order.end(), 0u);
    // Stable, so equal keys keep their present order in both directions.
    if (descending)
        std::stable_sort(order.begin(), order.end(), [&](auto a, auto b) { return less(b, a); });
    else
        std::stable_sort(order.begin(), order.end(), less);
    std::vector<ArchiveEntry> sorted;
    sorted.reserve(shown.size());
    for (const std::uint32_t index : order)
        sorted.push_back(std::move(shown[index]));
    shown = std::move(sorted);
}

}  // namespace

HistoryList::HistoryList(ArchiveEntries& entries, HistorySortState& sortState)
    : entries_(entries), sortState_(sortState) {}

void HistoryList::SetQueryMode(HistoryQueryMode mode) {
    queryMode_ = mode;
    if (IsTextMode(mode))
        filterText_.clear();
}

std::int32_t HistoryList::PageCountOf(std::size_t entryCount) {
    return static_cast<std::int32_t>((entryCount + (pageSize - 1)) / pageSize);
}

bool HistoryList::ShowScanResult(std::uint64_t generation) {
    auto locked = entries_.Lock();
    if (!entries_.IsCurrent(generation))
        return false;
    currentPage_ = 1;
    pageCount_ = PageCountOf(locked.shownEntries.size());
    controlsEnabled_ = true;
    return true;
}

void HistoryList::Query(std::int64_t fromSeconds, std::int64_t toSeconds) {
    const std::u16string needle = LowerAsciiLetters(filterText_);
    const std::uint32_t from = QueryTimeFromPicker(fromSeconds);
    const std::uint32_t to = QueryTimeFromPicker(toSeconds);
    const HistoryQueryMode mode = queryMode_;

    auto locked = entries_.Lock();
    std::vector<ArchiveEntry>& shown = locked.shownEntries;
    shown.clear();
    for (const ArchiveEntry& entry : locked.allEntries) {
        bool matches = false;
        if (IsTextMode(mode)) {
            matches = needle.empty() ||
                      LowerAsciiLetters(QueriedText(entry, mode)).find(needle) != std::u16string::npos;
        } else {
            const std::uint32_t time = QueriedTime(entry, mode);
            matches = from <= time && time <= to;
        }
        if (matches)
            shown.push_back(entry);
    }
    currentPage_ = 1;
    pageCount_ = PageCountOf(shown.size());
}

void HistoryList::Cancel() {
    queryMode_ = HistoryQueryMode::StartTime;
    filterText_.clear();
    auto locked = entries_.Lock();
    locked.shownEntries = locked.allEntries;
    currentPage_ = 1;
    pageCount_ = PageCountOf(locked.shownEntries.size());
}

bool HistoryList::Home() {
    if (currentPage_ == 1)
        return false;
    currentPage_ = 1;
    return true;
}

bool HistoryList::Previous() {
    if (currentPage_ < 2)
        return false;
    --currentPage_;
    return true;
}

bool HistoryList::Next() {
    if (currentPage_ >= pageCount_)
        return false;
    ++currentPage_;
    return true;
}

bool HistoryList::Last() {
    if (currentPage_ == pageCount_)
        return false;
    // An empty result has no pages: the page number then reads 0, and Home brings back 1.
    currentPage_ = pageCount_;
    return true;
}

void HistoryList::Go(std::int32_t typedPage) {
    currentPage_ = typedPage;
    if (currentPage_ > pageCount_)
        currentPage_ = pageCount_;
    if (currentPage_ < 1)
        currentPage_ = 1;
}

bool HistoryList::Sort(int column) {
    if (column < 0 || column >= kHistoryColumnCount)
        return false;
    sortState_.sortDescending = column == sortState_.sortColumn ? !sortState_.sortDescending : false;
    sortState_.sortColumn = column;
    if (column == kNumberColumn)
        return false;
    {
        auto locked = entries_.Lock();
        SortShown(locked.shownEntries, column, sortState_.sortDescending);
    }
    currentPage_ = 1;
    return true;
}

void HistoryList::SortShown(std::vector<ArchiveEntry>& shown, int column, bool descending) const {
    const auto byText = [&shown](std::u16string ArchiveEntry::*field) {
        return [&shown, field](std::uint32_t a, std::uint32_t b) {
            return CompareIgnoringAsciiCase(shown[a].*field, shown[b].*field) < 0;
        };
    };
    const auto byTime = [&shown](std::uint32_t ArchiveEntry::*field) {
        return [&shown, field](std::uint32_t a, std::uint32_t b) {
            return shown[a].*field < shown[b].*field;
        };
    };
    switch (column) {
    case kDeviceSerialColumn: {
        // The names are read once, not at every comparison; the keys view the names, which
        // stay in place until the sorted entries are moved.
        std::vector<DeviceSerialKey> keys;
        keys.reserve(shown.size());
        for (const ArchiveEntry& entry : shown)
            keys.push_back(DeviceSerialKey::Of(entry));
        return SortByIndex(shown, descending,
                           [&keys](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; });
    }
    case kStartTimeColumn:
        return SortByIndex(shown, descending, byTime(&ArchiveEntry::startTime));
    case kStopTimeColumn:
        return SortByIndex(shown, descending, byTime(&ArchiveEntry::stopTime));
    case kDeliveryCompanyColumn:
        return SortByIndex(shown, descending, byText(&ArchiveEntry::deliveryCompany));
    case kDeliveryDateColumn:
        return SortByIndex(shown, descending, byTime(&ArchiveEntry::deliveryDate));
    case kReceivingCompanyColumn:
        return SortByIndex(shown, descending, byText(&ArchiveEntry::receivingCompany));
    case kTransportNumberColumn:
        return SortByIndex(shown, descending, byText(&ArchiveEntry::transportNumber));
    default:
        return;
    }
}

std::vector<HistoryRow> HistoryList::PageRows() {
    std::vector<HistoryRow> rows;
    auto locked = entries_.Lock();
    const std::vector<ArchiveEntry>& shown = locked.shownEntries;
    // Page 0 (after Last on an empty result) starts before the first entry: no rows.
    const std::int64_t first = static_cast<std::int64_t>(currentPage_ - 1) * pageSize;
    const std::int64_t end = std::min<std::int64_t>(first + pageSize, static_cast<std::int64_t>(shown.size()));
    for (std::int64_t i = std::max<std::int64_t>(first, 0); i < end; ++i) {
        const auto position = static_cast<std::size_t>(i);
        rows.push_back({HistoryRowTexts(shown[position], position), position});
    }
    return rows;
}

std::size_t HistoryList::ShownCount() {
    return entries_.Lock().shownEntries.size();
}

std::optional<std::filesystem::path> HistoryList::StoredImageOf(const std::filesystem::path& folder,
                                                                std::size_t itemData) {
    auto locked = entries_.Lock();
    if (itemData >= locked.shownEntries.size())
        return std::nullopt;
    return StoredImagePath(folder, locked.shownEntries[itemData]);
}

}  // namespace velka
