// The simulated Yaesu five-byte radio: P1 P2 P3 P4 opcode. The opcodes mean
// different things on different models, so the radio is told which model it is
// (the record's radio name, "FT-847" by default). It keeps CAT on/off, the
// satellite (full-duplex) mode, its dials and tones, and answers the FT-847's
// frequency read and the FT-1000's operating-data read.
#pragma once

#include "sim/radio_family.h"

#include <array>
#include <string_view>

namespace orv::sim {

enum class YaesuModel { Ft847, Ft736, Ft757, Ft1000, Ft100, Vr5000 };

// The model of a radio name as the model list writes it; nothing for other names.
std::optional<YaesuModel> yaesuModelNamed(std::string_view name);

struct YaesuDial {
    uint64_t hz = 145000000;
    uint8_t mode = 0x01; // the model's own mode byte
};

struct YaesuState {
    YaesuModel model = YaesuModel::Ft847;
    // The FT-847, FT-736R and VR-5000 act on nothing but CAT on until it is sent.
    bool cat = false;
    bool satellite = false; // FT-847 satellite mode, FT-736R full duplex
    bool split = false;     // FT-100, FT-1000
    bool transmitting = false;
    int vfo = 0; // FT-757, FT-1000, FT-100: 0 VFO A, 1 VFO B
    // FT-847: main, satellite receive, satellite transmit; FT-736R: main, receive,
    // transmit; the VFO radios: A and B.
    std::array<YaesuDial, 3> dials{};
    std::array<uint8_t, 3> ctcss{0x8A, 0x8A, 0x8A}; // FT-847 per dial: 8A off, 4A encoder
    std::array<uint8_t, 3> tone{};                  // FT-847 tone code per dial
    bool toneEncoder = false;                       // FT-736R
    uint8_t toneCode = 0;                           // FT-736R
    uint8_t step = 0;                               // VR-5000 tuning-step byte

    // The dial a link uses: on a satellite radio in satellite mode the transmit dial
    // for the uplink and the receive dial for the downlink; split on an FT-100 VFO B
    // for the uplink; else the dial in use.
    const YaesuDial& linkDial(bool uplink) const;
};

class YaesuRadioFamily final : public RadioFamily {
public:
    const char* name() const override { return "Yaesu"; }
    bool recognises(const std::vector<uint8_t>& command) const override;
    RadioExchange handle(const std::vector<uint8_t>& command) override;
    void fit(std::string_view modelName) override;
    std::optional<uint64_t> dialHz() const override;
    std::optional<uint64_t> linkDialHz(bool uplink) const override;

    YaesuState& radio() { return radio_; }
    const YaesuState& radio() const { return radio_; }

private:
    std::string satelliteRadio(uint8_t opcode, const std::vector<uint8_t>& p,
                               std::vector<uint8_t>& answer);
    std::string ft847Only(uint8_t opcode, const std::vector<uint8_t>& p,
                          std::vector<uint8_t>& answer);
    std::string ft736Only(uint8_t opcode, const std::vector<uint8_t>& p);
    std::string vfoRadio(uint8_t opcode, const std::vector<uint8_t>& p,
                         std::vector<uint8_t>& answer);
    std::string vr5000(uint8_t opcode, const std::vector<uint8_t>& p);
    std::string setDial(int index, std::optional<uint64_t> hz, const std::vector<uint8_t>& p);

    YaesuState radio_;
    const YaesuDial* lastDial_ = nullptr;
};

} // namespace orv::sim
