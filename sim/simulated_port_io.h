// The printer-port registers of the simulated parallel box, in-process: the
// attention byte opens a frame of 132 nibbles latched on the strobe, the request
// byte starts a reply of 150 nibbles shown on the status lines, and the
// initialise line resets the box.
#pragma once

#include "platform/port_io.h"
#include "sim/parallel_frames.h"
#include "sim/simulated_box.h"

namespace orv::sim {

class SimulatedPortIo final : public platform::PortIo {
public:
    explicit SimulatedPortIo(SimulatedBox& box) : box_(box) {}

    // The data register's address; status and control follow it.
    void setBase(int base) { base_ = base; }
    bool open(std::string&) override { return true; }
    uint8_t read(int address) override;
    void write(int address, uint8_t value) override;

private:
    enum class Phase { Idle, Frame, Reply };
    void writeData(uint8_t value);
    void writeControl(uint8_t value);
    uint8_t status();
    void frameComplete();

    SimulatedBox& box_;
    int base_ = 0x378;
    Phase phase_ = Phase::Idle;
    uint8_t data_ = 0x20; // the port shows data bit 5 high at start
    uint8_t control_ = 0x0C;
    std::array<uint8_t, kParallelFrameNibbles> frameNibbles_{};
    size_t nibblesIn_ = 0;
    ParallelReplyNibbles reply_{};
    size_t nibbleOut_ = 1;
};

} // namespace orv::sim
