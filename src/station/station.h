// One run of the station: owns the state of every subsystem and the timers,
// runs start-up, the main loop and the exit routine. Nothing here is global, so
// a test builds as many stations as it likes.
#pragma once

#include "core/box_frame.h"
#include "core/config_editor.h"
#include "core/configuration.h"
#include "core/gesture_registry.h"
#include "core/horizon_editor.h"
#include "core/panel.h"
#include "core/priority_editor.h"
#include "core/running_flag.h"
#include "core/satellite_db.h"
#include "core/satellite_record.h"
#include "core/schedule_editor.h"
#include "core/settings_store.h"
#include "core/station_state.h"
#include "core/status_line.h"
#include "core/tracking_state.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/launcher.h"
#include "platform/waits.h"
#include "sky/auto_track.h"
#include "sky/horizon_table.h"
#include "sky/ma_schedule.h"
#include "sky/map_scene_builder.h"

#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace orv::platform {
class DdeClient;
class PortIo;
class SerialLine;
} // namespace orv::platform

namespace orv::dde {
class DdeLink;
} // namespace orv::dde

namespace orv::radio {
class Radios;
} // namespace orv::radio

namespace orv::rotator {
class InterfaceBox;
class RotatorDrive;
} // namespace orv::rotator

namespace orv::sim {
class SimulatedHardware;
} // namespace orv::sim

namespace orv::orbit {
class ElementControls;
class ElementStore;
class Keplers;
} // namespace orv::orbit

namespace orv::core {
class SatelliteEditor;
} // namespace orv::core

namespace orv::station {

class StationRemote;

// The station is built from the foundations' records throughout.
using namespace orv::core;

// Thrown to end the program at once; caught where control entered the station.
struct ProgramEnded {
    int code;
};

// A start-up failure that the start-up error trap handles by its kind.
struct StartupFailure {
    enum class Kind {
        MapPicturesMissing,
        ElementFileMissing,
        ElementFileCorrupt,
        SerialPortMissing
    };
    Kind kind;
    std::string detail;
};

struct StationPlatform {
    platform::Clock& clock;
    platform::Waits& waits;
    platform::Dialogs& dialogs;
    platform::Launcher& launcher;
};

struct StationOptions {
    std::string programDir;
    std::string commandLine; // what remains once our own options are taken out
    bool simulate = false;
    std::string simulateFault;
    bool verbose = false;
    std::string mapPng; // written at every map update when set
    bool acceptEepromCaveat = false; // the PCR-1000's EEPROM warning is answered Yes
};

// What the view does for the station; every hook is optional.
struct ViewHooks {
    std::function<void()> showConfigEditor;
    std::function<void()> showAbout;
    std::function<void()> showSatelliteEditor;
    std::function<void()> showHorizonEditor;
    std::function<void()> showPriorityEditor; // Form3
    std::function<void()> showScheduleEditor; // Form4
    std::function<void(int code)> programEnded;
    std::function<void()> mapDrawn; // the map update drew mapImage() afresh
};

struct MapDisplay;

class Station {
public:
    Station(SettingsStore& store, StationPlatform platform, StationOptions options);
    ~Station();
    Station(const Station&) = delete;
    Station& operator=(const Station&) = delete;

    void setViewHooks(ViewHooks hooks) { view_ = std::move(hooks); }

    // Start-up and shutdown.
    void Form_Load();
    void initialize();
    void error_msgs(int n);
    void exitRoutine();
    void cmd_Bye_Click() {
        guarded([this] { exitRoutine(); });
    }
    void Form_Unload() {
        guarded([this] { exitRoutine(); });
    }
    void lbl_help_DblClick();
    void lbl_about_Click();
    void delete_registery();

    // Main loop and timers.
    void loop_timer_Timer();
    void main_loop();
    void time_dde_Timer() { loop_.ddePollDue = 1; }

    // Ends the run: stops the timers, tells the view and throws ProgramEnded.
    [[noreturn]] void endProgram(int code);
    bool ended() const { return ended_; }
    int exitCode() const { return exitCode_; }
    // Runs `action` as an entry point: an end of the program inside it is absorbed.
    void guarded(const std::function<void()>& action);

