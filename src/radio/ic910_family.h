// The IC-910 satellite transceiver (CI-V 0x60). Its 2 m and 70 cm bands can sit
// on either its main or its sub receiver, so the set-up asks which band is on
// main and exchanges them when needed; a radio that does not answer silences the
// box for the rest of the run. Carrying both links it works full duplex in
// satellite mode (downlink on main, uplink on sub) or, with the record's PTT
// flag, on main alone, switched between transmit and receive.
#pragma once

#include "radio/family_driver.h"
#include "radio/ic910_frames.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace orv::radio {

class Ic910Family final : public FamilyDriver {
public:
    Ic910Family(FamilyWiring wiring, FamilyHooks hooks);

    void setUpUplink(const RadioOnLink& radio) override;
    void setUpDownlink(const RadioOnLink& radio) override;
    void tuneUplink(const RadioOnLink& radio) override;
    void tuneDownlink(const RadioOnLink& radio) override;
    void readBackDownlink(const RadioOnLink& radio) override;
    void closeUplink(const RadioOnLink& radio) override;
    void closeDownlink(const RadioOnLink& radio) override;
    void switchTransmit(const RadioOnLink& radio, bool transmit) override;

    // Set-up for the links this radio carries; false when the radio did not answer.
    bool init_ic910(int transfer, bool uplinkHere, bool downlinkHere);
    void ic910_tx();
    void ic910_rx(int transfer);
    void readback_ic910();
    void ic910_close(int transfer);

    ic910::SetupCase setupCase() const { return case_; }

private:
    void send(uint8_t command, std::vector<uint8_t> data = {});
    void selectBand(uint8_t band);
    std::vector<std::optional<uint8_t>> readFrequency(int firstWaitMs, int secondWaitMs);
    void reportSilentRadio();
    void setModes();
    void setTone();
    void tune(uint8_t band, int mdx);

    FamilyWiring wiring_;
    FamilyHooks hooks_;
    ic910::SetupCase case_ = ic910::SetupCase::None;
};

} // namespace orv::radio
