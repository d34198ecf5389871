// The station's sky: the horizon table and its editor, auto-track by priority (the
// priority window, the map update's choice, the drop flag and the ring), and the
// mean-anomaly schedule with its window and the main loop's switch.
#include "core/horizon_editor.h"
#include "core/number_text.h"
#include "core/priority_editor.h"
#include "core/schedule_editor.h"
#include "core/sky_store.h"
#include "orbit/element_store.h"
#include "orbit/keplers.h"
#include "sky/map_mode_pass.h"
#include "station/station.h"

#include <cmath>
#include <limits>

namespace orv::station {

namespace {
// Colours of the tracking labels while the horizon table is in use (0x00BBGGRR).
constexpr int kObscuredColour = 0x0000FF;
constexpr int kLabelBackground = 0xC0C0C0;
constexpr int kLabelText = 0x800000;
constexpr int kAzimuthText = 0xC00000;
constexpr int kElevationText = 0x004080;
// The label turning red as its background, and the one turning red as its text.
constexpr const char* kObscuredBackLabel = "lbl_status";
constexpr const char* kObscuredTextLabel = "lbl_sat_name";

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names)
        text += (text.empty() ? "" : ",") + name;
    return text;
}
} // namespace

// ---- Start-up ----

void Station::readHorizonTable() {
    ensureHorizonTable(store_);
    horizon_ = sky::HorizonTable(readHorizonSegments(store_));
}

// The priorities of the listed satellites; auto-track starts off, its ring empty.
void Station::readSatelliteListPriorities() {
    autoTrack_.stop();
    const int count = std::min(satelliteDb_.count(), kAutoTrackListLimit);
    autoTrack_.setPriorities(readPriorities(store_, std::max(count, 0)));
}

void Station::bird_mode() {
    maSchedule_ = sky::buildMaSchedule(readSchedule(store_));
    applyAttitude();
}

// The schedule's attitude serves the squint angle of its own satellite only.
void Station::applyAttitude() {
    const bool scheduled = !maSchedule_.satellite.empty() &&
                           loop_.selectedSatellite != kNoSatellite &&
                           orbit::elementNameOf(loop_.selectedSatellite) == maSchedule_.satellite;
    tracking_.ALON = scheduled ? maSchedule_.ALON : 0;
    tracking_.ALAT = scheduled ? maSchedule_.ALAT : 0;
}

// A new satellite: nothing of the last one's drop or obscuration carries over.
void Station::skyNewSelection() {
    loop_.dropFlag = 0;
    loop_.obscured = 0;
    if (autoTrack_.on()) {
        panel_.setCaption("lbl_sched", "Auto Tracking ON");
        panel_.setVisible("Lbl_force_park", true);
    }
    applyAttitude();
}

// ---- Editors ----

HorizonEditor& Station::horizonEditor() {
    if (!horizonEditor_) {
        HorizonEditor::Hooks hooks;
        // Saving puts the new table to use at once; nothing else needs a restart.
        hooks.saved = [this] { horizon_ = sky::HorizonTable(readHorizonSegments(store_)); };
        horizonEditor_ = std::make_unique<HorizonEditor>(store_, platform_.dialogs, hooks);
    }
    return *horizonEditor_;
}

PriorityEditor& Station::priorityEditor() {
    if (!priorityEditor_) {
        PriorityEditor::Hooks hooks;
        hooks.startAutoTrack = [this](std::vector<int> priorities) {
            guarded([&] { startAutoTrack(std::move(priorities)); });
        };
        priorityEditor_ =
            std::make_unique<PriorityEditor>(satelliteDb_, store_, platform_.dialogs, hooks);
    }
    return *priorityEditor_;
}

ScheduleEditor& Station::scheduleEditor() {
    if (!scheduleEditor_) {
        ScheduleEditor::Hooks hooks;
        hooks.saved = [this] { loop_.meanAnomalyRequest = 1; };
        scheduleEditor_ = std::make_unique<ScheduleEditor>(store_, platform_.dialogs, hooks);
    }
    return *scheduleEditor_;
}

void Station::lbl_hoztable_DblClick() {
    horizonEditor().Form_Load();
    if (view_.showHorizonEditor) view_.showHorizonEditor();
}

void Station::lbl_satmode_DblClick() {
    scheduleEditor().Form_Load();
    if (view_.showScheduleEditor) view_.showScheduleEditor();
}

// ---- Auto-track ----

void Station::lbl_sched_DblClick() {
    priorityEditor().Form_Load();
    if (view_.showPriorityEditor) view_.showPriorityEditor();
    if (autoTrack_.on())
        panel_.setCaption("lbl_status", "Under Orv_Kite automatic tracking control");
}

