#include "core/horizon_editor.h"

#include "platform/dialogs.h"

namespace orv::core {

void HorizonEditor::Form_Load() {
    boxes_ = readHorizonTexts(store_);
    open_ = true;
    notify();
}

void HorizonEditor::Command1_Click() {
    if (!open_) return;
    writeHorizonTexts(store_, boxes_);
    open_ = false;
    if (hooks_.saved) hooks_.saved();
    notify();
}

void HorizonEditor::Command2_Click() {
    platform::DialogRequest request;
    request.text = "Enter the maximum elevation angle of the \n"
                   "obstruction on the horizon for those azimuth\n"
                   "segments that apply.";
    dialogs_.show(request);
}

void HorizonEditor::close() {
    open_ = false;
    notify();
}

} // namespace orv::core
