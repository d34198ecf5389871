// The age of an element set against calendar dates, and the warning beyond two weeks.
#include "orbit/day_instant.h"
#include "orbit/element_age.h"
#include "sample_sets.h"

#include <gtest/gtest.h>
#include <limits>

namespace orv::test {
namespace {

// The ISS set's epoch, 2018 day 20.89808844, as a calendar instant.
QDateTime issEpoch() {
    return orbit::parseUtcInstant("2018-01-20 21:33:14.841");
}

TEST(ElementAge, DaysFromTheEpochOnTheCalendarAndTheWarningPastTwoWeeks) {
    const struct {
        double daysAfter;
        const char* warning;
    } cases[] = {
        {0, ""},
        {-3, ""},
        {14, ""},
        {14.6, "element set 15 days old: positions may be far off; update the element file"},
        {3243, "element set 3,243 days old: positions may be far off; update the element file"},
        {12345, "element set 12,345 days old: positions may be far off; update the element file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.daysAfter);
        const QDateTime then = issEpoch().addMSecs(static_cast<qint64>(c.daysAfter * 86400000.0));
        const auto age = orbit::elementAgeDays(kIss1, kIss2, orbit::dayOfUtc(then));
        ASSERT_TRUE(age);
        EXPECT_NEAR(*age, c.daysAfter, 1e-6);
        EXPECT_EQ(orbit::staleElementWarning(*age), c.warning);
    }
}

TEST(ElementAge, ASetThatDescribesNoOrbitHasNoAge) {
    EXPECT_FALSE(orbit::elementAgeDays("1 25544U", "2 25544", 6600));
    EXPECT_FALSE(orbit::elementAgeDays("", "", 6600));
    EXPECT_FALSE(orbit::elementAgeDays(kIss1, kIss2, std::numeric_limits<double>::quiet_NaN()));
}

} // namespace
} // namespace orv::test
