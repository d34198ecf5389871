// The main loop: twenty-two steps per tick, each under its own error trap.
#include "orbit/element_store.h"
#include "rotator/rotator_drive.h"
#include "station/station.h"
#include "station/station_remote.h"

#include <cstdio>

namespace orv::station {

namespace {
constexpr int kLoopSteps = 22;
// The flip decision of a pass is cleared below this elevation.
constexpr double kFlipRearmElevation = -3.0;

std::string oneDecimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

void showCompassLabels(Panel& panel, const TrackingState& tracking) {
    panel.setCaption("lbl_compAz", "Az: " + oneDecimal(tracking.azimuth));
    panel.setCaption("lbl_CompEle", "El: " + oneDecimal(tracking.elevation));
}
} // namespace

void Station::loop_timer_Timer() {
    guarded([this] { main_loop(); });
}

void Station::main_loop() {
    // While a tick runs, routines that re-enable the loop timer leave it to the last step.
    const bool outerTick = !inMainLoop_;
    inMainLoop_ = true;
    struct TickEnd {
        bool& flag;
        bool outer;
        ~TickEnd() {
            if (outer) flag = false;
        }
    } tickEnd{inMainLoop_, outerTick};
    for (int step = 1; step <= kLoopSteps; ++step) {
        if (ended_) return;
        try {
            if (stepObserver) stepObserver(step);
            runLoopStep(step);
        } catch (const std::exception& error) {
            // Reported once per step, so a step failing on every tick does not flood the log.
            if (stepFailures[step]++ == 0)
                std::fprintf(stderr, "orv_kite: main-loop step %d failed and was skipped: %s\n",
                             step, error.what());
        }
    }
}

void Station::runLoopStep(int step) {
    switch (step) {
    case 1:
        handPendingPcrReply();
        break;
    case 2:
        loopTimer_.stop();
        break;
    case 3:
        if (loop_.reinitRequest) {
            loop_.reinitRequest = 0;
            initialize();
        }
        break;
    case 4:
        loopDeselect();
        break;
    case 5:
        loopRequests();
        break;
    case 6:
        loopCalibrationDisplay();
        break;
    case 7:
        loopStatusDisplay();
        break;
    case 8:
        loopMap();
        break;
    case 9:
        loopClock();
        break;
    case 10:
        loopRelease();
        break;
    case 11:
        loopFlipDisplay();
        break;
    case 12:
        maScheduleSwitch();
        loopNewSelection();
        break;
    case 13:
        loopPosition();
        break;
    case 14:
        satelliteSetup();
        break;
    case 15:
        loopDdePoll();
        break;
    case 16:
        antenna_status();
        break;
    case 17:
        autoTrackBookkeeping();
        break;
    case 18:
        loopTuning();
        break;
    case 19:
        loopPointing();
        break;
    case 20:
        loopRunningFlag();
        break;
    case 21:
        if (loop_.selectedSatellite == kNoSatellite) mask_set();
        break;
    case 22:
        loopRearm();
        break;
    default:
        break;
    }
}

void Station::loopDeselect() {
    if (loop_.pendingSelection != "?" || loop_.deselectionDone) return;
    loop_.deselectionDone = 1;
    loop_.entryLock = 1;
    resetSelectionDisplays();
    mask_set();
    loop_.pendingSelection = kNoSatellite;
    loop_.selectedSatellite = kNoSatellite;
    loop_.lastSelectionTaken.clear();
    loop_.recordLoaded = 0;
    lbl_refresh_DblClick();
    clear_knobs();
    resetInhibitAndStepControls();
    clear_make_pcr1000();
    park();
    loop_.entryLock = 0;
    loop_.flipDecisionMade = 0;
    loop_.passCounters = 0;
}

void Station::loopRequests() {
    if (loop_.refreshRequest) {
        loop_.refreshRequest = 0;
        lbl_refresh_DblClick();
    }
    if (loop_.meanAnomalyRequest) {
        loop_.meanAnomalyRequest = 0;
        bird_mode();
    }
    if (startup_.openEditorRequest) {
        startup_.openEditorRequest = 0;
        openConfigEditor();
    }
    if (loop_.elementsMissing) {
        loop_.elementsMissing = 0;
        panel_.setVisible("lbl_kep_error", true);
    }
    if (loop_.pendingSelection == kNoSatellite) panel_.setCaption("lbl_sat_name", kNoSatellite);
}

void Station::loopCalibrationDisplay() {
    loop_.calibrationDisplay =
        !loop_.mapOnDisplay && loop_.trackingSource == 1 && !loop_.autoTrack ? 1 : 0;
    panel_.setVisible("lbl_calib", loop_.calibrationDisplay != 0);
}

void Station::loopStatusDisplay() {
    if (loop_.trackingSource != 1 && !loop_.autoTrack) return;
    const bool selected = loop_.selectedSatellite != kNoSatellite;
    const std::string& name = loop_.selectedSatellite;
    const auto showCompass = [&] { showCompassLabels(panel_, tracking_); };
    if (!selected && !loop_.autoTrack) {
        panel_.setCaption("lbl_maptext", "Click Satellite's Dot to activate tracking.");
        panel_.setCaption("lbl_sched", "");
        panel_.setCaption("lbl_range", "");
        panel_.setCaption("lbl_sq6", "");
    } else if (selected && !loop_.autoTrack) {
        panel_.setCaption("lbl_sat_name", name);
        showCompass();
        panel_.setCaption("lbl_maptext", "Tracking " + name);
    } else if (!selected) {
        panel_.setCaption("lbl_maptext", "Auto Tracking Idle Mode");
        panel_.setCaption("lbl_sched", "Auto Track Idle Mode");
    } else {
        showCompass();
        panel_.setCaption("lbl_maptext", "Auto Tracking " + name);
        panel_.setCaption("lbl_sched", "Auto Tracking ON");
        panel_.setVisible("Lbl_force_park", true);
    }
}

void Station::loopMap() {
    const bool showMap =
        (loop_.mapUsed && config_.mappingFeature != "NO") || loop_.calibrationDisplay;
    panel_.setVisible("Picture1", showMap);
    if (loop_.trackingSource != 1) {
        panel_.setCaption("lbl_range", "");
        panel_.setCaption("lbl_sq6", "");
    }
    if (loop_.autoTrack || loop_.trackingSource == 1) mapping();
    refreshMapControls();
}

void Station::loopClock() {
    time_routines();
    panel_.setCaption("lbl_date",
                      "ORV_KITE 2003               DATE: " + panel_.caption("lbl_datebox") +
                          "      UTC: " + tracking_.utcText +
                          "      LOCAL: " + panel_.caption("lbl_timebox"));
}

void Station::loopRelease() {
    if (!loop_.releaseRequest) return;
    loop_.releaseRequest = 0;
    mask_set();
    // Let go of the satellite itself, not only of the names: nothing is tuned or driven
    // for it any more, and the next tick's deselection parks and clears the panel.
    loop_.pendingSelection = "?";
    loop_.selectedSatellite = kNoSatellite;
    loop_.lastSelectionTaken = kNoSatellite;
    panel_.setCaption("lbl_sat_name", kNoSatellite);
    shut_down_radios();
    panel_.setCaption("lbl_UpMode", "");
    panel_.setCaption("lbl_DnMode", "");
}

void Station::loopFlipDisplay() {
    rotatorDrive_->showFlipMode(loop_.flipSwitch != 0);
    scales();
    showToneDisplay();
    switchEcpOutputs();
}

void Station::loopNewSelection() {
    const std::string& pending = loop_.pendingSelection;
    if (pending == loop_.lastSelectionTaken || pending == kNoSatellite || pending == "?") return;
    loop_.selectedSatellite = pending;
    loop_.lastSelectionTaken = pending;
    loop_.deselectionDone = 0;
    loop_.mapRefreshCounter = loop_.mapIntervalTicks - 1;
    loop_.passCounters = 0;
    scales();
    loop_.elementsValid = 0;
    loop_.setupDone = 0;
    loop_.recordLoaded = 0;
    loop_.positionFaultShown = 0;
    panel_.setCaption("lbl_sat_name", loop_.selectedSatellite);
    rotatorDrive_->showFlipMode(loop_.flipSwitch != 0);
    updatePanelForNewSelection();
    showElementAge();
}

void Station::loopPosition() {
    if (loop_.selectedSatellite != kNoSatellite) {
        if (positionFromProgram())
            takeProgramPosition();
        else
            keplers(loop_.selectedSatellite);
        if (!loop_.elementsValid && !loop_.positionFaultShown) explainMissingPosition();
    }
    // A client's pointing target stands in for the position; the satellite's own
    // position beneath it still serves its Doppler.
    remote_->applyPointing();
}

// Once per selection. A name the element set lacks shows the red label alone, and
// its click explains; elements that are there but give no position are explained at
// once, the label staying up.
void Station::explainMissingPosition() {
    loop_.positionFaultShown = 1;
    if (elementStore().line1(elementName(loop_.selectedSatellite)).empty()) return;
    error_msgs(3);
    loop_.elementsMissing = 1;
}

// The selected satellite's record is loaded and its position is there (computed this
// tick by the station's own propagator, or received from the linked program). Otherwise
// the rotators hold their last valid targets and the radios keep their dials.
bool Station::trackable() const {
    return loop_.selectedSatellite != kNoSatellite && loop_.recordLoaded &&
           loop_.elementsValid == 1;
}

void Station::loopDdePoll() {
    if (config_.ddeService == "NO") return;
    if (!ddeTimer_.isActive()) ddeTimer_.start();
    if (!loop_.ddePollDue || loop_.autoTrack) return;
    pollDdeSource();
    loop_.ddePollDue = 0;
}

void Station::loopTuning() {
    remote_->applyRadios();
    if (loop_.selectedSatellite == kNoSatellite) return;
    if (trackable()) frequency();
    switchEcpOutputs();
    outs();
}

void Station::loopPointing() {
    const bool selected = loop_.selectedSatellite != kNoSatellite;
    // Hold: the box keeps the last valid targets (a network client's target is valid).
    if (selected && !trackable() && !remote_->pointing()) return;
    const double elevation = tracking_.elevation;
    if (selected && elevation < kFlipRearmElevation) {
        // The pass this latch was set for is over: park (when parking is configured).
        if (loop_.flipDecisionMade) rotatorDrive_->parkAfterPass();
        loop_.flipDecisionMade = 0;
        rotatorDrive_->endOfPass();
    }
    if (selected && elevation >= config_.startTrackingAt && !loop_.flipDecisionMade) {
        flip_park();
        loop_.flipDecisionMade = 1;
    }
    // Linked to a program the status display of step 7 is skipped: the compass shows here.
    if (selected && loop_.trackingSource != 1) showCompassLabels(panel_, tracking_);
    if (selected) horizonCheck();
    // Without a satellite the drive only lets the rotators go.
    track_antennas();
}

void Station::loopRunningFlag() {
    if (!runningFlag_.stillOurs()) {
        std::fprintf(stderr, "orv_kite: the running flag is gone (another copy started or the "
                             "settings were cleaned); ending\n");
        endProgram(0);
    }
}

void Station::loopRearm() {
    loopTimer_.start(loop_.currentInterval);
}

} // namespace orv::station
