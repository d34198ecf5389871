// The Yaesu radios: FT-736R, FT-847, FT-757, FT-100, FT-1000 and the VR-5000
// receiver. The dispatch's calls reach the routine of each model; the routines
// are named no-ops until the driver is built.
#pragma once

#include "radio/family_driver.h"

namespace orv::radio {

class YaesuFamily final : public FamilyDriver {
public:
    YaesuFamily(FamilyWiring wiring, FamilyHooks hooks);

    void setUpUplink(const RadioOnLink& radio) override;
    void setUpDownlink(const RadioOnLink& radio) override;
    void tuneUplink(const RadioOnLink& radio) override;
    void tuneDownlink(const RadioOnLink& radio) override;
    void readBackDownlink(const RadioOnLink& radio) override;
    void closeUplink(const RadioOnLink& radio) override;
    void closeDownlink(const RadioOnLink& radio) override;

    // Not built yet: each does nothing.
    void init_736_up() {}
    void init_736_down() {}
    void ft736_tx() {}
    void FT736_rx() {}
    void init_847_up() {}
    void init_847_down() {}
    void ft847_tx() {}
    void FT847_rx() {}
    void readback_847() {}
    void init_757() {}
    void FT757_tx() {}
    void FT757_rx() {}
    void init_ft100() {}
    void ft_100_tx() {}
    void ft_100_rx() {}
    void init_FT1000() {}
    void ft1000() {}
    void readback_FT1000() {}
    void init_vr5000() {}
    void vr5000() {}
    void yaesu_close(int /*transfer*/) {}

private:
    FamilyWiring wiring_;
    [[maybe_unused]] FamilyHooks hooks_; // for the driver to come
};

} // namespace orv::radio
