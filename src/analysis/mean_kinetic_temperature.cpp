#include "analysis/mean_kinetic_temperature.h"

#include <cmath>
#include <vector>

namespace velka {
namespace {

constexpr double kZeroCelsius = 273.15;

// ΔH/R in kelvin: R = 8.3144 J/(mol·K) makes it 10,000 K at the default 83.144 kJ/mol, exactly
// (computed as a ratio of the two energies, so the default is not off by a rounding).
double EnergyOverGasConstant(double activationEnergy) {
    return 10000.0 * (activationEnergy / kDefaultActivationEnergy);
}

// Neumaier's compensated sum: the terms are tiny (about e−36) and many, and a window slides by
// adding one and taking one away.
class CompensatedSum {
public:
    void Add(double term) {
        const double sum = sum_ + term;
        correction_ += std::abs(sum_) >= std::abs(term) ? (sum_ - sum) + term : (term - sum) + sum_;
        sum_ = sum;
    }
    double Value() const { return sum_ + correction_; }

private:
    double sum_ = 0.0;
    double correction_ = 0.0;
};

double Term(double celsius, double energyOverR) {
    return std::exp(-energyOverR / (celsius + kZeroCelsius));
}

double MktOfMeanTerm(double meanTerm, double energyOverR) {
    return energyOverR / -std::log(meanTerm) - kZeroCelsius;
}

}  // namespace

double MeanKineticTemperature(std::span<const double> celsius, double activationEnergy) {
    const double energyOverR = EnergyOverGasConstant(activationEnergy);
    CompensatedSum sum;
    for (const double value : celsius)
        sum.Add(Term(value, energyOverR));
    return MktOfMeanTerm(sum.Value() / static_cast<double>(celsius.size()), energyOverR);
}

std::optional<WorstWindow> WorstWindowMeanKineticTemperature(std::span<const double> celsius,
                                                             std::size_t windowSamples,
                                                             double activationEnergy) {
    if (windowSamples == 0 || celsius.size() < windowSamples)
        return std::nullopt;
    const double energyOverR = EnergyOverGasConstant(activationEnergy);
    std::vector<double> terms(celsius.size());
    for (std::size_t i = 0; i < celsius.size(); ++i)
        terms[i] = Term(celsius[i], energyOverR);

    // The MKT rises with the mean of the terms: the worst window is the one of the largest sum.
    CompensatedSum window;
    for (std::size_t i = 0; i < windowSamples; ++i)
        window.Add(terms[i]);
    double largest = window.Value();
    std::size_t start = 0;
    for (std::size_t end = windowSamples; end < terms.size(); ++end) {
        window.Add(terms[end]);
        window.Add(-terms[end - windowSamples]);
        if (window.Value() > largest) {
            largest = window.Value();
            start = end - windowSamples + 1;
        }
    }
    return WorstWindow{MktOfMeanTerm(largest / static_cast<double>(windowSamples), energyOverR),
                       start};
}

std::size_t DaySamples(int intervalSeconds) {
    return intervalSeconds > 0 ? static_cast<std::size_t>(86400 / intervalSeconds) : 0;
}

}  // namespace velka
