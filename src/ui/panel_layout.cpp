#include "ui/panel_layout.h"

#include <array>

namespace orv::ui {

namespace {
using G = PanelGroup;
using K = FieldKind;

constexpr std::array kLayout = std::to_array<FieldPlacement>({
    // Tracking readouts.
    {"lbl_sat_name", G::Tracking, K::Action, "No Satellite selected",
     "The current satellite being tracked."},
    {"txt_entre", G::Tracking, K::Entry, "", "Enter the name of the satellite and press Enter"},
    {"lbl_status", G::Tracking, K::Label, "", ""},
    {"lbl_compAz", G::Tracking, K::Label, "", "The satellite's computed azimuth bearing"},
    {"lbl_CompEle", G::Tracking, K::Label, "", "The satellite's computed Elevation"},
    {"lbl_range", G::Tracking, K::Label, "", "Range"},
    {"lbl_sq6", G::Tracking, K::Label, "", "Squint"},
    {"lbl_ma256", G::Tracking, K::Label, "", "Mean anomaly"},
    {"lbl_kep_error", G::Tracking, K::Action,
     "    Error in NORAD 2 element file. Click this label for Help", "", true},
    {"lbl_kepler", G::Tracking, K::Action, "Update Keps", "Update Keps"},
    {"lbl_sched", G::Tracking, K::Action, "", ""},

    // Frequency panel with its knobs.
    {"lbl_UpMode", G::Frequency, K::Label, "No Mode", "Uplink mode"},
    {"lbl_tone", G::Frequency, K::Label, "", "CTCSS tone"},
    {"lbl_DnMode", G::Frequency, K::Label, "No Mode", "Downlink mode"},
    {"lbl_radio_up", G::Frequency, K::Label, "No Radio", "Radio and (Port) in use"},
    {"lbl_radio_dn", G::Frequency, K::Label, "No Radio", "Radio and (Port) in use"},
    {"lbl_UpFreq", G::Frequency, K::Label, "", "Satellite's Receiving Frequency"},
    {"lbl_DnFreq", G::Frequency, K::Label, "", "Satellite's transmitting frequency"},
    {"lbl_UpDop", G::Frequency, K::Label, "",
     " Ground Station's Transmitter Doppler Corrected Up Link frequency"},
    {"lbl_DnDop", G::Frequency, K::Label, "",
     "Ground Station's Received Doppler corrected frequency"},
    {"lbl_UpVal", G::Frequency, K::Label, "", "Instantaneous Up Link Doppler Value."},
    {"lbl_DnVal", G::Frequency, K::Label, "", "Instantaneous Doppler Value"},
    {"lbl_shift", G::Frequency, K::Action, "IF Shift", ""},
    {"lbl_FreqFine", G::Frequency, K::Label, "10 Hz. Rate",
     "The rate in Hertz that the frequency increments when the knob is rotated"},
    {"Knob1", G::Frequency, K::Knob, "", ""},
    {"Knob2", G::Frequency, K::Knob, "", ""},
    {"Knob3", G::Frequency, K::Knob, "", ""},
    {"Knob4", G::Frequency, K::Knob, "", ""},
    {"lbl_Up_read", G::Frequency, K::Action, "Edit Satellite Parameters",
     "Dbl Click to access the Satellite Data base"},
    {"Mask1", G::Frequency, K::Label, "", ""},
    {"lbl_linkup", G::Frequency, K::Action, "Uplink", "Dbl click: the knob tunes the uplink"},
    {"lbl_linkdn", G::Frequency, K::Action, "Downlink", "Dbl click: the knob tunes the downlink"},
    {"lbl_Base", G::Frequency, K::Action, "Frequency at Satellite", ""},
    {"lbl_transp", G::Frequency, K::Action, "",
     "Satellite's Transponder Local Oscillator frequency", true},
    {"lb_upcnvtr", G::Frequency, K::Action, "", "Up Convertor L.O. Frequency", true},
    {"lbl_convdn", G::Frequency, K::Action, "", "Down Convertor L.O. Frequency", true},
    {"lbl_fdt2x", G::Frequency, K::Action, "Local Doppler Tuning",
     "Dbl click: the knob tunes the downlink"},
    {"lbl_UpText", G::Frequency, K::Action, "Doppler (Hz.)",
     "Dbl click to freeze all radio transactions"},
    {"upblu", G::Frequency, K::Action, "Tx", "Dbl click to update the uplink radio now"},
    {"upgrn", G::Frequency, K::Label, "Tx", "The uplink radio was retuned", true},
    {"dnred", G::Frequency, K::Action, "Rx", "Dbl click to update the downlink radio now"},
    {"dngrn", G::Frequency, K::Label, "Rx", "The downlink radio was retuned", true},
    {"lbl_fine_div", G::Frequency, K::Action, "Rate / 10", "Decrease the tuning rate"},
    {"lbl_fine_mult", G::Frequency, K::Action, "Rate x 10", "Increase the tuning rate"},
    {"lbl_fraq", G::Frequency, K::Action, "Step +", "Fine frequency increment"},
    {"lbl_fraq1", G::Frequency, K::Action, "Step -", "Fine frequency decrement"},
    {"lbl_inhibit_tx", G::Frequency, K::Action, "Inhibit Tx Doppler",
     "Click to inhibit uplink doppler.. Click to restore"},
    {"Lbl_inhibit_rx", G::Frequency, K::Action, "Inhibit Rx Doppler",
     "Click to inhibit downlink doppler.. Click to restore"},
    {"lbl_down_read", G::Frequency, K::Action, "Read in Dnlink",
     "Double click this button to read the Downlink frequency into ORV_KITE."},
    {"lbl_get_dnfreq", G::Frequency, K::Action, "Get DnLink",
     "Tune the radio's dial to the desired frequency and then Double Click this box"},
    {"lbl_fdt_read", G::Frequency, K::Action, "Remote Doppler Tuning",
     "Dbl click to read the downlink radio's dial"},
    {"lbl_refresh", G::Frequency, K::Action, "Refresh",
     "Dbl click to reload the satellite's parameters and set up its radios again"},
    {"lbl_ptt_off", G::Frequency, K::Action, "PTT  RX", "Click to transmit", true},
    {"lbl_ptt_on", G::Frequency, K::Action, "PTT  TX", "Click to receive", true},

    // Rotators.
    {"lbl_Azfed", G::Rotator, K::Label, "", "The Azimuth position of the rotator."},
    {"lbl_Elfed", G::Rotator, K::Label, "", "The Elevation angle of the rotator."},
    {"lbl_Valaz", G::Rotator, K::Label, "", "Azimuth slew"},
    {"lbl_Valel", G::Rotator, K::Label, "", "Elevation slew"},
    {"lbl_rot", G::Rotator, K::Label, "Rotators Active", "Rotator state"},
    {"lbl_flip_mode", G::Rotator, K::Action, "Flipping Off", "Status of the Flipping Flag"},
    {"lbl_recip", G::Rotator, K::Label, "Flipped Reciprocal Bearings", "", true},
    {"ch_az", G::Rotator, K::Check, "Azimuth", "Enable or inhibit the azimuth rotator"},
    {"ch_el", G::Rotator, K::Check, "Elevation", "Enable or inhibit the elevation rotator"},
    {"lbl_calib", G::Rotator, K::Action, "Calibrate", "Rotator calibration"},
    {"hs_hf", G::Rotator, K::Slider, "", "Azimuth rotator position"},
    {"lbl_ant0", G::Rotator, K::Label, "S  SW  W  NW  N  NE  E  SE  S", "", true},
    {"lbl_ant1", G::Rotator, K::Label, "N  NE  E  SE  S  SW  W  NW  N", "", true},
    {"lbl_ant2", G::Rotator, K::Label, "N  NE  E  SE  S  SW  W  NW  N  NE  E", "", true},
    {"lbl_ant3", G::Rotator, K::Label, "SE  S  SW  W  NW  N  NE  E  SE  S  SW", "", true},
    {"lbl_ant4", G::Rotator, K::Label, "S  SW  W  NW  N  NE  E  SE  S  SW  W", "", true},
    {"lbl_ant5", G::Rotator, K::Label, "NW  N  NE  E  SE  S  SW  W  NW  N  NE", "", true},
    {"vs_vertical", G::Rotator, K::Slider, "", "Elevation rotator position"},
    {"hs_Azimuth", G::Rotator, K::Slider, "", "Manual azimuth offset, degrees"},
    {"ResetAz", G::Rotator, K::Button, "Reset Az", "Clear the manual azimuth offset", true},
    {"hs_elevation", G::Rotator, K::Slider, "", "Manual elevation offset, degrees"},
    {"ResetEl", G::Rotator, K::Button, "Reset El", "Clear the manual elevation offset", true},
    {"Lbl_force_park", G::Rotator, K::Action, "Force Park", "Double click to park the antennas",
     true},
    {"lbl_calaz", G::Rotator, K::Label, "", "Raw azimuth count", true},
    {"lbl_calel", G::Rotator, K::Label, "", "Raw elevation count", true},
    {"txt_calib", G::Rotator, K::Label, "", "", true},

    // Interface box and status.
    {"lbl_standalone", G::Status, K::Label, "", "Source of tracking data"},
    {"lbl_azctrl", G::Status, K::Label, "Printer Port or Hardware missing", "Interface box fault",
     true},
    {"lbl_extcontrolport", G::Status, K::Label, "", "Interface box resets seen"},
    {"Label4", G::Status, K::Action, "", "Bytes last received from the interface box"},
    {"hrdw_reset", G::Status, K::Action, "Reset Hardware", "Click to Reset the Orv_Kite hardware"},
    {"img_Ecp0Black", G::Status, K::Action, "ECP 0 off",
     "Click to toggle the external control outputs"},
    {"img_Ecp0Red", G::Status, K::Action, "ECP 0 ON",
     "Click to toggle the external control outputs", true},
    {"img_Ecp1Black", G::Status, K::Action, "ECP 1 off",
     "Click to toggle the external control outputs"},
    {"img_Ecp1Red", G::Status, K::Action, "ECP 1 ON",
     "Click to toggle the external control outputs", true},
    {"redled", G::Status, K::Action, "Az stopped",
     "Double click to force an azimuth rotator update"},
    {"grnled", G::Status, K::Action, "Az moving", "Double click to force an azimuth rotator update",
     true},
    {"redled1", G::Status, K::Action, "El stopped",
     "Double click to force an elevation rotator update"},
    {"grnled1", G::Status, K::Action, "El moving",
     "Double click to force an elevation rotator update", true},
    {"lbl_UTCbox", G::Status, K::Action, "UTC", ""},
    {"lbl_UTC", G::Status, K::Label, "", "Coordinated Universal Time  or   (GMT)"},
    {"lbl_time", G::Status, K::Action, "Local", ""},
    {"lbl_timebox", G::Status, K::Label, "", "Local Time"},
    {"lbl_datebox", G::Status, K::Label, "", "Local date"},
    {"lbl_date", G::Status, K::Action, "", ""},
    {"lbl_help", G::Status, K::Action, "Main Configuration",
     "Dbl click to access the Main configuation file."},
    {"lbl_hoztable", G::Status, K::Action, "Horizon Table", ""},
    {"lbl_version", G::Status, K::Label, "", ""},
    {"lbl_about", G::Status, K::Action, "About", ""},
    {"cmd_Bye", G::Status, K::Button, "Exit", "Use this instead of the top right X"},

    // World map.
    {"lbl_maptext", G::Map, K::Label, "", ""},
    {"lbl_maplogo", G::Map, K::Label, "", "", true},
});
} // namespace

std::span<const FieldPlacement> panelLayout() {
    return kLayout;
}

const char* groupTitle(PanelGroup group) {
    switch (group) {
    case G::Tracking:
        return "Tracking";
    case G::Frequency:
        return "Frequencies";
    case G::Rotator:
        return "Rotators";
    case G::Status:
        return "Interface box and status";
    case G::Map:
        return "World map";
    }
    return "";
}

} // namespace orv::ui
