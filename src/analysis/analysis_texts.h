#pragma once
// The analysis in words, as the window's summary and both reports print it: one home for each
// text, so that the window, the PDF and the workbook say the same thing the same way, in the
// user's language (Tr).

#include "analysis/recording_analysis.h"
#include "record/shown_forms.h"
#include "record/temperature_unit.h"
#include "services/translation.h"

#include <cstdint>
#include <string>

namespace velka {

inline constexpr UiText kAnalysisHeading = VELKA_TEXT("Analysis", "Analysis");
inline constexpr UiText kNoAlarmText = VELKA_TEXT("Analysis", "No alarm");
// A rule's alarm cell in the reports when the rule did not fire.
inline constexpr UiText kRuleNoAlarmText = VELKA_TEXT("Analysis", "no alarm");
inline constexpr UiText kShorterThanDayText = VELKA_TEXT("Analysis", "record shorter than 24 h");
inline constexpr UiText kNoExcursionText = VELKA_TEXT("Analysis", "none");

// "6.25 °C" (or "43.25 °F"): the MKT and temperatures of the analysis, two decimals, in the
// user's unit. Every temperature of these texts is given in °C and shown in `unit`; the window
// passes its `forms` ("6,25 °C" in German), the reports keep the fixed ones.
std::string AnalysisTemperatureText(double celsius, TemperatureUnit unit,
                                    const ShownForms& forms = kFixedForms);
// "83.144 kJ/mol", without trailing zeros ("100 kJ/mol").
std::string ActivationEnergyText(double activationEnergy, const ShownForms& forms = kFixedForms);
// "6.25 °C (ΔH 83.144 kJ/mol)".
std::string MktText(const SeriesAnalysis& analysis, TemperatureUnit unit,
                    const ShownForms& forms = kFixedForms);
// "6.80 °C from 2026-12-04 10:21", or "record shorter than 24 h".
std::string WorstDayText(const SeriesAnalysis& analysis, const Recording& recording,
                         TemperatureUnit unit, const ShownForms& forms = kFixedForms);
// "35 min in 2 events", "5 min in 1 event", or "none".
std::string TimeBeyondText(const RuleOutcome& outcome);
// The longest event beyond any of the analysis' rules: "15 min", or "none".
std::string LongestExcursionText(const SeriesAnalysis& analysis);
// The verdict: "Alarm: above 8.0 °C for 35 min from 2026-12-04 10:21" (the first rule that fired:
// its time beyond and when the record first went beyond it), "Alarm: MKT 26.10 °C above
// 25.00 °C", or "No alarm".
std::string AlarmStatusText(const SeriesAnalysis& analysis, const Recording& recording,
                            TemperatureUnit unit, const ShownForms& forms = kFixedForms);
// The time of sample `index` to the minute, local time: "2026-12-04 10:21".
std::string AnalysisTimeText(const Recording& recording, std::size_t index,
                             const ShownForms& forms = kFixedForms);

}  // namespace velka
