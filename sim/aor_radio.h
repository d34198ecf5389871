// The simulated AR5000 / AR8000 receiver: text commands ended by CR. It keeps the
// dial, VFO, mode, bandwidth, steps and antenna the set-up commands name, and
// answers RX with its frequency line, "VA RF0145900000 MD3" and CR, of which the
// driver reads sixteen bytes.
#pragma once

#include "sim/radio_family.h"

namespace orv::sim {

struct AorState {
    bool remote = false; // under computer control since its first command, until EX
    char vfo = 'A';
    uint64_t hz = 145000000;
    int mode = 3; // MD0 FM, MD1 AM, MD2 LSB, MD3 USB, MD4 CW
    int bandwidth = 0;
    std::string step;    // ST, as given
    std::string subStep; // SJ
    int antenna = 0;
    int frequencySets = 0;
};

// "FM", "AM", "LSB", "USB", "CW"; else "mode N".
std::string aorModeName(int mode);

class AorRadioFamily final : public RadioFamily {
public:
    const char* name() const override { return "AOR"; }
    bool recognises(const std::vector<uint8_t>& command) const override;
    RadioExchange handle(const std::vector<uint8_t>& command) override;
    std::optional<uint64_t> dialHz() const override;

    AorState& radio() { return radio_; }
    const AorState& radio() const { return radio_; }

private:
    std::string command(std::string_view text, std::string& answer);

    AorState radio_;
    bool tuned_ = false;
};

} // namespace orv::sim
