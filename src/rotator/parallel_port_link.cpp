#include "rotator/parallel_port_link.h"

namespace orv::rotator {

namespace {
using Clock = std::chrono::steady_clock;
constexpr uint8_t kReadyBit = 0x80;
constexpr uint8_t kBit5 = 0x20;
constexpr uint8_t kStrobeActive = 5;
constexpr uint8_t kStrobeReleased = 4;
constexpr uint8_t kSendClosed = 0x0C;
constexpr uint8_t kInitialiseActive = 1;

uint8_t dataBase(int bit5) {
    return static_cast<uint8_t>(0xC0 | bit5);
}
} // namespace

void ParallelPortLink::settle(std::chrono::nanoseconds pause) const {
    if (pause.count() <= 0) return;
    const auto until = Clock::now() + pause;
    while (Clock::now() < until) {
    }
}

int ParallelPortLink::readBit5() {
    return port_.read(data_) & kBit5;
}

int ParallelPortLink::startUp() {
    const int bit5 = readBit5();
    port_.write(data_, dataBase(bit5));
    return bit5;
}

bool ParallelPortLink::checkReady() {
    port_.write(control_, kStrobeReleased);
    return (port_.read(status_) & kReadyBit) != 0;
}

bool ParallelPortLink::waitForReady() {
    const auto deadline = Clock::now() + timing_.handshakeLimit;
    for (;;) {
        if (port_.read(status_) & kReadyBit) return true;
        if (Clock::now() >= deadline) return false;
    }
}

void ParallelPortLink::closeSend(uint8_t base) {
    port_.write(data_, base);
    port_.write(control_, kSendClosed);
}

LinkOutcome ParallelPortLink::send(int bit5,
                                   const std::array<uint8_t, kParallelFrameNibbles>& nibbles) {
    const uint8_t attention = bit5 ? 0xA0 : 0x80;
    const uint8_t base = dataBase(bit5);
    if (!(port_.read(status_) & kReadyBit)) {
        port_.write(control_, kStrobeReleased);
        closeSend(base);
        return LinkOutcome::NotReady;
    }
    port_.write(data_, attention);
    settle(timing_.shortSettle);
    port_.write(data_, base);
    for (const uint8_t nibble : nibbles) {
        const auto lines = static_cast<uint8_t>(base | remapNibble(nibble));
        for (int repeat = 0; repeat < 3; ++repeat)
            port_.write(data_, lines);
        port_.write(control_, kStrobeActive);
        const bool acknowledged = waitForReady();
        port_.write(control_, kStrobeReleased);
        if (!acknowledged) {
            closeSend(base);
            return LinkOutcome::Stalled;
        }
    }
    closeSend(base);
    return LinkOutcome::Done;
}

LinkOutcome ParallelPortLink::receive(int bit5, ReplyNibbles& nibbles) {
    const uint8_t request = bit5 ? 0x60 : 0x40;
    port_.write(data_, request);
    settle(timing_.longSettle);
    port_.write(data_, dataBase(bit5));
    for (size_t k = 1; k <= kParallelReplyNibbles; ++k) {
        const auto deadline = Clock::now() + timing_.handshakeLimit;
        uint8_t status = 0;
        for (;;) {
            for (int repeat = 0; repeat < 3; ++repeat)
                status = port_.read(status_);
            port_.write(control_, kStrobeActive);
            settle(timing_.shortSettle);
            if (status & kReadyBit) break;
            if (Clock::now() >= deadline) {
                port_.write(control_, kStrobeReleased);
                return LinkOutcome::Stalled;
            }
        }
        port_.write(control_, kStrobeReleased);
        nibbles[k] = statusNibble(status);
    }
    return LinkOutcome::Done;
}

void ParallelPortLink::reset() {
    port_.write(control_, kInitialiseActive);
    port_.write(control_, kStrobeReleased);
}

} // namespace orv::rotator
