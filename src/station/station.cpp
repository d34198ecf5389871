#include "station/station.h"

#include "station/map_display.h"

#include "core/messages.h"
#include "core/satellite_editor.h"
#include "core/tracking_source.h"
#include "dde/dde_link.h"
#include "orbit/element_controls.h"
#include "orbit/element_store.h"
#include "orbit/keplers.h"
#include "orbit/time_routines.h"
#include "platform/port_io.h"
#include "platform/serial_line.h"
#include "radio/radios.h"
#include "rotator/interface_box.h"
#include "rotator/rotator_drive.h"
#include "sim/simulated_hardware.h"
#include "station/station_remote.h"

#include <cstdio>

namespace orv::station {

namespace {
// The tuning controls the tracking-data mask hides.
constexpr const char* kMaskedControls[] = {
    "Knob1", "Knob2",     "Knob3",       "Knob4",        "ch_att",      "ch_agc",
    "ch_nb", "lbl_shift", "lbl_satfreq", "lbl_finediag", "lbl_knobmsg", "lbl_Base"};
} // namespace

Station::Station(SettingsStore& store, StationPlatform platform, StationOptions options)
    : store_(store), platform_(platform), options_(std::move(options)), configuration_(store),
      runningFlag_(store), satelliteDb_(store), map_(std::make_unique<MapDisplay>()) {
    loopTimer_.setSingleShot(false);
    loopTimer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&loopTimer_, &QTimer::timeout, [this] { loop_timer_Timer(); });
    QObject::connect(&ddeTimer_, &QTimer::timeout, [this] { time_dde_Timer(); });
    panel_.setHandlerWrapper([this](const Panel::Handler& handler, int argument) {
        guarded([&] { handler(argument); });
    });
    bindGestures();
    bindSatelliteGestures();
    bindPanelFieldGestures();
    registerEditorGestures();
    bindSkyGestures();
    bindMapGestures();
    panel_.setBackColor("lbl_kep_error", colour::kRed);
    panel_.setVisible("lbl_kep_error", false);
    panel_.setForeColor("lbl_epoch_age", colour::kRed);
    panel_.setVisible("lbl_epoch_age", false);
    // The clock as it reads now: a park holds the main loop, never the clock.
    statusLine_.add("utc", [this] {
        return orbit::timeFieldsFor(platform_.clock.now(), config_.utcOffset).utcText;
    });
    statusLine_.add("local", [this] { return panel_.caption("lbl_timebox"); });
    statusLine_.add("sat", [this] { return loop_.selectedSatellite; });
    statusLine_.add("src", [this] { return std::to_string(loop_.trackingSource); });
    makeBoxBackends();
    addBoxStatus();
    addRotatorStatus();
    wireRadios();
    wireRemote();
    wireOrbit();
    wireDde();
    addElementAgeStatus();
    addSkyStatus();
    addMapStatus();
}

Station::~Station() = default;

void Station::guarded(const std::function<void()>& action) {
    try {
        action();
    } catch (const ProgramEnded&) {
        // the run is over; the view has been told
    } catch (const std::exception& error) {
        std::fprintf(stderr, "orv_kite: %s\n", error.what());
    }
}

void Station::endProgram(int code) {
    if (!ended_) {
        ended_ = true;
        exitCode_ = code;
        loopTimer_.stop();
        ddeTimer_.stop();
        if (view_.programEnded) view_.programEnded(code);
    }
    throw ProgramEnded{code};
}

std::string Station::closingLine() const {
    return "Orv_Kite " + startup_.versionText + "   " + startup_.versionDate;
}

ConfigEditor& Station::configEditor() {
    if (!configEditor_) {
        ConfigEditor::Hooks hooks;
        hooks.endProgram = [this] { guarded([this] { endProgram(0); }); };
        hooks.clearOpenRequest = [this] { startup_.openEditorRequest = 0; };
        hooks.redrawMapNextUpdate = [this] {
            loop_.mapRefreshCounter =
                mapIntervalTicks(config_.mapUpdateSeconds, config_.programTimerMs) - 1;
        };
        configEditor_ = std::make_unique<ConfigEditor>(configuration_, startup_.variant, hooks);
    }
    return *configEditor_;
}

void Station::openConfigEditor() {
    configEditor().open(options_.programDir);
    if (view_.showConfigEditor) view_.showConfigEditor();
}

void Station::lbl_help_DblClick() {
    openConfigEditor();
}

void Station::lbl_about_Click() {
    if (view_.showAbout) view_.showAbout();
}

void Station::showMessage(const std::string& text) {
    platform::DialogRequest request;
    request.text = text;
    platform_.dialogs.show(request);
}

void Station::error_msgs(int n) {
    const auto text = messageText(n, options_.programDir, closingLine());
    if (!text) return;
    switch (n) {
    case 1:
        startup_.hardwareAbsent = 1;
        demo_mode();
        startup_.demo = 1;
        showMessage(*text);
        break;
    case 3:
        mask_set();
        showMessage(*text);
        loop_.elementsMissing = 0;
        panel_.setVisible("lbl_kep_error", false);
        panel_.setCaption("lbl_sat_name", kNoSatellite);
        panel_.setVisible("Mask1", true);
        break;
    case 4:
        showMessage(*text);
        startup_.openEditorRequest = 1;
        break;
    case 6:
        showMessage(*text);
        endProgram(2);
    case 8:
        if (startup_.message8Shown) return;
        openConfigEditor();
        showMessage(*text);
        startup_.message8Shown = 1;
        break;
    case 11:
        if (startup_.message11Shown) return;
        openConfigEditor();
        showMessage(*text);
        startup_.message11Shown = 1;
        break;
    default: // 2, 5, 7: the box alone
        showMessage(*text);
        break;
    }
}

