// One radio port of the simulated box: the radio on it understands every
// family the simulator knows, and each command is logged in plain words.
#pragma once

#include "sim/radio_family.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orv::sim {

// Every family the simulated radios speak; a new family is one more line here.
std::vector<std::unique_ptr<RadioFamily>> makeRadioFamilies();

class RadioPort {
public:
    explicit RadioPort(int number);

    // The radios the station's record puts on this port, by family name ("IC-910"):
    // only they hear its commands. Empty, the default: every family listens.
    void attach(std::vector<std::string> familyNames);
    // Hands one command to the attached family that recognises it; `baud` is the
    // rate the box sent it at (0: not known).
    RadioExchange deliver(const std::vector<uint8_t>& command, int baud = 0);
    // The radio model the station has on this port ("FT-847").
    void fit(std::string_view modelName);
    // The family's dial of the radio last addressed on this port, in Hz.
    std::optional<uint64_t> dialHz() const;
    // The dial of one link on the radio last addressed (see RadioFamily::linkDialHz).
    std::optional<uint64_t> linkDialHz(bool uplink) const;
    int number() const { return number_; }
    // The family by name ("CI-V"), for tests and status; null when unknown.
    RadioFamily* family(const std::string& name);

private:
    int number_;
    bool attached(const RadioFamily& family) const;

    std::vector<std::unique_ptr<RadioFamily>> families_;
    std::vector<std::string> attached_;
    RadioFamily* lastFamily_ = nullptr;
};

} // namespace orv::sim
