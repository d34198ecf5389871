// The simulated PCR-1000 receiver: text commands ended by CR and LF. It listens at
// one baud rate (9600 after power-up) and hears nothing sent at another; G1xx
// moves it to a new rate. It keeps power, dial, mode and filter and the levels and
// switches the panel works, and answers each command it hears "G000" (done) or
// "G001" (refused).
#pragma once

#include "sim/radio_family.h"

namespace orv::sim {

struct PcrState {
    bool powered = false;
    int baud = 9600;
    uint64_t hz = 0;    // before any tuning
    int modeCode = 0;   // 00 LSB ... 06 WFM
    int filterCode = 0; // 00 3 kHz ... 04 230 kHz
    int volume = 0, squelch = 0, ifShift = 0x80;
    bool agc = false, noiseBlanker = false, attenuator = false;
    int commandsUnheard = 0; // sent at a rate it was not listening at
};

// "LSB", "USB", "AM", "CW", "FM", "WFM"; else "mode N".
std::string pcrModeName(int code);
// "3 kHz", "6 kHz", "15 kHz", "50 kHz", "230 kHz"; else "filter N".
std::string pcrFilterName(int code);

class PcrRadioFamily final : public RadioFamily {
public:
    const char* name() const override { return "PCR-1000"; }
    bool recognises(const std::vector<uint8_t>& command) const override;
    RadioExchange handle(const std::vector<uint8_t>& command) override {
        return handleAt(command, 0);
    }
    RadioExchange handleAt(const std::vector<uint8_t>& command, int baud) override;
    std::optional<uint64_t> dialHz() const override;

    PcrState& radio() { return radio_; }
    const PcrState& radio() const { return radio_; }

private:
    // One command without its CR LF: what it did; false in `done` when refused.
    std::string command(std::string_view text, bool& done);
    std::string tune(std::string_view parameters, bool& done);
    std::string setting(std::string_view text, bool& done);

    PcrState radio_;
};

} // namespace orv::sim
