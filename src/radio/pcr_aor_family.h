// The downlink receivers worked with text commands: the PCR-1000 (pcr_commands.h),
// set up behind its EEPROM warning and switched from 9600 to 38400 baud, with the
// receiver controls of the panel (pcr_controls.h); and the AR5000 and AR8000
// (aor_commands.h), set up with the commands the record's mode field holds and
// read back. The PCR-1000 routines are in pcr_aor_family.cpp, the AOR ones in
// aor_receivers.cpp.
#pragma once

#include "radio/family_driver.h"
#include "radio/pcr_caveat.h"
#include "radio/pcr_controls.h"

#include <string>
#include <string_view>
#include <vector>

namespace orv::radio {

class PcrAorFamily final : public FamilyDriver {
public:
    PcrAorFamily(FamilyWiring wiring, FamilyHooks hooks);

    void setUpUplink(const RadioOnLink& radio) override;
    void setUpDownlink(const RadioOnLink& radio) override;
    void tuneUplink(const RadioOnLink& radio) override;
    void tuneDownlink(const RadioOnLink& radio) override;
    void readBackDownlink(const RadioOnLink& radio) override;
    void closeUplink(const RadioOnLink& radio) override;
    void closeDownlink(const RadioOnLink& radio) override;

    // PCR-1000. Without caveat hooks (a dry run, a test) the warning counts as accepted.
    void setCaveatHooks(PcrCaveatHooks hooks) { caveat_ = std::move(hooks); }
    void parse_pcr1000(std::string_view pcr_data, int transfer);
    void init_pcr1000(int transfer);
    void pcr_1000(int transfer);
    void pcr1000_close(int transfer);
    // True when the operator accepted the warning; declining ends the run.
    bool PCR1000_CAVEAT();
    // The control commands the panel queued, sent in the order queued (main loop).
    void sendPendingControls();
    const std::vector<std::string>& pendingControls() const { return pcrPendingCommand_; }
    const std::string& pcrModeFilter() const { return pcrModeFilter_; }
    PcrControls& controls() { return controls_; }

    // AR5000 and AR8000.
    void init_ar5000(int transfer);
    void ar5000(int transfer);
    void readback_ar5000();
    void ar_close(int transfer);

private:
    static bool isPcr1000(const RadioOnLink& radio);
    bool downlinkIsPcr1000() const;
    bool downlinkInhibited() const { return wiring_.state.downlinkInhibit == 1; }
    // A later command of the same setting replaces one still waiting.
    void queueControl(std::string command);
    void setDownlinkBaud(int baud);
    void sendAorCommand(std::string_view command);

    FamilyWiring wiring_;
    FamilyHooks hooks_;
    PcrCaveatHooks caveat_;
    std::string pcrModeFilter_; // empty while the mode field is in error
    std::vector<std::string> pcrPendingCommand_;
    PcrControls controls_;
};

} // namespace orv::radio
