// The beacon label: a double-click puts the downlink at the satellite on the
// satellite's beacon, a click takes it back to where it was.
#pragma once

#include "core/panel.h"
#include "radio/frequency_plan.h"

#include <functional>
#include <optional>

namespace orv::radio {

struct BeaconHooks {
    std::function<bool()> satelliteSelected;
    std::function<void()> showPlan;
};

class BeaconTuning {
public:
    BeaconTuning(FrequencyPlan& plan, core::Panel& panel, BeaconHooks hooks);
    void bind(core::Panel& panel);

    void lbl_beacon_DblClick();
    void lbl_beacon_Click();
    // A plan loaded afresh: nothing to go back to, the label at rest.
    void reset();

    bool onBeacon() const;

private:
    bool hasBeacon() const;

    FrequencyPlan& plan_;
    core::Panel& panel_;
    BeaconHooks hooks_;
    std::optional<double> savedDownlink_;
};

} // namespace orv::radio
