#include "radio/icom_family.h"

#include "radio/civ_frames.h"
#include "radio/reply_bytes.h"

#include <cmath>
#include <cstdio>

namespace orv::radio {

namespace {
constexpr uint8_t kR8500Address = 0x4A;
constexpr int kFrequencyReplyLength = 11;
constexpr int kReplyWaitMs = 200;
constexpr int kCloseWaitMs = 100;

// Readings are compared by their 100 MHz band.
int bandOf(double mhz) {
    return static_cast<int>(std::floor(mhz / 100));
}

// A satellite radio carrying both links receives on its sub band.
int downlinkBand(const RadioOnLink& radio) {
    if (!radio.model.satellite) return 0;
    return radio.bothLinks ? kCivSubBand : kCivMainBand;
}

int uplinkBand(const RadioOnLink& radio) {
    return radio.model.satellite ? kCivMainBand : 0;
}
} // namespace

IcomFamily::IcomFamily(FamilyWiring wiring, FamilyHooks hooks)
    : wiring_(wiring), hooks_(std::move(hooks)) {}

// The receivers serve only the downlink: as uplink radio they are left alone.
void IcomFamily::setUpUplink(const RadioOnLink& radio) {
    if (!radio.model.uplink) return;
    setUpTransceiver(radio.model, uplinkBand(radio), kUplinkTransfer);
}

void IcomFamily::setUpDownlink(const RadioOnLink& radio) {
    switch (radio.model.family) {
    case RadioFamily::IcomR8500:
        init8500(kDownlinkTransfer);
        break;
    case RadioFamily::IcomR9000:
        wiring_.state.satelliteFlag = 0;
        init_R9000(wiring_.plan.downlinkMode, kDownlinkTransfer);
        break;
    default:
        setUpTransceiver(radio.model, downlinkBand(radio), kDownlinkTransfer);
        break;
    }
}

void IcomFamily::tuneUplink(const RadioOnLink& radio) {
    if (!radio.model.uplink) return;
    tuneTransceiver(radio.model, 0, uplinkBand(radio));
}

void IcomFamily::tuneDownlink(const RadioOnLink& radio) {
    if (radio.model.family == RadioFamily::IcomR8500)
        R8500();
    else
        tuneTransceiver(radio.model, 1, downlinkBand(radio)); // the IC-R7000/R9000 too
}

// A satellite radio is read on the band its downlink is tuned on.
void IcomFamily::readBackDownlink(const RadioOnLink& radio) {
    readback_icom_rx(radio.model.civAddress, downlinkBand(radio), radio.model.satellite ? 1 : 0, 0,
                     wiring_.state.satelliteRig);
}

void IcomFamily::closeUplink(const RadioOnLink& radio) {
    if (radio.model.uplink) icom_close(kUplinkTransfer);
}

void IcomFamily::closeDownlink(const RadioOnLink& /*radio*/) {
    icom_close(kDownlinkTransfer);
}

void IcomFamily::setUpTransceiver(const RadioModel& model, int mainSub, int transfer) {
    auto& state = wiring_.state;
    state.satelliteFlag = model.satellite ? 1 : 0;
    state.mainSub = mainSub;
    init_icom(mainSub, state.satelliteFlag, state.directionIndex, state.vfo, state.splits,
              state.satelliteRig, transfer);
}

void IcomFamily::tuneTransceiver(const RadioModel& model, int directionIndex, int mainSub) {
    auto& state = wiring_.state;
    state.satelliteFlag = model.satellite ? 1 : 0;
    state.mainSub = mainSub;
    int mdc = directionIndex;
    int address = model.civAddress; // a copy: Icom() clears what it is handed
    Icom(state.frequencyText, mdc, state.mainSub, state.satelliteFlag, state.vfo, address,
         state.satelliteRig);
}

void IcomFamily::send(int transfer, uint8_t address, uint8_t command, std::vector<uint8_t> data) {
    wiring_.link.sendCommand(transfer, civFrame(address, command, std::move(data)));
}

bool IcomFamily::inhibited(int directionIndex) const {
    const RadioState& state = wiring_.state;
    return directionIndex == 0 ? state.uplinkInhibit == 1 : state.downlinkInhibit == 1;
}

void IcomFamily::init_icom(int main_sub, int& full_duplex, int& mdx, int& vfo, int& splits,
                           int& satrig, int transfer) {
    const RadioState& state = wiring_.state;
    const uint8_t address = mdx == 0 ? state.uplinkCiv : state.downlinkCiv;
    const std::string& modeText = mdx == 0 ? wiring_.plan.uplinkMode : wiring_.plan.downlinkMode;
    const auto modeFilter = icomModeFilter(modeText);
    if (!modeFilter) return;
    if (full_duplex == 1)
        send(transfer, address, civ::kSelectVfo, {static_cast<uint8_t>(main_sub)});
    if (mdx == 0 && splits == 0) send(transfer, address, civ::kSplit, {0x00});
    if (satrig != 1) send(transfer, address, civ::kSelectVfo, {static_cast<uint8_t>(vfo)});
    satrig = 0;
    send(transfer, address, civ::kSetMode, {modeFilter->mode, modeFilter->filter});
}

void IcomFamily::Icom(const std::string& Data, int& mdc, int& main_subr, int& full_duplex, int& vfo,
                      int& idr, int& satrig) {
    if (inhibited(mdc)) return;
    const auto frequency = civFrequencyBytes(Data);
    if (!frequency) {
        wiring_.link.refuse("frequency text \"" + Data + "\" is not a radio frequency");
        return;
    }
    const int transfer = wiring_.link.currentTransfer;
    const auto address = static_cast<uint8_t>(idr);
    if (full_duplex == 1)
        send(transfer, address, civ::kSelectVfo, {static_cast<uint8_t>(main_subr)});
    if (satrig != 1) send(transfer, address, civ::kSelectVfo, {static_cast<uint8_t>(vfo)});
    satrig = 0;
    send(transfer, address, civ::kSetFrequency, *frequency);
    mdc = 0;
    main_subr = 0;
    full_duplex = 0;
    vfo = 0;
    idr = 0;
}

void IcomFamily::R8500() {
    if (inhibited(1)) return;
    const auto frequency = civFrequencyBytes(wiring_.state.frequencyText);
    if (!frequency) {
        wiring_.link.refuse("frequency text \"" + wiring_.state.frequencyText +
                            "\" is not a radio frequency");
        return;
    }
    send(wiring_.link.currentTransfer, kR8500Address, civ::kSetFrequency, *frequency);
}

void IcomFamily::readReply(uint8_t address) {
    LinkDirection& downlink = wiring_.link.settings().downlink;
    const int parameterBefore = downlink.parameter;
    downlink.parameter = kFrequencyReplyLength;
    send(kDownlinkRead, address, civ::kReadFrequency);
    downlink.parameter = parameterBefore; // sends after the read carry their own parameter
    for (int collect = 0; collect < 2; ++collect) {
        wiring_.waits.timerx(kReplyWaitMs);
        if (hooks_.ins) hooks_.ins();
    }
}

void IcomFamily::readback_icom_rx(int idreadrx, int main_subrx, int full_duplex, int vfo,
                                  int satrig) {
    const auto address = static_cast<uint8_t>(idreadrx);
    if (full_duplex == 1)
        send(kDownlinkTransfer, address, civ::kSelectVfo, {static_cast<uint8_t>(main_subrx)});
    if (satrig != 1) send(kDownlinkTransfer, address, civ::kSelectVfo, {static_cast<uint8_t>(vfo)});
    readReply(address);

    const auto bytes =
        radioReplyBytes(wiring_.reply, wiring_.link.variant(), kFrequencyReplyLength);
    const auto reading = civFrequencyReplyMHz(bytes);
    const FrequencyPlan& plan = wiring_.plan;
    const int expectedBand = bandOf(std::fabs(plan.downlink - plan.downConverter));
    if (!reading)
        hooks_.adjust_read(0); // no usable answer: the read button shows the error
    else if (bandOf(*reading) == expectedBand)
        hooks_.adjust_read(*reading);

    if (hooks_.releaseInhibits) hooks_.releaseInhibits();
    wiring_.state.uplinkInitialised = 1;
    wiring_.state.downlinkInitialised = 1;
    wiring_.state.readDone = 1;
    if (main_subrx == kCivSubBand && full_duplex == 1)
        send(kDownlinkTransfer, address, civ::kSelectVfo, {kCivMainBand});
}

void IcomFamily::icom_close(int transfer) {
    const RadioState& state = wiring_.state;
    const uint8_t address = transfer == kUplinkTransfer ? state.uplinkCiv : state.downlinkCiv;
    send(transfer, kCivIc910Address, civ::kSettings, {0x07, 0x00});
    send(transfer, kCivIc910Address, civ::kLevels, {0x42, 0x00});
    send(transfer, address, civ::kMemory, {0xA0, 0x00});
    const auto channel = hooks_.memoryChannel ? hooks_.memoryChannel() : std::nullopt;
    if (!channel) return;
    wiring_.waits.timerx(kCloseWaitMs);
    send(transfer, address, civ::kMemory, {memoryChannelByte(*channel)});
}

void IcomFamily::init8500(int transfer) {
    const ModeFilter modeFilter = r8500ModeFilter(wiring_.plan.downlinkMode);
    send(transfer, kR8500Address, civ::kSetMode, {modeFilter.mode, modeFilter.filter});
    send(transfer, kR8500Address, civ::kTuningStep, {0x00});
}

void IcomFamily::init_R9000(const std::string& para4, int transfer) {
    send(transfer, wiring_.state.downlinkCiv, civ::kSetMode, {r9000Mode(para4)});
}

} // namespace orv::radio
