// The satellite editor as a model: boxes Text1..Text23, the templates, save,
// delete and uninstall. The dialog in the view only shows it.
#pragma once

#include "core/satellite_db.h"

#include <functional>
#include <string>

namespace orv::core {

class SatelliteEditor {
public:
    struct Hooks {
        std::function<std::string()> selectedSatellite; // "No Satellite selected" when none
        std::function<bool(const std::string&)> elementsExist;
        std::function<void()> markElementsMissing;
        std::function<void()> clearSelectionPending;
        std::function<void()> requestRefresh;
        std::function<void()> requestDeselection;
        std::function<void(const std::string&)> showMessage; // a save that stored nothing
    };

    SatelliteEditor(SatelliteDb& db, Hooks hooks) : db_(db), hooks_(std::move(hooks)) {}

    std::string& text(int k) { return boxes_.at(k - 1); }
    const std::string& text(int k) const { return boxes_.at(k - 1); }
    static const char* label(int k) { return kSatelliteFields.at(k - 1).label; }

    bool isOpen() const { return open_; }
    bool uplinkFrequencyVisible() const { return uplinkVisible_; }
    const std::string& saveCaption() const { return saveCaption_; }
    const std::string& helpCaption() const { return helpCaption_; }
    bool radioNotesOpen() const { return notesOpen_; }
    void closeRadioNotes() { notesOpen_ = false; }

    // Told whenever the boxes or the window state change.
    std::function<void()> onChange;

    void Form_Load();
    void edit_Click(); // "Edit File"
    // "Save/Refresh  Entries". The name is stored upper-cased and trimmed; a blank name or
    // a new name in a full database stores nothing, says why and leaves the editor open.
    void save_Click();
    void standard_Click(); // "Make  New Digital Satellite File"
    void ao40_Click();     // "Make New Analog Satellite File"
    void delete_Click();   // "Delete this Satellite"
    void exit_Click();     // "Exit without Saving"
    void Command1_Click(); // "Unistall Satellite Data Base"
    void lbl_help_Click(); // "Click for radio 34, 35 help"

private:
    void fill(const SatelliteRecord& record);
    void close();
    void tell(const std::string& text) {
        if (hooks_.showMessage) hooks_.showMessage(text);
    }
    void notify() {
        if (onChange) onChange();
    }

    SatelliteDb& db_;
    Hooks hooks_;
    SatelliteRecord boxes_{};
    bool open_ = false;
    bool uplinkVisible_ = true;
    bool notesOpen_ = false;
    std::string saveCaption_ = "Save/Refresh  Entries";
    std::string helpCaption_ = "Click for radio 34, 35 help";
};

// The radio notes window's title and text.
const char* radioNotesTitle();
const char* radioNotesText();

} // namespace orv::core
