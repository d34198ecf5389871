#include "radio/ic910_family.h"

#include "core/number_text.h"
#include "radio/civ_frames.h"
#include "radio/reply_bytes.h"

#include <cstdio>

namespace orv::radio {

namespace {
constexpr int kFrequencyReplyLength = 11;
constexpr int kSetupFirstCollectMs = 25;
constexpr int kSetupSecondCollectMs = 10;
constexpr int kReadbackCollectMs = 200;
constexpr int kCloseWaitMs = 100;

constexpr const char* kSilentRadioText = "IC-910 is not powered ON or is disconnected.\r\n"
                                         "\r\n"
                                         "Else check that the baud rate specified in the\r\n"
                                         "Main Configuration matches the radio.\r\n"
                                         "\r\n"
                                         "Fix the error and restart Orv_Kite 2003";

using ic910::SetupCase;
} // namespace

Ic910Family::Ic910Family(FamilyWiring wiring, FamilyHooks hooks)
    : wiring_(wiring), hooks_(std::move(hooks)) {}

void Ic910Family::send(uint8_t command, std::vector<uint8_t> data) {
    RadioLink& link = wiring_.link;
    link.sendCommand(link.currentTransfer, civFrame(kCivIc910Address, command, std::move(data)));
}

// A band, then VFO A on it: the frequency and mode commands act there.
void Ic910Family::selectBand(uint8_t band) {
    send(civ::kSelectVfo, {band});
    send(civ::kSelectVfo, {0x00});
}

void Ic910Family::setUpUplink(const RadioOnLink& radio) {
    init_ic910(kUplinkTransfer, true, radio.bothLinks);
}

void Ic910Family::setUpDownlink(const RadioOnLink& radio) {
    init_ic910(kDownlinkTransfer, radio.bothLinks, true);
}

void Ic910Family::tuneUplink(const RadioOnLink&) {
    ic910_tx();
}

void Ic910Family::tuneDownlink(const RadioOnLink&) {
    ic910_rx(kDownlinkTransfer);
}

void Ic910Family::readBackDownlink(const RadioOnLink&) {
    readback_ic910();
}

void Ic910Family::closeUplink(const RadioOnLink&) {
    ic910_close(kUplinkTransfer);
}

void Ic910Family::closeDownlink(const RadioOnLink&) {
    ic910_close(kDownlinkTransfer);
}

void Ic910Family::switchTransmit(const RadioOnLink&, bool transmit) {
    wiring_.link.currentTransfer = kUplinkTransfer;
    send(civ::kTransmit, {0x00, static_cast<uint8_t>(transmit ? 1 : 0)});
}

// Reads the selected band's frequency, collecting the box's reply after each wait.
std::vector<std::optional<uint8_t>> Ic910Family::readFrequency(int firstWaitMs, int secondWaitMs) {
    RadioLink& link = wiring_.link;
    LinkDirection& downlink = link.settings().downlink;
    const int parameterBefore = downlink.parameter;
    downlink.parameter = kFrequencyReplyLength;
    link.sendCommand(kDownlinkRead, civFrame(kCivIc910Address, civ::kReadFrequency));
    downlink.parameter = parameterBefore; // sends after the read carry their own parameter
    for (int wait : {firstWaitMs, secondWaitMs}) {
        wiring_.waits.timerx(wait);
        if (hooks_.ins) hooks_.ins();
    }
    return radioReplyBytes(wiring_.reply, link.variant(), kFrequencyReplyLength);
}

// The one presence check of the radios: without an answer the box stays silent.
void Ic910Family::reportSilentRadio() {
    if (hooks_.silenceBox) hooks_.silenceBox();
    if (hooks_.showMessage) hooks_.showMessage(kSilentRadioText);
}

bool Ic910Family::init_ic910(int transfer, bool uplinkHere, bool downlinkHere) {
    const bool ptt = hooks_.pttFlag && hooks_.pttFlag();
    case_ = ic910::setupCase(uplinkHere, downlinkHere, ptt);
    wiring_.link.currentTransfer = transfer;

    const uint8_t satellite = ic910::satelliteMode(case_) ? 0x01 : 0x00;
    send(civ::kSettings, {ic910::cmd::kSatelliteMode, satellite});
    send(civ::kSelectVfo, {kCivSubBand});
    send(civ::kSelectVfo); // VFO mode, out of any memory channel
    send(civ::kSelectVfo, {0x00});
    send(civ::kLevels, {ic910::cmd::kToneSwitch, 0x00});
    send(civ::kSelectVfo, {kCivMainBand});
    send(civ::kSelectVfo);
    send(civ::kSelectVfo, {0x00});
    send(civ::kSplit, {0x00});
    send(civ::kLevels, {ic910::cmd::kToneSwitch, 0x00});
    send(civ::kSplit, {ic910::cmd::kSimplex});

    const auto mainBand =
        ic910::mainBandCode(readFrequency(kSetupFirstCollectMs, kSetupSecondCollectMs));
    wiring_.link.currentTransfer = transfer;
    if (!mainBand) {
        reportSilentRadio();
        return false;
    }
    const FrequencyPlan& plan = wiring_.plan;
    const int expected = case_ == SetupCase::UplinkOnly
                             ? ic910::expectedMainBand(plan.uplink, plan.upConverter)
                             : ic910::expectedMainBand(plan.downlink, plan.downConverter);
    if (expected != *mainBand) send(civ::kSelectVfo, {ic910::cmd::kExchangeBands});
    setModes();
    setTone();
    selectBand(kCivMainBand);
    return true;
}

// Each band takes the mode of the link it carries; a band carrying none takes the other's.
void Ic910Family::setModes() {
    const FrequencyPlan& plan = wiring_.plan;
    const bool uplinkOnSub = ic910::uplinkBand(case_) == kCivSubBand;
    const std::string& mainMode =
        case_ == SetupCase::UplinkOnly ? plan.uplinkMode : plan.downlinkMode;
    const std::string& subMode =
        uplinkOnSub || case_ == SetupCase::BothLinksOnMain ? plan.uplinkMode : mainMode;
    const std::pair<uint8_t, const std::string*> bands[] = {{kCivMainBand, &mainMode},
                                                            {kCivSubBand, &subMode}};
    for (const auto& [band, text] : bands) {
        selectBand(band);
        const auto mode = icomModeFilter(*text);
        if (!mode) continue; // a text with a comma selects nothing
        if (mode->filter == 0)
            send(civ::kSetMode, {mode->mode});
        else
            send(civ::kSetMode, {mode->mode, mode->filter});
    }
}

// The record's tone goes to the band the uplink transmits on.
void Ic910Family::setTone() {
    const uint8_t band = ic910::uplinkBand(case_);
    const std::string field = core::trimmed(wiring_.satellite.ctcss);
    if (band == 0 || ic910::isNoTone(field)) return;
    const auto tone = ic910::toneBytes(field);
    if (!tone) {
        std::fprintf(stderr,
                     "orv_kite: CTCSS \"%s\" is not a tone of the IC-910 (67.0 to 254.1 Hz); "
                     "no tone sent\n",
                     field.c_str());
        return;
    }
    selectBand(band);
    send(ic910::cmd::kToneFrequency, {0x00, (*tone)[0], (*tone)[1]});
    send(civ::kLevels, {ic910::cmd::kToneSwitch, 0x01});
}

void Ic910Family::tune(uint8_t band, int mdx) {
    RadioState& state = wiring_.state;
    if (band == 0 || (mdx == 0 ? state.uplinkInhibit : state.downlinkInhibit) == 1) return;
    const auto frequency = civFrequencyBytes(state.frequencyText);
    if (!frequency) {
        wiring_.link.refuse("frequency text \"" + state.frequencyText +
                            "\" is not a radio frequency");
        return;
    }
    wiring_.link.currentTransfer = mdx == 0 ? kUplinkTransfer : kDownlinkTransfer;
    selectBand(band);
    send(civ::kSetFrequency, *frequency);
}

void Ic910Family::ic910_tx() {
    tune(ic910::uplinkBand(case_), 0);
}

void Ic910Family::ic910_rx(int /*transfer*/) {
    tune(ic910::downlinkBand(case_), 1);
}

void Ic910Family::readback_ic910() {
    wiring_.link.currentTransfer = kDownlinkTransfer;
    selectBand(kCivMainBand);
    const auto reading =
        civFrequencyReplyMHz(readFrequency(kReadbackCollectMs, kReadbackCollectMs));
    hooks_.adjust_read(reading.value_or(0)); // nothing usable: the read button shows the error
    if (hooks_.releaseInhibits) hooks_.releaseInhibits();
    wiring_.state.uplinkInitialised = 1;
    wiring_.state.downlinkInitialised = 1;
    wiring_.state.readDone = 1;
}

// Back to receive, satellite mode off, the tone off on both bands, and the memory channel
// when one is set.
void Ic910Family::ic910_close(int transfer) {
    wiring_.link.currentTransfer = transfer;
    if (case_ == SetupCase::BothLinksOnMain) send(civ::kTransmit, {0x00, 0x00});
    send(civ::kSettings, {ic910::cmd::kSatelliteMode, 0x00});
    for (const uint8_t band : {kCivSubBand, kCivMainBand}) {
        send(civ::kSelectVfo, {band});
        send(civ::kLevels, {ic910::cmd::kToneSwitch, 0x00});
    }
    const auto channel = hooks_.memoryChannel ? hooks_.memoryChannel() : std::nullopt;
    if (!channel) return;
    wiring_.waits.timerx(kCloseWaitMs);
    send(civ::kMemory, {memoryChannelByte(*channel)});
}

} // namespace orv::radio
