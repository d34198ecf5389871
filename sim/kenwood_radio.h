// The simulated Kenwood text radio: ";"-terminated ASCII commands, several to a
// text. It keeps two bands (the TS-790's main and sub, the TS-2000's main and
// sub in satellite mode), each with VFO A and B, and answers "FA;" and "FB;"
// with the fourteen-character frequency reply.
#pragma once

#include "sim/radio_family.h"

#include <array>
#include <string_view>

namespace orv::sim {

struct KenwoodDial {
    uint64_t hz = 145000000;
    int mode = 2; // USB
};

struct KenwoodState {
    std::array<std::array<KenwoodDial, 2>, 2> dials{}; // [band 0 main, 1 sub][VFO 0 A, 1 B]
    int controlBand = 0;                               // DC: the band the commands act on
    int transmitBand = 0;
    int receiveVfo = 0;       // FN, FR
    int transmitVfo = 0;      // FT
    bool subReceiver = false; // a band-1 DC made the sub band the receiver (TS-790)
    bool satellite = false;   // SA
    bool split = false;       // SP
    bool autoInformation = true;
    int toneNumber = 0;     // TN
    bool toneOn = false;    // TO
    bool ctcssOn = false;   // CT
    int memoryChannel = -1; // MC; -1 before any

    // The dial FA (vfo 0) or FB (vfo 1) acts on: in satellite mode VFO A is the main
    // band's receiver and VFO B the sub band's transmitter; otherwise the control band's.
    KenwoodDial& vfoDial(int vfo);
    const KenwoodDial& vfoDial(int vfo) const;
    // The dial a mode command acts on.
    KenwoodDial& modeDial();
    const KenwoodDial& receiveDial() const;
    const KenwoodDial& transmitDial() const;
};

// "LSB", "USB", "CW", "FM", "AM", "FSK", "CW-R", "FSK-R"; else "mode N".
std::string kenwoodModeName(int mode);

class KenwoodRadioFamily final : public RadioFamily {
public:
    const char* name() const override { return "Kenwood"; }
    bool recognises(const std::vector<uint8_t>& command) const override;
    RadioExchange handle(const std::vector<uint8_t>& command) override;
    std::optional<uint64_t> dialHz() const override;
    std::optional<uint64_t> linkDialHz(bool uplink) const override;

    KenwoodState& radio() { return radio_; }
    const KenwoodState& radio() const { return radio_; }

private:
    // One command without its ";": what it did, and the answer it gives (if any).
    std::string command(std::string_view text, std::string& answer);
    std::string frequency(int vfo, std::string_view digits, std::string& answer);
    std::string satelliteMode(std::string_view parameters);
    std::string bandControl(std::string_view parameters);

    KenwoodState radio_;
    const KenwoodDial* lastDial_ = nullptr;
};

} // namespace orv::sim
