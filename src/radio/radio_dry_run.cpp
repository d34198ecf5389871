#include "radio/radio_dry_run.h"

#include "core/panel.h"
#include "platform/waits.h"
#include "radio/frame_payload.h"
#include "radio/radios.h"

namespace orv::radio {

namespace {
DryRunFrame describeFrame(const core::BoxFrame& frame, int transfer, int variant) {
    DryRunFrame out;
    out.transfer = transfer;
    out.payload = payloadBytes(frame, variant);
    if (variant == 3) {
        out.timingFirst = frame[53];
        out.timingSecond = frame[52];
        if (frame[56] || frame[57]) out.port = 1;
        if (frame[58] || frame[59]) out.port = 2;
    } else {
        out.timingFirst = frame[27];
        out.timingSecond = frame[28];
        if (frame[23] || frame[24]) out.port = frame[29] + 1;
    }
    return out;
}
// A read's answer stands where the variant's box returns radio bytes.
void answer(core::BoxReply& reply, int variant, const DryRunFrame& frame,
            const std::vector<uint8_t>& bytes) {
    if (frame.transfer != kDownlinkRead) return;
    reply.clear();
    int slot = variant == 3 ? 1 : 9;
    for (const uint8_t byte : bytes)
        if (slot < core::kBoxSlots) reply.set(slot++, byte);
}
} // namespace

std::vector<DryRunFrame> dryRunFrames(const core::SatelliteRecord& record,
                                      const core::ConfigValues& config, int variant, bool shutdown,
                                      const DryRunRadio& radio) {
    core::Panel panel;
    platform::RecordingWaits waits;
    core::StartupState startup;
    startup.variant = variant;
    const core::SatelliteConfig satellite = core::typedSatellite(record, variant);
    core::TrackingState tracking; // range rate 0
    core::BoxFrame frame;
    core::BoxReply reply(variant == 3 ? core::ReplyForm::HexText : core::ReplyForm::Number);
    core::RadioLinkTiming timing;
    std::vector<DryRunFrame> frames;

    const RadiosHooks hooks = stationlessHooks([&] {
        frames.push_back(describeFrame(frame, timing.lastTransfer, variant));
        if (radio) answer(reply, variant, frames.back(), radio(frames.back()));
        // the box clears its one-shot flags after every frame
        for (int slot : {23, 24, 56, 57, 58, 59})
            frame[slot] = 0;
    });
    Radios radios(RadiosWiring{panel, waits, config, startup, satellite, record, tracking, frame,
                               reply, timing},
                  hooks);
    radios.applySatellite();
    radios.radioinit();
    radios.frequency();
    if (shutdown) radios.shut_down_radios();
    return frames;
}

} // namespace orv::radio
