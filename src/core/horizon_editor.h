// The horizon-table editor as a model: 36 boxes, one per 10-degree azimuth segment,
// and the window's two buttons. The dialog in the view only shows it.
#pragma once

#include "core/sky_store.h"

#include <functional>
#include <string>

namespace orv::platform {
class Dialogs;
}

namespace orv::core {

class HorizonEditor {
public:
    static constexpr const char* kTitle = "Horizon Table     (Enter maximum elevation angle)";
    static constexpr const char* kSaveCaption = "SAVE and  Reset Program";
    static constexpr const char* kHelpCaption = "Help";

    struct Hooks {
        std::function<void()> saved; // the table in memory is rebuilt from the store
    };

    HorizonEditor(SettingsStore& store, platform::Dialogs& dialogs, Hooks hooks)
        : store_(store), dialogs_(dialogs), hooks_(std::move(hooks)) {}

    // Text1..Text36: box s is segment s.
    std::string& text(int s) { return boxes_.at(size_t(s - 1)); }
    const std::string& text(int s) const { return boxes_.at(size_t(s - 1)); }
    static std::string label(int s) { return horizonSegmentLabel(s); }

    bool isOpen() const { return open_; }
    std::function<void()> onChange;

    void Form_Load();      // opens with the stored values
    void Command1_Click(); // "SAVE and  Reset Program"
    void Command2_Click(); // "Help"
    void close();          // the window closed without saving

private:
    void notify() const {
        if (onChange) onChange();
    }

    SettingsStore& store_;
    platform::Dialogs& dialogs_;
    Hooks hooks_;
    HorizonTexts boxes_{};
    bool open_ = false;
};

} // namespace orv::core
