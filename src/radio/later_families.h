// The radio families whose drivers are not built yet: Yaesu (FT-736R, FT-847,
// FT-757, FT-100, FT-1000, VR-5000), Kenwood (TS-790/440S/680S/711/811, TS-2000),
// the IC-910 and the PCR-1000/AOR receivers. Each routine is a named no-op that
// the dispatch already calls in its place; a family's driver replaces it.
#pragma once

#include <string>

namespace orv::radio {

class LaterFamilies {
public:
    // Yaesu.
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

    // Kenwood.
    void init_kenwood(int /*mdx*/, int /*satelliteFlag*/, int /*transfer*/) {}
    void Kenwood(const std::string& /*prefix*/, int /*satelliteFlag*/) {}
    void readback_kenwood_rx(int /*satelliteFlag*/) {}
    void kenwood_close(int /*transfer*/) {}
    void init_ts2000() {}
    void Ken_2000(const std::string& /*mainSub*/) {}
    void readback_TS2000_rx() {}
    void ts2000_close(int /*transfer*/) {}

    // IC-910.
    void init_ic910(int /*transfer*/) {}
    void ic910_tx() {}
    void ic910_rx(int /*transfer*/) {}
    void readback_ic910() {}
    void ic910_close(int /*transfer*/) {}

    // PCR-1000 and the AOR receivers.
    void init_pcr1000() {}
    void pcr_1000() {}
    void pcr1000_close() {}
    void init_ar5000() {}
    void ar5000() {}
    void readback_ar5000() {}
    void ar_close() {}
};

} // namespace orv::radio
