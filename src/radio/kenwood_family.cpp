#include "radio/kenwood_family.h"

namespace orv::radio {

KenwoodFamily::KenwoodFamily(FamilyWiring wiring, FamilyHooks hooks)
    : wiring_(wiring), hooks_(std::move(hooks)) {}

bool KenwoodFamily::isTs2000(const RadioOnLink& radio) {
    return radio.model.family == RadioFamily::Ts2000;
}

void KenwoodFamily::setUpUplink(const RadioOnLink& radio) {
    auto& state = wiring_.state;
    if (isTs2000(radio)) {
        state.mainSubText = radio.bothLinks ? "FT1;" : "FR0;";
        init_ts2000();
        return;
    }
    state.satelliteFlag = radio.model.satellite ? 1 : 0;
    init_kenwood(state.directionIndex, state.satelliteFlag, wiring_.link.currentTransfer);
}

void KenwoodFamily::setUpDownlink(const RadioOnLink& radio) {
    auto& state = wiring_.state;
    if (isTs2000(radio)) {
        state.mainSubText = "FR0;";
        init_ts2000();
        return;
    }
    const RadioModel& model = radio.model;
    state.satelliteFlag =
        model.downlinkSetupFlag >= 0 ? model.downlinkSetupFlag : (model.satellite ? 1 : 0);
    init_kenwood(state.directionIndex, state.satelliteFlag, wiring_.link.currentTransfer);
}

void KenwoodFamily::tuneKenwood(const RadioOnLink& radio, const char* satellitePrefix,
                                const char* plainPrefix) {
    auto& state = wiring_.state;
    state.kenwoodPrefix = radio.model.satellite ? satellitePrefix : plainPrefix;
    state.satelliteFlag = radio.model.satellite ? 1 : 0;
    Kenwood(state.kenwoodPrefix, state.satelliteFlag);
}

void KenwoodFamily::tuneUplink(const RadioOnLink& radio) {
    if (isTs2000(radio)) {
        wiring_.state.mainSubText = radio.bothLinks ? "FT1;" : "FT0;";
        Ken_2000(wiring_.state.mainSubText);
        return;
    }
    tuneKenwood(radio, "DC0;", "00");
}

void KenwoodFamily::tuneDownlink(const RadioOnLink& radio) {
    if (isTs2000(radio)) {
        wiring_.state.mainSubText = "FR0;";
        Ken_2000(wiring_.state.mainSubText);
        return;
    }
    tuneKenwood(radio, "DC1;", "00;");
}

void KenwoodFamily::readBackDownlink(const RadioOnLink& radio) {
    if (isTs2000(radio))
        readback_TS2000_rx();
    else
        readback_kenwood_rx(radio.model.satellite ? 1 : 0);
}

void KenwoodFamily::closeUplink(const RadioOnLink& radio) {
    if (isTs2000(radio))
        ts2000_close(kUplinkTransfer);
    else
        kenwood_close(kUplinkTransfer);
}

void KenwoodFamily::closeDownlink(const RadioOnLink& radio) {
    if (isTs2000(radio))
        ts2000_close(kDownlinkTransfer);
    else
        kenwood_close(kDownlinkTransfer);
}

} // namespace orv::radio
