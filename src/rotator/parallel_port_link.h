// The parallel box at the level of its registers: the attention and request
// bytes, the nibble strobes and the handshake on status bit 7. Every handshake
// wait is bounded, so a box that stops answering ends the exchange as stalled.
#pragma once

#include "platform/port_io.h"
#include "rotator/parallel_nibbles.h"

#include <chrono>

namespace orv::rotator {

struct ParallelTiming {
    std::chrono::nanoseconds shortSettle{2000}; // after the attention byte, per nibble
    std::chrono::nanoseconds longSettle{10000}; // after the request byte
    std::chrono::nanoseconds handshakeLimit{std::chrono::milliseconds(20)}; // per nibble
};

enum class LinkOutcome { Done, NotReady, Stalled };

class ParallelPortLink {
public:
    ParallelPortLink(platform::PortIo& port, ParallelTiming timing)
        : port_(port), timing_(timing) {}

    void setBase(int base) { data_ = base, status_ = base + 1, control_ = base + 2; }
    int dataRegister() const { return data_; }
    int statusRegister() const { return status_; }
    int controlRegister() const { return control_; }

    // Start-up: keeps the level of data bit 5 and writes 0xC0 with it; returns 0 or 32.
    int startUp();
    // The level of data bit 5 now: 0 or 32.
    int readBit5();
    // Releases the strobe and reads status bit 7 (1 = the box is ready).
    bool checkReady();
    // Sends 132 nibbles after the attention byte, then the closing writes.
    LinkOutcome send(int bit5, const std::array<uint8_t, kParallelFrameNibbles>& nibbles);
    // Asks for a reply and takes 150 nibbles into `nibbles` (numbered from 1).
    LinkOutcome receive(int bit5, ReplyNibbles& nibbles);
    // The hardware reset: initialise line active, then released.
    void reset();

private:
    bool waitForReady();
    void closeSend(uint8_t base);
    void settle(std::chrono::nanoseconds pause) const;

    platform::PortIo& port_;
    ParallelTiming timing_;
    int data_ = 0x378, status_ = 0x379, control_ = 0x37A;
};

} // namespace orv::rotator
