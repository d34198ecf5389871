// An interface box on test doubles (or on given backends), with the station
// state it shares built from the default configuration.
#pragma once

#include "core/configuration.h"
#include "rotator/interface_box.h"

#include <memory>

namespace orv::test {

inline core::ConfigValues defaultConfig(int variant, int key = 0, std::string value = {}) {
    std::array<std::string, core::kConfigEntryCount> stored;
    for (const auto& entry : core::kConfigEntries)
        stored[static_cast<size_t>(entry.key - 1)] = entry.defaultValue;
    if (key) stored[static_cast<size_t>(key - 1)] = std::move(value);
    return core::convertConfiguration(stored, variant);
}

struct BoxFixture {
    explicit BoxFixture(int variant, platform::SerialLine* line = nullptr,
                        platform::PortIo* ports = nullptr)
        : config(defaultConfig(variant)) {
        startup.variant = variant;
        rotator::ParallelTiming timing;
        timing.shortSettle = timing.longSettle = std::chrono::nanoseconds(0);
        timing.handshakeLimit = std::chrono::milliseconds(2);
        rotator::InterfaceBoxHooks hooks;
        hooks.restartLoopTimer = [this](int ms) { loopRestarts.push_back(ms); };
        box = std::make_unique<rotator::InterfaceBox>(
            rotator::InterfaceBoxLinks{config, startup, frame, reply, link, panel, waits, dialogs,
                                       line ? *line : serial, ports ? *ports : port},
            hooks, timing);
        box->bindGestures();
    }

    core::ConfigValues config;
    core::StartupState startup;
    core::BoxFrame frame;
    core::BoxReply reply;
    core::RadioLinkTiming link;
    core::Panel panel;
    platform::RecordingWaits waits;
    platform::ScriptedDialogs dialogs;
    platform::FakeSerialLine serial;
    platform::FakePortIo port;
    std::vector<int> loopRestarts;
    std::unique_ptr<rotator::InterfaceBox> box;
};

} // namespace orv::test
