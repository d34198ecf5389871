// Module-wide state of one run: what start-up settles and the flags the main
// loop's steps pass to each other.
#pragma once

#include <array>
#include <string>

namespace orv::core {

inline constexpr const char* kNoSatellite = "No Satellite selected";

struct StartupState {
    int variant = 4; // 3 parallel box, 4 serial box
    int demo = 0;
    int hardwareAbsent = 0;
    int openEditorRequest = 0;
    int serialPortOpened = 0;
    int message8Shown = 0;
    int message11Shown = 0;
    std::array<double, 121> sine{};
    std::array<double, 121> cosine{};
    std::string versionText;
    std::string versionDate = "July 2004";
    std::string caption;
};

struct LoopState {
    int currentInterval = 50; // ms
    int reinitRequest = 0;
    std::string selectedSatellite = kNoSatellite;
    int trackingSource = 1; // 1 stand-alone, 2..6 linked programs
    int autoTrack = 0;
    int mapUsed = 0;
    int mapRefreshCounter = 0;
    int mapIntervalTicks = 0;
    int mapDrawCounter = 0;
    int ddePollDue = 0;
    int entryLock = 0;
    int elementsMissing = 0;
    int refreshRequest = 0;
    int meanAnomalyRequest = 0;
    std::string pendingSelection = "?";
    std::string lastSelectionTaken;
    int elementsValid = 0; // also 0 while the elements give no position (a numeric fault)
    int setupDone = 0;
    int recordLoaded = 0;       // the current record is the selected satellite's
    int positionFaultShown = 0; // message 3 was shown for this selection's position
    int deselectionDone = 0;
    int flipDecisionMade = 0;
    int flipSwitch = 0;
    int releaseRequest = 0;
    int calibrationDisplay = 0;
    int mapOnDisplay = 0;
    int passCounters = 0;
    int maskSet = 0;
    int registryGate = 0;     // the three-step settings-clearing gesture
    int typedSelection = 0;   // the pending selection was typed by the operator
    int selectionPending = 0; // a typed selection waits for the next tick
    int obscured = 0;         // the tracked satellite is behind the horizon table
    int dropFlag = 0;         // auto-track is to drop the tracked satellite
    int maMode = 0;           // mean-anomaly schedule tracking on
    int lastMa = -1;          // the MA the schedule last switched at
};

} // namespace orv::core
