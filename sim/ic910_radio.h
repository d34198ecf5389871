// The simulated IC-910 (CI-V address 0x60): a main and a sub band, each a band
// unit (2 m, 70 cm or 23 cm) with its dial, mode and tone. Frequencies outside a
// band's unit are refused, the bands change places on 07 B0, satellite mode
// transmits on sub, and 1C 00 keys the transmitter.
#pragma once

#include "sim/radio_family.h"

#include <array>

namespace orv::sim {

inline constexpr uint8_t kIc910Address = 0x60;

enum class Ic910Unit { TwoMetres, SeventyCentimetres, TwentyThreeCentimetres };

struct Ic910Band {
    Ic910Unit unit = Ic910Unit::TwoMetres;
    uint64_t hz = 145000000;
    uint8_t mode = 1; // USB
    uint8_t filter = 1;
    double toneHz = 88.5;
    bool toneOn = false;
};

struct Ic910State {
    // A fresh radio has 2 m on main and 70 cm on sub.
    std::array<Ic910Band, 2> bands{
        Ic910Band{}, Ic910Band{.unit = Ic910Unit::SeventyCentimetres, .hz = 435000000}};
    int selected = 0; // 0 main, 1 sub
    bool satelliteMode = false;
    bool transmitting = false;
    bool split = false;
    bool memoryMode = false;
    int memoryChannel = -1;

    Ic910Band& main() { return bands[0]; }
    Ic910Band& sub() { return bands[1]; }
    const Ic910Band& main() const { return bands[0]; }
    const Ic910Band& sub() const { return bands[1]; }
    // Puts `unit` on main, exchanging the bands when it is on sub.
    void putOnMain(Ic910Unit unit);
};

// "2 m", "70 cm", "23 cm".
const char* ic910UnitName(Ic910Unit unit);

class Ic910RadioFamily final : public RadioFamily {
public:
    const char* name() const override { return "IC-910"; }
    bool recognises(const std::vector<uint8_t>& command) const override;
    RadioExchange handle(const std::vector<uint8_t>& command) override;
    std::optional<uint64_t> dialHz() const override;
    // Satellite mode transmits on sub; otherwise both links are on main.
    std::optional<uint64_t> linkDialHz(bool uplink) const override;

    Ic910State& radio() { return radio_; }
    const Ic910State& radio() const { return radio_; }

private:
    std::string selectBand(const std::vector<uint8_t>& data);
    std::string setFrequency(const std::vector<uint8_t>& data, bool& accepted);
    std::string setOffset(const std::vector<uint8_t>& data, bool& accepted);
    std::string setLevel(const std::vector<uint8_t>& data, bool& accepted);
    std::string setSetting(const std::vector<uint8_t>& data, bool& accepted);
    std::string setTone(const std::vector<uint8_t>& data, bool& accepted);
    std::string transmitSwitch(const std::vector<uint8_t>& data, bool& accepted);
    Ic910Band& band() { return radio_.bands[static_cast<size_t>(radio_.selected)]; }
    const char* bandName() const { return radio_.selected == 0 ? "main" : "sub"; }

    Ic910State radio_;
    bool addressed_ = false;
};

} // namespace orv::sim
