// The Icom CI-V family of the simulated radios: every CI-V address on a port is
// a radio of its own, with main and sub bands, VFO A and B, and a frequency and
// mode on each dial.
#pragma once

#include "sim/radio_family.h"

#include <array>
#include <map>

namespace orv::sim {

struct CivDial {
    uint64_t hz = 145000000;
    uint8_t mode = 1; // USB
    uint8_t filter = 1;
};

struct CivRadioState {
    int band = 0;           // 0 main, 1 sub
    int vfo = 0;            // 0 A, 1 B
    int memoryChannel = -1; // the memory channel last selected; -1 before any
    bool split = false;
    std::array<CivDial, 4> dials{};
    CivDial& dial() { return dials[static_cast<size_t>(band * 2 + vfo)]; }
    const CivDial& dial() const { return dials[static_cast<size_t>(band * 2 + vfo)]; }
};

class CivRadioFamily final : public RadioFamily {
public:
    const char* name() const override { return "CI-V"; }
    bool recognises(const std::vector<uint8_t>& command) const override;
    RadioExchange handle(const std::vector<uint8_t>& command) override;
    std::optional<uint64_t> dialHz() const override;

    // The radio at `address`, created on first use.
    CivRadioState& radio(uint8_t address) { return radios_[address]; }

private:
    std::string selectDial(CivRadioState& radio, const std::vector<uint8_t>& data);

    std::map<uint8_t, CivRadioState> radios_;
    std::optional<uint8_t> lastAddress_;
};

} // namespace orv::sim
