#include "core/priority_editor.h"

#include "core/satellite_db.h"
#include "core/sky_store.h"
#include "platform/dialogs.h"

#include <algorithm>

namespace orv::core {

void PriorityEditor::Form_Load() {
    names_ = db_.names();
    if (names_.size() > size_t(kAutoTrackListLimit)) names_.resize(kAutoTrackListLimit);
    boxes_ = readPriorityTexts(store_, rows());
    boxes_.resize(kAutoTrackListLimit); // every box a window could show is there
    open_ = true;
    notify();
}

void PriorityEditor::Command1_Click() {
    if (!open_) return;
    std::vector<std::string> saved(boxes_.begin(), boxes_.begin() + rows());
    std::vector<int> priorities;
    for (auto& box : saved) {
        box = priorityText(box); // above 10 (or no priority at all) is kept empty
        priorities.push_back(priorityValue(box));
    }
    std::copy(saved.begin(), saved.end(), boxes_.begin());
    writePriorityTexts(store_, saved);
    open_ = false;
    if (hooks_.startAutoTrack) hooks_.startAutoTrack(std::move(priorities));
    notify();
}

void PriorityEditor::Command2_Click() {
    platform::DialogRequest request;
    request.text = priorityHelpText();
    dialogs_.show(request);
}

void PriorityEditor::Command3_Click() {
    open_ = false;
    notify();
}

const char* priorityHelpText() {
    return "Up to ten of the satellites in the data base can be given a priority\n"
           "level between 1 and 10. The highest priority is 10.\n"
           "\n"
           "Once Auto Tracking has been started the prioritised satellites are\n"
           "tracked as they appear over the horizon. When two or more of them are\n"
           "visible at the same time, the one with the highest priority is tracked.\n"
           "\n"
           "A satellite entered several times (mean anomaly configurations _1 to _6)\n"
           "must be given the same priority in every entry.\n"
           "\n"
           "After adding to or deleting from the satellite data base the whole\n"
           "range of priorities must be assigned again.\n"
           "\n"
           "There MUST BE MORE THAN 2 PRIORITY LEVELS SET.\n";
}

} // namespace orv::core
