#pragma once
// The "Analysis" part of both reports (a page of the PDF, a worksheet of the workbook): the
// values of the analysis by the chosen profile, one title and text each, and the profile's rules
// with their outcomes. Both reports print these same texts.

#include "analysis/recording_analysis.h"
#include "services/translation.h"

#include <array>
#include <string>
#include <vector>

namespace velka {

struct AnalysisValueRow {
    std::string title;  // in the user's language, as the value
    std::string value;
};

struct AnalysisRuleRow {
    std::string rule;  // RuleText
    std::size_t events = 0;
    std::string timeBeyond;
    std::string longest;
    std::string firstOut;  // a time, or "none"
    std::string alarm;     // a time, or "no alarm"
};

struct AnalysisReport {
    std::vector<AnalysisValueRow> values;
    std::vector<AnalysisRuleRow> rules;
    std::string note;  // under the rules; empty when there is nothing to add
};

inline constexpr std::array<UiText, 6> kAnalysisRuleHeads = {
    VELKA_TEXT("Analysis", "Rule"),        VELKA_TEXT("Analysis", "Events"),
    VELKA_TEXT("Analysis", "Time Beyond"), VELKA_TEXT("Analysis", "Longest Event"),
    VELKA_TEXT("Analysis", "First Out"),   VELKA_TEXT("Analysis", "Alarm")};

// The analysis of the recording in °C, its temperatures shown in `unit`.
AnalysisReport MakeAnalysisReport(const RecordingAnalysis& analysis, const Recording& recording,
                                  TemperatureUnit unit);

}  // namespace velka
