#include "archive/history_list.h"

#include "archive/archive_reading.h"
#include "archive/page_count.h"
#include "archive/table_time_text.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <unordered_map>
#include <utility>

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

// Sorts `shown` by one 64-bit key per entry: the entries themselves move once, and the
// comparisons are of integers. Equal keys keep their present order in both directions.
void SortByKeys(std::vector<ArchiveEntry>& shown, const std::vector<std::uint64_t>& keys,
                bool descending) {
    std::vector<std::pair<std::uint64_t, std::uint32_t>> keyed(shown.size());
    for (std::size_t i = 0; i < shown.size(); ++i)
        keyed[i] = {keys[i], static_cast<std::uint32_t>(i)};
    if (descending) {
        std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
            return a.first != b.first ? a.first > b.first : a.second < b.second;
        });
    } else {
        std::sort(keyed.begin(), keyed.end());
    }
    std::vector<ArchiveEntry> sorted;
    sorted.reserve(shown.size());
    for (const auto& [key, index] : keyed)
        sorted.push_back(std::move(shown[index]));
    shown = std::move(sorted);
}

// The rank of each text among all of them in the order `compare` gives (< 0, 0, > 0); texts
// that compare equal share a rank. Each distinct text is ordered once, however often it occurs.
template <typename Compare>
std::vector<std::uint64_t> TextRanks(const std::vector<std::u16string_view>& texts,
                                     Compare compare) {
    std::unordered_map<std::u16string_view, std::uint32_t> distinctIndex;
    std::vector<std::u16string_view> distinct;
    std::vector<std::uint32_t> distinctOf(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto [it, inserted] =
            distinctIndex.try_emplace(texts[i], static_cast<std::uint32_t>(distinct.size()));
        if (inserted)
            distinct.push_back(texts[i]);
        distinctOf[i] = it->second;
    }
    std::vector<std::uint32_t> order(distinct.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return compare(distinct[a], distinct[b]) < 0;
    });
    std::vector<std::uint64_t> rankOfDistinct(distinct.size());
    std::uint64_t rank = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (k > 0 && compare(distinct[order[k - 1]], distinct[order[k]]) != 0)
            ++rank;
        rankOfDistinct[order[k]] = rank;
    }
    std::vector<std::uint64_t> ranks(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        ranks[i] = rankOfDistinct[distinctOf[i]];
    return ranks;
}

int CompareCodeUnits(std::u16string_view a, std::u16string_view b) {
    return a.compare(b);
}

// Serials sort by their value; every name without one comes after all of them, by its text.
std::vector<std::uint64_t> DeviceSerialKeys(const std::vector<ArchiveEntry>& shown) {
    constexpr std::uint64_t kAfterEverySerial = std::uint64_t{1} << 32;
    std::vector<std::uint64_t> keys(shown.size());
    std::vector<std::u16string_view> otherTexts;
    std::vector<std::size_t> otherPositions;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const DeviceSerialKey key = DeviceSerialKey::Of(shown[i]);
        if (key.hexadecimal) {
            keys[i] = key.value;
        } else {
            otherTexts.push_back(key.text);
            otherPositions.push_back(i);
        }
    }
    const std::vector<std::uint64_t> ranks = TextRanks(otherTexts, CompareCodeUnits);
    for (std::size_t k = 0; k < otherPositions.size(); ++k)
        keys[otherPositions[k]] = kAfterEverySerial + ranks[k];
    return keys;
}

std::vector<std::uint64_t> TimeKeys(const std::vector<ArchiveEntry>& shown,
                                    std::uint32_t ArchiveEntry::*field) {
    std::vector<std::uint64_t> keys(shown.size());
    for (std::size_t i = 0; i < shown.size(); ++i)
        keys[i] = shown[i].*field;
    return keys;
}

std::vector<std::uint64_t> TextKeys(const std::vector<ArchiveEntry>& shown,
                                    std::u16string ArchiveEntry::*field) {
    std::vector<std::u16string_view> texts;
    texts.reserve(shown.size());
    for (const ArchiveEntry& entry : shown)
        texts.push_back(entry.*field);
    return TextRanks(texts, CompareIgnoringAsciiCase);
}

}  // namespace

HistoryList::HistoryList(ArchiveEntries& entries, HistorySortState& sortState, ShownForms forms)
    : entries_(entries), sortState_(sortState), forms_(std::move(forms)) {}

void HistoryList::SetQueryMode(HistoryQueryMode mode) {
    queryMode_ = mode;
    if (IsTextMode(mode))
        filterText_.clear();
}

bool HistoryList::ShowScanResult(std::uint64_t generation) {
    auto locked = entries_.Lock();
    if (!entries_.IsCurrent(generation))
        return false;
    currentPage_ = 1;
    pageCount_ = PageCountOf(locked.shownEntries.size(), pageSize);
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
            matches = needle.empty() || LowerAsciiLetters(QueriedText(entry, mode)).find(needle) !=
                                            std::u16string::npos;
        } else {
            const std::uint32_t time = QueriedTime(entry, mode);
            matches = from <= time && time <= to;
        }
        if (matches)
            shown.push_back(entry);
    }
    currentPage_ = 1;
    pageCount_ = PageCountOf(shown.size(), pageSize);
}

void HistoryList::Cancel() {
    queryMode_ = HistoryQueryMode::StartTime;
    filterText_.clear();
    auto locked = entries_.Lock();
    locked.shownEntries = locked.allEntries;
    currentPage_ = 1;
    pageCount_ = PageCountOf(locked.shownEntries.size(), pageSize);
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
    sortState_.sortDescending =
        column == sortState_.sortColumn ? !sortState_.sortDescending : false;
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
    switch (column) {
    case kDeviceSerialColumn:
        return SortByKeys(shown, DeviceSerialKeys(shown), descending);
    case kStartTimeColumn:
        return SortByKeys(shown, TimeKeys(shown, &ArchiveEntry::startTime), descending);
    case kStopTimeColumn:
        return SortByKeys(shown, TimeKeys(shown, &ArchiveEntry::stopTime), descending);
    case kDeliveryCompanyColumn:
        return SortByKeys(shown, TextKeys(shown, &ArchiveEntry::deliveryCompany), descending);
    case kDeliveryDateColumn:
        return SortByKeys(shown, TimeKeys(shown, &ArchiveEntry::deliveryDate), descending);
    case kReceivingCompanyColumn:
        return SortByKeys(shown, TextKeys(shown, &ArchiveEntry::receivingCompany), descending);
    case kTransportNumberColumn:
        return SortByKeys(shown, TextKeys(shown, &ArchiveEntry::transportNumber), descending);
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
    const std::int64_t end =
        std::min<std::int64_t>(first + pageSize, static_cast<std::int64_t>(shown.size()));
    for (std::int64_t i = std::max<std::int64_t>(first, 0); i < end; ++i) {
        const auto position = static_cast<std::size_t>(i);
        HistoryRow& row = rows.emplace_back();
        row.texts = HistoryRowTexts(shown[position], position, forms_);
        row.itemData = position;
        row.changedSinceArchived = shown[position].changedSinceArchived;
        row.storedName = shown[position].storedName;
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
