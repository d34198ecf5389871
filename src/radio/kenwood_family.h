// The Kenwood radios: the TS-790 (a satellite radio), TS-440S, TS-680S, TS-711
// and TS-811, and the TS-2000. The dispatch's calls already carry each model's
// flag, prefix and band selector; the routines behind them are named no-ops until
// the driver is built.
#pragma once

#include "radio/family_driver.h"

#include <string>

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

    // Not built yet: each does nothing.
    void init_kenwood(int /*mdx*/, int /*satelliteFlag*/, int /*transfer*/) {}
    void Kenwood(const std::string& /*prefix*/, int /*satelliteFlag*/) {}
    void readback_kenwood_rx(int /*satelliteFlag*/) {}
    void kenwood_close(int /*transfer*/) {}
    void init_ts2000() {}
    void Ken_2000(const std::string& /*mainSub*/) {}
    void readback_TS2000_rx() {}
    void ts2000_close(int /*transfer*/) {}

private:
    static bool isTs2000(const RadioOnLink& radio);
    void tuneKenwood(const RadioOnLink& radio, const char* satellitePrefix,
                     const char* plainPrefix);

    FamilyWiring wiring_;
    [[maybe_unused]] FamilyHooks hooks_; // for the driver to come
};

} // namespace orv::radio
