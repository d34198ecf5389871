// An interface box driver on recording stand-ins for the line, the port, the waits
// and the dialogs, configured with the first-run defaults: the harnesses feed it
// what a box might answer and check what the station would take from it.
#pragma once

#include "core/configuration.h"
#include "fuzz_input.h"
#include "radio/reply_bytes.h"
#include "rotator/interface_box.h"

#include <memory>

namespace orv::fuzz {

inline core::ConfigValues defaultConfiguration(int variant) {
    std::array<std::string, core::kConfigEntryCount> stored;
    for (const auto& entry : core::kConfigEntries)
        stored[static_cast<size_t>(entry.key - 1)] = entry.defaultValue;
    return core::convertConfiguration(stored, variant);
}

struct BoxOnFakes {
    explicit BoxOnFakes(int variant) : config(defaultConfiguration(variant)) {
        startup.variant = variant;
        // No pauses and no patience: a box that is not ready stalls at once, so an
        // input always takes the same path.
        rotator::ParallelTiming timing;
        timing.shortSettle = timing.longSettle = timing.handshakeLimit = {};
        box = std::make_unique<rotator::InterfaceBox>(
            rotator::InterfaceBoxLinks{config, startup, frame, reply, link, panel, waits, dialogs,
                                       serial, port},
            rotator::InterfaceBoxHooks{}, timing);
        box->bindGestures();
    }

    // What the station takes from the reply: positions on the travel, and the radio's
    // answer bytes as far as the reply reaches.
    void checkReading() const {
        if (box->readingValid()) {
            check(box->azimuthCount() >= 0 && box->azimuthCount() <= 1023, "azimuth count");
            check(box->elevationCount() >= 0 && box->elevationCount() <= 1023, "elevation count");
        }
        if (const auto& last = box->lastValidPosition())
            check(last->azimuth >= 0 && last->azimuth <= 1023 && last->elevation >= 0 &&
                      last->elevation <= 1023,
                  "the last valid position lies on the travel");
        for (const int count : {0, 5, 14, 16, 300})
            check(radio::radioReplyBytes(reply, startup.variant, count).size() <=
                      static_cast<size_t>(count),
                  "no more answer bytes than asked for");
        check(box->presenceWord() != "", "presence has a word");
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
    std::unique_ptr<rotator::InterfaceBox> box;
};

} // namespace orv::fuzz
