#pragma once
// Mean kinetic temperature (the Haynes formula for equally spaced readings, as USP <1160> and
// ICH Q1A(R2) give it): T_K = (ΔH/R) / (−ln((1/n) · Σ exp(−ΔH / (R · T_i)))), T_i in kelvin.

#include <cstddef>
#include <optional>
#include <span>

namespace velka {

// The activation energy ΔH in kJ/mol: its default and the range a user may set.
inline constexpr double kDefaultActivationEnergy = 83.144;
inline constexpr double kLowestActivationEnergy = 40.0;
inline constexpr double kHighestActivationEnergy = 150.0;

// The MKT in °C of a non-empty series; equal to the value of a constant series, never below the
// series' mean.
double MeanKineticTemperature(std::span<const double> celsius,
                              double activationEnergy = kDefaultActivationEnergy);

struct WorstWindow {
    double celsius = 0.0;
    std::size_t startIndex = 0;  // the first of its samples; the earliest of equal windows
};

// The highest MKT over every run of `windowSamples` consecutive samples, in one pass; none when
// the series is shorter than one window (or the window is empty).
std::optional<WorstWindow>
WorstWindowMeanKineticTemperature(std::span<const double> celsius, std::size_t windowSamples,
                                  double activationEnergy = kDefaultActivationEnergy);

// The samples of 24 hours at the interval: ⌊86400 / interval⌋.
std::size_t DaySamples(int intervalSeconds);

}  // namespace velka