    // Shared state.
    SettingsStore& store() { return store_; }
    Configuration& configuration() { return configuration_; }
    RunningFlag& runningFlag() { return runningFlag_; }
    ConfigValues& config() { return config_; }
    Panel& panel() { return panel_; }
    // The panel's fields and the editors' boxes and buttons, by name, for typed gestures.
    GestureRegistry& gestures() { return gestures_; }
    StartupState& startup() { return startup_; }
    LoopState& loop() { return loop_; }
    TrackingState& tracking() { return tracking_; }
    ConfigEditor& configEditor();
    StatusLine& statusLine() { return statusLine_; }
    const StationOptions& options() const { return options_; }
    platform::Clock& clock() { return platform_.clock; }
    platform::Waits& waits() { return platform_.waits; }
    platform::Dialogs& dialogs() { return platform_.dialogs; }
    platform::Launcher& launcher() { return platform_.launcher; }
    QTimer& loopTimer() { return loopTimer_; }
    QTimer& ddeTimer() { return ddeTimer_; }
    std::string closingLine() const;

    // Observes each main-loop step before it runs; a throwing observer fails the step.
    std::function<void(int step)> stepObserver;
    // Failures trapped so far, per main-loop step (index = step number).
    std::array<int, 23> stepFailures{};

    // Satellite database and selection.
    SatelliteDb& satelliteDb() { return satelliteDb_; }
    SatelliteEditor& satelliteEditor();
    const SatelliteRecord& currentRecord() const { return currentRecord_; }
    const SatelliteConfig& currentSatellite() const { return currentSatellite_; }
    void txt_entre_KeyPress(int key);
    void lbl_sat_name_Click();
    void lbl_Up_read_DblClick();
    // The mean-anomaly suffix of the selected name: up (and refresh) / down.
    void lbl_Uplinlkmain_DblClick();
    void lbl_Downlinkmain_Click();
    // The elevation-sign test of the rotator drive: start / end.
    void lbl_track_Click();
    void lbl_Testtrak_Click();
    void Text2_Click();
    void GetSatCfg(const std::string& name);
    // Selects `name` as a typed name is selected (false, with message 3, when the element
    // set has no lines for it): the next tick takes it over.
    bool selectByName(const std::string& name);

    // The sky: horizon table, auto-track by priority and the mean-anomaly schedule.
    const sky::HorizonTable& horizonTable() const { return horizon_; }
    sky::AutoTrack& autoTrack() { return autoTrack_; }
    const sky::MaSchedule& maSchedule() const { return maSchedule_; }
    // Where the listed satellites were at the last map update, in list order.
    const std::vector<sky::SkyPosition>& skyPositions() const { return skyPositions_; }
    HorizonEditor& horizonEditor();
    PriorityEditor& priorityEditor();
    ScheduleEditor& scheduleEditor();
    void lbl_hoztable_DblClick();
    void lbl_sched_Click();
    void lbl_sched_DblClick();
    void lbl_bump_DblClick();
    void lbl_phase_Click();
    void lbl_phase_DblClick();
    void lbl_satmode_DblClick();

    // The world map: the last drawing and what it shows, the controls, and a press on
    // the picture at a position in map units.
    const QImage& mapImage() const;
    const sky::MapScene& mapSceneDrawn() const;
    const MapDisplay& mapDisplay() const { return *map_; }
    // Why the map region shows no drawing (empty once a map update has drawn one).
    std::string mapAbsence() const;
    void lbl_nz_Click();
    void lbl_uk_Click();
    void lbl_mapus_Click();
    void lbl_map_Click();
    void lbl_mapping_Click();
    void lbl_mapon_Click();
    void lbl_mapoff_Click();
    void lbl_sun_on_Click();
    void lbl_sun_off_Click();
    void Picture1_MouseDown(double x, double y);

    // Routines shared by several steps.
    void openConfigEditor();
    void mask_set();
    void mask_reset();
    void time_routines();
    void clear_knobs();
    // The position of `name` by the tracking state's mode flags (orbit/keplers.h).
    void keplers(std::string_view name);

