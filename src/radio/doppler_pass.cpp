#include "radio/doppler_pass.h"

#include "radio/doppler.h"
#include "radio/frequency_text.h"

#include <optional>

namespace orv::radio {

namespace {
constexpr int kPassWaitMs = 10;
constexpr int kFrozenYieldMs = 50;
constexpr int kLampPasses = 5;
// Below one Hz a plan value is no frequency (an empty, non-numeric or 0 record field
// leaves only the record's tiny offset).
constexpr double kLowestMHz = 0.000001;

bool isFrequency(double mhz) {
    return mhz >= kLowestMHz;
}

std::string planCaption(double mhz) {
    return isFrequency(mhz) ? megahertzText(mhz) : "No frequency";
}

// The label of a radio's frequency: the dial, or why the radio is not sent one.
std::string dialCaption(int64_t dialHz, const std::string& refusal) {
    if (!refusal.empty()) return "Not sent: " + refusal;
    if (dialHz == 0) return "0 Hz: not sent";
    return megahertzText(static_cast<double>(dialHz) / 1e6);
}

// The dial of a link, nothing when there is nothing to send.
std::optional<int64_t> sendableDial(double planMHz, std::optional<int64_t> dialHz) {
    if (!isFrequency(planMHz) || !dialHz || *dialHz == 0) return std::nullopt;
    return dialHz;
}

constexpr LinkLabels kUplinkLabels{"upblu", "upgrn", "lbl_UpDop"};
constexpr LinkLabels kDownlinkLabels{"dnred", "dngrn", "lbl_DnDop"};
} // namespace

DopplerPass::DopplerPass(DopplerPassWiring wiring, DopplerPassHooks hooks)
    : wiring_(wiring), hooks_(std::move(hooks)) {}

void DopplerPass::showPlan() {
    auto& panel = wiring_.panel;
    const FrequencyPlan& plan = wiring_.plan;
    panel.setCaption("lbl_UpFreq", planCaption(plan.uplink));
    panel.setCaption("lbl_DnFreq", planCaption(plan.downlink));
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
    const auto up =
        sendableDial(plan.uplink, uplinkDialHz(plan.uplink, d.uplinkDopplerHz, plan.upConverter));
    const auto down = sendableDial(
        plan.downlink, downlinkDialHz(plan.downlink, d.downlinkDopplerHz, plan.downConverter));
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
    panel.setCaption("lbl_UpDop", dialCaption(d.uplinkDialHz, d.uplinkRefusal));
    panel.setCaption("lbl_DnDop", dialCaption(d.downlinkDialHz, d.downlinkRefusal));

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
    if (d.downlinkByClient) return;
    const int64_t hz = d.downlinkDialHz;
    if (movedPastStep(hz, d.downlinkReferenceHz, wiring_.plan.downlinkStepHz))
        d.downlinkPending = true;
    if (!d.downlinkPending && !d.retuneDownlink && !d.retuneBoth) return;
    if (!d.downlinkText.empty())
        sendRetune(hooks_.catcontrol_rx, d.downlinkRefusal, kDownlinkLabels);
    d.retuneDownlink = 0;
    if (d.downlinkPending) {
        d.downlinkPending = false;
        d.downlinkReferenceHz = hz;
    }
}

void DopplerPass::retuneUplink() {
    DopplerState& d = wiring_.doppler;
    if (d.uplinkByClient) return;
    const int64_t hz = d.uplinkDialHz;
    if (movedPastStep(hz, d.uplinkReferenceHz, wiring_.plan.uplinkStepHz)) d.uplinkPending = true;
    if (!d.uplinkPending && !d.forceUplink && !d.retuneBoth) return;
    d.retuneBoth = 0;
    if (!d.uplinkText.empty()) sendRetune(hooks_.catcontrol_tx, d.uplinkRefusal, kUplinkLabels);
    d.forceUplink = 0;
    if (d.uplinkPending) {
        d.uplinkPending = false;
        d.uplinkReferenceHz = hz;
    }
}

// The green lamp shows while the frequency goes out, and stays lit only when it went:
// a refused frame puts the resting lamp back and its reason on the frequency label.
void DopplerPass::sendRetune(const std::function<std::string()>& tune, std::string& refusal,
                             const LinkLabels& labels) {
    auto& panel = wiring_.panel;
    panel.setVisible(labels.activeLamp, true);
    panel.setVisible(labels.restingLamp, false);
    refusal = tune();
    if (refusal.empty()) return;
    panel.setVisible(labels.restingLamp, true);
    panel.setVisible(labels.activeLamp, false);
    panel.setCaption(labels.frequency, "Not sent: " + refusal);
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
