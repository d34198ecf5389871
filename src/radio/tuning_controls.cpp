#include "radio/tuning_controls.h"

#include "radio/doppler.h"
#include "radio/frequency_text.h"
#include "radio/radio_colours.h"

#include <cmath>

namespace orv::radio {

namespace {
// A reading further than this from the downlink at the radio is not the downlink.
constexpr double kReadWindowMHz = 1.4;
constexpr const char* kTargetLabels[] = {"lbl_linkup", "lbl_transp", "lbl_linkdn", "lbl_convdn",
                                         "lb_upcnvtr"};
} // namespace

TuningControls::TuningControls(TuningWiring wiring, TuningHooks hooks)
    : wiring_(wiring), hooks_(std::move(hooks)) {}

void TuningControls::bind(core::Panel& panel) {
    using core::Gesture;
    panel.bind("Knob1", Gesture::Change, [this](int) { Knob1_Change(); });
    panel.bind("lbl_linkup", Gesture::DblClick, [this](int) { selectKnobTarget(kKnobUplink); });
    panel.bind("lbl_transp", Gesture::DblClick,
               [this](int) { selectKnobTarget(kKnobTransponder); });
    panel.bind("lbl_linkdn", Gesture::DblClick, [this](int) { selectKnobTarget(kKnobDownlink); });
    panel.bind("lbl_fdt2x", Gesture::DblClick, [this](int) { selectKnobTarget(kKnobDownlink); });
    panel.bind("lbl_convdn", Gesture::DblClick,
               [this](int) { selectKnobTarget(kKnobDownConverter); });
    panel.bind("lb_upcnvtr", Gesture::DblClick,
               [this](int) { selectKnobTarget(kKnobUpConverter); });
    panel.bind("lbl_fine_div", Gesture::Click, [this](int) { lbl_fine_div_Click(); });
    panel.bind("lbl_fine_mult", Gesture::Click, [this](int) { lbl_fine_mult_Click(); });
    panel.bind("lbl_fraq", Gesture::MouseDown, [this](int) { lbl_fraq_MouseDown(); });
    panel.bind("lbl_fraq1", Gesture::Click, [this](int) { lbl_fraq1_Click(); });
    panel.bind("lbl_Base", Gesture::DblClick, [this](int) { lbl_Base_DblClick(); });
    panel.bind("lbl_UpText", Gesture::DblClick, [this](int) { lbl_UpText_DblClick(); });
    panel.bind("lbl_UpText", Gesture::Click, [this](int) { lbl_UpText_Click(); });
    panel.bind("upblu", Gesture::DblClick, [this](int) { upblu_DblClick(); });
    panel.bind("dnred", Gesture::DblClick, [this](int) { dnred_DblClick(); });
    panel.bind("lbl_local_msg", Gesture::Click, [this](int) {
        wiring_.panel.setVisible("lbl_local_msg", false);
        clear_knobs();
    });
}

void TuningControls::showTargetValue() {
    hooks_.showPlan();
    wiring_.panel.setCaption("lbl_transp", megahertzText(wiring_.plan.transponder));
}

void TuningControls::moveTarget(double deltaMHz) {
    if (!movePlanValue(wiring_.plan, knobTarget_, deltaMHz)) return;
    showTargetValue();
}

void TuningControls::Knob1_Change() {
    auto& panel = wiring_.panel;
    const double turns = panel.value("Knob1");
    if (turns == 0) return;
    panel.setValue("Knob1", 0);
    moveTarget(turns * knobRate_ * 0.000001);
}

void TuningControls::selectKnobTarget(int target) {
    knobTarget_ = target;
    // The label of the value the knob moves is marked.
    for (int k = 0; k < 5; ++k)
        wiring_.panel.setBackColor(kTargetLabels[k], k + kKnobUplink == target
                                                         ? core::colour::kYellow
                                                         : core::colour::kDefault);
}

void TuningControls::showRate() {
    wiring_.panel.setCaption("lbl_FreqFine", knobRateText(knobRate_));
}

void TuningControls::lbl_fine_div_Click() {
    knobRate_ = knobRate_ / 10 < 1 ? 1 : knobRate_ / 10;
    showRate();
}

void TuningControls::lbl_fine_mult_Click() {
    knobRate_ = knobRate_ * 10 > kMaxKnobRate ? kMaxKnobRate : knobRate_ * 10;
    showRate();
}

void TuningControls::lbl_fraq_MouseDown() {
    if (knobTarget_ >= 2) moveTarget(knobRate_ * 0.000001);
}

void TuningControls::lbl_fraq1_Click() {
    if (knobTarget_ >= 2) moveTarget(-knobRate_ * 0.000001);
}

void TuningControls::clear_knobs() {
    selectKnobTarget(kKnobNone);
    showTargetValue();
    hooks_.showDoppler();
}

void TuningControls::resetTuningControls() {
    wiring_.panel.setValue("Knob1", 0);
    selectKnobTarget(kKnobNone);
    showRate();
}

void TuningControls::resetKnobRate() {
    knobRate_ = kInitialKnobRate;
    showRate();
}

void TuningControls::lbl_Base_DblClick() {
    auto& panel = wiring_.panel;
    if (wiring_.plan.transponder < 0.000001) {
        panel.setCaption("lbl_Base", "Frequency at Satellite");
        panel.setVisible("lbl_transp", false);
        return;
    }
    panel.setCaption("lbl_transp", megahertzText(wiring_.plan.transponder));
    panel.setVisible("lbl_transp", true);
    panel.setCaption("lbl_Base", "Satellite's Transponder Local Oscillator frequency");
}

void TuningControls::lbl_UpText_DblClick() {
    if (!hooks_.satelliteSelected()) return;
    wiring_.doppler.freeze = 1;
    wiring_.panel.setCaption("lbl_UpText", "Transactions frozen. Click to RESTORE");
}

void TuningControls::lbl_UpText_Click() {
    wiring_.doppler.freeze = 0;
    wiring_.panel.setCaption("lbl_UpText", "Doppler (Hz.)");
}

void TuningControls::adjust_read(double readingMHz) {
    auto& panel = wiring_.panel;
    if (!std::isfinite(readingMHz) || readingMHz == 0) {
        panel.setBackColor("lbl_down_read", core::colour::kRed);
        panel.setForeColor("lbl_down_read", core::colour::kWhite);
        panel.setCaption("lbl_down_read", "ERROR");
        return;
    }
    FrequencyPlan& plan = wiring_.plan;
    const DopplerState& d = wiring_.doppler;
    if (readingMHz < 0 || std::fabs(readingMHz - d.downlinkAtRadio) > kReadWindowMHz) {
        hooks_.releaseInhibits();
        return;
    }
    panel.setBackColor("lbl_down_read", colours::kGrey);
    panel.setForeColor("lbl_down_read", core::colour::kNavy);
    panel.setCaption("lbl_down_read", "Read in DnLink");
    const auto downlink = downlinkFromReading(readingMHz, plan.downlink, plan.downConverter,
                                              plan.downlinkSign, d.downlinkDopplerHz);
    if (!downlink) return;
    const double uplinkBefore = plan.uplink;
    plan.downlink = *downlink;
    if (hooks_.analogSatellite())
        plan.uplink = transponderUplink(plan.downlink, uplinkBefore, plan.transponder);
}

} // namespace orv::radio
