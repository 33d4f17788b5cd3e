#pragma once
// The logic of the record table page without its window: the samples shown after a query,
// the page shown (35 rows), and the texts and colours of that page's rows.

#include "record/logger_settings.h"
#include "record/record_table_columns.h"
#include "record/sample_decoding.h"
#include "record/shown_forms.h"
#include "record/temperature_unit.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velka {

struct RgbColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const RgbColor&) const = default;
};

struct RowColors {
    RgbColor text;
    RgbColor background;
    bool operator==(const RowColors&) const = default;
};

// The alarm red (kAlarmTextColor) for a sample beyond either alarm limit, black otherwise;
// always on white. Its temperature also carries the alarm's marker (AlarmMarker).
RowColors SampleRowColors(const TempSample& sample);

struct RecordRow {
    std::array<std::u16string, 3> texts;  // number, record time, temperature
    RowColors colors;
};

enum class TableQueryMode : int { Time = 1, Temperature = 2 };

class RecordTable {
public:
    static constexpr std::int32_t pageSize = 35;

    // The decoded record (its temperatures in the unit shown) and the settings of its image,
    // both owned elsewhere and read each time they are needed. The rows' numbers and dates are
    // written in `forms`.
    RecordTable(const SampleList& sampleList, const LoggerSettings& settings,
                ShownForms forms = kFixedForms);

    // Shows a copy of the record's samples; the page position stays as it was.
    void ShowSamples();

    // Bound fields.
    std::int32_t CurrentPage() const { return currentPage_; }
    // The pages the shown samples fill (none for none), by the rule the history shows too.
    std::int32_t PageCount() const;
    std::int32_t FirstRow() const { return firstRow_; }
    TableQueryMode QueryMode() const { return tableQueryMode_; }
    void SetQueryMode(TableQueryMode mode) { tableQueryMode_ = mode; }
    // The unit of the samples and of the temperature bounds; a new one converts the bounds.
    TemperatureUnit Unit() const { return unit_; }
    void SetUnit(TemperatureUnit unit);
    double MaxTemperature() const { return maxTemperature_; }
    double MinTemperature() const { return minTemperature_; }
    void SetTemperatureBounds(double minTemperature, double maxTemperature) {
        minTemperature_ = minTemperature;
        maxTemperature_ = maxTemperature;
    }

    void Home();
    void Previous();
    void Next();
    void Last();
    // The typed page number. Read as unsigned, a number past the last page (a negative one
    // too) shows the last page; 0 shows an empty page numbered 0.
    void Go(std::int32_t typedPage);

    // Time mode: the samples taken from `fromSeconds` to `toSeconds` (the pickers' values,
    // both ends included). Temperature mode: min <= temperature <= max; NaN never matches.
    void Query(std::int64_t fromSeconds, std::int64_t toSeconds);
    // Back to every sample; the query mode, the pickers and the bounds are kept.
    void Cancel();

    // The rows of the current page.
    std::vector<RecordRow> PageRows() const;
    const SampleList& ShownSamples() const { return shownSamples_; }

    // Seconds since 1970 at which the sample numbered `n` was taken.
    std::int64_t SampleTime(std::size_t n) const;

private:
    std::int32_t LastPageFirstRow() const;

    const SampleList& sampleList_;
    const LoggerSettings& settings_;
    const ShownForms forms_;
    SampleList shownSamples_;
    std::int32_t firstRow_ = 0;
    std::int32_t currentPage_ = 1;
    TableQueryMode tableQueryMode_ = TableQueryMode::Time;
    TemperatureUnit unit_ = TemperatureUnit::Celsius;
    double maxTemperature_ = 70.0;
    double minTemperature_ = -30.0;
};

}  // namespace velka