void Station::startAutoTrack(std::vector<int> priorities) {
    if (satelliteDb_.count() <= 0) {
        error_msgs(2); // nothing to choose from
        return;
    }
    autoTrack_.start(std::move(priorities));
    loop_.autoTrack = 1;
    loop_.mapRefreshCounter = loop_.mapIntervalTicks - 1; // choose at the next pass
    panel_.setCaption("lbl_status", "Under Orv_Kite automatic tracking control");
}

void Station::lbl_sched_Click() {
    autoTrack_.stop();
    loop_.autoTrack = 0;
    loop_.dropFlag = 0;
    panel_.setCaption("lbl_sched", "Auto Tracking OFF");
    panel_.setCaption("lbl_status", "Enter Satellite name and Press Enter.");
    panel_.setVisible("Lbl_force_park", false);
}

// Bumps the tracked satellite down: it is dropped as if it had gone behind the horizon
// table, so the next-best satellite in view is taken.
void Station::lbl_bump_DblClick() {
    if (autoTrack_.on() && loop_.selectedSatellite != kNoSatellite) loop_.dropFlag = 1;
}

// Every listed satellite in map mode, in one read of the store.
void Station::computeSkyPositions() {
    auto names = satelliteDb_.names();
    if (names.size() > size_t(kAutoTrackListLimit)) names.resize(kAutoTrackListLimit);
    // Map mode must not disturb the tracked satellite's element flags.
    struct RestoreFlags {
        LoopState& loop;
        int valid, missing;
        ~RestoreFlags() {
            loop.elementsValid = valid;
            loop.elementsMissing = missing;
        }
    } restore{loop_, loop_.elementsValid, loop_.elementsMissing};
    skyPositions_ = sky::mapModePositions(std::move(names), *elementStore_, *keplers_, tracking_);
}

void Station::mapping() {
    if (++loop_.mapRefreshCounter < loop_.mapIntervalTicks) return;
    loop_.mapRefreshCounter = 0;
    mapUpdate();
}

void Station::mapUpdate() {
    computeSkyPositions();
    sky::SelectionRules rules;
    rules.startTrackingAt = config_.startTrackingAt;
    rules.horizon = config_.horizonTable == "YES" ? &horizon_ : nullptr;
    const auto outcome = autoTrack_.update(skyPositions_, rules, loop_.selectedSatellite);
    if (!outcome.takeOver.empty())
        selectByName(outcome.takeOver);
    else if (outcome.release)
        loop_.releaseRequest = 1;
    drawMap();
}

// The ring's bookkeeping: a dropped satellite is held out and the choice made again.
void Station::autoTrackBookkeeping() {
    const bool drop = loop_.dropFlag != 0;
    loop_.dropFlag = 0;
    if (!drop || !autoTrack_.on() || loop_.selectedSatellite == kNoSatellite) return;
    if (autoTrack_.drop(loop_.selectedSatellite))
        loop_.mapRefreshCounter = loop_.mapIntervalTicks - 1;
}

// ---- Horizon table in the main loop ----

// The tracked satellite against the horizon table; a satellite that went behind it or
// set is to be dropped by auto-track.
void Station::horizonCheck() {
    if (!loop_.elementsValid && loop_.trackingSource == 1) return;
    const bool inUse = config_.horizonTable == "YES";
    const bool hidden = inUse && horizon_.hidesTracked(tracking_.azimuth, tracking_.elevation);
    loop_.obscured = hidden ? 1 : 0;
    if (inUse) showObscured(hidden);
    if (hidden || tracking_.elevation < 0) loop_.dropFlag = 1;
}

void Station::showObscured(bool obscured) {
    if (obscured) {
        panel_.setBackColor(kObscuredBackLabel, kObscuredColour);
        panel_.setForeColor(kObscuredTextLabel, kObscuredColour);
        panel_.setCaption(kObscuredTextLabel, loop_.selectedSatellite + " obscured");
        return;
    }
    for (const char* label : {kObscuredBackLabel, kObscuredTextLabel}) {
        panel_.setBackColor(label, kLabelBackground);
        panel_.setForeColor(label, kLabelText);
    }
    if (panel_.caption(kObscuredTextLabel) == loop_.selectedSatellite + " obscured")
        panel_.setCaption(kObscuredTextLabel, loop_.selectedSatellite);
    panel_.setForeColor("lbl_compAz", kAzimuthText);
    panel_.setForeColor("lbl_CompEle", kElevationText);
}

// ---- Mean-anomaly schedule ----

void Station::lbl_phase_DblClick() {
    if (loop_.selectedSatellite == kNoSatellite) return;
    loop_.maMode = 1;
    loop_.lastMa = -1;
    loop_.meanAnomalyRequest = 1; // the schedule as stored now
    panel_.setCaption("lbl_phase", "MA Mode Tracking");
}

