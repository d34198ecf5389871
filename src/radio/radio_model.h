// The numbered list of radios a satellite record can name for its uplink and
// downlink, 0 (no radio) to 38, with what sets each model apart: its command
// family, its CI-V address, whether it is a satellite (full-duplex) radio, on
// which link it serves, and the capabilities the dispatch asks for.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace orv::radio {

// The command family of a model; the dispatch hands its calls to the family driver
// registered for it (radio_families.h).
enum class RadioFamily {
    None,
    Ft736,     // Yaesu FT-736R
    Ft847,     // Yaesu FT-847
    Ft757,     // Yaesu FT-757
    Ft100,     // Yaesu FT-100
    Ft1000,    // Yaesu FT-1000
    Vr5000,    // Yaesu VR-5000 receiver
    Kenwood,   // TS-790 (the satellite one), TS-440S, TS-680S, TS-711, TS-811
    Ts2000,    // Kenwood TS-2000
    Icom,      // the CI-V transceivers
    IcomR8500, // IC-R8500 receiver
    IcomR9000, // IC-R7000 and IC-R9000 receivers
    Ic910,     // IC-910 satellite transceiver
    Pcr1000,   // PCR-1000 receiver
    Aor,       // AR5000 and AR8000 receivers
};

struct RadioModel {
    int number = 0;
    const char* name = "";
    RadioFamily family = RadioFamily::None;
    uint8_t civAddress = 0; // Icom families only
    bool satellite = false; // tuned on main and sub bands of one radio
    bool uplink = false;    // served as uplink radio
    bool downlink = false;  // served as downlink radio
    // The satellite-radio flag the downlink set-up hands a Kenwood when it is not the
    // satellite flag (the TS-711 takes 8 there, and 0 for tuning).
    int downlinkSetupFlag = -1;
    // The direction parameter of the radio header for sends to this radio.
    int directionParameter = 0;
    // Extra CAT delay (ms) every frame waits while this radio serves the uplink.
    double uplinkCatDelayMs = 0;
    // The downlink radio's dial can be read back.
    bool readBack = false;
    // Carrying both links, the radio switches between transmit and receive (PTT).
    bool pttBothLinks = false;
    // Carrying both links, the radio is set up once (by its uplink set-up) and closed
    // once (by its uplink close).
    bool setUpOnceForBothLinks = false;
    bool closedOnceForBothLinks = false;
    // Names the panel shows instead of `name` at one moment.
    const char* loadedUplinkName = nullptr;        // uplink, after a satellite is loaded
    const char* initialisedUplinkName = nullptr;   // uplink, after the radios are initialised
    const char* initialisedDownlinkName = nullptr; // downlink, after the radios are initialised
};

inline constexpr int kRadioModelCount = 39; // 0 to 38

// All rows, number k at [k]; number 0 and the unused number 20 have family None.
std::span<const RadioModel> radioModels();

// The model of a record's radio number; the empty model for 0 and anything outside 1 to 38.
const RadioModel& radioModel(int number);

// The name the panel shows for a radio after a satellite is loaded, and after the
// radios are initialised.
enum class NameMoment { Loaded, Initialised };
std::string displayedRadioName(int number, bool uplinkSide, NameMoment moment);

} // namespace orv::radio
