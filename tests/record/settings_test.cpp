#include "record/logger_settings.h"
#include "test_tables.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

namespace velka {
namespace {

using testing::DeliveredTables;

const ReferenceTable& MiddleTable() {
    return DeliveredTables().middle;
}

TEST(AlarmLimits, WholeDegreesSurviveTheCodeAtMostOneDegreeLower) {
    for (int limit = -30; limit <= 70; ++limit) {
        const double back = LimitFromCode(CodeFromLimit(limit, MiddleTable()), MiddleTable());
        EXPECT_TRUE(back == limit || back == limit - 1) << limit << " came back as " << back;
    }
}

TEST(AlarmLimits, OutOfScaleLimitsAreWrittenAsTheScaleEnds) {
    EXPECT_EQ(CodeFromLimit(-40, MiddleTable()), CodeFromLimit(-30, MiddleTable()));
    EXPECT_EQ(CodeFromLimit(80, MiddleTable()), CodeFromLimit(70, MiddleTable()));
    // -30 °C is row 0: trunc(20889.6 / (R0 + 5.1)) >> 2.
    const double r0 = MiddleTable().rows[0].resistance;
    EXPECT_EQ(
        CodeFromLimit(-30, MiddleTable()),
        static_cast<std::uint16_t>(static_cast<unsigned>(std::trunc(20889.6 / (r0 + 5.1))) >> 2));
}

TEST(AlarmLimits, RoundingMovesTwoTenthsAwayFromZero) {
    // A table in which code 1 looks up exactly the given row: the rows before it lie far above
    // code 1's resistance, the row itself equals it, the rows after are zero.
    const auto limitAtRow = [](int row) {
        ReferenceTable t;
        for (int i = 0; i < row; ++i)
            t.rows[static_cast<std::size_t>(i)].resistance = 1e9 - i;
        t.rows[static_cast<std::size_t>(row)].resistance = (4096 - 4.0) * kDividerResistance / 4.0;
        return LimitFromCode(1, t);
    };
    EXPECT_EQ(limitAtRow(598), 30.0);  // 29.8 -> 30
    EXPECT_EQ(limitAtRow(597), 29.0);  // 29.7 -> 29
    EXPECT_EQ(limitAtRow(300), 0.0);   // 0.0
    EXPECT_EQ(limitAtRow(299), -0.0);  // -0.1 -> trunc(-0.3) = -0
    EXPECT_EQ(limitAtRow(270), -3.0);  // -3.0 -> -3.2 -> -3
    // Row 242 is -5.8 computed as 242 x 0.1 - 30.0 = -5.799999999999997, and that minus 0.2
    // truncates to -5. A fused multiply-add would give -5.8 exactly and -6.
    EXPECT_EQ(limitAtRow(242), -5.0);
    EXPECT_EQ(limitAtRow(272), -2.0);  // likewise -2.799999999999997
    EXPECT_EQ(limitAtRow(1000), 70.0);
}

TEST(AlarmLimits, CodeZeroAndWildCodesStayOnTheScale) {
    // Code 0 is an infinite resistance: the cold end of the table.
    EXPECT_EQ(LimitFromCode(0, MiddleTable()), -30.0);
    // Codes above 1023 give negative resistances: the warm end.
    EXPECT_EQ(LimitFromCode(0xFFFF, MiddleTable()), 70.0);
    // An all-zero table (before any calibration) gives row 0's stored 0.0 for any code.
    EXPECT_EQ(LimitFromCode(150, ReferenceTable{}), 0.0);
    EXPECT_EQ(CodeFromLimit(std::nan(""), MiddleTable()), CodeFromLimit(-30, MiddleTable()));
}

LoggerImage ImageWithSettings() {
    LoggerImage image{};
    WriteU32(image, kSerialNumberOffset, 0x0A1B2C3D);
    WriteU32(image, kStartOffsetOffset, 600);
    WriteU16(image, kCalibrationAOffset, 46583);
    WriteU16(image, kCalibrationBOffset, 46659);
    WriteU16(image, kLogIntervalOffset, 300);
    WriteU16(image, kStartDelayOffset, 1200);
    image[kAlarmDelayCountOffset] = 6;
    image[kLedBlinkIntervalOffset] = 10;
    image[kWriteProtectFlagOffset] = 1;
    WriteU32(image, kClockSetTimeOffset, 1700000000);
    WriteU32(image, kDeliveryDateOffset, 1700500000);
    return image;
}

TEST(Settings, DecodesEveryField) {
    LoggerImage image = ImageWithSettings();
    WriteU16(image, kLowerLimitCodeOffset, CodeFromLimit(2, MiddleTable()));
    WriteU16(image, kUpperLimitCodeOffset, CodeFromLimit(8, MiddleTable()));
    WriteSlotText(image, kDeliveryCompanyOffset, kCompanySlotBytes, u"Nordvik");
    WriteSlotText(image, kTransportNumberOffset, kTransportNumberSlotBytes, u"T-1");
    const LoggerSettings s = DecodeSettings(image, MiddleTable(), 0);
    EXPECT_EQ(s.serialNumber, 0x0A1B2C3Du);
    EXPECT_EQ(s.serialText, "0A1B2C3D");
    EXPECT_EQ(s.writeProtectFlag, 1);
    EXPECT_EQ(s.startOffset, 600u);
    EXPECT_EQ(s.calibrationA, 46583);
    EXPECT_EQ(s.calibrationB, 46659);
    EXPECT_EQ(s.logInterval, 300);
    EXPECT_EQ(s.logCycleText, "30");
    EXPECT_EQ(s.startDelay, 1200);
    EXPECT_GE(s.lowerLimit, 1.0);
    EXPECT_LE(s.lowerLimit, 2.0);
    EXPECT_GE(s.upperLimit, 7.0);
    EXPECT_LE(s.upperLimit, 8.0);
    EXPECT_EQ(s.alarmDelayCount, 6);
    EXPECT_EQ(s.ledBlinkInterval, 10);
    EXPECT_EQ(s.clockSetTime, 1700000000u);
    EXPECT_EQ(s.deliveryDate, 1700500000);
    EXPECT_EQ(s.deliveryCompany, u"Nordvik");
    EXPECT_EQ(s.transportNumber, u"T-1");
    EXPECT_TRUE(s.receivingCompany.empty());
}

TEST(Settings, SerialTextIsEightUpperCaseHexDigits) {
    EXPECT_EQ(SerialText(0), "00000000");
    EXPECT_EQ(SerialText(0x1234), "00001234");
    EXPECT_EQ(SerialText(0xABCDEF01), "ABCDEF01");
}

TEST(Settings, UnsetDeliveryDateIsNow) {
    setenv("TZ", "UTC", 1);
    tzset();
    LoggerImage image = ImageWithSettings();
    WriteU32(image, kDeliveryDateOffset, 0);
    const LoggerSettings s = DecodeSettings(image, MiddleTable(), 1765280000);
    EXPECT_EQ(s.deliveryDate, 1765280000);
    EXPECT_EQ(s.deliveryDateText, "2025-12-09");
}

TEST(Settings, TimesAfter2038AreUnsigned) {
    setenv("TZ", "UTC", 1);
    tzset();
    LoggerImage image = ImageWithSettings();
    WriteU32(image, kDeliveryDateOffset, 0xF0000000u);  // 2097-08-05
    WriteU32(image, kClockSetTimeOffset, 0x90000000u);
    const LoggerSettings s = DecodeSettings(image, MiddleTable(), 0);
    EXPECT_EQ(s.deliveryDate, 0xF0000000LL);
    EXPECT_EQ(s.deliveryDateText, "2097-08-05");
    EXPECT_EQ(RecordingStartTime(s.clockSetTime, s.startOffset), 0x90000000LL + 600);
    // The 32-bit sum wraps as the logger's does.
    EXPECT_EQ(RecordingStartTime(0xFFFFFF00u, 0x200u), 0x100);
    EXPECT_EQ(RecordingStopTime(0xFFFFFFF0LL, 30, 1), 14);
}

TEST(Settings, TextsAreCutToTheirSlots) {
    LoggerImage image{};
    LoggerSettings s = InitialSettings(0);
    s.transportNumber = u"ABCDEFGHIJKLMNO";         // 15 characters, the slot keeps 10
    s.deliveryCompany = u"12345678901234567890";    // exactly 20: fills the slot without terminator
    s.receivingCompany = u"123456789012345678901";  // one too many
    EncodeSettings(s, image, MiddleTable(), 0);
    // The slot after the delivery company starts right after its 40 bytes.
    EXPECT_EQ(ReadU16(image, kDeliveryCompanyOffset + 38), u'0');
    const LoggerSettings back = DecodeSettings(image, MiddleTable(), 0);
    EXPECT_EQ(back.transportNumber, u"ABCDEFGHIJ");
    EXPECT_EQ(back.deliveryCompany, u"12345678901234567890");
    EXPECT_EQ(back.receivingCompany, u"12345678901234567890");
}

TEST(Settings, EncodeWritesBackWhatThePageDoesNotEdit) {
    LoggerImage image = ImageWithSettings();
    const LoggerImage before = image;
    LoggerSettings s = DecodeSettings(image, MiddleTable(), 0);
    s.logInterval = 60;
    s.startDelay = 300;
    s.alarmDelayCount = 5;
    s.lowerLimit = -5;
    s.upperLimit = 25;
    s.deliveryDate = 1800000000;
    s.transportCompany = u"Calder";
    s.calibrationB = 1;  // never written
    EncodeSettings(s, image, MiddleTable(), 1765000000);

    const LoggerSettings back = DecodeSettings(image, MiddleTable(), 0);
    EXPECT_EQ(back.logInterval, 60);
    EXPECT_EQ(back.startDelay, 300);
    EXPECT_EQ(back.alarmDelayCount, 5);
    EXPECT_EQ(back.lowerLimit, LimitFromCode(CodeFromLimit(-5, MiddleTable()), MiddleTable()));
    EXPECT_EQ(back.upperLimit, LimitFromCode(CodeFromLimit(25, MiddleTable()), MiddleTable()));
    EXPECT_EQ(back.clockSetTime, 1765000000u);
    EXPECT_EQ(back.deliveryDate, 1800000000);
    EXPECT_EQ(back.transportCompany, u"Calder");
    EXPECT_EQ(back.serialNumber, 0x0A1B2C3Du);
    EXPECT_EQ(back.startOffset, 600u);
    EXPECT_EQ(back.calibrationA, 46583);
    EXPECT_EQ(back.calibrationB, 46659);
    EXPECT_EQ(back.ledBlinkInterval, 10);
    EXPECT_EQ(back.writeProtectFlag, 1);
    // Samples and product table untouched.
    EXPECT_TRUE(std::equal(before.begin(), before.begin() + kStatusBlockOffset, image.begin()));
    EXPECT_TRUE(std::equal(before.begin() + kProductTableOffset, before.end(),
                           image.begin() + kProductTableOffset));
}

TEST(Settings, BytesBeforeTheSampleRegionDoNotMatter) {
    LoggerImage a = ImageWithSettings();
    LoggerImage b = a;
    std::fill(b.begin(), b.begin() + kSampleRegionOffset, 0xA5);
    const LoggerSettings sa = DecodeSettings(a, MiddleTable(), 7);
    const LoggerSettings sb = DecodeSettings(b, MiddleTable(), 7);
    EXPECT_EQ(sa.serialText, sb.serialText);
    EXPECT_EQ(sa.deliveryDate, sb.deliveryDate);
    EXPECT_EQ(sa.lowerLimit, sb.lowerLimit);
}

TEST(Settings, StoreProductTableFillsTheAreaAndTail) {
    LoggerImage image{};
    std::fill(image.begin(), image.end(), 0xFF);
    StoreProductTable({MakeProductRecord(1, u"kg", 1, 0, u"", u"x", u"", u"", u"")}, image);
    const ParsedProducts parsed = ParseImageProducts(image);
    ASSERT_EQ(parsed.products.size(), 1u);
    EXPECT_EQ(parsed.products[0].name, u"x");
    EXPECT_EQ(ReadU16(image, kTableTailOffset), 0);
    EXPECT_EQ(image[kProductTableOffset - 1], 0xFF);
}

}  // namespace
}  // namespace velka
