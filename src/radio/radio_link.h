// The one path from a radio driver to a radio: the driver writes its command
// into the box frame's payload, SendTheData stamps the header of the direction,
// notes the time the bytes take on the wire and hands the frame to the box
// driver's outs, which waits until the command has passed.
#pragma once

#include "core/box_frame.h"
#include "core/configuration.h"
#include "core/satellite_record.h"
#include "core/station_state.h"
#include "radio/link_settings.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::radio {

// Transfer codes: which radio a frame is for.
inline constexpr int kUplinkTransfer = 1;
inline constexpr int kDownlinkTransfer = 2;
inline constexpr int kDownlinkRead = 3;

struct RadioLinkWiring {
    core::BoxFrame& frame;
    core::RadioLinkTiming& timing; // read by the box driver for its wait
    const core::ConfigValues& config;
    const core::StartupState& startup;
};

struct RadioLinkHooks {
    std::function<bool()> satelliteSelected;
    std::function<void()> outs;
    std::function<int()> ecpValue;
    // The main-loop timer: no tick may start while a frame goes out.
    std::function<bool()> loopTimerActive;
    std::function<void()> stopLoopTimer;
    std::function<void()> startLoopTimer;
};

class RadioLink {
public:
    RadioLink(RadioLinkWiring wiring, RadioLinkHooks hooks);

    // The per-direction values of a newly loaded record.
    void loadSatellite(const core::SatelliteConfig& satellite);

    void SendTheData(int transfer, int bytes, double delayed);
    // Writes the command with its marker and sends it; false when it does not fit the
    // payload (nothing is sent then).
    bool sendCommand(int transfer, const std::vector<uint8_t>& command);
    // A text command: character k into slot k+1, sent on the current direction.
    void kenwood_send(std::string_view data_in);
    // A command that cannot go out: said on standard error and kept for the panel.
    void refuse(const std::string& reason);
    int refusals() const { return refusals_; }
    const std::string& lastRefusal() const { return lastRefusal_; }
    void fillPayloadWithMarker();

    // Runs `action` now, or, while a frame is going out (a gesture arriving inside the
    // box driver's wait), as soon as the send is over: two sends never interleave.
    void whenIdle(std::function<void()> action);
    bool sending() const { return sending_; }

    int variant() const { return wiring_.startup.variant; }
    LinkSettings& settings() { return settings_; }
    const LinkSettings& settings() const { return settings_; }
    LinkDirection& direction(int transfer);
    // The direction code drivers pass (1 uplink, 2 downlink), kept between calls.
    int currentTransfer = kUplinkTransfer;
    double extraCatDelayMs() const { return wiring_.timing.extraCatDelayMs; }
    void setExtraCatDelayMs(double ms) { wiring_.timing.extraCatDelayMs = ms; }
    const core::RadioLinkTiming& timing() const { return wiring_.timing; }
    core::BoxFrame& frame() { return wiring_.frame; }

private:
    void stampCommonSlots();
    void runDeferred();

    RadioLinkWiring wiring_;
    RadioLinkHooks hooks_;
    LinkSettings settings_;
    bool sending_ = false;
    std::vector<std::function<void()>> deferred_;
    int refusals_ = 0;
    std::string lastRefusal_;
};

} // namespace orv::radio
