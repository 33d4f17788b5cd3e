// The one conversion to °F, and the limits stepped through the °F of whole °C. The recording as
// shown in °F is checked through velka-cli decode.

#include "record/decimal_text.h"
#include "record/temperature_unit.h"

#include <gtest/gtest.h>

namespace velka {
namespace {

using enum TemperatureUnit;

TEST(TemperatureUnit, FahrenheitOfCelsiusAndLimitTextsThatReadBack) {
    const struct {
        double celsius;
        const char* fahrenheit;
    } conversions[] = {{-30, "-22.0"}, {-0.5, "31.1"}, {2, "35.6"}, {8, "46.4"}, {70, "158.0"}};
    for (const auto& c : conversions) {
        EXPECT_EQ(FixedDecimal(FahrenheitOf(c.celsius), 1), c.fahrenheit) << c.celsius;
        EXPECT_NEAR(CelsiusFromFahrenheit(FahrenheitOf(c.celsius)), c.celsius, 1e-12);
    }
    // Every whole °C a limit may take reads back from its text as itself, in both units and in
    // the fixed and a comma language's forms.
    const ShownForms german{",", "%d.%m.%Y"};
    for (int celsius = -30; celsius <= 70; ++celsius) {
        for (const TemperatureUnit unit : {Celsius, Fahrenheit}) {
            for (const ShownForms& forms : {kFixedForms, german})
                EXPECT_EQ(WholeCelsiusOfLimitText(LimitText(celsius, unit, forms), unit, forms),
                          celsius)
                    << celsius << " " << UnitCode(unit) << forms.decimalPoint;
        }
    }
    const struct {
        const char* text;
        TemperatureUnit unit;
        std::optional<int> celsius;
        const ShownForms& forms = kFixedForms;
    } texts[] = {
        {"8", Celsius, 8},
        {"46.4", Fahrenheit, 8},
        {"-22.0", Fahrenheit, -30},
        {"47", Fahrenheit, 8},
        {"", Fahrenheit, {}},
        {"4x", Celsius, {}},
        {"nan", Celsius, {}},
        {" 50.0 ", Fahrenheit, 10},
        {"46,4", Fahrenheit, {}},
        {"46,4", Fahrenheit, 8, german},
        {"46.4", Fahrenheit, 8, german},  // a point typed in German still counts
        {"4,6,4", Fahrenheit, {}, german},
    };
    for (const auto& t : texts)
        EXPECT_EQ(WholeCelsiusOfLimitText(t.text, t.unit, t.forms), t.celsius) << t.text;
    EXPECT_EQ(LimitText(8, Fahrenheit, german), "46,4");
}

}  // namespace
}  // namespace velka
