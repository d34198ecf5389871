// The auto-track priority window (Form3) as a model: one row per listed satellite, its
// name and its priority box, and the window's three buttons.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace orv::platform {
class Dialogs;
}

namespace orv::core {

class SatelliteDb;
class SettingsStore;

class PriorityEditor {
public:
    static constexpr const char* kTitle =
        "Assign Priority 1 - 10        (Maximum of Ten satellites only)";
    static constexpr const char* kHint = "Edit if required before clicking Auto Track";
    static constexpr const char* kStartCaption = "Click to start Auto Tracking";
    static constexpr const char* kHelpCaption = "Help";
    static constexpr const char* kExitCaption = "EXIT";

    struct Hooks {
        // The priorities saved, in list order; the station switches auto-track on.
        std::function<void(std::vector<int>)> startAutoTrack;
    };

    PriorityEditor(const SatelliteDb& db, SettingsStore& store, platform::Dialogs& dialogs,
                   Hooks hooks)
        : db_(db), store_(store), dialogs_(dialogs), hooks_(std::move(hooks)) {}

    // Rows 1..rows(): the satellite's name and its priority box Text k (boxes up to the
    // list's limit exist, those beyond rows() are never stored).
    int rows() const { return static_cast<int>(names_.size()); }
    const std::string& name(int k) const { return names_.at(size_t(k - 1)); }
    std::string& text(int k) { return boxes_.at(size_t(k - 1)); }
    const std::string& text(int k) const { return boxes_.at(size_t(k - 1)); }

    bool isOpen() const { return open_; }
    std::function<void()> onChange;

    void Form_Load();      // the list (at most 30) and the stored priorities
    void Command1_Click(); // "Click to start Auto Tracking"
    void Command2_Click(); // "Help"
    void Command3_Click(); // "EXIT": closes, storing nothing

private:
    void notify() const {
        if (onChange) onChange();
    }

    const SatelliteDb& db_;
    SettingsStore& store_;
    platform::Dialogs& dialogs_;
    Hooks hooks_;
    std::vector<std::string> names_;
    std::vector<std::string> boxes_ = std::vector<std::string>(30);
    bool open_ = false;
};

// The priority window's help text.
const char* priorityHelpText();

} // namespace orv::core
