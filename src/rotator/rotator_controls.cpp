// The operator's rotator controls: the enable switches, the manual offsets with
// their reset buttons, the forced park, the flip control, and the calibration of
// the position feedback.
#include "rotator/rotator_drive.h"

#include <QCoreApplication>

namespace orv::rotator {

namespace {
constexpr int kColourAttention = 255;
constexpr int kColourCalibrating = 65280;

const char* const kCalibrationText = "Using the manual switches move \r\n"
                                     "the antennas to their maximum \r\n"
                                     "travel.\r\n"
                                     "The direction is that which makes \r\n"
                                     "the green numbers increase in \r\n"
                                     "value.\r\n"
                                     "Adjust the voltage controls on the \r\n"
                                     "rotator controller box so that the \r\n"
                                     "black  boxes  toggle between 1022 \r\n"
                                     "and 1023.\r\n"
                                     "Click the RESTORE button to \r\n"
                                     "return to the main program.";
} // namespace

void RotatorDrive::bindGestures() {
    auto& panel = links_.panel;
    using core::Gesture;
    panel.bind("ch_az", Gesture::Click, [this](int) { ch_az_Click(); });
    panel.bind("ch_el", Gesture::Click, [this](int) { ch_el_Click(); });
    panel.bind("ResetAz", Gesture::Click, [this](int) { ResetAz_Click(); });
    panel.bind("ResetEl", Gesture::Click, [this](int) { ResetEl_Click(); });
    panel.bind("hs_Azimuth", Gesture::Change, [this](int) { hs_Azimuth_Change(); });
    panel.bind("hs_elevation", Gesture::Change, [this](int) { hs_elevation_Change(); });
    panel.bind("lbl_calib", Gesture::Click, [this](int) { lbl_calib_Click(); });
    panel.bind("lbl_calib", Gesture::DblClick, [this](int) { lbl_calib_DblClick(); });
    panel.bind("Lbl_force_park", Gesture::DblClick, [this](int) { Lbl_force_park_DblClick(); });
    panel.bind("lbl_flip_mode", Gesture::Click, [this](int) { lbl_flip_mode_Click(); });
    panel.setCaption("txt_calib", kCalibrationText);
    for (const char* hidden : {"ResetAz", "ResetEl", "lbl_calaz", "lbl_calel", "txt_calib"})
        panel.setVisible(hidden, false);
}

void RotatorDrive::ch_az_Click() {
    auto& panel = links_.panel;
    const bool on = azimuthSwitchOn();
    panel.setCaption("ch_az", on ? "Az Rotator Enabled" : "Restore Azimuth");
    panel.setForeColor("ch_az", on ? core::colour::kDefault : kColourAttention);
    panel.setVisible("lbl_Azfed", on);
}

void RotatorDrive::ch_el_Click() {
    auto& panel = links_.panel;
    const bool on = elevationSwitchOn();
    panel.setCaption("ch_el", on ? "El Rotator Enabled" : "Restore Elevation");
    panel.setForeColor("ch_el", on ? core::colour::kDefault : kColourAttention);
    panel.setVisible("lbl_Elfed", on);
}

void RotatorDrive::ResetAz_Click() {
    links_.panel.setVisible("ResetAz", false);
    links_.panel.setValue("hs_Azimuth", 0);
    hs_Azimuth_Change();
}

void RotatorDrive::ResetEl_Click() {
    links_.panel.setVisible("ResetEl", false);
    links_.panel.setValue("hs_elevation", 0);
    hs_elevation_Change();
}

void RotatorDrive::hs_Azimuth_Change() {
    auto& panel = links_.panel;
    const double offset = panel.value("hs_Azimuth");
    panel.setCaption("lbl_Valaz", degreesText(links_.config.azSlewing + offset));
    panel.setVisible("ResetAz", offset != 0);
}

void RotatorDrive::hs_elevation_Change() {
    auto& panel = links_.panel;
    const double offset = panel.value("hs_elevation");
    panel.setCaption("lbl_Valel", degreesText(links_.config.elSlewing + offset));
    panel.setVisible("ResetEl", offset != 0);
}

void RotatorDrive::lbl_calib_DblClick() {
    if (state_.calibrating) return;
    if (hooks_.setLoopTimerEnabled) hooks_.setLoopTimerEnabled(false);
    auto& panel = links_.panel;
    panel.setBackColor("lbl_calib", 0);
    panel.setForeColor("lbl_calib", kColourCalibrating);
    panel.setCaption("lbl_calib", "Restore");
    state_.calibrating = 1;
    panel.setVisible("lbl_Azfed", false);
    panel.setVisible("lbl_Elfed", false);
    for (const char* shown : {"lbl_calaz", "lbl_calel", "txt_calib"})
        panel.setVisible(shown, true);
    calibrationLoop();
    // Nothing was sent while calibrating: the rotators are free.
    showRotatorsFree();
}

// Shows the raw counts, not averaged, until the operator clicks Restore.
void RotatorDrive::calibrationLoop() {
    auto& panel = links_.panel;
    while (state_.calibrating) {
        if (QCoreApplication::instance()) QCoreApplication::processEvents();
        if (!state_.calibrating) break;
        if (ended()) {
            state_.calibrating = 0;
            break;
        }
        links_.box.ins();
        links_.waits.timerx(25);
        panel.setCaption("lbl_rot", "Calibrating");
        panel.setCaption("lbl_calaz", std::to_string(links_.box.azimuthCount()));
        panel.setCaption("lbl_calel", std::to_string(links_.box.elevationCount()));
        links_.waits.timerx(10);
    }
}

void RotatorDrive::lbl_calib_Click() {
    if (!state_.calibrating) return;
    state_.calibrating = 0;
    auto& panel = links_.panel;
    panel.setCaption("lbl_calib", "Calibrate");
    panel.setBackColor("lbl_calib", core::colour::kDefault);
    panel.setForeColor("lbl_calib", core::colour::kDefault);
    panel.setVisible("lbl_Azfed", azimuthSwitchOn());
    panel.setVisible("lbl_Elfed", elevationSwitchOn());
    for (const char* hidden : {"lbl_calaz", "lbl_calel", "txt_calib"})
        panel.setVisible(hidden, false);
    if (hooks_.setLoopTimerEnabled) hooks_.setLoopTimerEnabled(true);
}

} // namespace orv::rotator
