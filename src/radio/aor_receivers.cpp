// The AR5000 and AR8000 routines of the receiver family.
#include "radio/aor_commands.h"
#include "radio/frame_payload.h"
#include "radio/pcr_aor_family.h"
#include "radio/reply_bytes.h"

#include <cmath>
#include <cstdio>

namespace orv::radio {

namespace {
constexpr int kModeErrorColour = 0xFFFF; // yellow
constexpr int kReplyWaitMs = 400;
constexpr int kSerialCollectMs = 25;

// The 100 MHz band a frequency lies in: a reading from another band is not the downlink.
int bandOf(double mhz) {
    return static_cast<int>(std::floor(mhz / 100));
}
} // namespace

// Text goes out as the Kenwood texts do: over a payload of markers, with its own.
void PcrAorFamily::sendAorCommand(std::string_view command) {
    RadioLink& link = wiring_.link;
    link.fillPayloadWithMarker();
    link.kenwood_send(aor::withCarriageReturn(command) + static_cast<char>(kPayloadEndMarker));
}

void PcrAorFamily::init_ar5000(int transfer) {
    core::Panel& panel = wiring_.panel;
    const std::string& field = wiring_.satellite.downlinkMode;
    const auto setUp = aor::setUpCommands(field);
    if (!setUp) {
        panel.setCaption("lbl_DnMode", "Config Error");
        panel.setBackColor("lbl_DnMode", kModeErrorColour);
        return;
    }
    if (setUp->dropped > 0)
        std::fprintf(stderr,
                     "orv_kite: the DnLink Mode field \"%s\" holds more than %zu commands; "
                     "the last %zu not sent\n",
                     field.c_str(), aor::kMostSetUpCommands, setUp->dropped);
    wiring_.link.currentTransfer = transfer;
    for (const std::string& command : setUp->commands)
        sendAorCommand(command);
    if (const auto mode = aor::modeShown(setUp->commands)) panel.setCaption("lbl_DnMode", *mode);
}

void PcrAorFamily::ar5000(int transfer) {
    if (downlinkInhibited()) return;
    const auto command = aor::frequencyCommand(wiring_.state.frequencyText);
    if (!command) {
        wiring_.link.refuse("frequency text \"" + wiring_.state.frequencyText +
                            "\" is not a frequency the AOR receiver tunes");
        return;
    }
    wiring_.link.currentTransfer = transfer;
    sendAorCommand(*command);
}

// The dial goes to the plan only when it lies in the band of the downlink at the
// radio: a receiver tuned elsewhere by hand does not carry the satellite away.
void PcrAorFamily::readback_ar5000() {
    RadioLink& link = wiring_.link;
    LinkDirection& downlink = link.settings().downlink;
    const int parameterBefore = downlink.parameter;
    downlink.parameter = aor::kReplyLength;
    link.currentTransfer = kDownlinkRead;
    sendAorCommand(aor::kReadFrequency);
    link.currentTransfer = kDownlinkTransfer;
    downlink.parameter = parameterBefore; // sends after the read carry their own parameter
    // The serial box answers a request for its reply after the request: the second
    // collect finds what the first asked for.
    const int collects = link.variant() == 3 ? 1 : 2;
    for (int collect = 0; collect < collects; ++collect) {
        wiring_.waits.timerx(collect == 0 ? kReplyWaitMs : kSerialCollectMs);
        if (hooks_.ins) hooks_.ins();
    }
    const auto reading =
        aor::replyMHz(radioReplyBytes(wiring_.reply, link.variant(), aor::kReplyLength));
    const FrequencyPlan& plan = wiring_.plan;
    if (!reading)
        hooks_.adjust_read(0); // no usable answer: the read button shows the error
    else if (bandOf(*reading) == bandOf(std::fabs(plan.downlink - plan.downConverter)))
        hooks_.adjust_read(*reading);
    if (hooks_.releaseInhibits) hooks_.releaseInhibits();
}

void PcrAorFamily::ar_close(int transfer) {
    wiring_.link.currentTransfer = transfer;
    sendAorCommand(aor::kEndRemoteControl);
}

} // namespace orv::radio
