// The Doppler pass run once per main-loop tick: the plan and the Doppler on the
// panel, the frequencies at the radios, and a retune of a radio only when its
// frequency moved past the record's step (or a retune was forced).
#pragma once

#include "core/panel.h"
#include "core/tracking_state.h"
#include "platform/waits.h"
#include "radio/doppler_state.h"
#include "radio/frequency_plan.h"

#include <functional>
#include <string>

namespace orv::radio {

struct DopplerPassWiring {
    const FrequencyPlan& plan;
    DopplerState& doppler;
    const core::TrackingState& tracking;
    core::Panel& panel;
    platform::Waits& waits;
};

// A link's lamps (resting and retuning) and the label of its radio's frequency.
struct LinkLabels {
    const char* restingLamp;
    const char* activeLamp;
    const char* frequency;
};

struct DopplerPassHooks {
    std::function<bool()> satelliteSelected;
    // Each tunes its radio and returns what the link refused on the way (empty when sent).
    std::function<std::string()> catcontrol_tx;
    std::function<std::string()> catcontrol_rx;
    std::function<bool()> fullDuplex;
    std::function<void()> duploxer;
    std::function<bool()> runEnded; // a frozen pass stops waiting when the run is over
};

class DopplerPass {
public:
    DopplerPass(DopplerPassWiring wiring, DopplerPassHooks hooks);

    void frequency();
    void freeze();
    // The plan frequencies, the converters and the transponder L.O. on the panel.
    void showPlan();
    void showDoppler();

private:
    void computeAtRadios();
    void retuneDownlink();
    void retuneUplink();
    void sendRetune(const std::function<std::string()>& tune, std::string& refusal,
                    const LinkLabels& labels);
    void countLampPasses(int& passes, const char* resting, const char* active);

    DopplerPassWiring wiring_;
    DopplerPassHooks hooks_;
};

} // namespace orv::radio
