#include "core/satellite_editor.h"

#include "core/number_text.h"
#include "core/station_state.h"

namespace orv::core {

void SatelliteEditor::Form_Load() {
    open_ = true;
    saveCaption_ = db_.count() == kSatelliteListLimit
                       ? "Save/Refresh  Entries                                     Satellite "
                         "Data Base Full"
                       : "Save/Refresh  Entries";
    const std::string selected =
        hooks_.selectedSatellite ? hooks_.selectedSatellite() : kNoSatellite;
    if (selected == kNoSatellite || !hooks_.elementsExist ||
        !hooks_.elementsExist(elementName(selected))) {
        if (hooks_.markElementsMissing) hooks_.markElementsMissing();
        close();
        return;
    }
    text(1) = selected;
    edit_Click();
    notify();
}

void SatelliteEditor::edit_Click() {
    text(1) = upperCased(text(1));
    const auto record = db_.read(text(1));
    if (record) fill(*record);
    notify();
}

void SatelliteEditor::fill(const SatelliteRecord& record) {
    boxes_ = record;
    uplinkVisible_ = text(2) != "Analog";
}

void SatelliteEditor::standard_Click() {
    fill(satelliteTemplate(false, text(1)));
    uplinkVisible_ = true;
    notify();
}

void SatelliteEditor::ao40_Click() {
    fill(satelliteTemplate(true, text(1)));
    uplinkVisible_ = false;
    notify();
}

void SatelliteEditor::save_Click() {
    if (text(2).empty() && text(6).empty()) {
        text(1).clear();
        notify();
        return;
    }
    text(1) = upperCased(trimmed(text(1)));
    if (text(1).empty()) {
        tell("The satellite has no name: enter its name, exactly as in the element set, in "
             "the first box and save again. Nothing was saved.");
        notify();
        return;
    }
    const SatelliteRecord record = boxes_;
    if (record[17] == "34" && record[14].find(',') == std::string::npos) {
        notesOpen_ = true;
        helpCaption_ = "Correct error in DnLink Mode";
    }
    if (db_.save(record) == SatelliteDb::SaveResult::Full) {
        tell("The satellite data base is full: it holds " + std::to_string(kSatelliteListLimit) +
             " satellites. " + record[0] +
             " was not saved; delete a satellite you no longer track first.");
        notify();
        return;
    }
    if (hooks_.clearSelectionPending) hooks_.clearSelectionPending();
    if (hooks_.requestRefresh) hooks_.requestRefresh();
    close();
}

void SatelliteEditor::delete_Click() {
    text(1) = upperCased(text(1));
    if (db_.exists(text(1))) db_.remove(text(1));
    for (int k = 2; k <= kSatelliteFieldCount; ++k)
        text(k).clear();
    if (hooks_.requestDeselection) hooks_.requestDeselection();
    close();
}

void SatelliteEditor::exit_Click() {
    close();
}

void SatelliteEditor::Command1_Click() {
    if (db_.exists(text(1))) db_.removeAllRecords();
    notify();
}

void SatelliteEditor::lbl_help_Click() {
    notesOpen_ = true;
    notify();
}

void SatelliteEditor::close() {
    open_ = false;
    notify();
}

const char* radioNotesTitle() {
    return "Notes on PCR-1000 and AR5000 Receivers";
}

const char* radioNotesText() {
    return "Most radios take the downlink mode as a plain name: FM, USB, LSB, CW.\n\n"
           "#34 PCR-1000: the DnLink Mode field holds the mode and the IF filter\n"
           "joined by a comma, for example\n"
           "    USB,3KHZ    FM,15KHZ    WFM,230KHZ    CW,2K8    AM,6KHZ\n"
           "Modes: LSB, USB, AM, CW, FM (or NBFM), WFM (or WBFM).\n"
           "Filters: 2K8, 3KHZ, 6KHZ, 15KHZ, 50KHZ, 230KHZ.\n"
           "Any other name is sent as LSB or as the 2.8 kHz filter, and a mode\n"
           "without its filter cannot be sent to the receiver.\n\n"
           "#35 AR5000 and #36 AR8000: the DnLink Mode field holds the receiver's own\n"
           "commands, separated by commas, sent as they stand when the satellite is\n"
           "selected, for example\n"
           "    VE,MD3,BW1,ST100,SJ2,AN4\n"
           "(VFO E, mode 3, bandwidth 1, step 100 Hz, step adjust 2, antenna 4).\n";
}

} // namespace orv::core
