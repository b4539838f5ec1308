#include "halvane/link/settings_codec.h"

#include <gtest/gtest.h>

using namespace halvane::link;
using Mode = BrightnessSchedule::Mode;

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

BrightnessSchedule times(std::array<ClockTime, 4> starts)
{
    BrightnessSchedule s;
    s.mode = Mode::Times;
    for (std::size_t i = 0; i < 4; ++i)
        s.rows[i] = {starts[i], int(i)};
    return s;
}

TEST(Bcd, TensInTheHighNibble)
{
    EXPECT_EQ(toBcd(23), 0x23);
    EXPECT_EQ(toBcd(0), 0x00);
    EXPECT_EQ(toBcd(59), 0x59);
    EXPECT_EQ(fromBcd(0x59), 59);
    EXPECT_EQ(fromBcd(0xFF), 165) << "nibbles above 9 give values out of any list";
}

TEST(ClockBytes, SundayMorningInDecember)
{
    const QDateTime t(QDate(2026, 12, 6), QTime(7, 13, 45));
    EXPECT_EQ(encodeClock(t), hex("2026120601071345"));
    EXPECT_EQ(encodeClock(QDateTime(QDate(1999, 1, 2), QTime(23, 59, 0))), hex("1999010207235900"))
        << "a Saturday is 7";
}

TEST(BrightnessBytes, StartTimesGoOutOneMinuteEarly)
{
    const BrightnessSchedule s = times({{{6, 0}, {8, 30}, {18, 0}, {22, 15}}});
    ASSERT_TRUE(validateBrightness(s));
    EXPECT_EQ(encodeBrightness(s), hex("055900082901175902221403"));
    EXPECT_EQ(encodeBrightness(times({{{0, 0}, {0, 1}, {12, 0}, {23, 59}}})),
              hex("235900000001115902235803"))
        << "00:00 goes out as 23:59";
}

TEST(BrightnessBytes, ModeCodesSendTheOtherFieldsAsTheyStand)
{
    BrightnessSchedule s; // the dialog's defaults: "Alway 1 rate", rows 01, 02, 03
    EXPECT_EQ(encodeBrightness(s), hex("900000010001020002030003"));
    s.alwaysLevel = 2;
    s.rows[2].start = {0, 0}; // out of order, but no order is needed with a code
    ASSERT_TRUE(validateBrightness(s));
    EXPECT_EQ(encodeBrightness(s), hex("920000010001000002030003"));
    s.mode = Mode::Automatic;
    EXPECT_EQ(encodeBrightness(s).left(1), hex("94"));
}

TEST(BrightnessBytes, OutOfOrderTimesNameTheLaterAndTheEarlierLabel)
{
    EXPECT_EQ(validateBrightness(times({{{8, 0}, {8, 0}, {9, 0}, {10, 0}}})).message,
              QStringLiteral("HH2:MM2 is smaller than HH1:MM1"))
        << "equal counts as out of order";
    EXPECT_EQ(validateBrightness(times({{{8, 0}, {9, 0}, {8, 59}, {10, 0}}})).message,
              QStringLiteral("HH3:MM3 is smaller than HH2:MM2"));
    EXPECT_EQ(validateBrightness(times({{{8, 0}, {9, 0}, {10, 0}, {9, 30}}})).message,
              QStringLiteral("HH4:MM4 is smaller than HH3:MM3"));
    BrightnessSchedule bad = times({{{8, 0}, {9, 0}, {10, 0}, {11, 0}}});
    bad.rows[3].level = 4;
    EXPECT_FALSE(validateBrightness(bad));
    bad = times({{{8, 0}, {9, 0}, {10, 0}, {24, 0}}});
    EXPECT_FALSE(validateBrightness(bad));
}

TEST(BrightnessReadBack, AddsTheMinuteBackForHoursOnly)
{
    bool valid = false;
    const BrightnessSchedule s = decodeBrightness(hex("055900082901175902221403"), &valid);
    EXPECT_TRUE(valid);
    EXPECT_EQ(s, times({{{6, 0}, {8, 30}, {18, 0}, {22, 15}}}));
    EXPECT_EQ(decodeBrightness(hex("235900000001115902235803")),
              times({{{0, 0}, {0, 1}, {12, 0}, {23, 59}}}));

    const BrightnessSchedule always = decodeBrightness(hex("921500010001025902030003"));
    EXPECT_EQ(always.mode, Mode::Always);
    EXPECT_EQ(always.alwaysLevel, 2);
    EXPECT_EQ(always.rows[0].start.minute, 15) << "shown as received";
    EXPECT_EQ(always.rows[2].start, (ClockTime{2, 59}));
    EXPECT_EQ(decodeBrightness(hex("940000010001020002030003")).mode, Mode::Automatic);
}

TEST(BrightnessReadBack, DamagedFieldsKeepTheDialogDefaults)
{
    bool valid = true;
    const BrightnessSchedule s = decodeBrightness(QByteArray(12, char(0xFF)), &valid);
    EXPECT_FALSE(valid);
    EXPECT_EQ(s, BrightnessSchedule());
    valid = true;
    const BrightnessSchedule partly = decodeBrightness(hex("05590008290117FA0222140F"), &valid);
    EXPECT_FALSE(valid);
    EXPECT_EQ(partly.rows[0].start, (ClockTime{6, 0}));
    EXPECT_EQ(partly.rows[2].start, (ClockTime{2, 0})) << "minute 0xFA names no entry";
    EXPECT_EQ(partly.rows[3].level, 3) << "level 15 names no entry";
    valid = true;
    EXPECT_EQ(decodeBrightness(hex("0559"), &valid), BrightnessSchedule()) << "too short";
    EXPECT_FALSE(valid);
}

