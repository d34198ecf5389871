#include "radio/beacon_tuning.h"

namespace orv::radio {

namespace {
// The plan carries a record's beacon of 0 as a few tenths of a Hz.
constexpr double kNoBeaconMHz = 0.000001;
constexpr const char* kLabel = "lbl_beacon";
} // namespace

BeaconTuning::BeaconTuning(FrequencyPlan& plan, core::Panel& panel, BeaconHooks hooks)
    : plan_(plan), panel_(panel), hooks_(std::move(hooks)) {}

void BeaconTuning::bind(core::Panel& panel) {
    panel.bind(kLabel, core::Gesture::DblClick, [this](int) { lbl_beacon_DblClick(); });
    panel.bind(kLabel, core::Gesture::Click, [this](int) { lbl_beacon_Click(); });
    panel.setForeColor(kLabel, core::colour::kNavy);
}

bool BeaconTuning::hasBeacon() const {
    return hooks_.satelliteSelected() && plan_.beacon > kNoBeaconMHz;
}

bool BeaconTuning::onBeacon() const {
    return hasBeacon() && plan_.downlink == plan_.beacon;
}

// Already on the beacon, the downlink saved before stays the one to go back to.
void BeaconTuning::lbl_beacon_DblClick() {
    if (!hasBeacon()) return;
    if (!onBeacon()) savedDownlink_ = plan_.downlink;
    plan_.downlink = plan_.beacon;
    panel_.setForeColor(kLabel, core::colour::kRed);
    hooks_.showPlan();
}

void BeaconTuning::lbl_beacon_Click() {
    if (!hasBeacon()) return;
    if (onBeacon() && savedDownlink_) {
        plan_.downlink = *savedDownlink_;
        hooks_.showPlan();
    }
    panel_.setForeColor(kLabel, core::colour::kNavy);
}

void BeaconTuning::reset() {
    savedDownlink_.reset();
    panel_.setForeColor(kLabel, core::colour::kNavy);
}

} // namespace orv::radio
