// The radio subsystem on test doubles: every frame handed to outs is kept, the
// reply can be scripted, and the record is any template with overrides.
#pragma once

#include "core/configuration.h"
#include "radio/civ_frames.h"
#include "radio/frame_payload.h"
#include "radio/radios.h"

#include <memory>
#include <vector>

namespace orv::test {

inline core::ConfigValues radioConfig(int variant, std::string memoryChannel = "NO") {
    std::array<std::string, core::kConfigEntryCount> stored;
    for (const auto& entry : core::kConfigEntries)
        stored[static_cast<size_t>(entry.key - 1)] = entry.defaultValue;
    stored[23] = std::move(memoryChannel);
    return core::convertConfiguration(stored, variant);
}

using Bytes = std::vector<uint8_t>;

struct RadioFixture {
    explicit RadioFixture(int variant = 4, std::string memoryChannel = "NO")
        : config(radioConfig(variant, std::move(memoryChannel))),
          reply(variant == 3 ? core::ReplyForm::HexText : core::ReplyForm::Number) {
        startup.variant = variant;
        record = core::satelliteTemplate(false, "TEST");
        auto hooks = radio::stationlessHooks([this] {
            sent.push_back(frame);
            if (onOuts) onOuts();
        });
        hooks.satelliteSelected = [this] { return selected; };
        hooks.ins = [this] { ++reads; };
        hooks.ecpValue = [] { return 2; };
        hooks.markRadioSetupDone = [this] { radioSetupDone = 1; };
        hooks.loopTimerActive = [this] { return timerActive; };
        hooks.stopLoopTimer = [this] {
            timerActive = false;
            ++timerStops;
        };
        hooks.startLoopTimer = [this] { timerActive = true; };
        hooks.reloadSatellite = [this] { load(); };
        hooks.showMessage = [this](const std::string& text) { messages.push_back(text); };
        hooks.silenceBox = [this] { ++silenced; };
        radios = std::make_unique<radio::Radios>(radio::RadiosWiring{panel, waits, config, startup,
                                                                     satellite, record, tracking,
                                                                     frame, reply, timing},
                                                 hooks);
        radios->bind(panel);
    }

    // Takes the record (with its overrides) as the loaded satellite.
    void load() {
        satellite = core::typedSatellite(record, startup.variant);
        radios->applySatellite();
    }
    // Radio numbers and ports of both links, then load.
    void useRadios(int up, int down, int upPort = 1, int downPort = 2) {
        record[6] = std::to_string(up);
        record[7] = std::to_string(upPort);
        record[17] = std::to_string(down);
        record[18] = std::to_string(downPort);
        record[8] = record[19] = "9600";
        load();
    }
    // The payload of every frame sent so far, without the marker.
    std::vector<Bytes> payloads() const {
        std::vector<Bytes> out;
        for (const auto& f : sent) {
            auto bytes = radio::payloadBytes(f, startup.variant);
            if (!bytes.empty() && bytes.back() == radio::kPayloadEndMarker) bytes.pop_back();
            out.push_back(bytes);
        }
        return out;
    }
    // The payload of every frame sent so far as text, without the marker.
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& bytes : payloads())
            out.emplace_back(bytes.begin(), bytes.end());
        return out;
    }
    // Puts a CI-V reply where the variant's box returns radio bytes.
    void scriptReply(const Bytes& bytes) {
        const int first = startup.variant == 3 ? 1 : 9;
        for (size_t k = 0; k < bytes.size(); ++k)
            reply.set(first + static_cast<int>(k), bytes[k]);
    }

    core::ConfigValues config;
    core::StartupState startup;
    core::Panel panel;
    platform::RecordingWaits waits;
    core::SatelliteRecord record;
    core::SatelliteConfig satellite;
    core::TrackingState tracking;
    core::BoxFrame frame;
    core::BoxReply reply;
    core::RadioLinkTiming timing;
    bool selected = true;
    bool timerActive = false;
    int timerStops = 0;
    int reads = 0;
    int radioSetupDone = 0;
    std::vector<std::string> messages;
    int silenced = 0;
    std::vector<core::BoxFrame> sent;
    std::function<void()> onOuts;
    std::unique_ptr<radio::Radios> radios;
};

inline Bytes civ(uint8_t address, uint8_t command, Bytes data = {}) {
    return radio::civFrame(address, command, std::move(data));
}

} // namespace orv::test
