#pragma once
// The parameter page's three choice lists: each maps its index to seconds when stored, and
// seconds to an index by thresholds when shown.

#include <array>

namespace velka {

struct Choice {
    const char* label;
    int seconds;
};

inline constexpr std::array<Choice, 5> kStartDelayChoices{
    {{"0min", 0}, {"5min", 300}, {"10min", 600}, {"20min", 1200}, {"30min", 1800}}};
inline constexpr std::array<Choice, 5> kAlarmDelayChoices = kStartDelayChoices;
inline constexpr std::array<Choice, 5> kLogIntervalChoices{
    {{"30sec", 30}, {"1min", 60}, {"5min", 300}, {"10min", 600}, {"30min", 1800}}};

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
