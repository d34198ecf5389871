// The PCR-1000 receiver in the station: the control commands the panel queued,
// sent at the start of a tick, its controls disabled at a deselection, and its
// EEPROM warning answered through the dialogs and kept in the configuration.
#include "radio/pcr_caveat.h"
#include "radio/radios.h"
#include "station/station.h"

#include <cstdio>

namespace orv::station {

void Station::handPendingPcrReply() {
    radios_->families().pcrAor().sendPendingControls();
}

void Station::clear_make_pcr1000() {
    radios_->families().pcrAor().controls().clear_make_pcr1000();
}

void Station::wirePcrReceiver() {
    radio::PcrCaveatHooks hooks;
    hooks.readAcceptance = [this] {
        return configuration_.read(startup_.variant, radio::kPcrCaveatKey);
    };
    hooks.storeAcceptance = [this] {
        configuration_.write(startup_.variant, radio::kPcrCaveatKey, "1");
    };
    hooks.ask = [this](const platform::DialogRequest& request) {
        if (!options_.acceptEepromCaveat) return platform_.dialogs.show(request);
        std::fprintf(stderr, "orv_kite: the PCR-1000 EEPROM caveat is accepted "
                             "(--accept-eeprom-caveat)\n");
        return platform::DialogAnswer::Yes;
    };
    hooks.endProgram = [this] { endProgram(0); };
    radios_->families().pcrAor().setCaveatHooks(std::move(hooks));
}

} // namespace orv::station
