// Day numbers, the UTC clock text and the unreduced day fraction, and the time base
// the predictions use.
#include "orbit/day_instant.h"
#include "orbit/time_routines.h"

#include <QTimeZone>
#include <gtest/gtest.h>

using namespace orv::orbit;

TEST(ConvDay, KnownDates) {
    struct Case {
        double year, month, day, expected;
    };
    for (const Case& c :
         {Case{2000, 1, 1, 1}, Case{2000, 3, 1, 61}, Case{2001, 1, 0, 366}, Case{2000, 1, 0, 0},
          Case{2004, 3, 1, 1522}, Case{2004, 2, 29, 1521}, Case{1999, 12, 31, 0},
          Case{1957, 10, 4, -15428}, Case{2100, 2, 28, 36584}})
        EXPECT_EQ(ConvDay(c.year, c.month, c.day), c.expected)
            << c.year << "-" << c.month << "-" << c.day;
}

TEST(TimeRoutines, UtcTextForOffsets) {
    struct Case {
        int hour, minute, second;
        double offset;
        const char* expected;
    };
    for (const Case& c : {Case{5, 30, 10, 12, "17:30:10"}, Case{22, 15, 0, -5, "03:15:00"},
                          Case{23, 0, 0, -1, "00:00:00"}, Case{0, 10, 0, 5.5, "18:40:00"},
                          Case{12, 0, 59, 0, "12:00:59"}, Case{0, 0, 0, 13.75, "10:15:00"},
                          Case{3, 0, 0, 1000, "11:00:00"}})
        EXPECT_EQ(utcTextFor(c.hour, c.minute, c.second, c.offset), c.expected)
            << c.hour << ":" << c.minute << " offset " << c.offset;
}

TEST(TimeRoutines, TheFractionIsNotReducedAndCorrectsTheLocalDate) {
    // Local 2004 March 1 00:30 at +12 is UTC 2004 February 29 12:30.
    const QDateTime local(QDate(2004, 3, 1), QTime(0, 30, 0), QTimeZone::utc());
    const TimeFields fields = timeFieldsFor(local, 12);
    EXPECT_EQ(fields.dayNumber, 1522);
    EXPECT_NEAR(fields.dayFraction, -0.479167, 5e-7);
    EXPECT_EQ(fields.utcText, "12:30:00");
    EXPECT_EQ(fields.localTime, "00:30:00");
    EXPECT_EQ(fields.localDate, "2004-03-01");
    const QDateTime utc(QDate(2004, 2, 29), QTime(12, 30), QTimeZone::utc());
    EXPECT_NEAR(fields.dayNumber + fields.dayFraction, dayOfUtc(utc), 1e-9);
    // West of Greenwich late in the evening: the fraction passes 1.
    EXPECT_NEAR(dayFractionFor(22, 0, 0, -5), 27.0 / 24, 1e-12);
}

TEST(DayInstant, UtcAndTheTimeBaseRoundTripToTheMillisecond) {
    EXPECT_DOUBLE_EQ(dayOfUtc(parseUtcInstant("2000-01-01 00:00:00")), 1.0);
    EXPECT_DOUBLE_EQ(dayOfUtc(parseUtcInstant("2000-01-02 12:00:00")), 2.5);
    for (const char* text :
         {"2018-01-20 22:20:00.125", "1999-12-31 23:59:59.999", "2056-06-30 06:07:08.009"}) {
        const QDateTime instant = parseUtcInstant(text);
        ASSERT_TRUE(instant.isValid()) << text;
        EXPECT_EQ(utcInstantText(utcOfDay(dayOfUtc(instant)), true), text);
    }
    EXPECT_FALSE(parseUtcInstant("2018-02-30 00:00:00").isValid());
    EXPECT_FALSE(parseUtcInstant("tomorrow").isValid());
}
