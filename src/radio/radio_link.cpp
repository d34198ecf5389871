#include "radio/radio_link.h"

#include "radio/frame_payload.h"
#include "radio/radio_header.h"

#include <cstdio>

namespace orv::radio {

namespace {
// Clears the sending mark however the send ends (a program end thrown inside outs).
struct SendingMark {
    bool& sending;
    explicit SendingMark(bool& flag) : sending(flag) { sending = true; }
    ~SendingMark() { sending = false; }
};
} // namespace

RadioLink::RadioLink(RadioLinkWiring wiring, RadioLinkHooks hooks)
    : wiring_(wiring), hooks_(std::move(hooks)) {}

void RadioLink::loadSatellite(const core::SatelliteConfig& satellite) {
    loadLinkSettings(settings_, satellite, variant());
    settings_.uplink.parameter = 0;
    settings_.downlink.parameter = 0;
    wiring_.timing.uplinkDelayMs = settings_.uplink.delayMs;
    wiring_.timing.downlinkDelayMs = settings_.downlink.delayMs;
}

LinkDirection& RadioLink::direction(int transfer) {
    return transfer == kUplinkTransfer ? settings_.uplink : settings_.downlink;
}

void RadioLink::stampCommonSlots() {
    core::BoxFrame& frame = wiring_.frame;
    const auto& config = wiring_.config;
    if (variant() == 3) {
        frame[49] = config.azDeadband;
        frame[50] = config.elDeadband;
        frame[1] = 3;
        frame[65] = 5;
    } else {
        frame[36] = config.azDeadband;
        frame[37] = config.elDeadband;
        frame[38] = hooks_.ecpValue ? hooks_.ecpValue() : 0;
    }
}

void RadioLink::SendTheData(int transfer, int bytes, double /*delayed: the driver adds it*/) {
    if (!hooks_.satelliteSelected()) return;
    // A send from a gesture between ticks gives the timer back afterwards; inside a
    // tick the timer stays stopped until the tick re-arms it.
    const bool timerWasActive = hooks_.loopTimerActive();
    hooks_.stopLoopTimer();
    {
        SendingMark mark(sending_);
        stampCommonSlots();
        wiring_.timing.lastTransfer = transfer;
        const bool known = transfer >= kUplinkTransfer && transfer <= kDownlinkRead;
        LinkDirection& dir = direction(transfer);
        const bool stamped =
            known && (variant() == 3 ? stampParallelHeader(wiring_.frame, transfer, dir)
                                     : stampSerialHeader(wiring_.frame, transfer, dir));
        if (stamped) wiring_.timing.transmissionMs = bytes * dir.msPerByte;
        hooks_.outs();
    }
    if (timerWasActive) hooks_.startLoopTimer();
    runDeferred();
}

bool RadioLink::sendCommand(int transfer, const std::vector<uint8_t>& command) {
    if (!writeCommand(wiring_.frame, command, variant())) {
        refuse("a radio command of " + std::to_string(command.size()) +
               " bytes does not fit the box frame");
        return false;
    }
    SendTheData(transfer, static_cast<int>(command.size()) + 1, extraCatDelayMs());
    return true;
}

void RadioLink::kenwood_send(std::string_view data_in) {
    // The text carries its own marker; it must not run into the header slots.
    if (static_cast<int>(data_in.size()) > payloadCapacity(variant())) {
        refuse("a radio command of " + std::to_string(data_in.size()) +
               " characters does not fit the box frame");
        return;
    }
    int slot = kPayloadFirstSlot;
    for (char c : data_in)
        wiring_.frame[slot++] = static_cast<uint8_t>(c);
    SendTheData(currentTransfer, static_cast<int>(data_in.size()), extraCatDelayMs());
}

void RadioLink::refuse(const std::string& reason) {
    std::fprintf(stderr, "orv_kite: %s; not sent\n", reason.c_str());
    ++refusals_;
    lastRefusal_ = reason;
}

void RadioLink::fillPayloadWithMarker() {
    radio::fillPayloadWithMarker(wiring_.frame, variant());
}

void RadioLink::whenIdle(std::function<void()> action) {
    if (!sending_) {
        action();
        return;
    }
    deferred_.push_back(std::move(action));
}

void RadioLink::runDeferred() {
    while (!sending_ && !deferred_.empty()) {
        auto action = std::move(deferred_.front());
        deferred_.erase(deferred_.begin());
        action();
    }
}

} // namespace orv::radio
