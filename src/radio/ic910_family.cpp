#include "radio/ic910_family.h"

#include "radio/civ_frames.h"

namespace orv::radio {

Ic910Family::Ic910Family(FamilyWiring wiring, FamilyHooks hooks)
    : wiring_(wiring), hooks_(std::move(hooks)) {}

void Ic910Family::setUpUplink(const RadioOnLink& /*radio*/) {
    init_ic910(kUplinkTransfer);
}

void Ic910Family::setUpDownlink(const RadioOnLink& /*radio*/) {
    init_ic910(kDownlinkTransfer);
}

void Ic910Family::tuneUplink(const RadioOnLink& /*radio*/) {
    ic910_tx();
}

void Ic910Family::tuneDownlink(const RadioOnLink& /*radio*/) {
    ic910_rx(kDownlinkTransfer);
}

void Ic910Family::readBackDownlink(const RadioOnLink& /*radio*/) {
    readback_ic910();
}

void Ic910Family::closeUplink(const RadioOnLink& /*radio*/) {
    ic910_close(kUplinkTransfer);
}

void Ic910Family::closeDownlink(const RadioOnLink& /*radio*/) {
    ic910_close(kDownlinkTransfer);
}

void Ic910Family::switchTransmit(const RadioOnLink& radio, bool transmit) {
    wiring_.link.sendCommand(kUplinkTransfer,
                             civFrame(radio.model.civAddress, civ::kTransmit,
                                      {0x00, static_cast<uint8_t>(transmit ? 1 : 0)}));
}

} // namespace orv::radio
