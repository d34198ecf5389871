// Routines of subsystems that are not built yet. Each is a named no-op so that
// start-up and the main loop already call everything in its place; the subsystem
// that owns a routine replaces its body here with a call into its own unit.
#include "orbit/element_import.h"
#include "orbit/element_store.h"
#include "orbit/keplers.h"
#include "radio/radios.h"
#include "station/station.h"

#include <cstdio>

namespace orv::station {

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

// Panel updates of a new selection: the radios' inhibit, read-back and PTT labels, the
// auto-track caption and forced-park control, and the satellite's attitude.
void Station::updatePanelForNewSelection() {
    radios_->resetForSelection();
    skyNewSelection();
}

} // namespace orv::station
