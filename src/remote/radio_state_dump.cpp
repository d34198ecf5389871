#include "remote/radio_state_dump.h"

namespace orv::remote {

namespace {
// Mode bits of the protocol: AM 0x1, CW 0x2, USB 0x4, LSB 0x8, FM 0x20.
constexpr const char* kReceiveModes = "0x2f";
constexpr const char* kTransmitModes = "0x2e";
constexpr const char* kBothVfos = "0x3"; // VFO A (downlink) and VFO B (uplink)
// The span of the radio list with its converters, Hz.
constexpr const char* kRange = "100000.000000 99000000000.000000";
constexpr const char* kRangeEnd = "0 0 0 0 0 0 0";
constexpr const char* kListEnd = "0 0";
} // namespace

std::vector<std::string> radioStateLines(bool pttAvailable) {
    std::vector<std::string> lines{
        "1", // protocol version
        "2", // the network radio model
        "0", // region, unused
        std::string(kRange) + " " + kReceiveModes + " -1 -1 " + kBothVfos + " 0x0",
        kRangeEnd,
        std::string(kRange) + " " + kTransmitModes + " -1 -1 " + kBothVfos + " 0x0",
        kRangeEnd,
        std::string(kReceiveModes) + " 1", // tuning step 1 Hz in every mode
        kListEnd,
        "0xc 2400", // filters: SSB, CW, FM, AM
        "0x2 500",
        "0x20 15000",
        "0x1 6000",
        kListEnd,
        "0", // RIT, XIT, IF shift, announcements
        "0",
        "0",
        "0",
        "", // no preamplifiers, no attenuators
        "",
        "0x0", // no functions, levels or parameters
        "0x0",
        "0x0",
        "0x0",
        "0x0",
        "0x0",
        "vfo_ops=0x0",
        pttAvailable ? "ptt_type=0x1" : "ptt_type=0x0",
        "targetable_vfo=0x3",
        "has_set_vfo=1",
        "has_get_vfo=1",
        "has_set_freq=1",
        "has_get_freq=1",
        "has_set_conf=0",
        "has_get_conf=0",
        "has_power2mW=0",
        "has_mW2power=0",
        "timeout=1000",
        "rig_model=2",
        "rigctld_version=Orv_Kite station",
        "done"};
    return lines;
}

} // namespace orv::remote
