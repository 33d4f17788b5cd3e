#pragma once
// The logic of the history page without its window: which entries are shown after a query or
// a sort, the page shown, and the rows of that page. The page's window reads its rows here and
// binds its fields to the state below.

#include "archive/archive_entries.h"
#include "archive/history_columns.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velka {

// The column the history is sorted by and its direction: one for the whole program, held by
// its owner and lent to the history by reference.
struct HistorySortState {
    int sortColumn = 0;
    bool sortDescending = false;
};

// Which field a query tests; the values are those of the seven query radio buttons.
enum class HistoryQueryMode : int {
    StartTime = 0,
    StopTime = 1,
    DeliveryDate = 2,
    DeviceSerial = 3,  // the whole file name
    DeliveryCompany = 4,
    ReceivingCompany = 5,
    TransportNumber = 6,
};

struct HistoryRow {
    std::array<std::u16string, kHistoryColumnCount> texts;
    std::size_t itemData = 0;  // the entry's index in the shown entries
    bool changedSinceArchived = false;
    std::string storedName;  // the file's name in the archive folder (local rows)
    // Where a row of the central archive was uploaded: the site and the workstation's host.
    std::u16string site;
    std::u16string workstation;
};

class HistoryList {
public:
    static constexpr std::int32_t pageSize = 25;

    // The rows give their dates in `forms`.
    HistoryList(ArchiveEntries& entries, HistorySortState& sortState,
                ShownForms forms = kFixedForms);

    ArchiveEntries& Entries() { return entries_; }

    // Bound fields and state.
    HistoryQueryMode QueryMode() const { return queryMode_; }
    // The four text modes also empty the filter text.
    void SetQueryMode(HistoryQueryMode mode);
    const std::u16string& FilterText() const { return filterText_; }
    void SetFilterText(std::u16string text) { filterText_ = std::move(text); }
    std::int32_t CurrentPage() const { return currentPage_; }
    std::int32_t PageCount() const { return pageCount_; }
    // The page's controls are disabled until the first scan has finished.
    bool ControlsEnabled() const { return controlsEnabled_; }

    // "Scan finished" for `generation`: page 1 of the new result, controls enabled. A
    // finished scan that a newer one has superseded changes nothing and gives false.
    bool ShowScanResult(std::uint64_t generation);

    // Shows the entries of allEntries that match the query mode: a time range (the pickers'
    // values, both ends included) or the filter text.
    void Query(std::int64_t fromSeconds, std::int64_t toSeconds);
    // Back to every entry in listing order, query mode 0 and an empty filter.
    void Cancel();

    // Paging; each returns false when it changes nothing (the list needs no refill).
    bool Home();
    bool Previous();
    bool Next();
    bool Last();
    // The typed page number, clamped to the pages there are (at least 1).
    void Go(std::int32_t typedPage);

    // A click on column header `column`; false when nothing was sorted (the "Number" column,
    // or a column that does not exist).
    bool Sort(int column);

    // The rows of the current page.
    std::vector<HistoryRow> PageRows();
    std::size_t ShownCount();
    // The stored image of the shown entry with this item data, when there is one.
    std::optional<std::filesystem::path> StoredImageOf(const std::filesystem::path& folder,
                                                       std::size_t itemData);

private:
    void SortShown(std::vector<ArchiveEntry>& shown, int column, bool descending) const;

    ArchiveEntries& entries_;
    HistorySortState& sortState_;
    const ShownForms forms_;
    HistoryQueryMode queryMode_ = HistoryQueryMode::StartTime;
    std::u16string filterText_;
    std::int32_t currentPage_ = 0;
    std::int32_t pageCount_ = 0;
    bool controlsEnabled_ = false;
};

}  // namespace velka
