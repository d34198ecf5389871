// The operator's hold on the frequency plan: the tuning knob and its target and
// rate, the step buttons, the plan labels, the freeze of radio transactions,
// the retune lamps, and adjust_read, which takes a downlink radio's dial back
// into the plan.
#pragma once

#include "core/panel.h"
#include "radio/doppler_state.h"
#include "radio/frequency_plan.h"

#include <functional>

namespace orv::radio {

struct TuningWiring {
    FrequencyPlan& plan;
    DopplerState& doppler;
    core::Panel& panel;
};

struct TuningHooks {
    std::function<bool()> satelliteSelected;
    std::function<bool()> analogSatellite;
    std::function<void()> showPlan;
    std::function<void()> showDoppler;
    std::function<void()> releaseInhibits; // the inhibit labels' click handlers
};

inline constexpr int kInitialKnobRate = 10;
inline constexpr int kMaxKnobRate = 1000000;

class TuningControls {
public:
    TuningControls(TuningWiring wiring, TuningHooks hooks);
    void bind(core::Panel& panel);

    void Knob1_Change();
    void selectKnobTarget(int target);
    void lbl_fine_div_Click();
    void lbl_fine_mult_Click();
    void lbl_fraq_MouseDown(); // one rate up
    void lbl_fraq1_Click();    // one rate down
    void clear_knobs();
    void resetTuningControls();
    void resetKnobRate();
    void lbl_Base_DblClick();
    void lbl_UpText_DblClick();
    void lbl_UpText_Click();
    void upblu_DblClick() { wiring_.doppler.forceUplink = 1; }
    void dnred_DblClick() { wiring_.doppler.retuneDownlink = 1; }
    void adjust_read(double readingMHz);

    int knobTarget() const { return knobTarget_; }
    int knobRate() const { return knobRate_; }

private:
    void moveTarget(double deltaMHz);
    void showTargetValue();
    void showRate();

    TuningWiring wiring_;
    TuningHooks hooks_;
    int knobTarget_ = kKnobNone;
    int knobRate_ = kInitialKnobRate;
};

} // namespace orv::radio
