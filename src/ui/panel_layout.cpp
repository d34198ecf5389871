#include "ui/panel_layout.h"

#include <array>
#include <cstring>

namespace orv::ui {

namespace {
using B = PanelBlock;
using K = FieldKind;
using L = FieldLook;

constexpr const char* kFrequencySample = "10368.000000";
constexpr const char* kAngleSample = "-359.9";
constexpr const char* kLinkHint = "Dbl click: the large knob tunes this frequency";
constexpr const char* kKnobMessage =
    "Click and rotate the mouse within the knob clockwise to increase the freq, rotate "
    "anticlockwise to decrease the freq.Release and click the knob before reversing direction";
constexpr const char* kMapShowHint = "Dbl click to invoke world map. Click to restore";
constexpr const char* kEcpHint = "Click to toggle the external control outputs";

// Tracking: legend | value | unit | side column.
// Frequency: legend | uplink | unit | between the links | downlink | unit.
// Rotator: legend | azimuth | unit | elevation | unit.
// clang-format off
constexpr std::array kLayout = std::to_array<FieldPlacement>({
    // Tracking readouts and the choice of satellite.
    {"lbl_sat_name", B::Tracking, {0, 0, 4}, K::Action, L::Title, "No Satellite selected",
     "The current satellite being tracked.", false, "No Satellite selected"},
    {"txt_entre", B::Tracking, {1, 0, 2}, K::Entry, L::Plain, "",
     "Enter the name of the satellite and press Enter"},
    {"lbl_refresh", B::Tracking, {2, 3}, K::Action, L::Plain, "Refresh",
     "Dbl click to reload the satellite's parameters and set up its radios again"},
    {"lbl_Downlinkmain", B::Tracking, {1, 2}, K::Action, L::Plain, "\u25C0 _n",
     "Click: the satellite's previous mean-anomaly configuration (name_6 ... name_1, name)"},
    {"lbl_Uplinlkmain", B::Tracking, {1, 3}, K::Action, L::Plain, "_n \u25B6",
     "Dbl click: the satellite's next mean-anomaly configuration (name_1 ... name_6)"},
    {"lbl_status", B::Tracking, {2, 0, 3}, K::Label, L::Plain, "", "", false,
     "Type Sat Name and press Enter"},
    {"lbl_compAz", B::Tracking, {4, 1}, K::Label, L::Readout, "",
     "The satellite's computed azimuth bearing", false, kAngleSample},
    {"lbl_CompEle", B::Tracking, {5, 1}, K::Label, L::Readout, "",
     "The satellite's computed Elevation", false, kAngleSample},
    {"lbl_track", B::Tracking, {10, 0, 4}, K::Action, L::Plain, "Elevation sign test",
     "Click to track with the sign of the satellite's elevation changed"},
    {"lbl_Testtrak", B::Tracking, {10, 0, 4}, K::Action, L::Lamp,
     "Satellite's elevation changed in sign",
     "Double click to change the sign of the satellite's elevation.", true},
    {"lbl_range", B::Tracking, {6, 0, 3}, K::Label, L::Plain, "", "Range", false, "Range 40000 kM"},
    {"lbl_rangerate", B::Tracking, {7, 1}, K::Label, L::Readout, "",
     "Range rate, positive while the satellite recedes", false, "-7.999"},
    {"lbl_ma256", B::Tracking, {8, 1}, K::Label, L::Readout, "", "Mean anomaly", false, "255"},
    {"lbl_sq6", B::Tracking, {9, 0, 4}, K::Label, L::Plain, "", "Squint", false,
     "Squint Angle 180.0 Deg."},
    {"lbl_sched", B::Tracking, {11, 0, 3}, K::Action, L::Plain, "Auto Track",
     "Dbl click to start Auto Tracking, click to stop", false, "Auto Tracking is OFF"},
    {"lbl_bump", B::Tracking, {11, 3}, K::Action, L::Plain, "Bump",
     "Double Click to bump priorities down in Auto Tracking mode. "},
    {"lbl_phase", B::Tracking, {12, 0, 3}, K::Action, L::Plain, "MA Track",
     "Dbl click to start Mean Anomaly tracking, click to stop", false, "MA Tracking is OFF"},
    {"lbl_satmode", B::Tracking, {12, 3}, K::Action, L::Plain, "MA Schedule",
     "Dbl click to edit the Mean Anomaly schedule"},
    {"lbl_kepler", B::Tracking, {13, 0, 3}, K::Action, L::Plain, "Update Keps", "Update Keps"},
    {"lbl_hoztable", B::Tracking, {13, 3}, K::Action, L::Plain, "Horizon Table",
     "Dbl click to edit the horizon table"},
    {"lbl_kep_error", B::Tracking, {14, 0, 4}, K::Action, L::Hint,
     "    Error in NORAD 2 element file. Click this label for Help", "", true, "", 2},
    {"lbl_help", B::Tracking, {15, 0, 2}, K::Action, L::Plain, "Configuration",
     "Dbl click to access the Main configuation file."},
    {"lbl_Up_read", B::Tracking, {15, 2, 2}, K::Action, L::Plain, "Satellites",
     "Dbl Click to access the Satellite Data base"},
    {"lbl_about", B::Tracking, {16, 0, 2}, K::Action, L::Plain, "About", ""},
    {"cmd_Bye", B::Tracking, {16, 2, 2}, K::Button, L::Plain, "Exit",
     "Use this instead of the top right X"},
    {"lbl_version", B::Tracking, {17, 0, 4}, K::Label, L::Plain, "", "", false,
     "Ver 4.0.g  July 2004"},
    {"Label1", B::Tracking, {18, 0, 4}, K::Action, L::Hint,
     "Rest the mouse on a control to see what it does; click a hint to hide it.",
     "Click to hide this hint", false, "", 2},
    {"Text1", B::Tracking, {19, 0, 4}, K::Action, L::Hint,
     "Type a satellite's name into the box under its name and press Enter.",
     "Click to hide this hint", false, "", 2},
    {"Text2", B::Tracking, {20, 0, 4}, K::Action, L::Hint,
     "Requests are waiting for the next tick. Click to cancel them.",
     "Click to cancel the pending refresh, mean-anomaly and release requests", true, "", 2},
    {"lbl_epoch_age", B::Tracking, {21, 0, 4}, K::Label, L::Hint, "",
     "The selected element set is too old to trust", true,
     "positions may be far off; update the element file", 2},

    // The frequency panel: from the satellite (top) down to the radios.
    {"lbl_linkup", B::Frequency, {0, 1, 2}, K::Action, L::Lamp, "Uplink", kLinkHint},
    {"lbl_Base", B::Frequency, {0, 3}, K::Action, L::Hint, "Frequency at Satellite",
     "Dbl click to show the transponder L.O. and let the large knob tune it", false,
     "Local Oscillator frequency", 2},
    {"lbl_linkdn", B::Frequency, {0, 4, 2}, K::Action, L::Lamp, "Downlink", kLinkHint},
    {"lbl_UpFreq", B::Frequency, {1, 1}, K::Label, L::Readout, "",
     "Satellite's Receiving Frequency", false, kFrequencySample},
    {"lbl_transp", B::Frequency, {1, 3}, K::Action, L::Readout, "",
     "Satellite's Transponder Local Oscillator frequency", true, kFrequencySample},
    {"lbl_DnFreq", B::Frequency, {1, 4}, K::Label, L::Readout, "",
     "Satellite's transmitting frequency", false, kFrequencySample},
    {"lbl_UpVal", B::Frequency, {2, 1}, K::Label, L::Readout, "",
     "Instantaneous Up Link Doppler Value.", false, "-99999"},
    {"lbl_UpText", B::Frequency, {10, 0, 3}, K::Action, L::Plain, "Doppler (Hz.)",
     "Dbl click to freeze all radio transactions", false, "Transactions frozen. Click to RESTORE"},
    {"lbl_DnVal", B::Frequency, {2, 4}, K::Label, L::Readout, "", "Instantaneous Doppler Value",
     false, "-99999"},
    {"lbl_UpDop", B::Frequency, {3, 1}, K::Label, L::Readout, "",
     " Ground Station's Transmitter Doppler Corrected Up Link frequency", false, kFrequencySample},
    {"lbl_fdt2x", B::Frequency, {3, 3}, K::Action, L::Plain, "Local tuning",
     "Dbl click: the large knob tunes the downlink here (local full Doppler tuning)"},
    {"lbl_DnDop", B::Frequency, {3, 4}, K::Label, L::Readout, "",
     "Ground Station's Received Doppler corrected frequency", false, kFrequencySample},
    {"lb_upcnvtr", B::Frequency, {4, 1}, K::Action, L::Readout, "", "Up Convertor L.O. Frequency",
     true, kFrequencySample},
    {"lbl_convdn", B::Frequency, {4, 4}, K::Action, L::Readout, "", "Down Convertor L.O. Frequency",
     true, kFrequencySample},
    {"lbl_UpMode", B::Frequency, {5, 1, 2}, K::Label, L::Readout, "No Mode", "Uplink mode"},
    {"lbl_tone", B::Frequency, {5, 3}, K::Label, L::Plain, "", "CTCSS tone", false,
     "Tone 254.1 Hz"},
    {"lbl_DnMode", B::Frequency, {5, 4, 2}, K::Label, L::Readout, "No Mode", "Downlink mode"},
    {"lbl_radio_up", B::Frequency, {6, 1, 2}, K::Label, L::Readout, "No Radio",
     "Radio and (Port) in use", false, "PCR-1000(4)"},
    {"lbl_radio_dn", B::Frequency, {6, 4, 2}, K::Label, L::Readout, "No Radio",
     "Radio and (Port) in use", false, "PCR-1000(4)"},
    {"upblu", B::Frequency, {7, 1, 2}, K::Action, L::Lamp, "Tx",
     "Dbl click to update the uplink radio now"},
    {"upgrn", B::Frequency, {7, 1, 2}, K::Label, L::Lamp, "Tx", "The uplink radio was retuned",
     true},
    {"dnred", B::Frequency, {7, 4, 2}, K::Action, L::Lamp, "Rx",
     "Dbl click to update the downlink radio now"},
    {"dngrn", B::Frequency, {7, 4, 2}, K::Label, L::Lamp, "Rx", "The downlink radio was retuned",
     true},
    {"lbl_inhibit_tx", B::Frequency, {8, 1, 2}, K::Action, L::Plain, "Inhibit Tx Doppler",
     "Click to inhibit uplink doppler.. Click to restore", false, "Restore Tx Doppler"},
    {"lbl_freq_reset", B::Frequency, {8, 3}, K::Action, L::Plain, "Reset panel",
     "Click to reset the screen to its default presentation"},
    {"Lbl_inhibit_rx", B::Frequency, {8, 4, 2}, K::Action, L::Plain, "Inhibit Rx Doppler",
     "Click to inhibit downlink doppler.. Click to restore", false, "Restore Rx Doppler"},
    {"lbl_ptt_off", B::Frequency, {9, 1, 2}, K::Action, L::Lamp, "PTT  RX", "Click to transmit",
     true},
    {"lbl_ptt_on", B::Frequency, {9, 1, 2}, K::Action, L::Lamp, "PTT  TX", "Click to receive",
     true},
    {"lbl_beacon", B::Frequency, {9, 3}, K::Action, L::Plain, "Beacon",
     "Dbl click to tune the downlink to the satellite's beacon; click to return to the previous "
     "downlink"},
    {"lbl_down_read", B::Frequency, {9, 4, 2}, K::Action, L::Plain, "Read in Dnlink",
     "Double click this button to read the Downlink frequency into ORV_KITE."},
    {"lbl_fdt", B::Frequency, {10, 3}, K::Action, L::Plain, "Remote tuning",
     "Tune the downlink on the radio's dial, then dbl click: the Doppler correction carries on "
     "from there (remote full Doppler tuning)"},
    {"lbl_get_dnfreq", B::Frequency, {10, 4, 2}, K::Action, L::Plain, "Get DnLink",
     "Tune the radio's dial to the desired frequency and then Double Click this box"},
    // Shown while a linked program supplies the positions, when the knobs are hidden.
    {"Mask1", B::Knobs, {5, 0, 6}, K::Label, L::Hint, "", "Tracking data from the linked program",
     false, "", 2},

    // The knobs: the large tuning knob with its rate and steps, and the receiver's three.
    {"Knob1", B::Knobs, {0, 0, 1, 4}, K::Knob, L::Plain, "", kKnobMessage},
    {"lbl_satfreq", B::Knobs, {4, 0}, K::Label, L::Plain, "Tuning knob", ""},
    {"lbl_FreqFine", B::Knobs, {0, 1, 2}, K::Label, L::Readout, "10 Hz. Rate",
     "The rate in Hertz that the frequency increments when the knob is rotated", false,
     "1,000,000 Hz. Rate"},
    {"lbl_fine_div", B::Knobs, {1, 1}, K::Action, L::Plain, "Rate / 10",
     "Decrease the tuning rate"},
    {"lbl_fine_mult", B::Knobs, {1, 2}, K::Action, L::Plain, "Rate x 10",
     "Increase the tuning rate"},
    {"lbl_fraq1", B::Knobs, {2, 1}, K::Action, L::Plain, "Step -", "Fine frequency decrement"},
    {"lbl_fraq", B::Knobs, {2, 2}, K::Action, L::Plain, "Step +", "Fine frequency increment"},
    {"Knob2", B::Knobs, {0, 3, 1, 3}, K::Knob, L::Plain, "", "Receiver volume"},
    {"Knob3", B::Knobs, {0, 4, 1, 3}, K::Knob, L::Plain, "", "Receiver squelch"},
    {"Knob4", B::Knobs, {0, 5, 1, 3}, K::Knob, L::Plain, "", "Receiver IF shift"},
    {"lbl_vol", B::Knobs, {3, 3}, K::Label, L::Plain, "Volume", ""},
    {"lbl_shift", B::Knobs, {3, 5}, K::Action, L::Plain, "IF Shift",
     "Click to centre the receiver's IF shift"},
    {"ch_agc", B::Knobs, {4, 3}, K::Check, L::Plain, "AGC", "Receiver AGC"},
    {"ch_att", B::Knobs, {4, 4}, K::Check, L::Plain, "ATT", "Receiver attenuator"},
    {"ch_nb", B::Knobs, {4, 5}, K::Check, L::Plain, "NB", "Receiver noise blanker"},
    {"lbl_knobmsg", B::Knobs, {5, 0, 6}, K::Label, L::Hint, kKnobMessage,
     "How to tune with the large knob", false, "", 2},
    {"lbl_finediag", B::Knobs, {6, 0, 6}, K::Action, L::Hint,
     "Dbl click Uplink, Downlink, a converter or the L.O. to choose what the large knob tunes",
     "Click to hide this hint", false, "", 2},
    {"lbl_local_msg", B::Knobs, {3, 1, 2}, K::Action, L::Hint, "",
     "Click to hide this message and reset the knobs", true, "", 2},

    // Rotators: what they are sent, where they are, and the operator's controls.
    {"lbl_compAz", B::Rotator, {1, 1}, K::Label, L::Readout, "",
     "The satellite's computed azimuth bearing", false, kAngleSample},
    {"lbl_CompEle", B::Rotator, {1, 3}, K::Label, L::Readout, "",
     "The satellite's computed Elevation", false, kAngleSample},
    {"lbl_Azfed", B::Rotator, {2, 1}, K::Label, L::Readout, "",
     "The Azimuth position of the rotator.", false, kAngleSample},
    {"lbl_Elfed", B::Rotator, {2, 3}, K::Label, L::Readout, "",
     "The Elevation angle of the rotator.", false, kAngleSample},
    {"lbl_Valaz", B::Rotator, {3, 1}, K::Label, L::Readout, "",
     "Slew applied to the azimuth: the slider plus the configuration", false, kAngleSample},
    {"lbl_Valel", B::Rotator, {3, 3}, K::Label, L::Readout, "",
     "Slew applied to the elevation: the slider plus the configuration", false, kAngleSample},
    {"redled", B::Rotator, {4, 1, 2}, K::Action, L::Lamp, "Az stopped",
     "Double click to force an azimuth rotator update"},
    {"grnled", B::Rotator, {4, 1, 2}, K::Action, L::Lamp, "Az moving",
     "Double click to force an azimuth rotator update", true},
    {"redled1", B::Rotator, {4, 3, 2}, K::Action, L::Lamp, "El stopped",
     "Double click to force an elevation rotator update"},
    {"grnled1", B::Rotator, {4, 3, 2}, K::Action, L::Lamp, "El moving",
     "Double click to force an elevation rotator update", true},
    {"ch_az", B::Rotator, {5, 1, 2}, K::Check, L::Plain, "Azimuth",
     "Enable or inhibit the azimuth rotator"},
    {"ch_el", B::Rotator, {5, 3, 2}, K::Check, L::Plain, "Elevation",
     "Enable or inhibit the elevation rotator"},
    {"hs_hf", B::Rotator, {6, 1, 2}, K::Bar, L::Plain, "",
     "Azimuth rotator position over its travel"},
    {"vs_vertical", B::Rotator, {6, 3, 2}, K::Bar, L::Plain, "",
     "Elevation rotator position over its travel"},
    {"lbl_ant0", B::Rotator, {7, 1, 2}, K::Scale, L::Plain, "S  SW  W  NW  N  NE  E  SE  S", "",
     true},
    {"lbl_ant1", B::Rotator, {7, 1, 2}, K::Scale, L::Plain, "N  NE  E  SE  S  SW  W  NW  N", "",
     true},
    {"lbl_ant2", B::Rotator, {7, 1, 2}, K::Scale, L::Plain, "N  NE  E  SE  S  SW  W  NW  N  NE  E",
     "", true},
    {"lbl_ant3", B::Rotator, {7, 1, 2}, K::Scale, L::Plain, "SE  S  SW  W  NW  N  NE  E  SE  S  SW",
     "", true},
    {"lbl_ant4", B::Rotator, {7, 1, 2}, K::Scale, L::Plain, "S  SW  W  NW  N  NE  E  SE  S  SW  W",
     "", true},
    {"lbl_ant5", B::Rotator, {7, 1, 2}, K::Scale, L::Plain, "NW  N  NE  E  SE  S  SW  W  NW  N  NE",
     "", true},
    {"hs_Azimuth", B::Rotator, {8, 1, 2}, K::Slider, L::Plain, "",
     "Manual azimuth offset, degrees"},
    {"hs_elevation", B::Rotator, {8, 3, 2}, K::Slider, L::Plain, "",
     "Manual elevation offset, degrees"},
    {"ResetAz", B::Rotator, {9, 1, 2}, K::Button, L::Plain, "Reset Az",
     "Clear the manual azimuth offset", true},
    {"ResetEl", B::Rotator, {9, 3, 2}, K::Button, L::Plain, "Reset El",
     "Clear the manual elevation offset", true},
    {"lbl_rot", B::Rotator, {10, 0, 3}, K::Label, L::Lamp, "Rotators Active", "Rotator state",
     false, "Park Timer 550"},
    {"lbl_flip_mode", B::Rotator, {10, 3, 2}, K::Action, L::Lamp, "Flipping Off",
     "Status of the Flipping Flag", false, "Flip this pass?"},
    {"lbl_recip", B::Rotator, {11, 0, 3}, K::Label, L::Lamp, "Flipped Reciprocal Bearings", "",
     true, "Flipped Reciprocal Bearings"},
    {"Lbl_force_park", B::Rotator, {11, 3, 2}, K::Action, L::Plain, "Force Park",
     "Dbl Click to force antenna parking", true},
    {"lbl_calib", B::Rotator, {12, 0}, K::Action, L::Plain, "Calibrate",
     "Click to calibrate the rotators; double click to end"},
    {"lbl_calaz", B::Rotator, {12, 1, 2}, K::Label, L::Readout, "", "Raw azimuth count", true,
     "1023"},
    {"lbl_calel", B::Rotator, {12, 3, 2}, K::Label, L::Readout, "", "Raw elevation count", true,
     "1023"},

    // The interface box and the clocks: legend | value | legend | value | value.
    {"lbl_standalone", B::Box, {0, 1, 3}, K::Label, L::Plain, "", "Source of tracking data", false,
     "Linked to Nova for Windows"},
    {"hrdw_reset", B::Box, {0, 4}, K::Action, L::Plain, "Reset Hardware",
     "Click to Reset the Orv_Kite hardware"},
    {"lbl_azctrl", B::Box, {1, 1, 2}, K::Label, L::Lamp, "Printer Port or Hardware missing",
     "Interface box fault", true, "Printer Port or Hardware missing"},
    {"lbl_extcontrolport", B::Box, {1, 4}, K::Label, L::Readout, "", "Interface box resets seen",
     false, "5000"},
    {"img_Ecp0Black", B::Box, {2, 1}, K::Action, L::Lamp, "ECP 0 off", kEcpHint},
    {"img_Ecp0Red", B::Box, {2, 1}, K::Action, L::Lamp, "ECP 0 ON", kEcpHint, true},
    {"img_Ecp1Black", B::Box, {2, 3}, K::Action, L::Lamp, "ECP 1 off", kEcpHint},
    {"img_Ecp1Red", B::Box, {2, 3}, K::Action, L::Lamp, "ECP 1 ON", kEcpHint, true},
    {"lbl_UTCbox", B::Box, {3, 0}, K::Action, L::Caption, "UTC", ""},
    {"lbl_UTC", B::Box, {3, 1}, K::Label, L::Readout, "", "Coordinated Universal Time  or   (GMT)",
     false, "23:59:59"},
    {"lbl_time", B::Box, {3, 2}, K::Action, L::Caption, "Local", ""},
    {"lbl_timebox", B::Box, {3, 3}, K::Label, L::Readout, "", "Local Time", false, "23:59:59"},
    {"lbl_datebox", B::Box, {3, 4}, K::Label, L::Readout, "", "Local date", false, "2018-12-31"},
    {"lbl_date", B::Box, {4, 0, 5}, K::Action, L::Hint, "", "", false, "", 2},
    {"Label4", B::Box, {5, 0, 5}, K::Action, L::Hint, "",
     "Bytes last received from the interface box. Click to hide", false, "", 2},

    // Texts the map shows over its picture.
    {"lbl_maptext", B::Map, {0, 0, 3}, K::Label, L::Plain, "", ""},
    {"txt_calib", B::Map, {1, 0, 3}, K::Label, L::Hint, "", "", true},
    {"lbl_maplogo", B::Map, {2, 0, 3}, K::Label, L::Lamp, "", "", true},
    // The map's controls, under it.
    {"lbl_mapping", B::Map, {3, 0}, K::Action, L::Lamp, "", kMapShowHint, false, "World map"},
    {"lbl_map", B::Map, {3, 1}, K::Action, L::Lamp, "", kMapShowHint, false, "Control panel"},
    {"lbl_nz", B::Map, {4, 0}, K::Action, L::Lamp, "", "Centre the map on 0 degrees", false, "Map centre 0"},
    {"lbl_uk", B::Map, {4, 1}, K::Action, L::Lamp, "", "Centre the map on 180 degrees", false, "Map centre 180"},
    {"lbl_mapus", B::Map, {4, 2}, K::Action, L::Lamp, "", "Centre the map on 270 degrees", false, "Map centre 270"},
    {"lbl_mapon", B::Map, {5, 0}, K::Action, L::Lamp, "",
     "Click to restore or clean the map. (6 degree below horizon filter ON)", false, "Horizon filter off"},
    {"lbl_mapoff", B::Map, {5, 1}, K::Action, L::Lamp, "",
     "Click to restore or clean the map.  (6 degree below the horizon filter OFF)", false, "Horizon filter off"},
    {"lbl_sun_on", B::Map, {3, 2}, K::Action, L::Lamp, "", "Show the sun and the grey line", false, "Sun off"},
    {"lbl_sun_off", B::Map, {5, 2}, K::Action, L::Lamp, "", "Hide the sun and the grey line", false, "Sun off"},
});
// clang-format on

constexpr std::array kTexts = std::to_array<StaticText>({
    {B::Tracking, 4, 0, TextRole::Legend, "Azimuth"},
    {B::Tracking, 4, 2, TextRole::Unit, "\u00B0"},
    {B::Tracking, 5, 0, TextRole::Legend, "Elevation"},
    {B::Tracking, 5, 2, TextRole::Unit, "\u00B0"},
    {B::Tracking, 7, 0, TextRole::Legend, "Range rate"},
    {B::Tracking, 7, 2, TextRole::Unit, "km/s"},
    {B::Tracking, 8, 0, TextRole::Legend, "Mean anomaly"},
    {B::Tracking, 8, 2, TextRole::Unit, "/256"},

    {B::Frequency, 1, 0, TextRole::Legend, "At satellite"},
    {B::Frequency, 1, 2, TextRole::Unit, "MHz"},
    {B::Frequency, 1, 5, TextRole::Unit, "MHz"},
    {B::Frequency, 2, 0, TextRole::Legend, "Doppler"},
    {B::Frequency, 2, 2, TextRole::Unit, "Hz"},
    {B::Frequency, 2, 5, TextRole::Unit, "Hz"},
    {B::Frequency, 3, 0, TextRole::Legend, "At radio"},
    {B::Frequency, 3, 2, TextRole::Unit, "MHz"},
    {B::Frequency, 3, 5, TextRole::Unit, "MHz"},
    {B::Frequency, 4, 0, TextRole::Legend, "Converter L.O."},
    {B::Frequency, 4, 2, TextRole::Unit, "MHz"},
    {B::Frequency, 4, 5, TextRole::Unit, "MHz"},
    {B::Frequency, 5, 0, TextRole::Legend, "Mode"},
    {B::Frequency, 6, 0, TextRole::Legend, "Radio (port)"},
    {B::Frequency, 7, 0, TextRole::Legend, "Retune"},
    {B::Frequency, 8, 0, TextRole::Legend, "Updates"},

    {B::Knobs, 3, 4, TextRole::Legend, "Squelch"},

    {B::Rotator, 0, 1, TextRole::Head, "Azimuth"},
    {B::Rotator, 0, 3, TextRole::Head, "Elevation"},
    {B::Rotator, 1, 0, TextRole::Legend, "Computed"},
    {B::Rotator, 1, 2, TextRole::Unit, "\u00B0"},
    {B::Rotator, 1, 4, TextRole::Unit, "\u00B0"},
    {B::Rotator, 2, 0, TextRole::Legend, "Rotator"},
    {B::Rotator, 2, 2, TextRole::Unit, "\u00B0"},
    {B::Rotator, 2, 4, TextRole::Unit, "\u00B0"},
    {B::Rotator, 3, 0, TextRole::Legend, "Slew"},
    {B::Rotator, 3, 2, TextRole::Unit, "\u00B0"},
    {B::Rotator, 3, 4, TextRole::Unit, "\u00B0"},
    {B::Rotator, 4, 0, TextRole::Legend, "Drive"},
    {B::Rotator, 5, 0, TextRole::Legend, "Enabled"},
    {B::Rotator, 6, 0, TextRole::Legend, "Position"},
    {B::Rotator, 8, 0, TextRole::Legend, "Offset"},

    {B::Box, 0, 0, TextRole::Legend, "Tracking data"},
    {B::Box, 1, 0, TextRole::Legend, "Interface box"},
    {B::Box, 1, 3, TextRole::Legend, "Resets"},
    {B::Box, 2, 0, TextRole::Legend, "ECP 0"},
    {B::Box, 2, 2, TextRole::Legend, "ECP 1"},
});
} // namespace

std::span<const FieldPlacement> panelLayout() {
    return kLayout;
}

std::span<const StaticText> panelTexts() {
    return kTexts;
}

const FieldPlacement* placementOf(const char* name) {
    for (const auto& placement : kLayout)
        if (std::strcmp(placement.name, name) == 0) return &placement;
    return nullptr;
}

const char* blockTitle(PanelBlock block) {
    switch (block) {
    case B::Tracking:
        return "Tracking";
    case B::Frequency:
        return "Frequencies";
    case B::Knobs:
        return "Knobs";
    case B::Rotator:
        return "Rotators";
    case B::Box:
        return "Interface box and clock";
    case B::Map:
        return "World map";
    }
    return "";
}

} // namespace orv::ui
