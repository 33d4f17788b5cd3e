#pragma once
// The parameter page's three choice lists: each maps its index to seconds when stored, and
// seconds to an index by thresholds when shown.

#include "record/shown_settings.h"
#include "services/translation.h"

#include <array>
#include <string>

namespace velka {

struct Choice {
    int count;    // of `unit`, as the list shows it: "10min"
    UiText unit;  // kSecondsUnit or kMinutesUnit
    int seconds;
};

inline constexpr std::array<Choice, 5> kStartDelayChoices{{{0, kMinutesUnit, 0},
                                                           {5, kMinutesUnit, 300},
                                                           {10, kMinutesUnit, 600},
                                                           {20, kMinutesUnit, 1200},
                                                           {30, kMinutesUnit, 1800}}};
inline constexpr std::array<Choice, 5> kAlarmDelayChoices = kStartDelayChoices;
inline constexpr std::array<Choice, 5> kLogIntervalChoices{{{30, kSecondsUnit, 30},
                                                            {1, kMinutesUnit, 60},
                                                            {5, kMinutesUnit, 300},
                                                            {10, kMinutesUnit, 600},
                                                            {30, kMinutesUnit, 1800}}};

// "10min", in the user's language.
inline std::string ChoiceLabel(const Choice& choice) {
    return std::to_string(choice.count) + Tr(choice.unit);
}

// What the lists show before any image is decoded: "10min", "30min" and "30sec".
inline constexpr int kInitialStartDelayIndex = 2;
inline constexpr int kInitialAlarmDelayIndex = 4;
inline constexpr int kInitialLogIntervalIndex = 0;

// The first choice whose seconds are at least `seconds`; the last one beyond them all.
template <std::size_t N>
constexpr int ChoiceIndexFor(const std::array<Choice, N>& choices, long long seconds) {
    for (std::size_t i = 0; i + 1 < N; ++i) {
        if (seconds <= choices[i].seconds)
            return static_cast<int>(i);
    }
    return static_cast<int>(N - 1);
}

template <std::size_t N>
constexpr bool IsChoice(const std::array<Choice, N>& choices, long long seconds) {
    for (const Choice& choice : choices) {
        if (choice.seconds == seconds)
            return true;
    }
    return false;
}

}  // namespace velka
