// The baud timing table and the per-direction values taken from a record.
#include "core/satellite_record.h"
#include "radio/link_settings.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::radio;

TEST(PortTiming, BothVariantsByRate) {
    const struct {
        int baud, variant, first, second;
        double ms;
    } rows[] = {
        {1200, 3, 250, 6, 15.3},   {1200, 4, 242, 8, 15.3},  {4800, 3, 126, 2, 2.08},
        {4800, 4, 246, 2, 2.08},   {9600, 3, 189, 1, 1.04},  {9600, 4, 247, 1, 1.04},
        {19200, 3, 91, 1, 0.52},   {19200, 4, 120, 1, 0.52}, {38400, 3, 43, 1, 0.26},
        {38400, 4, 56, 1, 0.26},   {57600, 3, 27, 1, 0.17},  {57600, 4, 34, 1, 0.17},
        {115200, 4, 12, 1, 0.085},
    };
    for (const auto& row : rows) {
        const auto timing = portTiming(row.baud, row.variant);
        ASSERT_TRUE(timing) << row.baud << " on " << row.variant;
        EXPECT_EQ(timing->bytes.first, row.first);
        EXPECT_EQ(timing->bytes.second, row.second);
        EXPECT_DOUBLE_EQ(timing->msPerByte, row.ms);
    }
    EXPECT_FALSE(portTiming(115200, 3));
    EXPECT_FALSE(portTiming(2400, 4));
    EXPECT_FALSE(portTiming(0, 3));
}

namespace {
core::SatelliteConfig satelliteWith(const char* upBaud, const char* downBaud, int variant,
                                    const char* upDelay = "0", const char* downDelay = "0") {
    auto record = core::satelliteTemplate(false, "TEST");
    record[7] = "4"; // uplink port
    record[8] = upBaud;
    record[9] = upDelay;
    record[18] = "2"; // downlink port
    record[19] = downBaud;
    record[20] = downDelay;
    return core::typedSatellite(record, variant);
}
} // namespace

TEST(LinkSettings, TakesPortsDelaysAndTiming) {
    LinkSettings settings;
    loadLinkSettings(settings, satelliteWith("9600", "115200", 4, "100,", "100"), 4);
    EXPECT_EQ(settings.uplink.port, 4);
    EXPECT_EQ(settings.uplink.timing.first, 247);
    EXPECT_EQ(settings.uplink.timing.second, 1);
    EXPECT_DOUBLE_EQ(settings.uplink.delayMs, 100);
    EXPECT_EQ(settings.uplink.commaFlag, 1);
    EXPECT_EQ(settings.downlink.port, 2);
    EXPECT_EQ(settings.downlink.timing.first, 12);
    EXPECT_DOUBLE_EQ(settings.downlink.msPerByte, 0.085);
    EXPECT_DOUBLE_EQ(settings.downlink.delayMs, 100);
    EXPECT_EQ(settings.downlink.commaFlag, 0);
}

TEST(LinkSettings, ParallelBoxPortsAreReducedAtLoad) {
    LinkSettings settings;
    loadLinkSettings(settings, satelliteWith("9600", "9600", 3), 3);
    EXPECT_EQ(settings.uplink.port, 2);
    EXPECT_EQ(settings.uplink.timing.first, 189);
}

TEST(LinkSettings, ARateWithoutARowKeepsThePreviousTiming) {
    LinkSettings settings;
    loadLinkSettings(settings, satelliteWith("19200", "1200", 4), 4);
    loadLinkSettings(settings, satelliteWith("2400", "nonsense", 4, "30"), 4);
    EXPECT_EQ(settings.uplink.timing.first, 120);
    EXPECT_DOUBLE_EQ(settings.uplink.msPerByte, 0.52);
    EXPECT_DOUBLE_EQ(settings.uplink.delayMs, 30); // the delay is the new record's
    EXPECT_EQ(settings.downlink.timing.first, 242);
    loadLinkSettings(settings, satelliteWith("115200", "115200", 3), 3);
    EXPECT_EQ(settings.uplink.timing.first, 120); // no 115200 on the parallel box
}
