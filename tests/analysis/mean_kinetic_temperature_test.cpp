// The mean kinetic temperature against the published check and its defining properties, and
// the worst 24-hour window against a plain search over every window.

#include "analysis/mean_kinetic_temperature.h"
#include "record/decimal_text.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <vector>

namespace velka {
namespace {

std::vector<double> RandomSeries(std::size_t count, unsigned seed, double low, double high) {
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> value(low, high);
    std::vector<double> series(count);
    for (double& v : series)
        v = value(generator);
    return series;
}

TEST(MeanKineticTemperature, PublishedCheckAndConstantSeries) {
    const std::vector<double> published = {2, 2, 5, 8, 8, 8, 8};
    EXPECT_EQ(FixedDecimal(MeanKineticTemperature(published), 2), "6.25");
    for (const double constant : {-30.0, 0.0, 5.0, 8.1, 70.0}) {
        const std::vector<double> series(500, constant);
        EXPECT_NEAR(MeanKineticTemperature(series), constant, 1e-9) << constant;
        const auto worst = WorstWindowMeanKineticTemperature(series, 48);
        ASSERT_TRUE(worst.has_value());
        EXPECT_NEAR(worst->celsius, constant, 1e-9) << constant;
        EXPECT_EQ(worst->startIndex, 0u) << constant;
    }
}

TEST(MeanKineticTemperature, LiesBetweenMeanAndMaximumAndIgnoresOrderAndRepetition) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::vector<double> series = RandomSeries(200 + seed, seed, -20, 40);
        const double mkt = MeanKineticTemperature(series);
        const double mean =
            std::accumulate(series.begin(), series.end(), 0.0) / static_cast<double>(series.size());
        EXPECT_GE(mkt, mean) << seed;
        EXPECT_LE(mkt, *std::max_element(series.begin(), series.end())) << seed;
        EXPECT_GT(MeanKineticTemperature(series, 120.0), mkt) << seed;
        EXPECT_LT(MeanKineticTemperature(series, 50.0), mkt) << seed;

        std::vector<double> repeated;
        for (const double value : series)
            repeated.insert(repeated.end(), seed % 4 + 2, value);
        EXPECT_NEAR(MeanKineticTemperature(repeated), mkt, 1e-9) << seed;
        std::shuffle(series.begin(), series.end(), std::mt19937(seed));
        EXPECT_NEAR(MeanKineticTemperature(series), mkt, 1e-9) << seed;
    }
}

TEST(WorstWindow, MatchesTheHighestMktOfEveryWindow) {
    struct Case {
        std::size_t count, window;
    };
    for (const Case c : {Case{300, 48}, Case{1000, 288}, Case{288, 288}, Case{500, 1}}) {
        const std::vector<double> series =
            RandomSeries(c.count, static_cast<unsigned>(c.count), -5, 35);
        double best = -1e9;
        std::size_t bestStart = 0;
        for (std::size_t start = 0; start + c.window <= series.size(); ++start) {
            const double mkt = MeanKineticTemperature(std::span(series).subspan(start, c.window));
            if (mkt > best + 1e-12) {
                best = mkt;
                bestStart = start;
            }
        }
        const auto worst = WorstWindowMeanKineticTemperature(series, c.window);
        ASSERT_TRUE(worst.has_value()) << c.count;
        EXPECT_NEAR(worst->celsius, best, 1e-9) << c.count;
        EXPECT_EQ(worst->startIndex, bestStart) << c.count;
    }
    const std::vector<double> shortSeries(287, 5.0);
    EXPECT_FALSE(WorstWindowMeanKineticTemperature(shortSeries, 288).has_value());
    EXPECT_FALSE(WorstWindowMeanKineticTemperature(shortSeries, 0).has_value());
    EXPECT_EQ(DaySamples(300), 288u);
    EXPECT_EQ(DaySamples(7), 12342u);
    EXPECT_EQ(DaySamples(0), 0u);
}

}  // namespace
}  // namespace velka
