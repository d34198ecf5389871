// The configuration editor as a model: boxes Text1..Text35 and the buttons of
// the editor window. The dialog in the view only shows it.
#pragma once

#include "core/configuration.h"

#include <array>
#include <functional>
#include <string>

namespace orv::core {

class ConfigEditor {
public:
    struct Hooks {
        std::function<void()> endProgram;          // saving or uninstalling ends the run
        std::function<void()> clearOpenRequest;    // the main loop's open-editor request
        std::function<void()> redrawMapNextUpdate; // leaving without saving
    };

    ConfigEditor(Configuration& configuration, int variant, Hooks hooks)
        : configuration_(configuration), variant_(variant), hooks_(std::move(hooks)) {}

    // Text1..Text35: box k is text(k).
    std::string& text(int k) { return boxes_.at(k - 1); }
    const std::string& text(int k) const { return boxes_.at(k - 1); }
    static const char* label(int k) { return configEntry(k).label; }

    // Told whenever the boxes or the open state change (the dialog listens).
    std::function<void()> onChange;

    bool isOpen() const { return open_; }
    int variant() const { return variant_; }
    const std::string& helpFile() const { return helpFile_; }

    void open(const std::string& programDir);
    void edit_Click();     // "Edit File"
    void exit_Click();     // "Save Edit and Reset Prgm "
    void Command2_Click(); // "Exit without Saving"
    void Command1_Click(); // "Uninstall configuration file."

private:
    void close();
    void notify() const {
        if (onChange) onChange();
    }

    Configuration& configuration_;
    int variant_;
    Hooks hooks_;
    std::array<std::string, kConfigEntryCount> boxes_{};
    bool open_ = false;
    std::string helpFile_;
};

} // namespace orv::core
