#include "sim/radio_port.h"

#include "rotator/serial_wire.h"
#include "sim/civ_radio.h"
#include "sim/ic910_radio.h"
#include "sim/kenwood_radio.h"

namespace orv::sim {

std::vector<std::unique_ptr<RadioFamily>> makeRadioFamilies() {
    std::vector<std::unique_ptr<RadioFamily>> families;
    families.push_back(std::make_unique<Ic910RadioFamily>()); // before CI-V: it takes 0x60
    families.push_back(std::make_unique<CivRadioFamily>());
    families.push_back(std::make_unique<KenwoodRadioFamily>());
    return families;
}

RadioPort::RadioPort(int number) : number_(number), families_(makeRadioFamilies()) {}

RadioExchange RadioPort::deliver(const std::vector<uint8_t>& command) {
    for (const auto& family : families_) {
        if (!family->recognises(command)) continue;
        lastFamily_ = family.get();
        return family->handle(command);
    }
    return {std::to_string(command.size()) +
                " bytes no simulated radio understands: " + rotator::hexBytesText(command),
            {}};
}

std::optional<uint64_t> RadioPort::dialHz() const {
    return lastFamily_ ? lastFamily_->dialHz() : std::nullopt;
}

std::optional<uint64_t> RadioPort::linkDialHz(bool uplink) const {
    return lastFamily_ ? lastFamily_->linkDialHz(uplink) : std::nullopt;
}

RadioFamily* RadioPort::family(const std::string& name) {
    for (const auto& family : families_)
        if (name == family->name()) return family.get();
    return nullptr;
}

} // namespace orv::sim
