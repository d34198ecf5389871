#include "radio/kenwood_family.h"

#include "core/number_text.h"
#include "radio/kenwood_texts.h"
#include "radio/reply_bytes.h"

#include <cmath>
#include <cstdio>

namespace orv::radio {

namespace {
constexpr int kParallelReadWaitMs = 300;
constexpr int kSerialReadWaitMs = 25;

// TS-790: every command of a link goes to its band, 0 the uplink, 1 the downlink.
constexpr std::string_view kTs790UplinkSetUp = "DC0;AI0;FN0;SP0;";
constexpr std::string_view kTs790DownlinkSetUp = "DC1;AI0;FN0;SP0;";
constexpr std::string_view kPlainSetUp = "AI0;FN0;SP0;";
constexpr std::string_view kTs790DownlinkRead = "DC1;FA;";
constexpr std::string_view kTs790BackToBand0 = "DC0;";
constexpr std::string_view kReadVfoA = "FA;";
constexpr std::string_view kToneOff = "TO0;";

// TS-2000.
constexpr std::string_view kSatelliteOnMainControl = "FT0;SA1011000;DC00;";
constexpr std::string_view kSubTransmitsAndControls = "DC11;";
constexpr std::string_view kSatelliteOffTransmitA = "FT0;SA0011000;";
constexpr std::string_view kSatelliteOff = "SA0011000;";
constexpr std::string_view kTransmitOnB = "FT1;";
constexpr std::string_view kCloseUplink = "FT0;SA0011000;FR0;";
constexpr std::string_view kCloseDownlink = "FT0;SA0011000;";
constexpr std::string_view kCtcssOff = "CT0;";
constexpr std::string_view kParkOn16MHzAm = "FA00016000000;MD5;";
constexpr const char* kSplitSimplexCaption = "Split Mode Simplex";

int bandOf(double mhz) {
    return static_cast<int>(std::floor(mhz / 100));
}
} // namespace

KenwoodFamily::KenwoodFamily(FamilyWiring wiring, FamilyHooks hooks)
    : wiring_(wiring), hooks_(std::move(hooks)) {}

bool KenwoodFamily::isTs2000(const RadioOnLink& radio) {
    return radio.model.family == RadioFamily::Ts2000;
}

// Every text goes out behind a fresh payload of markers and ends in one itself.
void KenwoodFamily::send(std::string_view text) {
    wiring_.link.fillPayloadWithMarker();
    wiring_.link.kenwood_send(kenwood::marked(text));
}

std::string KenwoodFamily::modeCommandOf(int mdx) {
    const FrequencyPlan& plan = wiring_.plan;
    std::string command = kenwood::modeCommand(mdx == 0 ? plan.uplinkMode : plan.downlinkMode);
    (mdx == 0 ? uplinkModeCommand_ : downlinkModeCommand_) = command;
    return command;
}

// No tone switches the tone off; a tone number goes to an FM uplink only.
void KenwoodFamily::sendTone(int mdx) {
    const std::string& field = wiring_.satellite.ctcss;
    if (kenwood::isNoTone(field)) {
        send(kToneOff);
        return;
    }
    if (mdx != 0 || uplinkModeCommand_ != kenwood::kFmModeCommand) return;
    const auto tone = kenwood::toneCommand(field);
    if (!tone) {
        std::fprintf(stderr,
                     "orv_kite: CTCSS \"%s\" is not a Kenwood tone number (01 to 42); no tone "
                     "sent\n",
                     field.c_str());
        return;
    }
    send(*tone);
}

bool KenwoodFamily::inhibited(int mdx) const {
    const RadioState& state = wiring_.state;
    return mdx == 0 ? state.uplinkInhibit == 1 : state.downlinkInhibit == 1;
}

bool KenwoodFamily::bothLinksInOneBand() const {
    const FrequencyPlan& plan = wiring_.plan;
    return bandOf(std::fabs(plan.uplink - plan.upConverter)) ==
           bandOf(std::fabs(plan.downlink - plan.downConverter));
}

void KenwoodFamily::setUpUplink(const RadioOnLink& radio) {
    auto& state = wiring_.state;
    if (isTs2000(radio)) {
        init_ts2000(0, kUplinkTransfer, radio.bothLinks);
        return;
    }
    state.satelliteFlag = radio.model.satellite ? 1 : 0;
    init_kenwood(0, state.satelliteFlag, kUplinkTransfer);
}

void KenwoodFamily::setUpDownlink(const RadioOnLink& radio) {
    auto& state = wiring_.state;
    if (isTs2000(radio)) {
        init_ts2000(1, kDownlinkTransfer, radio.bothLinks);
        return;
    }
    const RadioModel& model = radio.model;
    state.satelliteFlag =
        model.downlinkSetupFlag >= 0 ? model.downlinkSetupFlag : (model.satellite ? 1 : 0);
    init_kenwood(1, state.satelliteFlag, kDownlinkTransfer);
}

void KenwoodFamily::tuneUplink(const RadioOnLink& radio) {
    if (isTs2000(radio)) {
        Ken_2000(kUplinkTransfer, radio.bothLinks);
        return;
    }
    auto& state = wiring_.state;
    state.kenwoodPrefix = radio.model.satellite ? "DC0;" : "00";
    state.satelliteFlag = radio.model.satellite ? 1 : 0;
    Kenwood(0, state.satelliteFlag, state.kenwoodPrefix);
}

void KenwoodFamily::tuneDownlink(const RadioOnLink& radio) {
    if (isTs2000(radio)) {
        Ken_2000(kDownlinkTransfer, radio.bothLinks);
        return;
    }
    auto& state = wiring_.state;
    state.kenwoodPrefix = radio.model.satellite ? "DC1;" : "00;";
    state.satelliteFlag = radio.model.satellite ? 1 : 0;
    Kenwood(1, state.satelliteFlag, state.kenwoodPrefix);
}

void KenwoodFamily::readBackDownlink(const RadioOnLink& radio) {
    if (isTs2000(radio))
        readback_TS2000_rx();
    else
        readback_kenwood_rx(radio.model.satellite ? 1 : 0);
}

void KenwoodFamily::closeUplink(const RadioOnLink& radio) {
    if (isTs2000(radio))
        ts2000_close(kUplinkTransfer);
    else
        kenwood_close(kUplinkTransfer);
}

void KenwoodFamily::closeDownlink(const RadioOnLink& radio) {
    if (isTs2000(radio))
        ts2000_close(kDownlinkTransfer);
    else
        kenwood_close(kDownlinkTransfer);
}

void KenwoodFamily::init_kenwood(int mdx, int full_duplex, int transfer) {
    wiring_.link.currentTransfer = transfer;
    const std::string mode = modeCommandOf(mdx);
    if (full_duplex == 1)
        send(mdx == 0 ? kTs790UplinkSetUp : kTs790DownlinkSetUp);
    else
        send(kPlainSetUp);
    send(mode);
    sendTone(mdx);
}

void KenwoodFamily::Kenwood(int mdx, int full_duplex, const std::string& main_subk) {
    if (inhibited(mdx)) return;
    const auto command = kenwood::frequencyCommand('A', wiring_.state.frequencyText);
    if (!command) return refuseFrequency();
    send(full_duplex == 1 ? main_subk + *command : *command);
}

// A frequency text of other than 7 to 11 digits has no place in an FA or FB command.
void KenwoodFamily::refuseFrequency() {
    wiring_.link.refuse("frequency text \"" + wiring_.state.frequencyText +
                        "\" is not a radio frequency");
}

// Reads VFO A of the downlink radio into the plan when it is in the downlink's band.
void KenwoodFamily::readVfoA(std::string_view command) {
    RadioLink& link = wiring_.link;
    LinkDirection& downlink = link.settings().downlink;
    const int parameterBefore = downlink.parameter;
    downlink.parameter = kenwood::kFrequencyReplyLength;
    link.currentTransfer = kDownlinkRead;
    send(command);
    link.currentTransfer = kDownlinkTransfer;
    downlink.parameter = parameterBefore; // sends after the read carry their own parameter
    const int collects = link.variant() == 3 ? 1 : 2;
    for (int collect = 0; collect < collects; ++collect) {
        wiring_.waits.timerx(link.variant() == 3 ? kParallelReadWaitMs : kSerialReadWaitMs);
        if (hooks_.ins) hooks_.ins();
    }
    const auto reading = kenwood::frequencyReplyMHz(
        radioReplyBytes(wiring_.reply, link.variant(), kenwood::kFrequencyReplyLength));
    const FrequencyPlan& plan = wiring_.plan;
    if (!reading)
        hooks_.adjust_read(0); // no usable answer: the read button shows the error
    else if (bandOf(*reading) == bandOf(std::fabs(plan.downlink - plan.downConverter)))
        hooks_.adjust_read(*reading);
}

void KenwoodFamily::readback_kenwood_rx(int full_duplex) {
    readVfoA(full_duplex == 1 ? kTs790DownlinkRead : kReadVfoA);
    if (full_duplex == 1) send(kTs790BackToBand0);
    finishReadBack();
}

void KenwoodFamily::kenwood_close(int transfer) {
    const auto channel = hooks_.memoryChannel ? hooks_.memoryChannel() : std::nullopt;
    if (!channel) return;
    wiring_.link.currentTransfer = transfer;
    send(kenwood::memoryChannelCommand(*channel));
}

void KenwoodFamily::init_ts2000(int mdx, int transfer, bool bothLinks) {
    wiring_.link.currentTransfer = transfer;
    const std::string mode = modeCommandOf(mdx);
    if (bothLinks && bothLinksInOneBand()) {
        // One band for both links: split, receiving on VFO A and sending on VFO B.
        if (mdx == 0) {
            send(kSatelliteOffTransmitA);
            send(mode);
            send(kTransmitOnB);
            wiring_.panel.setCaption("lbl_UpMode", kSplitSimplexCaption);
        } else {
            send(mode);
        }
    } else if (bothLinks) {
        // Satellite mode: the uplink's settings go to the sub band, the downlink's to main.
        send(kSatelliteOnMainControl);
        if (mdx == 0) send(kSubTransmitsAndControls);
        send(mode);
        if (mdx == 1) send(kSubTransmitsAndControls);
    } else {
        send(mdx == 0 ? kSatelliteOffTransmitA : kSatelliteOff);
        send(mode);
    }
    sendTone(mdx);
}

void KenwoodFamily::Ken_2000(int transfer, bool bothLinks) {
    const int mdx = transfer == kUplinkTransfer ? 0 : 1;
    auto& state = wiring_.state;
    state.mainSubText = mdx == 0 ? (bothLinks ? "FT1;" : "FT0;") : "FR0;";
    if (inhibited(mdx)) return;
    const char vfo = mdx == 0 && bothLinks ? 'B' : 'A';
    const auto command = kenwood::frequencyCommand(vfo, state.frequencyText);
    if (!command) return refuseFrequency();
    wiring_.link.currentTransfer = transfer;
    send(*command);
}

void KenwoodFamily::readback_TS2000_rx() {
    readVfoA(kReadVfoA);
    finishReadBack();
}

// Whatever the reading, the inhibits are released and the radios count as set up.
void KenwoodFamily::finishReadBack() {
    if (hooks_.releaseInhibits) hooks_.releaseInhibits();
    wiring_.state.uplinkInitialised = 1;
    wiring_.state.downlinkInitialised = 1;
    wiring_.state.readDone = 1;
}

void KenwoodFamily::ts2000_close(int transfer) {
    wiring_.link.currentTransfer = transfer;
    if (transfer == kUplinkTransfer) {
        send(kCloseUplink);
        send(kToneOff);
    } else {
        send(kCloseDownlink);
        send(kCtcssOff);
    }
    const bool memoryChannel = hooks_.memoryChannel && hooks_.memoryChannel();
    if (!memoryChannel) send(kParkOn16MHzAm);
}

} // namespace orv::radio
