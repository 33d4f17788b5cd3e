#include "ui/models/record_table.h"

#include "archive/page_count.h"
#include "archive/table_time_text.h"
#include "record/alarm_marks.h"
#include "record/text_encoding.h"

#include <algorithm>

namespace velka {
namespace {

std::u16string Widen(std::string_view text) {
    return std::u16string(text.begin(), text.end());
}

}  // namespace

RowColors SampleRowColors(const TempSample& sample) {
    constexpr RgbColor kRed{kAlarmTextColor.red, kAlarmTextColor.green, kAlarmTextColor.blue};
    constexpr RgbColor kBlack{0, 0, 0};
    constexpr RgbColor kWhite{255, 255, 255};
    const bool alarm = sample.alarm == 1 || sample.alarm == -1;
    return {alarm ? kRed : kBlack, kWhite};
}

RecordTable::RecordTable(const SampleList& sampleList, const LoggerSettings& settings,
                         ShownForms forms)
    : sampleList_(sampleList), settings_(settings), forms_(std::move(forms)) {}

void RecordTable::ShowSamples() {
    shownSamples_ = sampleList_;
}

void RecordTable::SetUnit(TemperatureUnit unit) {
    if (unit == unit_)
        return;  // a bound typed in stays exactly as typed
    maxTemperature_ = InUnit(CelsiusFrom(maxTemperature_, unit_), unit);
    minTemperature_ = InUnit(CelsiusFrom(minTemperature_, unit_), unit);
    unit_ = unit;
}

std::int32_t RecordTable::PageCount() const {
    return PageCountOf(shownSamples_.size(), pageSize);
}

std::int32_t RecordTable::LastPageFirstRow() const {
    // No samples still have a page 1, which is empty.
    return pageSize * (std::max(PageCount(), 1) - 1);
}

void RecordTable::Home() {
    firstRow_ = 0;
    currentPage_ = 1;
}

void RecordTable::Previous() {
    if (firstRow_ >= pageSize)
        firstRow_ -= pageSize;
    currentPage_ = firstRow_ / pageSize + 1;
}

void RecordTable::Next() {
    if (static_cast<std::int64_t>(firstRow_) + pageSize <
        static_cast<std::int64_t>(shownSamples_.size()))
        firstRow_ += pageSize;
    currentPage_ = firstRow_ / pageSize + 1;
}

void RecordTable::Last() {
    firstRow_ = LastPageFirstRow();
    currentPage_ = firstRow_ / pageSize + 1;
}

void RecordTable::Go(std::int32_t typedPage) {
    const auto lastPage = static_cast<std::uint32_t>(std::max(PageCount(), 1));
    currentPage_ = typedPage;
    if (static_cast<std::uint32_t>(currentPage_) > lastPage)
        currentPage_ = static_cast<std::int32_t>(lastPage);
    firstRow_ = pageSize * (currentPage_ - 1);
}

std::int64_t RecordTable::SampleTime(std::size_t n) const {
    return velka::SampleTime(settings_, n);
}

void RecordTable::Query(std::int64_t fromSeconds, std::int64_t toSeconds) {
    shownSamples_.clear();
    if (tableQueryMode_ == TableQueryMode::Time) {
        const std::uint32_t from = QueryTimeFromPicker(fromSeconds);
        const std::uint32_t to = QueryTimeFromPicker(toSeconds);
        for (std::size_t n = 0; n < sampleList_.size(); ++n) {
            const auto time = static_cast<std::uint32_t>(SampleTime(n));
            if (from <= time && time <= to)
                shownSamples_.push_back(sampleList_[n]);
        }
    } else {
        for (const TempSample& sample : sampleList_) {
            if (minTemperature_ <= sample.temperature && sample.temperature <= maxTemperature_)
                shownSamples_.push_back(sample);
        }
    }
    firstRow_ = 0;
    currentPage_ = 1;
}

void RecordTable::Cancel() {
    shownSamples_ = sampleList_;
    firstRow_ = 0;
    currentPage_ = 1;
}

std::vector<RecordRow> RecordTable::PageRows() const {
    std::vector<RecordRow> rows;
    if (firstRow_ < 0)
        return rows;
    const std::size_t first = static_cast<std::size_t>(firstRow_);
    for (std::size_t i = first; i < first + pageSize && i < shownSamples_.size(); ++i) {
        const TempSample& sample = shownSamples_[i];
        const std::int64_t time = SampleTime(static_cast<std::size_t>(std::max(sample.index, 0)));
        rows.push_back({{Widen(std::to_string(i + 1)), LocalDateTimeText(time, ' ', forms_),
                         Utf16FromUtf8(std::string(AlarmMarker(sample.alarm)) +
                                       ShownDecimal(sample.temperature, 1, forms_))},
                        SampleRowColors(sample)});
    }
    return rows;
}

}  // namespace velka
