// The editors the station owns, made reachable by name for typed gestures: the
// configuration editor as "Config" and the satellite editor as "Satellite".
#include "core/satellite_editor.h"
#include "station/station.h"

namespace orv::station {

namespace {
// Tells an editor's window that its boxes changed under it.
template <typename Editor> void notify(Editor& editor) {
    if (editor.onChange) editor.onChange();
}
} // namespace

void Station::registerEditorGestures() {
    gestures_.addEditor({
        .name = "Config",
        .boxes = numberedBoxes("Text", kConfigEntryCount,
                               [this](int k) -> std::string& { return configEditor().text(k); }),
        .buttons = {{"edit", [this] { configEditor().edit_Click(); }},
                    {"exit", [this] { configEditor().exit_Click(); }},
                    {"Command2", [this] { configEditor().Command2_Click(); }},
                    {"Command1", [this] { configEditor().Command1_Click(); }}},
        .changed = [this] { notify(configEditor()); },
    });
    gestures_.addEditor({
        .name = "Satellite",
        .boxes = numberedBoxes("Text", kSatelliteFieldCount,
                               [this](int k) -> std::string& { return satelliteEditor().text(k); }),
        .buttons = {{"edit", [this] { satelliteEditor().edit_Click(); }},
                    {"save", [this] { satelliteEditor().save_Click(); }},
                    {"standard", [this] { satelliteEditor().standard_Click(); }},
                    {"ao40", [this] { satelliteEditor().ao40_Click(); }},
                    {"delete", [this] { satelliteEditor().delete_Click(); }},
                    {"exit", [this] { satelliteEditor().exit_Click(); }},
                    {"Command1", [this] { satelliteEditor().Command1_Click(); }},
                    {"lbl_help", [this] { satelliteEditor().lbl_help_Click(); }}},
        .changed = [this] { notify(satelliteEditor()); },
    });
}

} // namespace orv::station
