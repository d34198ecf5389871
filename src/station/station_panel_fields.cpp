// The panel's own fields: the satellite-name suffix that steps through a satellite's
// mean-anomaly records, the elevation-sign test of the rotator drive, and the hints
// that hide themselves when clicked.
#include "radio/radios.h"
#include "rotator/rotator_drive.h"
#include "station/name_suffix.h"
#include "station/station.h"

namespace orv::station {

namespace {
// Hints that only go away when clicked.
constexpr const char* kSelfHidingHints[] = {"Label1", "Text1", "lbl_finediag"};
} // namespace

// The new name is the one tracked, shown and loaded by the next refresh; it is also
// the selection last taken, so that typing the previous name selects it again.
void Station::renameSelection(const std::string& name) {
    loop_.selectedSatellite = name;
    loop_.pendingSelection = name;
    loop_.lastSelectionTaken = name;
    panel_.setCaption("lbl_sat_name", name);
}

void Station::lbl_Uplinlkmain_DblClick() {
    if (loop_.selectedSatellite == kNoSatellite) return;
    const RaisedName raised = raisedSuffix(loop_.selectedSatellite);
    renameSelection(raised.name);
    // As a double-click on the refresh label: after a radio frame that is going out.
    if (raised.refresh) radios_->link().whenIdle([this] { lbl_refresh_DblClick(); });
}

void Station::lbl_Downlinkmain_Click() {
    if (loop_.selectedSatellite == kNoSatellite) return;
    if (const auto lowered = loweredSuffix(loop_.selectedSatellite)) renameSelection(*lowered);
}

// The test drives the elevation rotator to the satellite's elevation with its sign
// changed, so a satellite below the horizon is followed as if it were above.
void Station::lbl_track_Click() {
    if (loop_.selectedSatellite == kNoSatellite) return;
    panel_.setVisible("lbl_track", false);
    panel_.setVisible("lbl_Testtrak", true);
    rotatorDrive_->state().trackFactor = -1;
    mask_reset();
}

void Station::lbl_Testtrak_Click() {
    panel_.setVisible("lbl_Testtrak", false);
    panel_.setVisible("lbl_track", true);
    rotatorDrive_->state().trackFactor = 1;
}

// Cancels what waits for the next tick: a refresh, a mean-anomaly switch, a release.
void Station::Text2_Click() {
    panel_.setVisible("Text2", false);
    loop_.refreshRequest = 0;
    loop_.meanAnomalyRequest = 0;
    loop_.releaseRequest = 0;
}

void Station::bindPanelFieldGestures() {
    panel_.bind("lbl_Uplinlkmain", Gesture::DblClick, [this](int) { lbl_Uplinlkmain_DblClick(); });
    panel_.bind("lbl_Downlinkmain", Gesture::Click, [this](int) { lbl_Downlinkmain_Click(); });
    panel_.bind("lbl_track", Gesture::Click, [this](int) { lbl_track_Click(); });
    panel_.bind("lbl_Testtrak", Gesture::Click, [this](int) { lbl_Testtrak_Click(); });
    panel_.bind("Text2", Gesture::Click, [this](int) { Text2_Click(); });
    for (const char* hint : kSelfHidingHints)
        panel_.bind(hint, Gesture::Click, [this, hint](int) {
            dismissedHints_.insert(hint);
            panel_.setVisible(hint, false);
        });
    panel_.setVisible("lbl_Testtrak", false);
}

} // namespace orv::station
