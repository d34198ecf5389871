#include "core/config_editor.h"

namespace orv::core {

void ConfigEditor::open(const std::string& programDir) {
    helpFile_ = programDir + "/orvkite.hlp";
    open_ = true;
    edit_Click();
    notify();
}

void ConfigEditor::edit_Click() {
    if (configuration_.read(variant_, 1).empty()) return;
    boxes_ = configuration_.readAll(variant_);
    notify();
}

void ConfigEditor::exit_Click() {
    configuration_.writeAll(variant_, boxes_);
    if (hooks_.clearOpenRequest) hooks_.clearOpenRequest();
    close();
    if (hooks_.endProgram) hooks_.endProgram();
}

void ConfigEditor::Command2_Click() {
    close();
    if (hooks_.redrawMapNextUpdate) hooks_.redrawMapNextUpdate();
}

void ConfigEditor::Command1_Click() {
    if (configuration_.read(variant_, 1).empty()) return;
    configuration_.remove(variant_);
    close();
    if (hooks_.endProgram) hooks_.endProgram();
}

void ConfigEditor::close() {
    open_ = false;
    notify();
}

} // namespace orv::core
