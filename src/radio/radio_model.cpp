#include "radio/radio_model.h"

#include <array>

namespace orv::radio {

namespace {
using F = RadioFamily;

// Uplink and downlink use as served by the set-up and tuning dispatch.
constexpr RadioModel upDown(int number, const char* name, F family, uint8_t civ = 0,
                            bool satellite = false) {
    return {.number = number,
            .name = name,
            .family = family,
            .civAddress = civ,
            .satellite = satellite,
            .uplink = true,
            .downlink = true,
            .readBack = true};
}

constexpr RadioModel downOnly(int number, const char* name, F family, uint8_t civ = 0) {
    return {.number = number,
            .name = name,
            .family = family,
            .civAddress = civ,
            .downlink = true,
            .readBack = true};
}

// The models whose dial cannot be read back: the read button does nothing for them.
constexpr RadioModel withoutReadBack(RadioModel model) {
    model.readBack = false;
    return model;
}

// The FT-736R's sends carry direction parameter 6 and one close serves both links.
constexpr RadioModel ft736r() {
    RadioModel model = withoutReadBack(upDown(1, "FT-736R", F::Ft736));
    model.directionParameter = 6;
    model.closedOnceForBothLinks = true;
    return model;
}

// As uplink radio the FT-847 slows every frame by 50 ms; carrying both links it is
// closed once (its uplink close takes it out of satellite mode and CAT).
constexpr RadioModel ft847() {
    RadioModel model = upDown(2, "FT-847", F::Ft847);
    model.uplinkCatDelayMs = 50;
    model.closedOnceForBothLinks = true;
    return model;
}

// The TS-711 takes the satellite-radio flag 8 at its downlink set-up (0 for tuning).
constexpr RadioModel ts711() {
    RadioModel model = upDown(7, "TS-711", F::Kenwood);
    model.downlinkSetupFlag = 8;
    return model;
}

// One IC-910 carrying both links is set up and closed once and switched between TX and RX.
constexpr RadioModel ic910() {
    RadioModel model = upDown(27, "IC-910", F::Ic910, 0x60);
    model.pttBothLinks = true;
    model.setUpOnceForBothLinks = true;
    model.closedOnceForBothLinks = true;
    return model;
}

// Number 29 goes by three names depending on the link and the moment.
constexpr RadioModel ic706ii() {
    RadioModel model = upDown(29, "IC-706II", F::Icom, 0x4E);
    model.loadedUplinkName = "FT-817";
    model.initialisedDownlinkName = "IC-746II";
    return model;
}

// A receiver as uplink radio shows a blank name once the radios are initialised.
constexpr RadioModel vr5000() {
    RadioModel model = withoutReadBack(downOnly(30, "VR-5000", F::Vr5000));
    model.initialisedUplinkName = " ";
    return model;
}

constexpr std::array<RadioModel, kRadioModelCount> kModels{{
    {.number = 0},
    ft736r(),
    ft847(),
    downOnly(3, "IC-R8500", F::IcomR8500, 0x4A),
    upDown(4, "TS-790", F::Kenwood, 0, true),
    upDown(5, "TS-440S", F::Kenwood),
    upDown(6, "TS-680S", F::Kenwood),
    ts711(),
    upDown(8, "TS-811", F::Kenwood),
    upDown(9, "IC-970", F::Icom, 0x2E, true),
    upDown(10, "IC-271", F::Icom, 0x20),
    upDown(11, "IC-471", F::Icom, 0x22),
    upDown(12, "IC-275", F::Icom, 0x10),
    upDown(13, "IC-475", F::Icom, 0x14),
    upDown(14, "IC-820", F::Icom, 0x42, true),
    upDown(15, "IC-821", F::Icom, 0x4C, true),
    withoutReadBack(
        upDown(16, "FT-757", F::Ft757)), // tuning only on the uplink: it has no set-up there
    upDown(17, "IC-728", F::Icom, 0x38),
    upDown(18, "IC-729", F::Icom, 0x3A),
    upDown(19, "IC-751A", F::Icom, 0x1C),
    {.number = 20},
    upDown(21, "IC-706/G", F::Icom, 0x58),
    upDown(22, "IC-706", F::Icom, 0x48),
    withoutReadBack(upDown(23, "FT-100", F::Ft100)),
    downOnly(24, "FT-1000", F::Ft1000),
    upDown(25, "IC-756PRO", F::Icom, 0x5C),
    upDown(26, "TS-2000", F::Ts2000),
    ic910(),
    upDown(28, "IC-746", F::Icom, 0x56),
    ic706ii(),
    vr5000(),
    upDown(31, "IC-735", F::Icom, 0x04),
    downOnly(32, "IC-R7000", F::IcomR9000, 0x08),
    downOnly(33, "IC-R9000", F::IcomR9000, 0x2A),
    withoutReadBack(downOnly(34, "PCR-1000", F::Pcr1000)),
    downOnly(35, "AR5000", F::Aor),
    downOnly(36, "AR8000", F::Aor),
    upDown(37, "IC-1271", F::Icom, 0x24),
    upDown(38, "IC-1275", F::Icom, 0x18),
}};

static_assert([] {
    for (int i = 0; i < kRadioModelCount; ++i)
        if (kModels[static_cast<size_t>(i)].number != i) return false;
    return true;
}());
} // namespace

std::span<const RadioModel> radioModels() {
    return kModels;
}

const RadioModel& radioModel(int number) {
    if (number < 1 || number >= kRadioModelCount) return kModels[0];
    return kModels[static_cast<size_t>(number)];
}

std::string displayedRadioName(int number, bool uplinkSide, NameMoment moment) {
    const RadioModel& model = radioModel(number);
    if (model.family == RadioFamily::None) return {};
    if (uplinkSide && moment == NameMoment::Loaded && model.loadedUplinkName)
        return model.loadedUplinkName;
    if (uplinkSide && moment == NameMoment::Initialised)
        return model.initialisedUplinkName ? model.initialisedUplinkName
                                           : (model.uplink ? model.name : "");
    if (!uplinkSide && moment == NameMoment::Initialised && model.initialisedDownlinkName)
        return model.initialisedDownlinkName;
    return model.name;
}

} // namespace orv::radio
