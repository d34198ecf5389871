// Routines of subsystems that are not built yet. Each is a named no-op so that
// start-up and the main loop already call everything in its place; the subsystem
// that owns a routine replaces its body here with a call into its own unit.
#include "core/station.h"
#include "orbit/element_import.h"
#include "orbit/element_store.h"
#include "orbit/keplers.h"

#include <cstdio>

namespace orv::core {

// Horizon table.
void Station::readHorizonTable() {}
bool Station::belowHorizon() {
    return false;
}

// Auto-track by priority and the map.
void Station::readSatelliteListPriorities() {}
void Station::loadMapPicture() {}
void Station::showMapControls() {}
void Station::mapping() {}
void Station::refreshMapControls() {}
void Station::autoTrackBookkeeping() {}

// Mean-anomaly schedule.
void Station::bird_mode() {}

// Element sets and the propagator.
void Station::importElements() {
    const std::string path = orbit::elementFilePath(options_.programDir, config_.kepPathFile);
    const auto result = orbit::importElementFile(path, *elementStore_, tracking_.dayNumber,
                                                 [this] { error_msgs(5); });
    if (result.status == orbit::ImportStatus::FileMissing)
        throw StartupFailure{StartupFailure::Kind::ElementFileMissing,
                             orbit::elementFileName(config_.kepPathFile)};
    if (result.status == orbit::ImportStatus::FileCorrupt) {
        std::fprintf(stderr, "orv_kite: %s\n", result.detail.c_str());
        throw StartupFailure{StartupFailure::Kind::ElementFileCorrupt, result.detail};
    }
}
void Station::computeStationModel() {
    keplers_->setStationModel(
        orbit::StationModel::from(config_.latitude, config_.longitude, config_.height));
    tracking_.ALON = 0;
    tracking_.ALAT = 0;
}
void Station::keplers(std::string_view name) {
    keplers_->keplers(name);
}

// Panel updates of a new selection that belong to later subsystems: schedule caption,
// forced-park control, frequency-step, inhibit, read-back, refresh and PTT labels.
void Station::updatePanelForNewSelection() {}

// Linked tracking programs: no program answers until the links exist.
bool Station::probeDdeSource(int) {
    return false;
}
void Station::pollDdeSource() {}

// Radios, frequency plan and Doppler.
void Station::setInhibitControls() {}
void Station::shut_down_radios() {}
// Both radios inhibited while the antennas park.
void Station::inhibitBothRadios() {}
void Station::handPendingPcrReply() {}
void Station::resetSelectionDisplays() {}
void Station::lbl_refresh_DblClick() {}
void Station::resetInhibitAndStepControls() {}
void Station::clear_make_pcr1000() {}
void Station::showToneDisplay() {}
void Station::frequency() {}
// Tuning controls reset by GetSatCfg (knobs, fine-step labels, PCR-1000 controls).
void Station::resetTuningControls() {}
// Hands the typed record to the frequency plan, the radio set-up and the link timing.
void Station::applySatelliteToRadios() {}
// pre_radio_init, radioinit, lbl_Base_DblClick, lbl_refresh_DblClick, frequency, the
// wait and the downlink indicator of a new selection's set-up.
void Station::setUpRadiosForSelection() {}

} // namespace orv::core
