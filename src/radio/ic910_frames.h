// The IC-910's own CI-V pieces beside the common frames: how its two bands are
// shared between the links, the main-band reading, and the tone bytes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace orv::radio::ic910 {

namespace cmd {
inline constexpr uint8_t kSatelliteMode = 0x07; // behind 1A: 00 off, 01 on
inline constexpr uint8_t kExchangeBands = 0xB0; // behind 07
inline constexpr uint8_t kSimplex = 0x10;       // behind 0F
inline constexpr uint8_t kToneSwitch = 0x42;    // behind 16: 00 off, 01 on
inline constexpr uint8_t kToneFrequency = 0x1B; // 1B 00 and two BCD bytes
} // namespace cmd

// How the record shares the radio's two bands between the links.
enum class SetupCase {
    None = 0,
    BothLinksSubUplink = 1, // both links, full duplex: the uplink on sub, the downlink on main
    DownlinkOnly = 2,       // the downlink on main
    BothLinksOnMain = 3,    // both links on main, switched by the PTT labels
    UplinkOnly = 4,         // the uplink on main
};

SetupCase setupCase(bool uplinkOnIc910, bool downlinkOnIc910, bool pttFlag);

// Satellite mode (main receives, sub transmits) serves only the full-duplex case.
bool satelliteMode(SetupCase setup);

// The band select byte (07 D0 main, 07 D1 sub) of a link; 0 when the link is not
// on this radio.
uint8_t uplinkBand(SetupCase setup);
uint8_t downlinkBand(SetupCase setup);

// The 100 MHz band a link's frequency falls in at the radio: 1 for 2 m, 4 for 70 cm;
// above 500 MHz the frequency first goes through the link's converter.
int expectedMainBand(double mhz, double converterMHz);

// The band the main receiver reports in a frequency read reply (FE FE E0 60 03 f1..f5 FD,
// first byte first): 1 for 2 m, 4 for 70 cm, 12 for 23 cm. Nothing when no usable
// answer came (the radio is off or not connected).
std::optional<int> mainBandCode(const std::vector<std::optional<uint8_t>>& reply);

// The two BCD bytes of a CTCSS tone given in Hz ("88.5" gives 08 85). Nothing for a
// text that is not one of the radio's tones.
std::optional<std::array<uint8_t, 2>> toneBytes(std::string_view ctcssField);
// "0" or nothing: the record asks for no tone.
bool isNoTone(std::string_view ctcssField);

} // namespace orv::radio::ic910