    // The interface box: the driver, the frame and reply it shares, the radio-link
    // timing its waits read, and the simulated hardware of a --simulate run (else null).
    rotator::InterfaceBox& interfaceBox() { return *interfaceBox_; }
    BoxFrame& boxFrame() { return boxFrame_; }
    BoxReply& boxReply() { return boxReply_; }
    RadioLinkTiming& radioLinkTiming() { return radioLinkTiming_; }
    sim::SimulatedHardware* simulatedHardware() { return simulated_.get(); }
    // The rotator drive: pointing, flip, moves, parking and calibration.
    rotator::RotatorDrive& rotatorDrive() { return *rotatorDrive_; }
    // The radios: frequency plan and Doppler, link, set-up and dispatch, family drivers.
    radio::Radios& radios() { return *radios_; }
    // Network control: clients' pointing targets and radio frequencies.
    StationRemote& remote() { return *remote_; }
    // Puts the box driver on other backends (tests do); call before Form_Load.
    void useBoxBackends(platform::SerialLine& line, platform::PortIo& ports);
    // Linked mode: the conversations with a tracking program (local sockets of this
    // user unless a test puts in another client before Form_Load) and the link.
    void useDdeClient(platform::DdeClient& client) { ddeClient_ = &client; }
    platform::DdeClient& ddeClient();
    dde::DdeLink& ddeLink() { return *ddeLink_; }

    // Orbit units, for the subsystems the station wires to them.
    orbit::ElementStore& elementStore() { return *elementStore_; }
    orbit::Keplers& propagator() { return *keplers_; }

private:
    // The twenty steps of initialize and the twenty-two of main_loop, in order.
    void runInitializeStep(int step);
    void runLoopStep(int step);
    void initResetState();
    void initFirstRun();
    void initLoadConfiguration();
    void initMapSetup();
    void initMapInterval();
    void initStatusAndEntry();
    void initTrackingSource();
    void initStandAlone();
    void initSerialBox();
    void loopDeselect();
    void loopRequests();
    void loopCalibrationDisplay();
    void loopStatusDisplay();
    void loopMap();
    void loopClock();
    void loopRelease();
    void loopFlipDisplay();
    void loopNewSelection();
    void loopPosition();
    void loopDdePoll();
    void loopTuning();
    void loopPointing();
    void loopRunningFlag();
    void loopRearm();

    void bindGestures();
    void bindSatelliteGestures();
    void bindPanelFieldGestures();
    void renameSelection(const std::string& name);
    void registerEditorGestures();
    // The selected satellite's element set: its age at the station clock, in days.
    std::optional<double> selectedElementAge() const;
    void addElementAgeStatus();
    void showElementAge();
    void bindSkyGestures();
    void registerSkyEditorGestures();
    void addSkyStatus();
    void bindMapGestures();
    void addMapStatus();
    bool mapInUse() const;
    void forceMapUpdate();
    void chooseMap(sky::MapType type);
    sky::MapChoices mapChoices() const;
    sky::MapScene mapScene() const;
    void drawMap();
    void writeMapPng();
    void mapUpdate();
    void computeSkyPositions();
    void startAutoTrack(std::vector<int> priorities);
    void applyAttitude();
    void skyNewSelection();
    void maScheduleSwitch();
    void horizonCheck();
    void showObscured(bool obscured);
    void wireOrbit();
    // Where a status-line value may come from: any position, the station's own
    // propagator, or that propagator or the linked program that supplies positions.
    enum class ValueOrigin { AnyPosition, Propagator, PropagatorOrProgram };
    std::string trackingValue(const char* format, double value, ValueOrigin origin) const;
    bool trackable() const;
    void explainMissingPosition();
    void showMessage(const std::string& text);
    void handleStartupFailure(const StartupFailure& failure);
    // Another process holds the settings store: say so, naming the file, and end with 1.
    [[noreturn]] void settingsStoreLocked(const SettingsError& error);
    void registryGateStep(int step);
    void makeBoxBackends();
    void configureSimulatedBox();
    void startParallelInterfaceBox();
    void readInterfaceBox();
    void addBoxStatus();
    void wireRadios();
    void wireRemote();
    void makeRotatorDrive();
    void addRotatorStatus();
    void setLoopTimerEnabled(bool enabled);
    void wireDde();
    bool positionFromProgram() const;
    void takeProgramPosition();
    void pokeNovaForTypedName();
    void linkLost();

