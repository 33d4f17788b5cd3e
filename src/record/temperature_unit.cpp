#include "record/temperature_unit.h"

#include "record/decimal_text.h"
#include "record/numeric.h"

#include <cmath>

namespace velka {

std::optional<TemperatureUnit> ParseUnitCode(std::string_view code) {
    if (code == "C" || code == "c")
        return TemperatureUnit::Celsius;
    if (code == "F" || code == "f")
        return TemperatureUnit::Fahrenheit;
    return std::nullopt;
}

Recording ShownIn(const Recording& recording, TemperatureUnit unit) {
    Recording shown = recording;
    if (unit == TemperatureUnit::Celsius)
        return shown;
    for (TempSample& sample : shown.record.samples)
        sample.temperature = InUnit(sample.temperature, unit);
    LogSummary& summary = shown.record.summary;
    for (double* value : {&summary.chartMin, &summary.chartMax, &summary.lowest, &summary.highest,
                          &summary.average})
        *value = InUnit(*value, unit);
    // The range the °C chart shows, in whole degrees of the unit that hold all of it.
    summary.chartMinInt =
        TruncateToInt32(std::floor(InUnit(recording.record.summary.chartMinInt, unit)));
    summary.chartMaxInt =
        TruncateToInt32(std::ceil(InUnit(recording.record.summary.chartMaxInt, unit)));
    shown.settings.lowerLimit = InUnit(shown.settings.lowerLimit, unit);
    shown.settings.upperLimit = InUnit(shown.settings.upperLimit, unit);
    return shown;
}

std::string LimitText(int wholeCelsius, TemperatureUnit unit, const ShownForms& forms) {
    if (unit == TemperatureUnit::Celsius)
        return std::to_string(wholeCelsius);
    return ShownDecimal(InUnit(wholeCelsius, unit), 1, forms);
}

std::optional<int> WholeCelsiusOfLimitText(std::string_view text, TemperatureUnit unit,
                                           const ShownForms& forms) {
    const std::string typed = TypedDecimal(text, forms);
    const std::optional<LeadingFloat> number = ParseLeadingFloat(typed);
    if (!number || !std::isfinite(number->value) ||
        number->rest.find_first_not_of(" \t") != std::string_view::npos)
        return std::nullopt;
    return TruncateToInt32(std::round(CelsiusFrom(number->value, unit)));
}

}  // namespace velka
