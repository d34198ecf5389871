// The Kenwood radios: the TS-790 (a satellite radio with a main and a sub band),
// TS-440S, TS-680S, TS-711 and TS-811, and the TS-2000, all driven with text
// commands. The TS-2000 carrying both links works in its satellite mode (VFO A
// receives on main, VFO B transmits on sub), or split on one band when both
// links are in the same band.
#pragma once

#include "radio/family_driver.h"

#include <string>
#include <string_view>

namespace orv::radio {

class KenwoodFamily final : public FamilyDriver {
public:
    KenwoodFamily(FamilyWiring wiring, FamilyHooks hooks);

    void setUpUplink(const RadioOnLink& radio) override;
    void setUpDownlink(const RadioOnLink& radio) override;
    void tuneUplink(const RadioOnLink& radio) override;
    void tuneDownlink(const RadioOnLink& radio) override;
    void readBackDownlink(const RadioOnLink& radio) override;
    void closeUplink(const RadioOnLink& radio) override;
    void closeDownlink(const RadioOnLink& radio) override;

    // mdx: 0 uplink, 1 downlink; full_duplex 1 for the TS-790 (its band prefixes).
    void init_kenwood(int mdx, int full_duplex, int transfer);
    void Kenwood(int mdx, int full_duplex, const std::string& main_subk);
    void readback_kenwood_rx(int full_duplex);
    void kenwood_close(int transfer);
    // bothLinks: one TS-2000 carries the uplink and the downlink.
    void init_ts2000(int mdx, int transfer, bool bothLinks);
    void Ken_2000(int transfer, bool bothLinks);
    void readback_TS2000_rx();
    void ts2000_close(int transfer);

    // The mode commands of the last set-up of each link ("MD2;").
    const std::string& uplinkModeCommand() const { return uplinkModeCommand_; }
    const std::string& downlinkModeCommand() const { return downlinkModeCommand_; }

private:
    static bool isTs2000(const RadioOnLink& radio);
    void send(std::string_view text);
    std::string modeCommandOf(int mdx);
    void sendTone(int mdx);
    bool inhibited(int mdx) const;
    bool bothLinksInOneBand() const;
    void readVfoA(std::string_view command);
    void finishReadBack();
    void refuseFrequency();

    FamilyWiring wiring_;
    FamilyHooks hooks_;
    std::string uplinkModeCommand_;
    std::string downlinkModeCommand_;
};

} // namespace orv::radio