    // Routines of subsystems that arrive later; each is a no-op until then.
    void readHorizonTable();
    void readSatelliteListPriorities();
    void loadMapPicture();
    void bird_mode();
    void importElements();
    void computeStationModel();
    bool probeDdeSource(int source);
    void scales();
    void setInhibitControls();
    bool openSerialInterfaceBox();
    void showMapControls();
    void stopRotatorTimers();
    void shut_down_radios();
    void inhibitBothRadios();
    void hrdw_reset_Click();
    void demo_mode();
    void handPendingPcrReply();
    void resetSelectionDisplays();
    void lbl_refresh_DblClick();
    void resetInhibitAndStepControls();
    void clear_make_pcr1000();
    void wirePcrReceiver();
    void park();
    void mapping();
    void refreshMapControls();
    void showToneDisplay();
    void switchEcpOutputs();
    void updatePanelForNewSelection();
    void resetTuningControls();
    void applySatelliteToRadios();
    void setUpRadiosForSelection();
    void satelliteSetup();
    void pollDdeSource();
    void antenna_status();
    void autoTrackBookkeeping();
    void frequency();
    void outs();
    void flip_park();
    void track_antennas();
    void rotators();

    SettingsStore& store_;
    StationPlatform platform_;
    StationOptions options_;
    Configuration configuration_;
    RunningFlag runningFlag_;
    ConfigValues config_;
    Panel panel_;
    GestureRegistry gestures_{panel_};
    StartupState startup_;
    LoopState loop_;
    TrackingState tracking_;
    StatusLine statusLine_;
    std::unique_ptr<ConfigEditor> configEditor_;
    SatelliteDb satelliteDb_;
    std::unique_ptr<SatelliteEditor> satelliteEditor_;
    std::unique_ptr<HorizonEditor> horizonEditor_;
    std::unique_ptr<PriorityEditor> priorityEditor_;
    std::unique_ptr<ScheduleEditor> scheduleEditor_;
    sky::HorizonTable horizon_;
    sky::AutoTrack autoTrack_;
    sky::MaSchedule maSchedule_;
    std::vector<sky::SkyPosition> skyPositions_;
    std::unique_ptr<MapDisplay> map_;
    SatelliteRecord currentRecord_{};
    SatelliteConfig currentSatellite_;
    std::unique_ptr<orbit::ElementStore> elementStore_;
    std::unique_ptr<orbit::Keplers> keplers_;
    std::unique_ptr<orbit::ElementControls> elementControls_;
    BoxFrame boxFrame_;
    BoxReply boxReply_;
    RadioLinkTiming radioLinkTiming_;
    std::unique_ptr<sim::SimulatedHardware> simulated_;
    std::unique_ptr<platform::SerialLine> realSerialLine_;
    std::unique_ptr<platform::PortIo> realPortIo_;
    std::unique_ptr<rotator::InterfaceBox> interfaceBox_; // after its backends: goes first
    std::unique_ptr<rotator::RotatorDrive> rotatorDrive_; // drives the box: goes before it
    std::unique_ptr<radio::Radios> radios_;               // sends through the box: goes before it
    std::unique_ptr<platform::DdeClient> ownDdeClient_;
    platform::DdeClient* ddeClient_ = nullptr;
    std::unique_ptr<dde::DdeLink> ddeLink_;
    std::unique_ptr<StationRemote> remote_;
    bool inMainLoop_ = false;
    std::set<std::string, std::less<>> dismissedHints_; // hints the operator clicked away
    ViewHooks view_;
    QTimer loopTimer_;
    QTimer ddeTimer_;
    bool ended_ = false;
    int exitCode_ = 0;
};

} // namespace orv::station
