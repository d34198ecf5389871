// The panel's two element controls: "Update Keps" (restarts the age clock and runs
// the getkeps script beside the program) and the red element-error label.
#pragma once

#include <functional>
#include <string>

namespace orv::core {
class Panel;
struct ConfigValues;
} // namespace orv::core

namespace orv::platform {
class Dialogs;
class Launcher;
} // namespace orv::platform

namespace orv::orbit {

class ElementStore;

// The script's name in the program directory.
inline constexpr const char* kGetKepsScript = "getkeps";

class ElementControls {
public:
    struct Hooks {
        std::function<double()> today; // reads the clock, gives today's day number
        std::function<void()> mask_set;
        std::function<void(int)> error_msgs;
    };
    ElementControls(ElementStore& store, platform::Launcher& launcher, platform::Dialogs& dialogs,
                    const core::ConfigValues& config, std::string programDir, Hooks hooks);

    void bind(core::Panel& panel);

    // Stamps today as the age of the elements, then starts the script detached, without a
    // shell, with the element file it should write as its argument. The new file is read
    // at the next start.
    void lbl_kepler_Click();
    // Sets the tracking-data mask, then explains (message 3).
    void lbl_kep_error_Click();

private:
    ElementStore& store_;
    platform::Launcher& launcher_;
    platform::Dialogs& dialogs_;
    const core::ConfigValues& config_;
    std::string programDir_;
    Hooks hooks_;
};

} // namespace orv::orbit