// Leaving MA mode goes back to the standard satellite.
void Station::lbl_phase_Click() {
    if (loop_.selectedSatellite == kNoSatellite) return;
    loop_.maMode = 0;
    panel_.setCaption("lbl_phase", "MA Track");
    const std::string base(orbit::elementNameOf(loop_.selectedSatellite));
    if (base == maSchedule_.satellite && base != loop_.selectedSatellite) selectByName(base);
}

// While MA mode is on: when the MA has moved on, the configuration its table names (the
// standard satellite where the table is empty) becomes the one tracked.
void Station::maScheduleSwitch() {
    if (!loop_.maMode || loop_.selectedSatellite == kNoSatellite || !loop_.elementsValid) return;
    if (tracking_.ma256 == loop_.lastMa) return;
    loop_.lastMa = tracking_.ma256;
    if (orbit::elementNameOf(loop_.selectedSatellite) != maSchedule_.satellite) return;
    const std::string& entry = maSchedule_.at(tracking_.ma256);
    const std::string& wanted = entry.empty() ? maSchedule_.satellite : entry;
    if (wanted != loop_.selectedSatellite && wanted != loop_.pendingSelection) selectByName(wanted);
}

// ---- Gestures and status ----

void Station::bindSkyGestures() {
    registerSkyEditorGestures();
    panel_.bind("lbl_hoztable", Gesture::DblClick, [this](int) { lbl_hoztable_DblClick(); });
    panel_.bind("lbl_sched", Gesture::Click, [this](int) { lbl_sched_Click(); });
    panel_.bind("lbl_sched", Gesture::DblClick, [this](int) { lbl_sched_DblClick(); });
    panel_.bind("lbl_bump", Gesture::DblClick, [this](int) { lbl_bump_DblClick(); });
    panel_.bind("lbl_phase", Gesture::Click, [this](int) { lbl_phase_Click(); });
    panel_.bind("lbl_phase", Gesture::DblClick, [this](int) { lbl_phase_DblClick(); });
    panel_.bind("lbl_satmode", Gesture::DblClick, [this](int) { lbl_satmode_DblClick(); });
}

// The sky's editors by name for typed gestures: the priority window "Form3", the
// schedule window "Form4" and the horizon table "Horizon".
void Station::registerSkyEditorGestures() {
    const auto changed = [](auto& editor) {
        return [&editor] {
            if (editor.onChange) editor.onChange();
        };
    };
    gestures_.addEditor({
        .name = "Form3",
        .boxes = numberedBoxes("Text", kAutoTrackListLimit,
                               [this](int k) -> std::string& { return priorityEditor().text(k); }),
        .buttons = {{"Command1", [this] { priorityEditor().Command1_Click(); }},
                    {"Command2", [this] { priorityEditor().Command2_Click(); }},
                    {"Command3", [this] { priorityEditor().Command3_Click(); }}},
        .changed = changed(priorityEditor()),
    });
    gestures_.addEditor({
        .name = "Form4",
        .boxes = numberedBoxes("Text", kScheduleKeys,
                               [this](int k) -> std::string& { return scheduleEditor().text(k); }),
        .buttons = {{"Command1", [this] { scheduleEditor().Command1_Click(); }},
                    {"Command2", [this] { scheduleEditor().Command2_Click(); }},
                    {"Command3", [this] { scheduleEditor().Command3_Click(); }},
                    {"Command4", [this] { scheduleEditor().Command4_Click(); }}},
        .changed = changed(scheduleEditor()),
    });
    gestures_.addEditor({
        .name = "Horizon",
        .boxes = numberedBoxes("Text", kHorizonSegments,
                               [this](int k) -> std::string& { return horizonEditor().text(k); }),
        .buttons = {{"Command1", [this] { horizonEditor().Command1_Click(); }},
                    {"Command2", [this] { horizonEditor().Command2_Click(); }}},
        .changed = changed(horizonEditor()),
    });
}

void Station::addSkyStatus() {
    statusLine_.add("auto", [this] { return std::string(autoTrack_.on() ? "on" : "off"); });
    statusLine_.add("prio", [this] {
        const int priority = autoTrack_.on() && loop_.selectedSatellite != kNoSatellite
                                 ? autoTrack_.priorityOf(loop_.selectedSatellite)
                                 : 0;
        return priority ? std::to_string(priority) : std::string();
    });
    statusLine_.add("ring", [this] { return joined(autoTrack_.ring().names()); });
    statusLine_.add("obscured", [this] { return std::to_string(loop_.obscured); });
    statusLine_.add("ma_mode", [this] { return std::string(loop_.maMode ? "on" : "off"); });
}

} // namespace orv::station
