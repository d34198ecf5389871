// What the radio set-up and the family drivers share about the two radios of
// the loaded satellite.
#pragma once

#include <cstdint>
#include <string>

namespace orv::radio {

struct RadioState {
    std::string uplinkName;
    std::string downlinkName;
    uint8_t uplinkCiv = 0;
    uint8_t downlinkCiv = 0;
    int satelliteFlag = 0;   // 1 while a satellite radio is handled (full_duplex)
    int mainSub = 0;         // CI-V band select byte, 0xD0 main or 0xD1 sub
    std::string mainSubText; // the TS-2000's selector ("FT1;", "FT0;", "FR0;")
    int directionIndex = 0;  // 0 uplink, 1 downlink
    std::string kenwoodPrefix;
    std::string frequencyText; // trimmed text of the direction being tuned
    int vfo = 0;
    int splits = 0;
    int satelliteRig = 0;
    int uplinkInhibit = 0;   // 1: do not retune the uplink radio
    int downlinkInhibit = 0; // 1: do not retune the downlink radio
    int ft847SameBand = 0;
    int uplinkInitialised = 0;
    int downlinkInitialised = 0;
    int readDone = 0;
    int fullDuplex = 0;       // a radio wants the duplex offset every pass
    std::string duplexOffset; // what duploxer formed last
};

} // namespace orv::radio
