#include "sim/radio_port.h"

#include "rotator/serial_wire.h"
#include "sim/aor_radio.h"
#include "sim/civ_radio.h"
#include "sim/ic910_radio.h"
#include "sim/kenwood_radio.h"
#include "sim/pcr_radio.h"
#include "sim/yaesu_radio.h"

#include <algorithm>

namespace orv::sim {

std::vector<std::unique_ptr<RadioFamily>> makeRadioFamilies() {
    std::vector<std::unique_ptr<RadioFamily>> families;
    families.push_back(std::make_unique<Ic910RadioFamily>()); // before CI-V: it takes 0x60
    families.push_back(std::make_unique<CivRadioFamily>());
    families.push_back(std::make_unique<KenwoodRadioFamily>());
    families.push_back(std::make_unique<PcrRadioFamily>());   // CR LF
    families.push_back(std::make_unique<AorRadioFamily>());   // CR alone
    families.push_back(std::make_unique<YaesuRadioFamily>()); // five bytes: after the texts
    return families;
}

RadioPort::RadioPort(int number) : number_(number), families_(makeRadioFamilies()) {}

void RadioPort::attach(std::vector<std::string> familyNames) {
    attached_ = std::move(familyNames);
    if (lastFamily_ && !attached(*lastFamily_)) lastFamily_ = nullptr;
}

bool RadioPort::attached(const RadioFamily& family) const {
    return attached_.empty() ||
           std::find(attached_.begin(), attached_.end(), family.name()) != attached_.end();
}

RadioExchange RadioPort::deliver(const std::vector<uint8_t>& command, int baud) {
    for (const auto& family : families_) {
        if (!attached(*family) || !family->recognises(command)) continue;
        lastFamily_ = family.get();
        return family->handleAt(command, baud);
    }
    std::string listener = "no simulated radio understands";
    if (!attached_.empty()) {
        listener = "the " + attached_.front();
        for (size_t i = 1; i < attached_.size(); ++i)
            listener += " and the " + attached_[i];
        listener += " here does not understand";
    }
    return {std::to_string(command.size()) + " bytes " + listener + ": " +
                rotator::hexBytesText(command),
            {}};
}

void RadioPort::fit(std::string_view modelName) {
    for (const auto& family : families_)
        family->fit(modelName);
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
