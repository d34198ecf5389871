// The mean-anomaly schedule window (Form4) as a model: the satellite's name, the two
// columns of rows 1..6, ALON and ALAT, and the window's four buttons. Box k is the
// stored key k.
#pragma once

#include "core/sky_store.h"

#include <functional>
#include <string>

namespace orv::platform {
class Dialogs;
}

namespace orv::core {

class ScheduleEditor {
public:
    static constexpr const char* kTitle = "Sat Operational Mode Schedule ";
    static constexpr const char* kSaveCaption = "Save";
    static constexpr const char* kHelpCaption = "Help";
    static constexpr const char* kDefaultCaption = "Default";
    static constexpr const char* kExitCaption = "Exit without Save";

    struct Hooks {
        std::function<void()> saved; // the station rebuilds the MA table
    };

    ScheduleEditor(SettingsStore& store, platform::Dialogs& dialogs, Hooks hooks)
        : store_(store), dialogs_(dialogs), hooks_(std::move(hooks)) {}

    // Text1..Text14.
    std::string& text(int k) { return boxes_.at(size_t(k - 1)); }
    const std::string& text(int k) const { return boxes_.at(size_t(k - 1)); }
    // The caption of row r: "Satellite_1" .. "Satellite_6".
    static std::string rowLabel(int row);

    bool isOpen() const { return open_; }
    std::function<void()> onChange;

    void Form_Load();      // the stored schedule
    void Command1_Click(); // "Save"
    void Command2_Click(); // "Help"
    void Command3_Click(); // "Default": fills the boxes, stores nothing
    void Command4_Click(); // "Exit without Save"

private:
    void notify() const {
        if (onChange) onChange();
    }

    SettingsStore& store_;
    platform::Dialogs& dialogs_;
    Hooks hooks_;
    ScheduleTexts boxes_{};
    bool open_ = false;
};

const char* scheduleHelpText();

} // namespace orv::core
