// Start-up: Form_Load and the twenty steps of initialize under their error trap.
#include "core/messages.h"
#include "dde/dde_sources.h"
#include "rotator/rotator_drive.h"
#include "station/program_directory.h"
#include "station/station.h"

#include <cmath>
#include <cstdio>

namespace orv::station {

void Station::Form_Load() {
    guarded([this] {
        try {
            runningFlag_.takeOver();
        } catch (const SettingsError& error) {
            if (error.kind() == SettingsError::Kind::Locked) settingsStoreLocked(error);
            throw;
        }

        const auto variant = variantFromDirectory(options_.programDir);
        if (!variant) error_msgs(6); // ends the program
        startup_.variant = *variant;

        startup_.demo = demoRequested(startup_.variant, options_.commandLine) ? 1 : 0;

        startup_.versionText = versionText(startup_.variant);
        startup_.caption = windowCaption(startup_.variant);
        panel_.setCaption("MainWindow", startup_.caption);
        panel_.setCaption("lbl_version", startup_.versionText + "  " + startup_.versionDate);

        for (int i = 0; i <= 120; ++i) {
            startup_.sine[i] = std::sin(i * 6.28318530717958 / 120);
            startup_.cosine[i] = std::cos(i * 6.28318530717958 / 120);
        }

        startup_.serialPortOpened = 0;
        initialize();
        startup_.message8Shown = 0;
    });
}

void Station::initialize() {
    for (int step = 1; step <= 20; ++step) {
        if (ended_) return;
        try {
            runInitializeStep(step);
        } catch (const StartupFailure& failure) {
            handleStartupFailure(failure);
        } catch (const SettingsError& error) {
            // A station that cannot write its store would run without timers or flag.
            if (error.kind() == SettingsError::Kind::Locked) settingsStoreLocked(error);
            std::fprintf(stderr, "orv_kite: start-up step %d failed and was skipped: %s\n", step,
                         error.what());
        } catch (const std::exception& error) {
            std::fprintf(stderr, "orv_kite: start-up step %d failed and was skipped: %s\n", step,
                         error.what());
        }
    }
}

void Station::handleStartupFailure(const StartupFailure& failure) {
    using Kind = StartupFailure::Kind;
    switch (failure.kind) {
    case Kind::MapPicturesMissing:
        showMessage(mapPicturesMissingText() + failure.detail);
        endProgram(1);
    case Kind::ElementFileMissing:
        openConfigEditor();
        showMessage(elementFileMissingText(failure.detail));
        break;
    case Kind::ElementFileCorrupt:
        openConfigEditor();
        showMessage(elementFileCorruptText());
        break;
    case Kind::SerialPortMissing:
        error_msgs(7);
        openConfigEditor();
        break;
    }
}

void Station::settingsStoreLocked(const SettingsError& error) {
    std::fprintf(stderr, "orv_kite: %s\n", error.what());
    showMessage("The settings store " + store_.path() +
                " is locked by another program.\r\n\r\nClose the program that holds it and "
                "start Orv_Kite again.\r\n");
    endProgram(1);
}

void Station::runInitializeStep(int step) {
    switch (step) {
    case 1:
        initResetState();
        break;
    case 2:
        initFirstRun();
        break;
    case 3:
        readHorizonTable();
        break;
    case 4:
        time_routines();
        break;
    case 5:
        readSatelliteListPriorities();
        break;
    case 6:
        initLoadConfiguration();
        break;
    case 7:
        initMapSetup();
        break;
    case 8:
        if (config_.useFlipping == "YES") panel_.setCaption("lbl_flip_mode", "AUTO FLIP");
        break;
    case 9:
        initMapInterval();
        break;
    case 10:
        bird_mode();
        break;
    case 11:
        importElements();
        break;
    case 12:
        computeStationModel();
        break;
    case 13:
        config_.programTimerMs = applyLateIntervalBound(config_.programTimerMs);
        break;
    case 14:
        initStatusAndEntry();
        break;
    case 15:
        initTrackingSource();
        break;
    case 16:
        initStandAlone();
        break;
    case 17:
        initSerialBox();
        break;
    case 18:
        showMapControls();
        break;
    case 19:
        runningFlag_.raise();
        break;
    case 20:
        loopTimer_.start(1);
        break;
    default:
        break;
    }
}

void Station::initResetState() {
    loop_ = LoopState{};
    tracking_ = TrackingState{};
    panel_.setCaption("lbl_shift", "IF Shift");
    panel_.setCaption("lbl_rot", "Rotators Free");
    stopRotatorTimers();
    loopTimer_.stop();
}

void Station::initFirstRun() {
    if (!configuration_.isFirstRun(startup_.variant)) return;
    configuration_.makes_cfg(startup_.variant);
    error_msgs(4);
    startup_.openEditorRequest = 1;
    store_.inTransaction([&] {
        if (store_.get("ORV_SAT1", "satlist", "1").empty())
            store_.save("ORV_SAT1", "satlist", "1", "0");
        if (store_.get("ORV_SAT2", "scheds", "1").empty())
            store_.save("ORV_SAT2", "scheds", "1", "1");
        if (store_.get("ORV_SAT2", "malist", "1").empty())
            store_.save("ORV_SAT2", "malist", "1", "Sample Entry");
    });
}

void Station::initLoadConfiguration() {
    config_ = configuration_.load(startup_.variant);
    panel_.setValue("ch_az", config_.azRotatorEnabled ? 1 : 0);
    panel_.setValue("ch_el", config_.elRotatorEnabled ? 1 : 0);
    panel_.setVisible("lbl_hoztable", config_.horizonControlVisible);
    // The slew readouts show the configured slewing before any slider has moved.
    rotatorDrive_->hs_Azimuth_Change();
    rotatorDrive_->hs_elevation_Change();
}

void Station::initMapSetup() {
    loop_.mapUsed = config_.mappingFeature == "YES" && config_.ddeService == "NO" ? 1 : 0;
    loadMapPicture();
}

void Station::initMapInterval() {
    loop_.mapIntervalTicks = mapIntervalTicks(config_.mapUpdateSeconds, config_.programTimerMs);
    loop_.mapRefreshCounter = 0;
    loop_.mapDrawCounter = 0;
}

void Station::initStatusAndEntry() {
    panel_.setCaption("lbl_standalone", "Standalone Mode.");
    panel_.setVisible("lbl_standalone", true);
    panel_.setVisible("txt_entre", true);
    ddeTimer_.stop();
    loopTimer_.stop();
}

void Station::initTrackingSource() {
    if (config_.ddeService == "NO") {
        loop_.trackingSource = 1;
        return;
    }
    loop_.mapUsed = 0;
    for (const auto& program : dde::ddeSources()) {
        if (probeDdeSource(program.trackingSource)) {
            loop_.trackingSource = program.trackingSource;
            panel_.setCaption("lbl_standalone", program.linkedCaption);
            panel_.setCaption("lbl_sat_name", kNoSatellite);
            return;
        }
        panel_.setCaption("lbl_standalone", "Standalone Mode.");
        panel_.setCaption("lbl_standalone", "DDE link absent.");
    }
    loop_.mapUsed = 1;
    loop_.trackingSource = 1;
    error_msgs(8); // opens the configuration editor first
}

void Station::initStandAlone() {
    panel_.setCaption("lbl_status", "Type Sat Name and press Enter");
    ddeTimer_.setInterval(static_cast<int>(config_.ddeTimerSeconds * 1000));
    scales();
    setInhibitControls();
    loop_.flipSwitch = config_.useFlipping == "YES" ? 1 : 0;
    if (config_.azSlewing > 45) config_.azSlewing = 0;
    if (config_.elSlewing > 23) config_.elSlewing = 0;
    loop_.selectedSatellite = kNoSatellite;
    loop_.lastSelectionTaken = kNoSatellite;
    loop_.pendingSelection = "?";
    loop_.entryLock = 1;
    clear_knobs();
}

void Station::initSerialBox() {
    if (startup_.variant == 3) {
        startParallelInterfaceBox();
        return;
    }
    if (startup_.serialPortOpened) return;
    // Throws SerialPortMissing when the port does not exist.
    if (openSerialInterfaceBox()) startup_.serialPortOpened = 1;
}

} // namespace orv::station
