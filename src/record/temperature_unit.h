#pragma once
// The unit in which the user reads temperatures: °C, or °F for docks that work in Fahrenheit.
// Everything the program keeps, computes and writes to the logger stays in °C; a unit is applied
// only where a temperature is shown, through the one conversion below.

#include "record/recording.h"
#include "record/shown_forms.h"
#include "services/translation.h"

#include <optional>
#include <string>
#include <string_view>

namespace velka {

enum class TemperatureUnit { Celsius, Fahrenheit };

// °F = °C × 9/5 + 32, and back.
constexpr double FahrenheitOf(double celsius) {
    return celsius * 9.0 / 5.0 + 32.0;
}
constexpr double CelsiusFromFahrenheit(double fahrenheit) {
    return (fahrenheit - 32.0) * 5.0 / 9.0;
}
constexpr double InUnit(double celsius, TemperatureUnit unit) {
    return unit == TemperatureUnit::Fahrenheit ? FahrenheitOf(celsius) : celsius;
}
constexpr double CelsiusFrom(double value, TemperatureUnit unit) {
    return unit == TemperatureUnit::Fahrenheit ? CelsiusFromFahrenheit(value) : value;
}

// The sign written straight after a value in the logger's own texts: "℃" or "°F".
constexpr std::string_view UnitSign(TemperatureUnit unit) {
    return unit == TemperatureUnit::Fahrenheit ? "°F" : "℃";
}
// The symbol written after a space in the analysis texts: "°C" or "°F".
constexpr std::string_view UnitSymbol(TemperatureUnit unit) {
    return unit == TemperatureUnit::Fahrenheit ? "°F" : "°C";
}
// "C" or "F": config.ini, --unit and the command line's JSON.
constexpr std::string_view UnitCode(TemperatureUnit unit) {
    return unit == TemperatureUnit::Fahrenheit ? "F" : "C";
}
// "C" or "F" (either case); nothing for anything else.
std::optional<TemperatureUnit> ParseUnitCode(std::string_view code);
// The unit's name as the window offers it: "Celsius" or "Fahrenheit" (Tr).
constexpr UiText UnitName(TemperatureUnit unit) {
    return unit == TemperatureUnit::Fahrenheit ? VELKA_TEXT("Units", "Fahrenheit")
                                               : VELKA_TEXT("Units", "Celsius");
}

// The recording as the user reads it in `unit`: the samples, the statistics, the shown
// temperature range (widened to whole degrees of the unit) and the limits converted; the limit
// codes, alarm flags, view window and times as they are. The analysis takes the recording in °C,
// never this copy.
Recording ShownIn(const Recording& recording, TemperatureUnit unit);

// An alarm limit is a whole °C (the logger keeps it so); with °F the user steps through the °F
// values of whole °C: "8" in °C, "46.4" in °F ("46,4" in German forms).
std::string LimitText(int wholeCelsius, TemperatureUnit unit,
                      const ShownForms& forms = kFixedForms);
// The whole °C that a limit text of LimitText stands for (the nearest one to any other number);
// nothing for a text that is no number.
std::optional<int> WholeCelsiusOfLimitText(std::string_view text, TemperatureUnit unit,
                                           const ShownForms& forms = kFixedForms);

}  // namespace velka
