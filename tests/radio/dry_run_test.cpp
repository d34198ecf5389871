// The dry run behind orv_kite_tool frames: set-up, first tuning and close.
#include "radio/radio_dry_run.h"
#include "radio_fixture.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {
core::SatelliteRecord icomRecord() {
    auto record = core::satelliteTemplate(false, "DRY");
    record[6] = "14"; // IC-820 on both links
    record[7] = "3";
    record[8] = "9600";
    record[17] = "14";
    record[18] = "3";
    record[19] = "9600";
    return record;
}
} // namespace

TEST(DryRun, SetUpAndFirstTuningOnTheSerialBox) {
    const auto frames = radio::dryRunFrames(icomRecord(), radioConfig(4), 4, false);
    ASSERT_EQ(frames.size(), 4u + 3u + 3u + 3u);
    const auto& first = frames.front();
    EXPECT_EQ(first.transfer, 1);
    EXPECT_EQ(first.port, 3);
    EXPECT_EQ(first.timingFirst, 247);
    EXPECT_EQ(first.timingSecond, 1);
    EXPECT_EQ(first.payload, (Bytes{0xFE, 0xFE, 0x42, 0xE0, 0x07, 0xD0, 0xFD, 0xF0}));
    const auto& last = frames.back();
    EXPECT_EQ(last.transfer, 1);
    EXPECT_EQ(last.payload,
              (Bytes{0xFE, 0xFE, 0x42, 0xE0, 0x05, 0x00, 0x00, 0x90, 0x45, 0x01, 0xFD, 0xF0}));
}

TEST(DryRun, ParallelBoxPortsAndTimingAndTheClose) {
    const auto frames = radio::dryRunFrames(icomRecord(), radioConfig(3, "3"), 3, true);
    ASSERT_EQ(frames.size(), 13u + 4u + 4u);
    for (const auto& frame : frames) {
        EXPECT_EQ(frame.port, 1); // port 3 is the parallel box's port 1
        EXPECT_EQ(frame.timingFirst, 189);
    }
    EXPECT_EQ(frames.back().transfer, 2);
    EXPECT_EQ(frames.back().payload, (Bytes{0xFE, 0xFE, 0x42, 0xE0, 0x08, 0x03, 0xFD, 0xF0}));
}
