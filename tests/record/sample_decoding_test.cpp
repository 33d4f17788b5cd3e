#include "record/recording.h"
#include "record/sample_decoding.h"
#include "record/synthetic_recording.h"
#include "test_tables.h"

#include <gtest/gtest.h>
#include <random>

namespace velka {
namespace {

using testing::DeliveredTables;
using Block = std::array<std::uint8_t, kSampleBlockSize>;

SampleBlockValues Unpack(const Block& block) {
    return UnpackSampleBlock(std::span<const std::uint8_t, kSampleBlockSize>(block));
}

// A table where raw value v decodes to the temperature of row v - 1 … and so forth: row i has
// the resistance of raw value i + 1, so each raw value lands exactly on a row.
ReferenceTable TableOfSampleValues() {
    ReferenceTable table;
    for (std::size_t i = 0; i < kReferenceRows; ++i)
        table.rows[i] = {RowTemperature(static_cast<int>(i)),
                         ResistanceFromSample(static_cast<std::uint16_t>(i + 1))};
    return table;
}

double TemperatureOfRaw(std::uint16_t raw) {
    return RowTemperature(raw - 1);
}

RawSamples RawOf(std::initializer_list<std::uint16_t> values) {
    RawSamples raw{};
    std::copy(values.begin(), values.end(), raw.begin());
    return raw;
}

TEST(Unpack, DocumentedBitPatterns) {
    Block ones;
    ones.fill(0xFF);
    for (const std::uint16_t v : Unpack(ones))
        EXPECT_EQ(v, 1023);

    Block block{};
    block[0] = 0x01;
    SampleBlockValues values = Unpack(block);
    EXPECT_EQ(values[0], 1);
    EXPECT_EQ(values[1], 0);
    EXPECT_EQ(values[2], 0);
    EXPECT_EQ(values[3], 0);

    block = {};
    block[3] = 0x40;
    block[4] = 0x01;
    EXPECT_EQ(Unpack(block)[3], 5);

    block = {};
    block[60] = block[61] = block[62] = block[63] = 0xFF;
    values = Unpack(block);
    EXPECT_EQ(values[47], 0);
    EXPECT_EQ(values[48], 1023);
    EXPECT_EQ(values[49], 1023);
    EXPECT_EQ(values[50], 1023);
}

TEST(Unpack, PackIsItsInverse) {
    std::mt19937 engine(7);
    for (int round = 0; round < 200; ++round) {
        SampleBlockValues values;
        for (auto& v : values)
            v = static_cast<std::uint16_t>(engine() & 0x3FF);
        EXPECT_EQ(Unpack(PackSampleBlock(values)), values);
    }
    // Bits 510 and 511 carry nothing.
    Block block = PackSampleBlock(SampleBlockValues{});
    block[63] |= 0xC0;
    EXPECT_EQ(Unpack(block), SampleBlockValues{});
}

TEST(Unpack, RegionFillsEntriesBlockByBlock) {
    LoggerImage image{};
    SampleBlockValues values{};
    values[0] = 11;
    values[50] = 22;
    const Block block = PackSampleBlock(values);
    std::copy(block.begin(), block.end(), image.begin() + kSampleRegionOffset + 64 * 171);
    const RawSamples raw = UnpackSampleRegion(image);
    EXPECT_EQ(raw[51 * 171], 11);
    EXPECT_EQ(raw[8771], 22);
    EXPECT_EQ(raw[8772], 0);
}

TEST(SampleList, EmptyRecord) {
    const DecodedSamples d = BuildSampleList(RawSamples{}, TableOfSampleValues(), 2.0, 8.0);
    EXPECT_TRUE(d.samples.empty());
    EXPECT_EQ(d.summary.lowest, 70.0);
    EXPECT_EQ(d.summary.highest, -30.0);
    EXPECT_EQ(d.summary.average, 0.0);
    EXPECT_EQ(d.summary.chartMax, 8.0);
    EXPECT_EQ(d.summary.chartMin, 2.0);
    EXPECT_EQ(d.summary.chartMaxInt, 8);
    EXPECT_EQ(d.summary.chartMinInt, 2);

    // An empty record when the limits lie outside the scale: the far ends win.
    const DecodedSamples wide = BuildSampleList(RawSamples{}, TableOfSampleValues(), -40.0, -35.0);
    EXPECT_EQ(wide.summary.chartMax, -30.0);
    EXPECT_EQ(wide.summary.chartMin, -40.0);
}

TEST(SampleList, ZeroEndsTheRecord) {
    const DecodedSamples d =
        BuildSampleList(RawOf({301, 311, 0, 400, 500}), TableOfSampleValues(), -100.0, 100.0);
    ASSERT_EQ(d.samples.size(), 2u);
    EXPECT_EQ(d.samples[0].temperature, TemperatureOfRaw(301));
    EXPECT_EQ(d.samples[1].index, 1);
}

TEST(SampleList, AlarmFlagsAreStrictAndTheUpperTestComesFirst) {
    // Raw 301 is 0.0 °C, 381 is 8.0 °C (as computed from the rows).
    const DecodedSamples d =
        BuildSampleList(RawOf({301, 381, 382, 300, 321}), TableOfSampleValues(),
                        TemperatureOfRaw(301), TemperatureOfRaw(381));
    ASSERT_EQ(d.samples.size(), 5u);
    EXPECT_EQ(d.samples[0].alarm, 0);  // equal to the lower limit
    EXPECT_EQ(d.samples[1].alarm, 0);  // equal to the upper limit
    EXPECT_EQ(d.samples[2].alarm, 1);
    EXPECT_EQ(d.samples[3].alarm, -1);
    EXPECT_EQ(d.samples[4].alarm, 0);

    // Lower limit above the upper: a temperature above both is +1, one below both -1.
    const DecodedSamples crossed =
        BuildSampleList(RawOf({500, 100}), TableOfSampleValues(), 10.0, 5.0);
    EXPECT_EQ(crossed.samples[0].alarm, 1);
    EXPECT_EQ(crossed.samples[1].alarm, -1);
}

TEST(SampleList, SummaryAndChartRange) {
    const ReferenceTable table = TableOfSampleValues();
    const DecodedSamples d = BuildSampleList(RawOf({301, 311, 291}), table, -5.0, 30.0);
    EXPECT_EQ(d.summary.highest, TemperatureOfRaw(311));
    EXPECT_EQ(d.summary.lowest, TemperatureOfRaw(291));
    EXPECT_EQ(d.summary.average,
              ((0.0 + TemperatureOfRaw(301)) + TemperatureOfRaw(311) + TemperatureOfRaw(291)) /
                  3.0);
    EXPECT_EQ(d.summary.chartMax, 30.0);  // the limit lies above every sample
    EXPECT_EQ(d.summary.chartMin, -5.0);

    // Truncation toward zero: -0.5 gives 0, 29.9 gives 29.
    const DecodedSamples t = BuildSampleList(RawOf({296, 600}), table, 0.0, 0.0);
    EXPECT_NEAR(t.summary.chartMin, -0.5, 1e-9);
    EXPECT_EQ(t.summary.chartMinInt, 0);
    EXPECT_NEAR(t.summary.chartMax, 29.9, 1e-9);
    EXPECT_EQ(t.summary.chartMaxInt, 29);
}

TEST(SampleList, HotSamplesReadAsTheWarmEnd) {
    // Against the delivered table, the top raw values lie hotter than +70 °C.
    const DecodedSamples d = BuildSampleList(RawOf({1023}), DeliveredTables().middle, 0, 30);
    ASSERT_EQ(d.samples.size(), 1u);
    EXPECT_EQ(d.samples[0].temperature, 70.0);
    EXPECT_EQ(d.samples[0].alarm, 1);
}

TEST(DecodeImage, FullRegionHasEveryIndex) {
    LoggerImage image{};
    std::fill(image.begin() + kSampleRegionOffset, image.begin() + kSampleRegionEnd, 0x55);
    const DecodedRecord record = DecodeImage(image, DeliveredTables().middle, 0, 30);
    ASSERT_EQ(record.samples.size(), 8772u);
    EXPECT_EQ(record.samples.front().index, 0);
    EXPECT_EQ(record.samples.back().index, 8771);
    EXPECT_EQ(record.summary.viewFirst, 0);
    EXPECT_EQ(record.summary.viewLast, 8772);
}

TEST(DecodeImage, BytesOutsideTheLoggerDataDoNotMatter) {
    const SyntheticRecording synthetic = SynthesizeRecording({}, DeliveredTables());
    LoggerImage other = synthetic.image;
    std::fill(other.begin(), other.begin() + kSampleRegionOffset, 0xEE);
    const Recording a = DecodeRecording(synthetic.image, DeliveredTables(), 0);
    const Recording b = DecodeRecording(other, DeliveredTables(), 0);
    ASSERT_EQ(a.record.samples.size(), b.record.samples.size());
    for (std::size_t i = 0; i < a.record.samples.size(); ++i)
        ASSERT_EQ(a.record.samples[i].temperature, b.record.samples[i].temperature);
    EXPECT_EQ(a.settings.products, b.settings.products);
}

TEST(SyntheticRecording, DecodesToTheIntendedProfile) {
    SyntheticRecordingOptions options;
    options.sampleCount = 8772;
    options.logIntervalSeconds = 60;
    options.startTime = 1765000000;
    options.seed = 42;
    const SyntheticRecording synthetic = SynthesizeRecording(options, DeliveredTables());
    const Recording recording = DecodeRecording(synthetic.image, DeliveredTables(), 0);
    ASSERT_EQ(recording.record.samples.size(), 8772u);
    int above = 0;
    int below = 0;
    for (std::size_t i = 0; i < recording.record.samples.size(); ++i) {
        const TempSample& sample = recording.record.samples[i];
        EXPECT_NEAR(sample.temperature, synthetic.intendedTemperatures[i], 0.1) << i;
        above += sample.alarm == 1;
        below += sample.alarm == -1;
    }
    EXPECT_GT(above, 0);
    EXPECT_GT(below, 0);
    EXPECT_LT(above + below, 8772 / 5);
    EXPECT_EQ(recording.settings.lowerLimit, 2.0);
    EXPECT_EQ(recording.settings.upperLimit, 8.0);
    EXPECT_EQ(recording.StartTime(), 1765000000);
    EXPECT_EQ(recording.StopTime(), 1765000000 + 8772 * 60);
    EXPECT_EQ(recording.settings.products.size(), 3u);

    // The same seed gives the same image; another seed another one.
    EXPECT_EQ(SynthesizeRecording(options, DeliveredTables()).image, synthetic.image);
    options.seed = 43;
    EXPECT_NE(SynthesizeRecording(options, DeliveredTables()).image, synthetic.image);
}

}  // namespace
}  // namespace velka
