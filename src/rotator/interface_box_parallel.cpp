// The parallel box (variant 3): start-up of the data register, out3 and in3.
#include "rotator/frame_wait.h"
#include "rotator/interface_box.h"

namespace orv::rotator {

namespace {
constexpr int kMissLimit = 100;
// Reply bytes 65 to 68 carry the rotator positions.
constexpr int kAzHighByte = 65, kAzLowByte = 66, kElHighByte = 67, kElLowByte = 68;
} // namespace

bool InterfaceBox::startParallelPort() {
    state_.lptBase = links_.config.parallelPortBase;
    state_.lptStatus = state_.lptBase + 1;
    state_.lptControl = state_.lptBase + 2;
    parallel_.setBase(state_.lptBase);
    links_.reply.setForm(core::ReplyForm::HexText);
    if (demo()) return true;
    std::string error;
    if (!links_.portIo.open(error)) {
        platform::DialogRequest request;
        request.text = error;
        links_.dialogs.show(request);
        links_.panel.setCaption("lbl_azctrl", "No Printer Port or Hardware");
        links_.panel.setVisible("lbl_azctrl", true);
        demo_mode();
        return false;
    }
    state_.outputBit5 = parallel_.startUp();
    return true;
}

void InterfaceBox::clearParallelOneShots() {
    for (int slot = 56; slot <= 59; ++slot)
        links_.frame[slot] = 0;
}

// A box that stopped in the middle of an exchange counts as one that was not ready.
void InterfaceBox::countParallelStall(int missCountBefore) {
    state_.lptMissCount = missCountBefore + 1;
    state_.present = false;
}

void InterfaceBox::out3() {
    if (demo()) return;
    auto& frame = links_.frame;
    frame[1] = 3;
    frame[65] = 5;
    stampDeadbands();
    if (refuseUnsendable(1, kParallelFrameSlots)) {
        clearParallelOneShots();
        return;
    }
    const int bit5 = parallel_.readBit5();
    const LinkOutcome outcome = parallel_.send(bit5, parallelFrameNibbles(frame));
    if (outcome == LinkOutcome::Stalled) countParallelStall(state_.lptMissCount);
    state_.present = outcome == LinkOutcome::Done;
    clearParallelOneShots();
    links_.waits.timerx(parallelFrameWaitMs(links_.radioLink));
}

void InterfaceBox::in3() {
    if (demo()) return;
    const int bit5 = parallel_.readBit5();
    if (state_.lptMissCount == kMissLimit) {
        bad_ads();
    } else if (!parallel_.checkReady()) {
        ++state_.lptMissCount;
        state_.present = false;
    } else {
        const int missCountBefore = state_.lptMissCount;
        if (state_.lptMissCount != 0) --state_.lptMissCount;
        // Nibbles are taken only from a complete reply, never half old and half new.
        ReplyNibbles received = nibbles_;
        if (parallel_.receive(bit5, received) == LinkOutcome::Done) {
            nibbles_ = received;
            state_.present = true;
        } else {
            countParallelStall(missCountBefore);
        }
    }
    auto& reply = links_.reply;
    reply.setForm(core::ReplyForm::HexText);
    const ReplyBytes bytes = decodeReplyNibbles(nibbles_);
    for (int j = 1; j <= kParallelReplyBytes; ++j)
        reply.set(j, bytes[static_cast<size_t>(j)]);
    state_.azReadingHigh = reply.value(kAzHighByte);
    state_.azReadingLow = reply.value(kAzLowByte);
    state_.elReadingHigh = reply.value(kElHighByte);
    state_.elReadingLow = reply.value(kElLowByte);
    noteReading();
    clearParallelOneShots();
}

} // namespace orv::rotator
