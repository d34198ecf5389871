#include "sim/simulated_port_io.h"

namespace orv::sim {

namespace {
constexpr uint8_t kReady = 0x80;
constexpr uint8_t kStrobe = 0x01;
constexpr uint8_t kInitialiseReleased = 0x04;
constexpr uint8_t kKindBits = 0xC0, kAttention = 0x80, kRequest = 0x40;
} // namespace

uint8_t SimulatedPortIo::read(int address) {
    if (address == base_) return data_;
    if (address == base_ + 1) return status();
    if (address == base_ + 2) return control_;
    return 0xFF;
}

void SimulatedPortIo::write(int address, uint8_t value) {
    if (address == base_) writeData(value);
    if (address == base_ + 2) writeControl(value);
}

void SimulatedPortIo::writeData(uint8_t value) {
    data_ = value;
    switch (value & kKindBits) {
    case kAttention:
        phase_ = Phase::Frame;
        nibblesIn_ = 0;
        break;
    case kRequest:
        phase_ = Phase::Reply;
        nibbleOut_ = 1;
        if (!box_.answers()) break; // a silent box hangs here and never shows a nibble
        if (box_.fault() == FaultKind::Garbled) {
            std::uniform_int_distribution<int> nibble(0, 15);
            for (auto& n : reply_)
                n = static_cast<uint8_t>(nibble(box_.random()));
        } else {
            reply_ = parallelReply(box_.report());
        }
        break;
    default:
        break; // data lines and the resting level
    }
}

void SimulatedPortIo::writeControl(uint8_t value) {
    const uint8_t was = control_;
    control_ = value;
    if (!(value & kInitialiseReleased)) {
        phase_ = Phase::Idle;
        if (box_.answers()) box_.lineReset();
        return;
    }
    const bool strobeOn = !(was & kStrobe) && (value & kStrobe);
    const bool strobeOff = (was & kStrobe) && !(value & kStrobe);
    if (phase_ == Phase::Frame && strobeOn && box_.answers()) {
        frameNibbles_[nibblesIn_++] = nibbleFromDataLines(data_);
        if (nibblesIn_ == frameNibbles_.size()) frameComplete();
    } else if (phase_ == Phase::Reply && strobeOff && box_.answers()) {
        if (++nibbleOut_ > kParallelReplyNibbleCount) phase_ = Phase::Idle;
    }
}

// Bit 7 set: ready (idle), nibble latched (frame), nibble valid on bits 3-6 (reply).
uint8_t SimulatedPortIo::status() {
    const FaultKind fault = box_.fault();
    if (fault == FaultKind::NotReady) return 0;
    if (fault == FaultKind::Silent) return phase_ == Phase::Idle ? kReady : 0;
    if (phase_ == Phase::Reply) return static_cast<uint8_t>(kReady | (reply_[nibbleOut_] << 3));
    return kReady;
}

void SimulatedPortIo::frameComplete() {
    phase_ = Phase::Idle;
    nibblesIn_ = 0;
    ParallelFrameSlots slots{};
    for (size_t slot = 1; slot <= kParallelFrameSlots; ++slot)
        slots[slot] = static_cast<uint8_t>(frameNibbles_[2 * (slot - 1)] << 4 |
                                           frameNibbles_[2 * (slot - 1) + 1]);
    std::string problem;
    if (const auto command = decodeParallelFrame(slots, problem))
        box_.frame(*command);
    else
        box_.frameRefused(problem);
}

} // namespace orv::sim
