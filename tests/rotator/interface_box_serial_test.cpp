#include "box_fixture.h"
#include "sim/simulated_hardware.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace orv::test {
namespace {

using Actions = std::vector<std::string>;

// A reply as the box sends it: 30 bytes, present and valid unless told otherwise.
std::vector<uint8_t> boxReply(int az, int el, uint8_t present = 255, uint8_t valid = 128,
                              uint8_t byte9 = 0) {
    std::vector<uint8_t> bytes(30, 0);
    bytes[0] = static_cast<uint8_t>(az & 0xFF);
    bytes[1] = static_cast<uint8_t>(az >> 8);
    bytes[2] = static_cast<uint8_t>(el & 0xFF);
    bytes[3] = static_cast<uint8_t>(el >> 8);
    bytes[6] = present;
    bytes[7] = valid;
    bytes[8] = byte9;
    return bytes;
}

struct SerialBox : BoxFixture {
    SerialBox() : BoxFixture(4) {
        box->openSerialPort();
        serial.actions.clear();
        waits.waits.clear();
        panel.setValue("ch_el", 1);
        panel.bind("ch_el", core::Gesture::Click, [this](int) { ++elevationClicks; });
    }
    int elevationClicks = 0;
};

TEST(SerialBox, OpeningSetsTheLineAndResetsTheBox) {
    BoxFixture fixture(4);
    const auto result = fixture.box->openSerialPort();
    EXPECT_EQ(result.outcome, platform::SerialOpenOutcome::Opened);
    EXPECT_EQ(fixture.serial.openedEntry, "1");
    EXPECT_EQ(fixture.serial.openedSettings.baud, 115200);
    EXPECT_EQ(fixture.serial.openedSettings.parity, 'N');
    EXPECT_EQ(fixture.serial.actions, (Actions{"open 1", "RTS 1", "DTR 1", "RTS 0", "DTR 0"}));
    EXPECT_EQ(fixture.waits.waits, (std::vector<int>{100, 100}));
    // Once per run: a second call leaves the open line alone.
    fixture.box->openSerialPort();
    EXPECT_EQ(fixture.serial.actions.size(), 5u);
}

TEST(SerialBox, AMissingPortIsReported) {
    BoxFixture fixture(4);
    fixture.serial.openOutcome = platform::SerialOpenOutcome::Missing;
    EXPECT_EQ(fixture.box->openSerialPort().outcome, platform::SerialOpenOutcome::Missing);
    EXPECT_TRUE(fixture.waits.waits.empty());
}

TEST(SerialBox, SendPulsesDtrThenWritesTheWireFrameAndWaits) {
    SerialBox fixture;
    fixture.frame[2] = 0xFE;
    fixture.frame[23] = 1;
    fixture.frame[30] = 44;
    fixture.frame[31] = 1;
    fixture.frame[38] = 3;
    fixture.link.transmissionMs = 8.32;
    fixture.link.uplinkDelayMs = 20;
    fixture.box->out4();
    EXPECT_EQ(fixture.serial.actions, (Actions{"DTR 1", "DTR 0", "write 38"}));
    ASSERT_EQ(fixture.serial.written.size(), 38u);
    EXPECT_EQ(fixture.serial.written[0], 0xFE);
    EXPECT_EQ(fixture.serial.written[21], 0xF0);
    EXPECT_EQ(fixture.serial.written[22], 1);
    EXPECT_EQ(fixture.serial.written[29], 44);
    EXPECT_EQ(fixture.serial.written[30], 1);
    EXPECT_EQ(fixture.serial.written[37], 3);
    EXPECT_EQ(fixture.waits.waits, std::vector<int>{75 + 8 + 20});
    EXPECT_EQ(fixture.frame[23], 0);
    EXPECT_EQ(fixture.box->state().serialSendBusy, 0);
}

TEST(SerialBox, UnsendableSlotRefusesTheFrame) {
    SerialBox fixture;
    fixture.frame[24] = 1;
    fixture.frame[31] = 4; // a count of 1024 would need a high byte of 4: fine
    fixture.frame[32] = -3;
    fixture.box->out4();
    EXPECT_TRUE(fixture.serial.actions.empty());
    EXPECT_EQ(fixture.panel.caption("lbl_azctrl"), "Frame not sent: slot 32 holds -3, not a byte.");
    EXPECT_EQ(fixture.frame[24], 0);
}

TEST(SerialBox, RequestDiscardsStaleBytesAndPulsesRts) {
    SerialBox fixture;
    fixture.serial.arrive({1, 2, 3}); // left over from an older reply
    fixture.box->in4();
    EXPECT_EQ(fixture.serial.receiveThreshold(), 30);
    EXPECT_EQ(fixture.serial.bytesAvailable(), 0u);
    EXPECT_EQ(fixture.serial.actions, (Actions{"RTS 1", "RTS 0"}));
    EXPECT_EQ(fixture.waits.waits, std::vector<int>{5});
    EXPECT_EQ(fixture.box->state().serialReadBusy, 1);

    fixture.serial.arrive(boxReply(700, 300));
    EXPECT_EQ(fixture.box->azimuthCount(), 700);
    EXPECT_EQ(fixture.box->elevationCount(), 300);
    EXPECT_EQ(fixture.box->state().serialReadBusy, 0);
    EXPECT_EQ(fixture.panel.caption("Label4").substr(0, 23), "BC 02 2C 01 00 00 FF 80");
}

TEST(SerialBox, TheNewestCompleteReplyWins) {
    SerialBox fixture;
    fixture.box->in4();
    auto bytes = boxReply(10, 20);
    const auto newer = boxReply(11, 21);
    bytes.insert(bytes.end(), newer.begin(), newer.end());
    fixture.serial.arrive(bytes);
    EXPECT_EQ(fixture.box->azimuthCount(), 11);
    EXPECT_EQ(fixture.box->elevationCount(), 21);
}

TEST(SerialBox, OtherLineEventsOnlyEndTheRead) {
    SerialBox fixture;
    fixture.box->in4();
    fixture.serial.raise(platform::kCommEventError + 1);
    EXPECT_EQ(fixture.box->state().serialReadBusy, 0);
    EXPECT_FALSE(fixture.reply.has(1));
}

TEST(SerialBox, ShortReplyOverwritesOnlyItsSlots) {
    SerialBox fixture;
    fixture.box->storeSerialReply(boxReply(1000, 500, 255, 128, 77));
    fixture.box->storeSerialReply({9, 1, 8, 1, 5});
    EXPECT_EQ(fixture.reply.value(1), 9);
    EXPECT_EQ(fixture.reply.value(5), 5);
    EXPECT_EQ(fixture.reply.value(7), 255);
    EXPECT_EQ(fixture.reply.value(9), 77);
    EXPECT_EQ(fixture.reply.text(8), "128");
    EXPECT_EQ(fixture.box->azimuthCount(), 256 + 9); // slot 8 still marks a valid reply
}

TEST(SerialBox, ReplyWithoutTheValidMarkLeavesTheReadings) {
    SerialBox fixture;
    fixture.box->storeSerialReply(boxReply(600, 200));
    fixture.box->storeSerialReply(boxReply(5, 6, 255, 0));
    EXPECT_EQ(fixture.box->azimuthCount(), 600);
    EXPECT_EQ(fixture.box->elevationCount(), 200);
    EXPECT_EQ(fixture.reply.value(1), 5); // the bytes are stored all the same
}

TEST(SerialBox, DeadbandInByteNineAfterRadioSetUpMeansTheBoxReset) {
    SerialBox fixture;
    fixture.box->storeSerialReply(boxReply(600, 200));
    fixture.box->storeSerialReply(boxReply(1, 2, 255, 128, 5)); // before radio set-up: data
    EXPECT_EQ(fixture.box->azimuthCount(), 1);
    EXPECT_EQ(fixture.box->state().boxResetCount, 0);

    fixture.box->state().radioSetupDone = 1;
    fixture.box->storeSerialReply(boxReply(9, 9, 255, 128, 5));
    EXPECT_EQ(fixture.box->state().boxResetCount, 1);
    EXPECT_EQ(fixture.panel.caption("lbl_extcontrolport"), "1");
    EXPECT_EQ(fixture.box->azimuthCount(), 1); // the reading of a reset box is not taken
    EXPECT_EQ(fixture.serial.actions, (Actions{"RTS 1", "DTR 1", "RTS 0", "DTR 0"}));
    EXPECT_EQ(fixture.waits.waits, std::vector<int>{10});
    EXPECT_EQ(fixture.box->state().prePositionMode, 1);
    EXPECT_EQ(fixture.loopRestarts, std::vector<int>{3});

    fixture.box->state().boxResetCount = 5000;
    fixture.box->storeSerialReply(boxReply(9, 9, 255, 128, 5));
    EXPECT_EQ(fixture.box->state().boxResetCount, 0);
}

TEST(SerialBox, ThreeSilentRequestsShowTheControllerAbsentAndAPresentReplyHidesIt) {
    SerialBox fixture;
    fixture.serial.arrive(boxReply(1, 1)); // a reply stored long ago does not count
    fixture.box->in4();
    fixture.box->in4();
    EXPECT_FALSE(fixture.panel.visible("lbl_azctrl"));
    fixture.box->in4();
    EXPECT_TRUE(fixture.panel.visible("lbl_azctrl"));
    EXPECT_EQ(fixture.panel.caption("lbl_azctrl"), "Az/El Controller Off or Absent.");
    EXPECT_EQ(fixture.panel.value("ch_el"), 0);
    EXPECT_EQ(fixture.elevationClicks, 1);
    EXPECT_EQ(fixture.box->presenceWord(), "absent");

    fixture.serial.arrive(boxReply(100, 100));
    fixture.box->in4();
    EXPECT_FALSE(fixture.panel.visible("lbl_azctrl"));
    EXPECT_EQ(fixture.panel.value("ch_el"), 1);
    EXPECT_EQ(fixture.elevationClicks, 2);
    EXPECT_EQ(fixture.box->state().serialMissCount, 0);
    EXPECT_EQ(fixture.box->presenceWord(), "present");
}

TEST(SerialBox, InhibitedElevationIsNotSwitchedOnByAPresentReply) {
    SerialBox fixture;
    fixture.config = defaultConfig(4, 13, "yes");
    fixture.panel.setValue("ch_el", 0);
    fixture.box->in4();
    fixture.serial.arrive(boxReply(100, 100));
    fixture.box->in4();
    EXPECT_EQ(fixture.panel.value("ch_el"), 0);
}

TEST(SerialBox, DemonstrationModeTouchesNoLine) {
    SerialBox fixture;
    fixture.box->demo_mode();
    fixture.box->outs();
    fixture.box->ins();
    fixture.box->hrdw_reset_Click();
    EXPECT_TRUE(fixture.serial.actions.empty());
    EXPECT_TRUE(fixture.waits.waits.empty());
    EXPECT_EQ(fixture.panel.caption("lbl_extcontrolport"), "DEMO MODE");
}

// ---- against the simulated serial box ----

TEST(SerialBoxOnSimulator, FrameGoesOutAndTheReplyArrivesFromTheEventLoop) {
    double seconds = 0;
    sim::SimulatedBoxOptions options;
    options.clockSeconds = [&] { return seconds; };
    sim::SimulatedHardware hardware(options);
    BoxFixture fixture(4, &hardware.serialLine());
    ASSERT_EQ(fixture.box->openSerialPort().outcome, platform::SerialOpenOutcome::Opened);
    EXPECT_EQ(hardware.box().lineResets(), 1);

    fixture.frame[31] = 2; // azimuth target 600, elevation 200, both driven
    fixture.frame[30] = 88;
    fixture.frame[33] = 0;
    fixture.frame[32] = 200;
    fixture.frame[34] = 1;
    fixture.frame[35] = 1;
    fixture.frame[36] = 5;
    fixture.frame[37] = 5;
    fixture.box->outs();
    EXPECT_EQ(hardware.box().framesReceived(), 1);
    EXPECT_EQ(hardware.box().azimuth().target(), 600);

    seconds = 4; // 24 degrees of azimuth, 12 of elevation
    fixture.box->ins();
    EXPECT_FALSE(fixture.reply.has(1)); // the reply has not arrived yet
    QCoreApplication::processEvents();
    EXPECT_EQ(fixture.box->azimuthCount(), 68);
    EXPECT_EQ(fixture.box->elevationCount(), 68);
    EXPECT_EQ(fixture.reply.value(7), 255);
    fixture.box->ins();
    EXPECT_EQ(fixture.box->presenceWord(), "present");
}

} // namespace
} // namespace orv::test
