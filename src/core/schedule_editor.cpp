#include "core/schedule_editor.h"

#include "platform/dialogs.h"

namespace orv::core {

std::string ScheduleEditor::rowLabel(int row) {
    return "Satellite_" + std::to_string(row);
}

void ScheduleEditor::Form_Load() {
    boxes_ = readSchedule(store_);
    open_ = true;
    notify();
}

void ScheduleEditor::Command1_Click() {
    if (!open_) return;
    writeSchedule(store_, boxes_);
    open_ = false;
    if (hooks_.saved) hooks_.saved();
    notify();
}

void ScheduleEditor::Command2_Click() {
    platform::DialogRequest request;
    request.text = scheduleHelpText();
    dialogs_.show(request);
}

void ScheduleEditor::Command3_Click() {
    boxes_ = defaultSchedule();
    notify();
}

void ScheduleEditor::Command4_Click() {
    open_ = false;
    notify();
}

const char* scheduleHelpText() {
    return "One satellite of the data base can be set up to reconfigure the radios\n"
           "and frequencies as it moves round its orbit, controlled by its mean\n"
           "anomaly (MA, 0 to 255 per orbit).\n"
           "\n"
           "Take the MA boundaries and the Alon/Alat figures from the published\n"
           "schedule or from telemetry. Each row ends at the last MA it covers.\n"
           "Apart from the first entry, a zero in the first column terminates\n"
           "the boundaries.\n"
           "\n"
           "At most six configurations can be used. Each is a satellite record\n"
           "named after the satellite with the suffix _1 to _6 (AO-40_1 ... AO-40_6).\n"
           "When a configuration is not found a default record form is presented.\n"
           "\n"
           "On leaving MA mode the configuration reverts to the standard satellite.\n";
}

} // namespace orv::core
