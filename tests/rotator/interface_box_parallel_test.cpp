#include "box_fixture.h"
#include "sim/simulated_hardware.h"

#include <gtest/gtest.h>

namespace orv::test {
namespace {

constexpr int kData = 0x378, kStatus = 0x379, kControl = 0x37A;

struct ParallelBox : BoxFixture {
    ParallelBox() : BoxFixture(3) {
        box->startParallelPort();
        port.accesses.clear();
        port.registers[kStatus] = 0x80;
    }
};

TEST(ParallelBox, PortEntryGivesTheRegisterAddresses) {
    const struct {
        const char* entry;
        int base;
    } cases[] = {{"&HE800", 0xE800}, {"3", 0x3BC}, {"7", 0x378}, {"278", 0x278}};
    for (const auto& c : cases) {
        BoxFixture fixture(3);
        fixture.config = defaultConfig(3, 5, c.entry);
        fixture.port.registers[c.base] = 0x20;
        EXPECT_TRUE(fixture.box->startParallelPort());
        EXPECT_EQ(fixture.box->state().lptControl, c.base + 2) << c.entry;
        EXPECT_EQ(fixture.box->state().outputBit5, 32) << c.entry;
        const std::vector<platform::FakePortIo::Access> expected{{false, c.base, 0x20},
                                                                 {true, c.base, 0xE0}};
        EXPECT_EQ(fixture.port.accesses, expected) << c.entry;
    }
}

TEST(ParallelBox, RefusedPortsShowWhyAndFallIntoDemonstrationMode) {
    BoxFixture fixture(3);
    fixture.port.refuse = "Operation not permitted";
    EXPECT_FALSE(fixture.box->startParallelPort());
    ASSERT_EQ(fixture.dialogs.shown.size(), 1u);
    EXPECT_TRUE(fixture.dialogs.anyContains("CAP_SYS_RAWIO"));
    EXPECT_TRUE(fixture.dialogs.anyContains("Operation not permitted"));
    EXPECT_EQ(fixture.startup.demo, 1);
}

TEST(ParallelBox, SendPutsEachNibbleOnTheDataLinesWithAStrobe) {
    ParallelBox fixture;
    fixture.frame[2] = 0x04;
    fixture.frame[57] = 1;
    fixture.box->out3();
    const auto data = fixture.port.writesTo(kData);
    ASSERT_EQ(data.size(), 2u + 132 * 3 + 1);
    EXPECT_EQ(data[0], 0x80); // attention
    EXPECT_EQ(data[1], 0xC0); // data base
    const std::vector<int> slot1{0xC0, 0xC0, 0xC0, 0xC3, 0xC3, 0xC3};
    const std::vector<int> slot2{0xC0, 0xC0, 0xC0, 0xD0, 0xD0, 0xD0}; // 0x04: nibbles 0, 4
    EXPECT_EQ(std::vector<int>(data.begin() + 2, data.begin() + 8), slot1);
    EXPECT_EQ(std::vector<int>(data.begin() + 8, data.begin() + 14), slot2);
    EXPECT_EQ(data.back(), 0xC0);
    const auto control = fixture.port.writesTo(kControl);
    ASSERT_EQ(control.size(), 132u * 2 + 1);
    EXPECT_EQ(control[0], 5);
    EXPECT_EQ(control[1], 4);
    EXPECT_EQ(control.back(), 0x0C);
    EXPECT_EQ(fixture.frame[1], 3);
    EXPECT_EQ(fixture.frame[65], 5);
    EXPECT_EQ(fixture.frame[57], 0); // one-shot flags cleared
    EXPECT_EQ(fixture.waits.waits, std::vector<int>{5});
}

TEST(ParallelBox, DataBitFiveKeepsItsLevel) {
    ParallelBox fixture;
    fixture.port.registers[kData] = 0x20;
    fixture.box->out3();
    const auto data = fixture.port.writesTo(kData);
    EXPECT_EQ(data[0], 0xA0);
    for (size_t i = 1; i < data.size(); ++i)
        EXPECT_EQ(data[i] & 0xE0, 0xE0) << i;
}

TEST(ParallelBox, NotReadyAtSendSkipsTheFrameButClosesAndWaits) {
    ParallelBox fixture;
    fixture.port.registers[kStatus] = 0x00;
    fixture.link.lastTransfer = 2;
    fixture.link.transmissionMs = 6.2;
    fixture.link.downlinkDelayMs = 10;
    fixture.box->out3();
    EXPECT_EQ(fixture.port.writesTo(kData), std::vector<int>{0xC0});
    EXPECT_EQ(fixture.port.writesTo(kControl), (std::vector<int>{4, 0x0C}));
    EXPECT_EQ(fixture.waits.waits, std::vector<int>{6 + 50 + 10});
    EXPECT_EQ(fixture.box->state().lptMissCount, 0);
}

TEST(ParallelBox, UnsendableSlotRefusesTheFrameAndShowsTheFault) {
    ParallelBox fixture;
    fixture.frame[46] = 300;
    fixture.frame[56] = 1;
    fixture.box->out3();
    EXPECT_TRUE(fixture.port.accesses.empty());
    EXPECT_TRUE(fixture.panel.visible("lbl_azctrl"));
    EXPECT_EQ(fixture.panel.caption("lbl_azctrl"),
              "Frame not sent: slot 46 holds 300, not a byte.");
    EXPECT_EQ(fixture.frame[56], 0);
    EXPECT_EQ(fixture.box->state().refusedFrames, 1);
}

TEST(ParallelBox, DemonstrationModeTouchesNoPort) {
    ParallelBox fixture;
    fixture.startup.demo = 1;
    fixture.box->out3();
    fixture.box->in3();
    fixture.box->outs();
    fixture.box->ins();
    fixture.box->hrdw_reset_Click();
    EXPECT_TRUE(fixture.port.accesses.empty());
    EXPECT_TRUE(fixture.waits.waits.empty());
}

TEST(ParallelBox, ABoxThatStopsMidReplyIsCountedAndKeepsTheOldReply) {
    ParallelBox fixture;
    fixture.box->in3(); // a whole reply of zero nibbles
    EXPECT_EQ(fixture.reply.text(65), "00");
    int reads = 0;
    fixture.port.onRead = [&](int address) -> uint8_t {
        if (address != kStatus) return 0;
        // Ready with nibble 0xF for the check and 40 reads, then silent.
        return ++reads <= 41 ? static_cast<uint8_t>(0x80 | 0x78) : 0;
    };
    fixture.box->state().lptMissCount = 4;
    fixture.box->in3();
    EXPECT_EQ(fixture.box->state().lptMissCount, 5);
    EXPECT_EQ(fixture.reply.text(1), "00"); // not half a new reply
    EXPECT_EQ(fixture.box->presenceWord(), "absent");
}

TEST(ParallelBox, ABoxThatStopsMidFrameIsCounted) {
    ParallelBox fixture;
    int reads = 0;
    fixture.port.onRead = [&](int address) -> uint8_t {
        return address == kStatus && ++reads <= 20 ? 0x80 : 0;
    };
    fixture.box->out3();
    EXPECT_EQ(fixture.box->state().lptMissCount, 1);
    EXPECT_EQ(fixture.port.writesTo(kControl).back(), 0x0C);
    EXPECT_EQ(fixture.waits.waits.size(), 1u);
}

// ---- against the simulated parallel box ----

struct SimulatedParallel {
    SimulatedParallel(sim::FaultKind fault = sim::FaultKind::None) {
        sim::SimulatedBoxOptions options;
        options.fault.kind = fault;
        options.clockSeconds = [this] { return seconds; };
        options.runSeconds = [] { return 0.0; };
        hardware = std::make_unique<sim::SimulatedHardware>(options);
        fixture = std::make_unique<BoxFixture>(3, nullptr, &hardware->portIo());
        hardware->configure(fixture->config.parallelPortBase, 0);
        fixture->box->startParallelPort();
    }
    double seconds = 1000;
    std::unique_ptr<sim::SimulatedHardware> hardware;
    std::unique_ptr<BoxFixture> fixture;
};

TEST(ParallelBoxOnSimulator, FrameGoesOutAndReplyComesBackByteForByte) {
    SimulatedParallel parallel;
    auto& f = *parallel.fixture;
    const std::vector<int> readFrequency{0xFE, 0xFE, 0x4C, 0xE0, 0x03, 0xFD, 0xF0};
    for (size_t i = 0; i < readFrequency.size(); ++i)
        f.frame[static_cast<int>(i) + 2] = readFrequency[i];
    f.frame[45] = 1; // azimuth target 300
    f.frame[46] = 44;
    f.frame[47] = 0; // elevation target 90
    f.frame[48] = 90;
    f.frame[49] = 5;
    f.frame[50] = 5;
    f.frame[62] = 1;
    f.frame[54] = 1; // 9600 Bd
    f.frame[55] = 189;
    f.frame[56] = 1; // read on port 1
    f.frame[60] = 11;
    f.box->out3();
    const auto& simBox = parallel.hardware->box();
    ASSERT_EQ(simBox.framesReceived(), 1);
    EXPECT_EQ(simBox.azimuth().target(), 300);
    EXPECT_EQ(simBox.elevation().target(), 90);
    EXPECT_TRUE(simBox.azimuth().driven());

    parallel.seconds += 2; // 12 degrees of azimuth, 6 of elevation
    f.box->in3();
    const std::vector<std::string> expected{"FE", "FE", "E0", "4C", "03", "00",
                                            "00", "00", "45", "01", "FD"};
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(f.reply.text(static_cast<int>(i) + 1), expected[i]) << "byte " << i + 1;
    EXPECT_EQ(f.box->azimuthCount(), simBox.azimuth().count());
    EXPECT_EQ(f.box->azimuthCount(), 34);
    EXPECT_EQ(f.box->elevationCount(), 34);
    EXPECT_EQ(f.reply.text(66), "22"); // azimuth low byte
    EXPECT_EQ(f.box->presenceWord(), "present");
    EXPECT_EQ(f.box->state().lptMissCount, 0);
}

TEST(ParallelBoxOnSimulator, AHundredMissesRaiseTheFaultAndDemonstrationMode) {
    SimulatedParallel parallel(sim::FaultKind::NotReady);
    auto& f = *parallel.fixture;
    for (int i = 0; i < 100; ++i)
        f.box->ins();
    EXPECT_EQ(f.box->state().lptMissCount, 100);
    EXPECT_TRUE(f.dialogs.shown.empty());
    f.box->ins();
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.dialogs.shown[0].text.substr(0, 50),
              "     There are 5 possible causes for this fault.\r\n");
    EXPECT_TRUE(f.dialogs.anyContains("\r\na demonstration mode.\r\n\r\n"));
    EXPECT_EQ(f.panel.caption("lbl_azctrl"), "No Printer Port or Hardware");
    EXPECT_TRUE(f.panel.visible("lbl_azctrl"));
    EXPECT_EQ(f.startup.demo, 1);
    EXPECT_EQ(f.startup.hardwareAbsent, 1);
    EXPECT_EQ(f.box->state().statusText, "DEMO MODE");
    EXPECT_EQ(f.box->presenceWord(), "demo");
}

TEST(ParallelBoxOnSimulator, ASilentBoxStallsAndCountsTowardsTheFault) {
    SimulatedParallel parallel(sim::FaultKind::Silent);
    auto& f = *parallel.fixture;
    f.box->outs();
    f.box->ins();
    EXPECT_EQ(f.box->state().lptMissCount, 2);
    EXPECT_EQ(parallel.hardware->box().framesReceived(), 0);
}

TEST(ParallelBoxOnSimulator, HardwareResetPulsesTheInitialiseLine) {
    SimulatedParallel parallel;
    auto& f = *parallel.fixture;
    f.box->hrdw_reset_Click();
    EXPECT_EQ(parallel.hardware->box().lineResets(), 1);
    EXPECT_EQ(f.waits.waits, std::vector<int>{200});
}

} // namespace
} // namespace orv::test