OnOffDay hours(ClockTime a, ClockTime b, ClockTime c, ClockTime d)
{
    return {OnOffDay::Mode::Times, {{a, b, c, d}}};
}

TEST(OnOffBytes, SundayFirstAndMinuteZeroShifted)
{
    OnOffSchedule s;
    s[0] = hours({7, 0}, {12, 0}, {13, 30}, {22, 0}); // Monday
    s[6].mode = OnOffDay::Mode::AlwaysClosed;         // Sunday
    ASSERT_TRUE(validateOnOff(s));
    const QByteArray bytes = encodeOnOff(s);
    ASSERT_EQ(bytes.size(), 56);
    EXPECT_EQ(bytes.mid(0, 8), hex("8800010002000300")) << "Sunday, rest as it stands";
    EXPECT_EQ(bytes.mid(8, 8), hex("0659115913302159")) << "Monday";
    for (int w = 2; w < 7; ++w)
        EXPECT_EQ(bytes.mid(8 * w, 8), hex("9900010002000300")) << "day " << w;
    s[1] = hours({0, 0}, {0, 1}, {6, 58}, {23, 0});
    EXPECT_EQ(encodeOnOff(s).mid(16, 8), hex("2359000106582259")) << "Tuesday";
}

TEST(OnOffBytes, OutOfOrderNamesTheFirstBadDayFromMonday)
{
    OnOffSchedule s;
    s[6] = hours({9, 0}, {8, 0}, {10, 0}, {11, 0});   // Sunday, first on the wire
    s[1] = hours({9, 0}, {10, 0}, {11, 0}, {11, 0});  // Tuesday
    EXPECT_EQ(validateOnOff(s).message, QStringLiteral("Tuesday HH4:MM4 is smaller than HH3:MM3"));
    s[1] = hours({9, 0}, {10, 0}, {9, 59}, {12, 0});
    EXPECT_EQ(validateOnOff(s).message, QStringLiteral("Tuesday HH3:MM3 is smaller than HH2:MM2"));
    s[1] = OnOffDay();
    EXPECT_EQ(validateOnOff(s).message, QStringLiteral("Sunday HH2:MM2 is smaller than HH1:MM1"));
    s[6] = hours({9, 0}, {10, 0}, {11, 0}, {12, 60});
    EXPECT_FALSE(validateOnOff(s)) << "minute 60";
}

TEST(OnOffReadBack, MinuteFiftyNineShowsAsTheNextHour)
{
    QByteArray bytes = hex("8800010002000300") + hex("0659115913302159") + hex("0658235900000100")
                       + hex("9900010002000300").repeated(4);
    bool valid = false;
    const OnOffSchedule s = decodeOnOff(bytes, &valid);
    EXPECT_TRUE(valid);
    EXPECT_EQ(s[6].mode, OnOffDay::Mode::AlwaysClosed);
    EXPECT_EQ(s[0], hours({7, 0}, {12, 0}, {13, 30}, {22, 0}));
    EXPECT_EQ(s[1], hours({6, 58}, {0, 0}, {0, 0}, {1, 0})) << "23:59 becomes 00:00";
    EXPECT_EQ(s[2].mode, OnOffDay::Mode::AlwaysOpen);

    bytes[8] = char(0x24); // Monday's first hour 24 names no entry
    const OnOffSchedule damaged = decodeOnOff(bytes, &valid);
    EXPECT_FALSE(valid);
    EXPECT_EQ(damaged[0], OnOffDay()) << "the damaged day keeps the defaults";
    EXPECT_EQ(damaged[1], s[1]) << "the other days are still read";
}

TEST(ParameterBytes, FixedPartThenDotsZoneAndSignedFactor)
{
    const int minus3 = 13, plus10 = 0, zero = 10;
    EXPECT_EQ(encodeParameters(2, 8, minus3), hex("000101000000030000F30100 02 08 FD 00"));
    EXPECT_EQ(encodeParameters(0, 0, plus10).mid(14, 1), hex("0A"));
    EXPECT_EQ(encodeParameters(0, 0, zero).mid(14, 1), hex("00"));
    EXPECT_EQ(encodeParameters(3, 23, 20).mid(12), hex("0317F600")) << "-10 is F6";
    EXPECT_TRUE(validateParameters(3, 23, 20));
    EXPECT_FALSE(validateParameters(4, 0, 10));
    EXPECT_FALSE(validateParameters(0, 24, 10));
    EXPECT_FALSE(validateParameters(0, 0, 21));
}

TEST(ParameterLists, TimeZonesAndFactors)
{
    const QStringList &z = timeZoneNames();
    ASSERT_EQ(z.size(), 24);
    EXPECT_EQ(z[0], QStringLiteral("Zone 0"));
    EXPECT_EQ(z[11], QStringLiteral("E11"));
    EXPECT_EQ(z[12], QStringLiteral("E12&W12"));
    EXPECT_EQ(z[13], QStringLiteral("W11"));
    EXPECT_EQ(z[23], QStringLiteral("W1"));
    EXPECT_EQ(tempFactorText(0), QStringLiteral("+10"));
    EXPECT_EQ(tempFactorText(10), QStringLiteral("0"));
    EXPECT_EQ(tempFactorText(13), QStringLiteral("-3"));
}

} // namespace
