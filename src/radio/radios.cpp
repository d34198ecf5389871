#include "radio/radios.h"

#include "core/number_text.h"
#include "radio/frequency_text.h"
#include "radio/radio_colours.h"

namespace orv::radio {

namespace {
constexpr int kRefreshSettleMs = 200;
constexpr int kSetupSettleMs = 10;
} // namespace

RadiosHooks stationlessHooks(std::function<void()> outs) {
    RadiosHooks hooks;
    hooks.satelliteSelected = [] { return true; };
    hooks.outs = std::move(outs);
    hooks.ins = [] {};
    hooks.ecpValue = [] { return 0; };
    hooks.frameBeingSent = [] { return false; };
    hooks.markRadioSetupDone = [] {};
    hooks.loopTimerActive = [] { return false; };
    hooks.stopLoopTimer = [] {};
    hooks.startLoopTimer = [] {};
    hooks.runEnded = [] { return false; };
    return hooks;
}

Radios::Radios(RadiosWiring wiring, RadiosHooks hooks)
    : wiring_(wiring), hooks_(std::move(hooks)),
      link_(RadioLinkWiring{wiring.frame, wiring.linkTiming, wiring.config, wiring.startup},
            RadioLinkHooks{hooks_.satelliteSelected, hooks_.outs, hooks_.ecpValue,
                           hooks_.loopTimerActive, hooks_.stopLoopTimer, hooks_.startLoopTimer}),
      families_(FamilyWiring{wiring.satellite, plan_, state_, link_, wiring.reply, wiring.panel,
                             wiring.waits},
                FamilyHooks{hooks_.ins, [this](double mhz) { tuning_.adjust_read(mhz); },
                            [this] { controls_.releaseInhibits(); },
                            [this] { return memoryChannel(); }, [this] { return pttEnabled(); },
                            hooks_.showMessage, hooks_.silenceBox}),
      dispatch_(DispatchWiring{wiring.satellite, plan_, doppler_, state_, link_, families_,
                               wiring.panel, wiring.waits},
                DispatchHooks{hooks_.satelliteSelected, hooks_.frameBeingSent,
                              hooks_.markRadioSetupDone}),
      pass_(DopplerPassWiring{plan_, doppler_, wiring.tracking, wiring.panel, wiring.waits},
            DopplerPassHooks{hooks_.satelliteSelected,
                             [this] { return refusalOf([this] { dispatch_.catcontrol_tx(); }); },
                             [this] { return refusalOf([this] { dispatch_.catcontrol_rx(); }); },
                             [this] { return state_.fullDuplex == 1; }, [this] { duploxer(); },
                             hooks_.runEnded}),
      tuning_(TuningWiring{plan_, doppler_, wiring.panel},
              TuningHooks{hooks_.satelliteSelected, [this] { return wiring_.satellite.analog; },
                          [this] { pass_.showPlan(); }, [this] { pass_.showDoppler(); },
                          [this] { controls_.releaseInhibits(); }}),
      controls_(RadioControlsWiring{state_, doppler_, link_, dispatch_, wiring.panel, wiring.waits},
                RadioControlsHooks{[this] { return pttEnabled(); }}),
      beacon_(plan_, wiring.panel,
              BeaconHooks{hooks_.satelliteSelected, [this] { pass_.showPlan(); }}) {}

void Radios::bind(core::Panel& panel) {
    // The retune lamps: blue and red at rest, green while a link was just retuned.
    panel.setBackColor("upblu", colours::kBlue);
    panel.setBackColor("dnred", core::colour::kRed);
    panel.setBackColor("upgrn", core::colour::kGreen);
    panel.setBackColor("dngrn", core::colour::kGreen);
    panel.setVisible("upgrn", false);
    panel.setVisible("dngrn", false);
    tuning_.bind(panel);
    controls_.bind(panel);
    beacon_.bind(panel);
    panel.bind("lbl_freq_reset", core::Gesture::Click, [this](int) { lbl_freq_reset_Click(); });
    panel.bind("lbl_fdt", core::Gesture::DblClick, [this](int) { lbl_fdt_DblClick(); });
    families_.pcrAor().controls().bind(panel);
    panel.bind("lbl_refresh", core::Gesture::DblClick,
               [this](int) { link_.whenIdle([this] { lbl_refresh_DblClick(); }); });
}

bool Radios::pttEnabled() const {
    return core::upperCased(wiring_.record[9]).find("PTT") != std::string::npos;
}

std::optional<int> Radios::memoryChannel() const {
    const std::string& entry = wiring_.config.memoryChannel;
    if (core::upperCased(core::trimmed(entry)) == "NO") return std::nullopt;
    return static_cast<int>(core::wholeValue(core::leadingNumber(entry)));
}

void Radios::applySatellite() {
    plan_ = planFromSatellite(wiring_.satellite);
    link_.loadSatellite(wiring_.satellite);
    doppler_.firstPass = true;
    doppler_.passRan = false;
    doppler_.uplinkRefusal.clear();
    doppler_.downlinkRefusal.clear();
    beacon_.reset();
    showModes();
}

// A link whose converter inverts it shows its mode, sideband exchanged, in light red.
void Radios::showModes() {
    auto& panel = wiring_.panel;
    panel.setCaption("lbl_UpMode", plan_.uplinkMode);
    panel.setCaption("lbl_DnMode", plan_.downlinkMode);
    panel.setBackColor("lbl_UpMode",
                       plan_.uplinkSign < 0 ? colours::kLightRed : core::colour::kDefault);
    panel.setBackColor("lbl_DnMode", plan_.downlinkSign < 0 ? colours::kLightRed : colours::kGrey);
}

std::string Radios::refusalOf(const std::function<void()>& tune) {
    const int before = link_.refusals();
    tune();
    return link_.refusals() == before ? std::string() : link_.lastRefusal();
}

void Radios::radioinit() {
    dispatch_.radioinit();
    doppler_.retuneDownlink = 1;
}

void Radios::setUpForSelection() {
    dispatch_.pre_radio_init();
    radioinit();
    tuning_.lbl_Base_DblClick();
    lbl_refresh_DblClick();
    pass_.frequency();
    wiring_.waits.timerx(kSetupSettleMs);
    wiring_.panel.setVisible("dnred", true);
}

void Radios::lbl_refresh_DblClick() {
    if (!hooks_.satelliteSelected()) return;
    const bool timerWasActive = hooks_.loopTimerActive();
    hooks_.stopLoopTimer();
    dispatch_.shut_down_radios();
    if (hooks_.reloadSatellite) hooks_.reloadSatellite();
    wiring_.waits.timerx(kRefreshSettleMs);
    dispatch_.pre_radio_init();
    radioinit();
    doppler_.downlinkPending = true;
    doppler_.uplinkPending = true;
    if (timerWasActive) hooks_.startLoopTimer();
}

// What the knob, the step buttons and the beacon moved goes back to the record's
// values; the next Doppler pass retunes the radios there.
void Radios::lbl_freq_reset_Click() {
    if (hooks_.satelliteSelected()) plan_ = planFromSatellite(wiring_.satellite);
    beacon_.reset();
    tuning_.resetKnobRate();
    tuning_.clear_knobs();
    wiring_.panel.setVisible("lbl_local_msg", false);
}

// The operator tunes on the radio and double-clicks: the dial is read back into the
// plan, and the Doppler correction carries on from there. The knob lets the downlink
// go, so the next turn of it does not pull the downlink back.
void Radios::lbl_fdt_DblClick() {
    if (tuning_.knobTarget() == kKnobDownlink) tuning_.selectKnobTarget(kKnobNone);
    controls_.lbl_down_read_DblClick();
}

void Radios::resetSelectionDisplays() {
    auto& panel = wiring_.panel;
    for (const char* label : {"lbl_UpFreq", "lbl_DnFreq", "lbl_UpDop", "lbl_DnDop", "lbl_UpVal",
                              "lbl_DnVal", "lbl_tone"})
        panel.setCaption(label, "");
    panel.setVisible("lbl_convdn", false);
    panel.setVisible("lb_upcnvtr", false);
    doppler_.passRan = false;
}

void Radios::showToneDisplay() {
    const std::string& tone = wiring_.satellite.ctcss;
    const bool none = !hooks_.satelliteSelected() || core::leadingNumber(tone) == 0;
    wiring_.panel.setCaption("lbl_tone", none ? "" : core::trimmed(tone));
}

void Radios::duploxer() {
    state_.duplexOffset = duplexOffsetText(doppler_.uplinkText, doppler_.downlinkText);
}

namespace {
// "435007256" as "435.007256": exactly the frequency sent, six decimals.
std::string textAsMegahertz(const std::string& frequencyText) {
    if (frequencyText.size() < 7) return {};
    const size_t point = frequencyText.size() - 6;
    return frequencyText.substr(0, point) + "." + frequencyText.substr(point);
}
} // namespace

bool Radios::passShown() const {
    return doppler_.passRan && hooks_.satelliteSelected();
}

std::string Radios::uplinkStatus() const {
    return passShown() ? textAsMegahertz(doppler_.uplinkText) : std::string();
}

std::string Radios::downlinkStatus() const {
    return passShown() ? textAsMegahertz(doppler_.downlinkText) : std::string();
}

std::string Radios::uplinkDopplerStatus() const {
    return passShown() ? std::to_string(doppler_.uplinkDopplerHz) : std::string();
}

std::string Radios::downlinkDopplerStatus() const {
    return passShown() ? std::to_string(doppler_.downlinkDopplerHz) : std::string();
}

} // namespace orv::radio
