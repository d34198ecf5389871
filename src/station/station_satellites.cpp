// The station's satellite database: selection by name, GetSatCfg, the satellite
// editor, and the main loop's set-up of a new selection.
#include "core/name_completion.h"
#include "core/number_text.h"
#include "core/satellite_editor.h"
#include "orbit/element_store.h"
#include "rotator/interface_box.h"
#include "station/selectable_names.h"
#include "station/station.h"

namespace orv::station {

namespace {
// How long the serial box is given to settle after the previous radios were shut down.
constexpr int kSerialSettleMs = 150;
constexpr int kTabKey = 9;
} // namespace

SatelliteEditor& Station::satelliteEditor() {
    if (!satelliteEditor_) {
        SatelliteEditor::Hooks hooks;
        hooks.selectedSatellite = [this] { return loop_.selectedSatellite; };
        hooks.elementsExist = [this](const std::string& name) {
            return !elementStore().line1(name).empty();
        };
        hooks.markElementsMissing = [this] { loop_.elementsMissing = 1; };
        hooks.clearSelectionPending = [this] { loop_.selectionPending = 0; };
        hooks.requestRefresh = [this] {
            // A record saved for a selection that had none is set up in full next tick.
            if (!loop_.recordLoaded && loop_.selectedSatellite != kNoSatellite)
                loop_.setupDone = 0;
            else
                loop_.refreshRequest = 1;
        };
        hooks.requestDeselection = [this] { loop_.pendingSelection = "?"; };
        hooks.showMessage = [this](const std::string& text) { showMessage(text); };
        satelliteEditor_ = std::make_unique<SatelliteEditor>(satelliteDb_, hooks);
    }
    return *satelliteEditor_;
}

void Station::lbl_Up_read_DblClick() {
    satelliteEditor().Form_Load();
    if (satelliteEditor().isOpen() && view_.showSatelliteEditor) view_.showSatelliteEditor();
}

void Station::txt_entre_KeyPress(int key) {
    if (key == kTabKey) {
        // Tab completes the typed name; it selects nothing.
        const auto names = completeName(panel_.caption("txt_entre"),
                                        selectableNames(satelliteDb_, elementStore()));
        if (!names.empty()) panel_.setCaption("txt_entre", names.front());
        return;
    }
    if (key != 13 || loop_.entryLock) return;
    const std::string typed = upperCased(panel_.caption("txt_entre"));
    panel_.setCaption("txt_entre", "");
    selectByName(typed);
}

bool Station::selectByName(const std::string& name) {
    keplers(elementName(name));
    if (!loop_.elementsValid) {
        panel_.setCaption("lbl_sat_name", kNoSatellite);
        error_msgs(3);
        return false;
    }
    loop_.pendingSelection = name;
    satelliteEditor().text(1) = name;
    loop_.typedSelection = 1;
    loop_.selectionPending = 1;
    return true;
}

void Station::lbl_sat_name_Click() {
    GetSatCfg(loop_.selectedSatellite);
}

void Station::GetSatCfg(const std::string& name) {
    resetTuningControls();
    if (name == kNoSatellite) return;
    const auto record = satelliteDb_.read(name);
    if (!record) {
        // Nothing of the previous satellite's record may tune the radios for this one.
        loop_.recordLoaded = 0;
        currentRecord_ = {};
        currentSatellite_ = typedSatellite(currentRecord_, startup_.variant);
        applySatelliteToRadios();
        lbl_Up_read_DblClick();
        loop_.pendingSelection = kNoSatellite;
        mask_set();
        return;
    }
    loop_.elementsMissing = 0;
    loop_.recordLoaded = 1;
    currentRecord_ = *record;
    currentSatellite_ = typedSatellite(currentRecord_, startup_.variant);
    interfaceBox_->setEcpCode(currentSatellite_.ecpAtAos);
    applySatelliteToRadios(); // also shows the modes, sidebands swapped where inverted
    panel_.setCaption("lbl_tone", currentSatellite_.ctcss);
}

void Station::satelliteSetup() {
    if (loop_.elementsValid != 1 || loop_.setupDone) return;
    loop_.setupDone = 1;
    mask_reset();
    panel_.setVisible("lbl_kep_error", false);
    panel_.setCaption("lbl_status", "Tracking " + loop_.selectedSatellite);
    shut_down_radios();
    if (startup_.variant == 4) platform_.waits.timerx(kSerialSettleMs);
    if (loop_.selectedSatellite == kNoSatellite) return;
    GetSatCfg(loop_.selectedSatellite);
    if (loop_.pendingSelection == kNoSatellite && !satelliteDb_.exists(loop_.selectedSatellite))
        return; // not in the database: the editor is open and the mask stays set
    mask_set();
    setUpRadiosForSelection();
    mask_reset();
}

void Station::bindSatelliteGestures() {
    panel_.bind("txt_entre", Gesture::KeyPress, [this](int key) { txt_entre_KeyPress(key); });
    panel_.bind("lbl_sat_name", Gesture::Click, [this](int) { lbl_sat_name_Click(); });
    panel_.bind("lbl_Up_read", Gesture::DblClick, [this](int) { lbl_Up_read_DblClick(); });
}

} // namespace orv::station
