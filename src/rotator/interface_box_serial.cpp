// The serial box (variant 4): opening the line, out4, in4 and the receive event.
#include "rotator/frame_wait.h"
#include "rotator/interface_box.h"

namespace orv::rotator {

namespace {
constexpr const char* kBoxSettings = "115200,N,8,1";
constexpr const char* kAbsentText = "Az/El Controller Off or Absent.";
constexpr int kPresentMark = 255; // reply byte 7
constexpr int kValidMark = 128;   // reply byte 8
constexpr int kResetCountWrap = 5000;
} // namespace

platform::SerialOpenResult InterfaceBox::openSerialPort() {
    auto& line = links_.serialLine;
    links_.reply.setForm(core::ReplyForm::Number);
    if (line.isOpen()) return {platform::SerialOpenOutcome::Opened, {}, {}};
    const auto result =
        line.open(links_.config.comPortPath, *platform::parseSerialSettings(kBoxSettings));
    if (result.outcome != platform::SerialOpenOutcome::Opened) return result;
    links_.waits.timerx(100);
    line.setRts(true);
    line.setDtr(true);
    links_.waits.timerx(100);
    line.setRts(false);
    line.setDtr(false);
    return result;
}

void InterfaceBox::out4() {
    if (demo()) return;
    auto& frame = links_.frame;
    stampDeadbands();
    if (refuseUnsendable(2, kSerialFrameBytes)) {
        frame[23] = 0;
        frame[24] = 0;
        return;
    }
    state_.serialSendBusy = 1;
    const auto wire = serialWireBytes(frame);
    auto& line = links_.serialLine;
    line.setDtr(true);
    line.setDtr(false);
    line.write({wire.begin(), wire.end()});
    links_.waits.timerx(serialFrameWaitMs(links_.radioLink));
    frame[23] = 0;
    frame[24] = 0;
    state_.serialSendBusy = 0;
}

void InterfaceBox::in4() {
    if (demo()) return;
    auto& line = links_.serialLine;
    state_.serialReadBusy = 1;
    line.setReceiveThreshold(kSerialReceiveThreshold);
    links_.waits.timerx(5);
    // Whatever is still waiting belongs to an older request.
    line.discardInput();
    assembler_.restart();
    line.setRts(true);
    line.setRts(false);
    presenceTest();
}

// Made on the reply to the previous request: a reply stored earlier does not
// count again, so a box that falls silent is noticed.
void InterfaceBox::presenceTest() {
    auto& panel = links_.panel;
    const auto& reply = links_.reply;
    const bool present = freshReply_ && reply.has(7) && reply.value(7) == kPresentMark;
    freshReply_ = false;
    state_.present = present;
    if (present) {
        state_.serialMissCount = 0;
        if (!state_.readingBad) {
            panel.setVisible("lbl_azctrl", false);
            panel.setCaption("lbl_azctrl", "");
        }
        if (links_.config.inhibitElevation != "YES") setElevationSwitch(true);
    } else {
        ++state_.serialMissCount;
    }
    if (state_.serialMissCount > 2) {
        panel.setCaption("lbl_azctrl", kAbsentText);
        panel.setVisible("lbl_azctrl", true);
        setElevationSwitch(false);
        if (state_.serialMissCount > 3) state_.serialMissCount = 0;
    }
}

// Setting the switch acts like clicking it, as the operator's switch would.
void InterfaceBox::setElevationSwitch(bool on) {
    auto& panel = links_.panel;
    if ((panel.value("ch_el") != 0) == on) return;
    panel.setValue("ch_el", on ? 1 : 0);
    panel.gesture("ch_el", core::Gesture::Click);
}

void InterfaceBox::MSCOMM1_ONCOMM(int commEvent) {
    if (commEvent != platform::kCommEventReceive) {
        state_.serialReadBusy = 0;
        return;
    }
    auto& line = links_.serialLine;
    std::optional<std::vector<uint8_t>> newest;
    while (line.bytesAvailable() > 0) {
        const auto chunk = line.read(kSerialReadSize);
        if (chunk.empty()) break;
        if (auto reply = assembler_.add(chunk)) newest = std::move(reply);
    }
    if (newest) storeSerialReply(*newest);
    state_.serialReadBusy = 0;
}

void InterfaceBox::storeSerialReply(const std::vector<uint8_t>& bytes) {
    auto& reply = links_.reply;
    reply.setForm(core::ReplyForm::Number);
    for (size_t i = 0; i < bytes.size() && i + 1 < core::kBoxSlots; ++i)
        reply.set(static_cast<int>(i + 1), bytes[i]);
    freshReply_ = true;
    // A box that has reset itself reports its azimuth deadband in byte 9.
    if (bytes.size() >= 9 && bytes[8] == links_.config.azDeadband && state_.radioSetupDone == 1) {
        if (++state_.boxResetCount > kResetCountWrap) state_.boxResetCount = 0;
        links_.panel.setCaption("lbl_extcontrolport", std::to_string(state_.boxResetCount));
        hrdw_reset_Click();
    } else if (reply.value(8) == kValidMark) {
        state_.azReadingLow = reply.value(1);
        state_.azReadingHigh = reply.value(2);
        state_.elReadingLow = reply.value(3);
        state_.elReadingHigh = reply.value(4);
        noteReading();
    }
    links_.panel.setCaption("Label4", hexBytesText(bytes));
}

} // namespace orv::rotator