void Station::exitRoutine() {
    if (startup_.demo) endProgram(0);
    shut_down_radios();
    hrdw_reset_Click();
    runningFlag_.lower();
    endProgram(0);
}

void Station::delete_registery() {
    platform::DialogRequest request;
    request.title = "Clean Registery";
    request.text = cleanRegistryQuestion();
    request.icon = platform::DialogIcon::Critical;
    request.buttons = platform::DialogButtons::YesNo;
    request.defaultAnswer = platform::DialogAnswer::No;
    request.helpFile = "DEMO.HLP";
    request.helpContext = 1000;
    if (platform_.dialogs.show(request) != platform::DialogAnswer::Yes) return;
    for (const char* application :
         {"Kep_TLE", "ORV_CFG3", "ORV_CFG4", "ORVTUNE", "ORV_SAT", "ORV_SAT1", "ORV_SAT2"}) {
        try {
            store_.remove(application);
        } catch (const SettingsError&) {
            // each application is deleted on its own; a failure does not stop the rest
        }
    }
}

// The three-step gesture guarding delete_registery: date, UTC box, time.
void Station::registryGateStep(int step) {
    int& gate = loop_.registryGate;
    if (step == 1) {
        gate = 1;
    } else if (step == 2) {
        if (gate == 1) gate = 2;
    } else if (gate == 2) {
        gate = 3;
        delete_registery();
        gate = 2;
    }
}

void Station::bindGestures() {
    panel_.bind("cmd_Bye", Gesture::Click, [this](int) { exitRoutine(); });
    panel_.bind("lbl_help", Gesture::DblClick, [this](int) { lbl_help_DblClick(); });
    panel_.bind("lbl_about", Gesture::Click, [this](int) { lbl_about_Click(); });
    panel_.bind("lbl_date", Gesture::DblClick, [this](int) { registryGateStep(1); });
    panel_.bind("lbl_UTCbox", Gesture::DblClick, [this](int) { registryGateStep(2); });
    panel_.bind("lbl_time", Gesture::DblClick, [this](int) { registryGateStep(3); });
}

void Station::mask_set() {
    loop_.maskSet = 1;
    for (const char* name : kMaskedControls)
        panel_.setVisible(name, false);
    // The caption says a tracking program is in control: stand-alone, none is.
    const TrackingSource* source = trackingSource(loop_.trackingSource);
    panel_.setCaption("Mask1",
                      source && source->linkedProgram
                          ? "Under DDE control.  Background Monitoring                     " +
                                std::string(20, ' ')
                          : std::string());
}

void Station::mask_reset() {
    loop_.maskSet = 0;
    for (const char* name : kMaskedControls)
        panel_.setVisible(name, !dismissedHints_.contains(name)); // a hint clicked away stays away
    panel_.setCaption("Mask1", "");
}

void Station::time_routines() {
    const auto fields = orbit::timeFieldsFor(platform_.clock.now(), config_.utcOffset);
    tracking_.dayNumber = fields.dayNumber;
    tracking_.dayFraction = fields.dayFraction;
    tracking_.utcText = fields.utcText;
    panel_.setCaption("lbl_timebox", fields.localTime);
    panel_.setCaption("lbl_datebox", fields.localDate);
    panel_.setCaption("lbl_UTC", fields.utcText);
}

void Station::clear_knobs() {
    radios_->clear_knobs();
    loop_.currentInterval = static_cast<int>(config_.programTimerMs);
}

// The element store, keplers and the element controls, and their status-line keys.
void Station::wireOrbit() {
    elementStore_ = std::make_unique<orbit::ElementStore>(store_);
    keplers_ = std::make_unique<orbit::Keplers>(
        orbit::Keplers::Wiring{*elementStore_, tracking_, panel_,
                               orbit::ElementFlags{loop_.elementsValid, loop_.elementsMissing},
                               [this] { time_routines(); }});
    orbit::ElementControls::Hooks hooks;
    hooks.today = [this] {
        time_routines();
        return tracking_.dayNumber;
    };
    hooks.mask_set = [this] { mask_set(); };
    hooks.error_msgs = [this](int n) { error_msgs(n); };
    elementControls_ = std::make_unique<orbit::ElementControls>(
        *elementStore_, platform_.launcher, platform_.dialogs, config_, options_.programDir,
        std::move(hooks));
    elementControls_->bind(panel_);

    using Origin = ValueOrigin;
    statusLine_.add(
        "az", [this] { return trackingValue("%.1f", tracking_.azimuth, Origin::AnyPosition); });
    statusLine_.add(
        "el", [this] { return trackingValue("%.1f", tracking_.elevation, Origin::AnyPosition); });
    statusLine_.add("range",
                    [this] { return trackingValue("%.0f", tracking_.range, Origin::Propagator); });
    statusLine_.add("rr", [this] {
        return trackingValue("%.3f", tracking_.rangeRate, Origin::PropagatorOrProgram);
    });
    statusLine_.add("ma", [this] {
        return trackingValue("%.0f", tracking_.ma256, Origin::PropagatorOrProgram);
    });
}

// A tracking value for the status line; "-" while no satellite is tracked, while the
// station's own propagator has no position for it, or while the value's origin has
// nothing for it (the propagator no elements, a linked program that names satellites
// no position).
std::string Station::trackingValue(const char* format, double value, ValueOrigin origin) const {
    if (loop_.selectedSatellite == kNoSatellite) return {};
    if (!loop_.elementsValid && (origin != ValueOrigin::AnyPosition || !positionFromProgram()))
        return {};
    if (positionFromProgram() && origin == ValueOrigin::Propagator) return {};
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace orv::station
