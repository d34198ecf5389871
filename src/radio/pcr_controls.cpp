#include "radio/pcr_controls.h"

#include <algorithm>

namespace orv::radio {

namespace {
// A knob notch moves a level by this much: a little over a turn covers 00 to FF.
constexpr int kLevelPerNotch = 2;
constexpr const char* kShiftCentred = "IF Shift";
constexpr const char* kShiftMoved = "RESET"; // click to centre it again
constexpr const char* kControls[] = {"ch_att",    "ch_agc", "ch_nb", "lbl_vol",
                                     "lbl_shift", "Knob2",  "Knob3", "Knob4"};
} // namespace

PcrControls::PcrControls(core::Panel& panel, Queue queue)
    : panel_(panel), queue_(std::move(queue)),
      levels_{{{"Knob2", pcr::kVolume, pcr::kStartVolume, pcr::kStartVolume},
               {"Knob3", pcr::kSquelch, pcr::kStartSquelch, pcr::kStartSquelch},
               {"Knob4", pcr::kIfShift, pcr::kIfShiftCentre, pcr::kIfShiftCentre}}} {}

void PcrControls::bind(core::Panel& panel) {
    using core::Gesture;
    panel.bind("ch_agc", Gesture::Click, [this](int) { ch_agc_Click(); });
    panel.bind("ch_att", Gesture::Click, [this](int) { ch_att_Click(); });
    panel.bind("ch_nb", Gesture::Click, [this](int) { ch_nb_Click(); });
    panel.bind("Knob2", Gesture::Change, [this](int) { Knob2_Change(); });
    panel.bind("Knob3", Gesture::Change, [this](int) { Knob3_Change(); });
    panel.bind("Knob4", Gesture::Change, [this](int) { Knob4_Change(); });
    panel.bind("lbl_shift", Gesture::Click, [this](int) { lbl_shift_Click(); });
}

void PcrControls::enable(bool on) {
    active_ = on;
    for (const char* name : kControls)
        panel_.setEnabled(name, on);
}

void PcrControls::showStartUpSettings() {
    for (Level& level : levels_) {
        level.value = level.start;
        panel_.setValue(level.knob, 0);
    }
    panel_.setValue("ch_agc", 1);
    panel_.setValue("ch_att", 0);
    panel_.setValue("ch_nb", 0);
    showShift();
    enable(true);
}

void PcrControls::clear_make_pcr1000() {
    enable(false);
}

void PcrControls::switchClicked(const char* box, pcr::Switch which) {
    if (!active_) return;
    queue_(pcr::switchCommand(which, panel_.value(box) != 0));
}

// A knob reports the notches turned since its last report; the level moves with them.
void PcrControls::turnKnob(size_t knob) {
    Level& level = levels_.at(knob);
    // A report beyond a whole range of notches is the whole range.
    const int notches = static_cast<int>(std::clamp(panel_.value(level.knob), -255.0, 255.0));
    panel_.setValue(level.knob, 0);
    if (!active_ || notches == 0) return;
    const int moved = std::clamp(level.value + notches * kLevelPerNotch, 0, 255);
    if (moved == level.value) return;
    level.value = moved;
    queue_(pcr::levelCommand(level.prefix, level.value));
    if (knob == kShiftKnob) showShift();
}

void PcrControls::lbl_shift_Click() {
    if (!active_) return;
    levels_[kShiftKnob].value = pcr::kIfShiftCentre;
    queue_(pcr::levelCommand(pcr::kIfShift, pcr::kIfShiftCentre));
    showShift();
}

void PcrControls::showShift() {
    panel_.setCaption("lbl_shift", levels_[kShiftKnob].value == pcr::kIfShiftCentre ? kShiftCentred
                                                                                    : kShiftMoved);
}

} // namespace orv::radio
