// One family of radio command sets (CI-V, Kenwood text, ...) as a simulated
// radio speaks it. A family recognises its commands, acts on them against the
// dials it keeps, describes them in plain words and gives the radio's answer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::sim {

struct RadioExchange {
    std::string description;    // what the command did, in plain words
    std::vector<uint8_t> reply; // what the radio sends back
};

class RadioFamily {
public:
    virtual ~RadioFamily() = default;
    virtual const char* name() const = 0;
    // True when `command` is written in this family's format.
    virtual bool recognises(const std::vector<uint8_t>& command) const = 0;
    virtual RadioExchange handle(const std::vector<uint8_t>& command) = 0;
    // The same, for a command that arrived at `baud` (0: not known). A radio that
    // listens at one rate only hears what comes at it.
    virtual RadioExchange handleAt(const std::vector<uint8_t>& command, int /*baud*/) {
        return handle(command);
    }
    // The station names the model on this port ("FT-847"); a family whose commands
    // mean different things on different models takes it, the others ignore it.
    virtual void fit(std::string_view /*modelName*/) {}
    // The frequency on the dial of the radio last addressed, in Hz; nothing before any.
    virtual std::optional<uint64_t> dialHz() const = 0;
    // The dial a link uses on a radio carrying it: where it transmits for the uplink,
    // where it receives for the downlink. By default the dial last addressed.
    virtual std::optional<uint64_t> linkDialHz(bool /*uplink*/) const { return dialHz(); }
};

// "435.123450": a frequency in MHz with six decimals.
std::string megahertzText(uint64_t hz);

} // namespace orv::sim
