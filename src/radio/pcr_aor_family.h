// The PCR-1000 and the AOR receivers (AR5000, AR8000): downlink radios only. The
// routines are named no-ops until the driver is built.
#pragma once

#include "radio/family_driver.h"

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

    // Not built yet: each does nothing.
    void init_pcr1000() {}
    void pcr_1000() {}
    void pcr1000_close() {}
    void init_ar5000() {}
    void ar5000() {}
    void readback_ar5000() {}
    void ar_close() {}

private:
    static bool isPcr1000(const RadioOnLink& radio);

    [[maybe_unused]] FamilyWiring wiring_; // for the driver to come
    [[maybe_unused]] FamilyHooks hooks_;   // for the driver to come
};

} // namespace orv::radio
