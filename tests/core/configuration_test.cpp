// Conversion of the 35 stored entries into the typed configuration.
#include "core/configuration.h"
#include "core/settings_store.h"

#include <gtest/gtest.h>

using namespace orv::core;

namespace {

std::array<std::string, kConfigEntryCount> defaults() {
    std::array<std::string, kConfigEntryCount> texts;
    for (const auto& entry : kConfigEntries)
        texts[entry.key - 1] = entry.defaultValue;
    return texts;
}

ConfigValues withEntry(int key, const std::string& text, int variant = 4) {
    auto texts = defaults();
    texts[key - 1] = text;
    return convertConfiguration(texts, variant);
}

} // namespace

TEST(Configuration, DefaultsConvertAsTabled) {
    const auto v = convertConfiguration(defaults(), 4);
    EXPECT_DOUBLE_EQ(v.latitude, -39.524);
    EXPECT_DOUBLE_EQ(v.longitude, 176.869);
    EXPECT_EQ(v.azDeadband, 5);
    EXPECT_EQ(v.kepPath, "ORV_KITE.TXT");
    EXPECT_EQ(v.kepPathFile, "orv_kite.txt");
    EXPECT_DOUBLE_EQ(v.programTimerMs, 50);
    EXPECT_DOUBLE_EQ(v.startTrackingAt, -3);
    EXPECT_TRUE(v.azRotatorEnabled);
    EXPECT_TRUE(v.elRotatorEnabled);
    EXPECT_FALSE(v.horizonControlVisible);
    EXPECT_EQ(v.outputSense, 0);
    EXPECT_EQ(mapIntervalTicks(v.mapUpdateSeconds, v.programTimerMs), 100);
}

TEST(Configuration, Bounds) {
    EXPECT_DOUBLE_EQ(withEntry(9, "50").azSlewing, 0);
    EXPECT_DOUBLE_EQ(withEntry(9, "45").azSlewing, 45);
    EXPECT_DOUBLE_EQ(withEntry(15, "23").elSlewing, 23);
    EXPECT_DOUBLE_EQ(withEntry(15, "23.5").elSlewing, 0);
    EXPECT_DOUBLE_EQ(withEntry(28, "20").programTimerMs, 50);
    EXPECT_DOUBLE_EQ(withEntry(28, "fast").programTimerMs, 50);
    EXPECT_DOUBLE_EQ(withEntry(29, "0").ddeTimerSeconds, 5);
    EXPECT_DOUBLE_EQ(withEntry(30, "2").mapUpdateSeconds, 5);
    // The upper bound of key 28 comes later in start-up, after the map interval is taken.
    const auto slow = withEntry(28, "20000");
    EXPECT_DOUBLE_EQ(slow.programTimerMs, 20000);
    EXPECT_EQ(mapIntervalTicks(slow.mapUpdateSeconds, slow.programTimerMs), 0);
    EXPECT_DOUBLE_EQ(applyLateIntervalBound(slow.programTimerMs), 50);
    EXPECT_DOUBLE_EQ(applyLateIntervalBound(10000), 10000);
    EXPECT_EQ(mapIntervalTicks(5, 1000), 5);
}

TEST(Configuration, WordsAreUpperCasedBeforeComparison) {
    EXPECT_FALSE(withEntry(7, "yes").azRotatorEnabled);
    EXPECT_FALSE(withEntry(13, "Yes").elRotatorEnabled);
    EXPECT_TRUE(withEntry(7, "y").azRotatorEnabled);
    EXPECT_TRUE(withEntry(32, "yes").horizonControlVisible);
    EXPECT_FALSE(withEntry(32, "no").horizonControlVisible);
    EXPECT_EQ(withEntry(23, "-").outputSense, 3);
    EXPECT_EQ(withEntry(23, " +").outputSense, 3); // key 23 is used as typed
}

TEST(Configuration, PathsKeepTheirCaseForOpening) {
    const auto v = withEntry(6, "/home/op/Keps/Amateur.txt");
    EXPECT_EQ(v.kepPath, "/HOME/OP/KEPS/AMATEUR.TXT");
    EXPECT_EQ(v.kepPathFile, "/home/op/Keps/Amateur.txt");
    EXPECT_EQ(withEntry(5, "/dev/serial/by-id/usb-Box").comPortPath, "/dev/serial/by-id/usb-Box");
}

TEST(Configuration, MapCentreFallsBackToZero) {
    EXPECT_EQ(mapCentreDegrees(withEntry(31, "90").mapCentre), 0);
    EXPECT_EQ(mapCentreDegrees(withEntry(31, "180").mapCentre), 180);
    EXPECT_EQ(mapCentreDegrees(withEntry(31, "270").mapCentre), 270);
}

TEST(Configuration, ParallelPortAddressForms) {
    const struct {
        const char* key5;
        int address;
    } cases[] = {
        {"1", 0x378}, {"378", 0x378},   {"2", 0x278},      {"278", 0x278},
        {"3", 0x3BC}, {"3bc", 0x3BC},   {"&H03BC", 0x3BC}, {"&HE800", 0xE800},
        {"7", 0x378}, {"&H3BC", 0x378}, {"&HXYZW", 0x378}, {"", 0x378},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withEntry(5, c.key5, 3).parallelPortBase, c.address) << c.key5;
}

TEST(Configuration, EachVariantHasItsOwnApplication) {
    SettingsStore store(":memory:");
    Configuration configuration(store);
    configuration.makes_cfg(4);
    EXPECT_FALSE(configuration.isFirstRun(4));
    EXPECT_TRUE(configuration.isFirstRun(3));
    EXPECT_EQ(store.get("ORV_CFG4", "configuration", "28"), "50");
    EXPECT_EQ(store.get("ORV_CFG4", "configuration", "23"), "+");
    EXPECT_TRUE(configuration.remove(4));
    EXPECT_TRUE(configuration.isFirstRun(4));
}

TEST(Configuration, MissingKeysConvertLikeEmptyEntries) {
    SettingsStore store(":memory:");
    Configuration configuration(store);
    configuration.write(4, 1, "10");
    const auto v = configuration.load(4);
    EXPECT_DOUBLE_EQ(v.latitude, 10);
    EXPECT_DOUBLE_EQ(v.maxElevation, 0);
    EXPECT_EQ(v.useFlipping, "");
    EXPECT_DOUBLE_EQ(v.programTimerMs, 50);
}
