// The FT-757, FT-100, FT-1000 and the VR-5000 receiver. Their switches take the
// value in P4; the transceivers take the frequency as packed BCD, least
// significant pair first; the VR-5000 as a binary count of 10 Hz.
#include "radio/yaesu_family.h"

namespace orv::radio {

namespace {
namespace op {
constexpr uint8_t kCatOn = 0x00;
constexpr uint8_t kSplit = 0x01;
constexpr uint8_t kSelectVfo = 0x05;
constexpr uint8_t kSetFrequency = 0x0A;
constexpr uint8_t kSetMode = 0x0C;
constexpr uint8_t kReadStatus = 0x10;
constexpr uint8_t kVr5000Frequency = 0x01;
constexpr uint8_t kVr5000ModeAndStep = 0x07;
} // namespace op

constexpr uint8_t kOff = 0x00, kOn = 0x01;
constexpr uint8_t kVfoA = 0x00, kVfoB = 0x01;
// FT-1000 status update: the sixteen bytes of the operating data.
constexpr uint8_t kOperatingData = 0x02;
} // namespace

// FT-757GX II.

void YaesuFamily::init_757(int transfer) {
    send(transfer, yaesu::frameP4(op::kSetMode, yaesu::ft757ModeByte(wiring_.plan.downlinkMode)));
}

void YaesuFamily::FT757_tx(int transfer) {
    if (inhibited(kUplinkTransfer)) return;
    sendFrequency(transfer, op::kSetFrequency,
                  yaesu::reversedBcdFrequencyBytes(wiring_.state.frequencyText), "FT-757");
}

void YaesuFamily::FT757_rx(int transfer) {
    if (inhibited(kDownlinkTransfer)) return;
    sendFrequency(transfer, op::kSetFrequency,
                  yaesu::reversedBcdFrequencyBytes(wiring_.state.frequencyText), "FT-757");
}

// FT-100: one radio carrying both links works split, receiving on VFO A and
// transmitting on VFO B; the uplink is tuned on B and the radio handed back to A.

void YaesuFamily::init_ft100(int transfer) {
    const bool uplink = transfer == kUplinkTransfer;
    const bool onB = uplink && sameRadio();
    send(transfer, yaesu::frameP4(op::kSplit, sameRadio() ? kOn : kOff));
    send(transfer, yaesu::frameP4(op::kSelectVfo, onB ? kVfoB : kVfoA));
    const std::string& mode = uplink ? wiring_.plan.uplinkMode : wiring_.plan.downlinkMode;
    send(transfer, yaesu::frameP4(op::kSetMode, yaesu::ft100ModeByte(mode)));
    if (onB) send(transfer, yaesu::frameP4(op::kSelectVfo, kVfoA));
}

void YaesuFamily::ft_100_tx(int transfer) {
    if (inhibited(kUplinkTransfer)) return;
    const auto bytes = yaesu::reversedBcdFrequencyBytes(wiring_.state.frequencyText);
    const bool onB = sameRadio() && bytes;
    if (onB) send(transfer, yaesu::frameP4(op::kSelectVfo, kVfoB));
    sendFrequency(transfer, op::kSetFrequency, bytes, "FT-100");
    if (onB) send(transfer, yaesu::frameP4(op::kSelectVfo, kVfoA));
}

void YaesuFamily::ft_100_rx(int transfer) {
    if (inhibited(kDownlinkTransfer)) return;
    sendFrequency(transfer, op::kSetFrequency,
                  yaesu::reversedBcdFrequencyBytes(wiring_.state.frequencyText), "FT-100");
}

// FT-1000.

void YaesuFamily::init_FT1000(int transfer) {
    send(transfer, yaesu::frameP4(op::kSplit, kOff));
    send(transfer, yaesu::frameP4(op::kSelectVfo, kVfoA));
    send(transfer, yaesu::frameP4(op::kSetMode, yaesu::ft1000ModeByte(wiring_.plan.downlinkMode)));
}

void YaesuFamily::ft1000(int transfer) {
    if (inhibited(kDownlinkTransfer)) return;
    sendFrequency(transfer, op::kSetFrequency,
                  yaesu::reversedBcdFrequencyBytes(wiring_.state.frequencyText), "FT-1000");
}

void YaesuFamily::readback_FT1000() {
    readDial(yaesu::frameP4(op::kReadStatus, kOperatingData), yaesu::kFt1000ReplyLength,
             &yaesu::ft1000ReplyMHz);
}

// VR-5000.

void YaesuFamily::init_vr5000(int transfer) {
    send(transfer, yaesu::frame(op::kCatOn));
    const yaesu::Vr5000Mode mode = yaesu::vr5000Mode(wiring_.plan.downlinkMode);
    send(transfer, yaesu::frame(op::kVr5000ModeAndStep, {mode.mode, mode.step, 0, 0}));
}

void YaesuFamily::vr5000(int transfer) {
    if (inhibited(kDownlinkTransfer)) return;
    sendFrequency(transfer, op::kVr5000Frequency,
                  yaesu::vr5000FrequencyBytes(wiring_.state.frequencyText), "VR-5000");
}

} // namespace orv::radio
