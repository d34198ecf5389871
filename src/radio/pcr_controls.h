// The panel's receiver controls, which work the PCR-1000: the AGC, attenuator and
// noise-blanker check boxes, the volume, squelch and IF-shift knobs (Knob2 to
// Knob4) and lbl_shift, which centres the IF shift again. A gesture only queues
// its command; the main loop sends it. While no PCR-1000 is set up the controls
// are disabled and their gestures do nothing.
#pragma once

#include "core/panel.h"
#include "radio/pcr_commands.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace orv::radio {

class PcrControls {
public:
    using Queue = std::function<void(std::string command)>;
    PcrControls(core::Panel& panel, Queue queue);
    void bind(core::Panel& panel);

    void ch_agc_Click() { switchClicked("ch_agc", pcr::Switch::Agc); }
    void ch_att_Click() { switchClicked("ch_att", pcr::Switch::Attenuator); }
    void ch_nb_Click() { switchClicked("ch_nb", pcr::Switch::NoiseBlanker); }
    void Knob2_Change() { turnKnob(kVolumeKnob); }
    void Knob3_Change() { turnKnob(kSquelchKnob); }
    void Knob4_Change() { turnKnob(kShiftKnob); }
    void lbl_shift_Click();

    // The set-up left the receiver at its start-up settings: the controls show them
    // and work from now on.
    void showStartUpSettings();
    // No PCR-1000 in use: the controls are disabled.
    void clear_make_pcr1000();
    bool active() const { return active_; }
    // The level a knob has set, 0 to 255: 0 volume, 1 squelch, 2 IF shift.
    int level(size_t knob) const { return levels_.at(knob).value; }

private:
    struct Level {
        const char* knob;
        std::string_view prefix;
        int start;
        int value;
    };
    static constexpr size_t kVolumeKnob = 0, kSquelchKnob = 1, kShiftKnob = 2;

    void switchClicked(const char* box, pcr::Switch which);
    void turnKnob(size_t knob);
    void showShift();
    void enable(bool on);

    core::Panel& panel_;
    Queue queue_;
    bool active_ = false;
    std::array<Level, 3> levels_;
};

} // namespace orv::radio
