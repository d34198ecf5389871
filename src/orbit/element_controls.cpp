#include "orbit/element_controls.h"

#include "core/configuration.h"
#include "core/panel.h"
#include "orbit/element_import.h"
#include "orbit/element_store.h"
#include "platform/dialogs.h"
#include "platform/launcher.h"

namespace orv::orbit {

ElementControls::ElementControls(ElementStore& store, platform::Launcher& launcher,
                                 platform::Dialogs& dialogs, const core::ConfigValues& config,
                                 std::string programDir, Hooks hooks)
    : store_(store), launcher_(launcher), dialogs_(dialogs), config_(config),
      programDir_(std::move(programDir)), hooks_(std::move(hooks)) {}

void ElementControls::bind(core::Panel& panel) {
    panel.bind("lbl_kepler", core::Gesture::Click, [this](int) { lbl_kepler_Click(); });
    panel.bind("lbl_kep_error", core::Gesture::Click, [this](int) { lbl_kep_error_Click(); });
}

void ElementControls::lbl_kepler_Click() {
    store_.stampAge(hooks_.today());
    const std::string script = programDir_ + "/" + kGetKepsScript;
    const std::string target = elementFilePath(programDir_, config_.kepPathFile);
    std::string error;
    if (launcher_.startDetached(script, {target}, programDir_, error)) return;
    platform::DialogRequest request;
    request.text = "The element update could not be started.\n\n" + error + "\n\nPlace an " +
                   "executable script named " + kGetKepsScript + " in " + programDir_ +
                   " that fetches new element sets to " + target + ".";
    request.icon = platform::DialogIcon::Exclamation;
    dialogs_.show(request);
}

void ElementControls::lbl_kep_error_Click() {
    hooks_.mask_set();
    hooks_.error_msgs(3);
}

} // namespace orv::orbit
