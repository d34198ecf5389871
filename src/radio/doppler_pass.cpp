#include "radio/doppler_pass.h"

#include "radio/doppler.h"
#include "radio/frequency_text.h"

namespace orv::radio {

namespace {
constexpr int kPassWaitMs = 10;
constexpr int kFrozenYieldMs = 50;
constexpr int kLampPasses = 5;

} // namespace

DopplerPass::DopplerPass(DopplerPassWiring wiring, DopplerPassHooks hooks)
    : wiring_(wiring), hooks_(std::move(hooks)) {}

void DopplerPass::showPlan() {
    auto& panel = wiring_.panel;
    const FrequencyPlan& plan = wiring_.plan;
    panel.setCaption("lbl_UpFreq", megahertzText(plan.uplink));
    panel.setCaption("lbl_DnFreq", megahertzText(plan.downlink));
    panel.setCaption("lbl_convdn", megahertzText(plan.downConverter));
    panel.setVisible("lbl_convdn", plan.downConverter != 0);
    panel.setCaption("lb_upcnvtr", megahertzText(plan.upConverter));
    panel.setVisible("lb_upcnvtr", plan.upConverter != 0);
}

void DopplerPass::showDoppler() {
    auto& panel = wiring_.panel;
    const DopplerState& doppler = wiring_.doppler;
    panel.setCaption("lbl_DnVal", std::to_string(doppler.downlinkDopplerHz));
    panel.setCaption("lbl_UpVal", std::to_string(doppler.uplinkDopplerHz));
}

void DopplerPass::computeAtRadios() {
    const FrequencyPlan& plan = wiring_.plan;
    DopplerState& d = wiring_.doppler;
    const double rangeRate = wiring_.tracking.rangeRate;
    d.uplinkDopplerHz = dopplerHz(plan.uplink, rangeRate);
    d.downlinkDopplerHz = dopplerHz(plan.downlink, rangeRate);
    const auto up = uplinkDialHz(plan.uplink, d.uplinkDopplerHz, plan.upConverter);
    const auto down = downlinkDialHz(plan.downlink, d.downlinkDopplerHz, plan.downConverter);
    d.uplinkDialHz = up.value_or(0);
    d.downlinkDialHz = down.value_or(0);
    d.uplinkAtRadio = static_cast<double>(d.uplinkDialHz) / 1e6;
    d.downlinkAtRadio = static_cast<double>(d.downlinkDialHz) / 1e6;
    d.uplinkText = up ? dialText(*up) : std::string();
    d.downlinkText = down ? dialText(*down) : std::string();
    d.passRan = true;
}

void DopplerPass::frequency() {
    wiring_.waits.timerx(kPassWaitMs);
    if (!hooks_.satelliteSelected()) return;
    showPlan();
    computeAtRadios();
    showDoppler();
    auto& panel = wiring_.panel;
    DopplerState& d = wiring_.doppler;
    panel.setCaption("lbl_UpDop", megahertzText(d.uplinkAtRadio));
    panel.setCaption("lbl_DnDop", megahertzText(d.downlinkAtRadio));

    if (d.firstPass) {
        d.firstPass = false;
        d.uplinkReferenceHz = d.uplinkDialHz;
        d.downlinkReferenceHz = d.downlinkDialHz;
        d.forceUplink = 1;
        d.retuneDownlink = 1;
    }
    retuneDownlink();
    wiring_.waits.timerx(kPassWaitMs);
    countLampPasses(d.downlinkLampPasses, "dnred", "dngrn");
    retuneUplink();
    countLampPasses(d.uplinkLampPasses, "upblu", "upgrn");
    if (hooks_.fullDuplex && hooks_.fullDuplex() && hooks_.duploxer) hooks_.duploxer();
    if (d.freeze == 1) freeze();
}

void DopplerPass::retuneDownlink() {
    DopplerState& d = wiring_.doppler;
    const int64_t hz = d.downlinkDialHz;
    if (movedPastStep(hz, d.downlinkReferenceHz, wiring_.plan.downlinkStepHz))
        d.downlinkPending = true;
    if (!d.downlinkPending && !d.retuneDownlink && !d.retuneBoth) return;
    wiring_.panel.setVisible("dngrn", true);
    wiring_.panel.setVisible("dnred", false);
    if (!d.downlinkText.empty()) hooks_.catcontrol_rx();
    d.retuneDownlink = 0;
    if (d.downlinkPending) {
        d.downlinkPending = false;
        d.downlinkReferenceHz = hz;
    }
}

void DopplerPass::retuneUplink() {
    DopplerState& d = wiring_.doppler;
    const int64_t hz = d.uplinkDialHz;
    if (movedPastStep(hz, d.uplinkReferenceHz, wiring_.plan.uplinkStepHz)) d.uplinkPending = true;
    if (!d.uplinkPending && !d.forceUplink && !d.retuneBoth) return;
    d.retuneBoth = 0;
    wiring_.panel.setVisible("upgrn", true);
    wiring_.panel.setVisible("upblu", false);
    if (!d.uplinkText.empty()) hooks_.catcontrol_tx();
    d.forceUplink = 0;
    if (d.uplinkPending) {
        d.uplinkPending = false;
        d.uplinkReferenceHz = hz;
    }
}

// The green lamp of a retune goes back to its resting colour every fifth pass.
void DopplerPass::countLampPasses(int& passes, const char* resting, const char* active) {
    if (++passes < kLampPasses) return;
    passes = 0;
    wiring_.panel.setVisible(resting, true);
    wiring_.panel.setVisible(active, false);
}

void DopplerPass::freeze() {
    showDoppler();
    while (wiring_.doppler.freeze == 1 && !(hooks_.runEnded && hooks_.runEnded()))
        wiring_.waits.timerx(kFrozenYieldMs);
}

} // namespace orv::radio
