#include "radio/yaesu_family.h"

#include "radio/reply_bytes.h"

#include <cmath>
#include <cstdio>

namespace orv::radio {

namespace {
// One FT-847 on both links with the two frequencies this close together (MHz) is
// worked on one band.
constexpr double kFt847SameBandMHz = 10;
constexpr double kFt847CatDelayMs = 50;
constexpr int kReplyWaitMs = 200;
constexpr int kCloseWaitMs = 100;

namespace op {
constexpr uint8_t kCatOn = 0x00;
constexpr uint8_t kCatOff = 0x80;
// FT-847.
constexpr uint8_t kSatelliteOn = 0x4E;
constexpr uint8_t kSatelliteOff = 0x8E;
constexpr uint8_t kModeMain = 0x07, kModeSatRx = 0x17, kModeSatTx = 0x27;
constexpr uint8_t kFrequencyMain = 0x01, kFrequencySatRx = 0x11, kFrequencySatTx = 0x21;
constexpr uint8_t kCtcssMain = 0x0A, kCtcssSatRx = 0x1A, kCtcssSatTx = 0x2A;
constexpr uint8_t kToneMain = 0x0B, kToneSatTx = 0x2B;
constexpr uint8_t kReadMain = 0x03, kReadSatRx = 0x13;
// FT-736R.
constexpr uint8_t kFullDuplexOn = 0x0E;
constexpr uint8_t kFullDuplexOff = 0x8E;
constexpr uint8_t kPttOff = 0x88;
constexpr uint8_t kToneOff = 0x8A;
constexpr uint8_t kToneEncoderOn = 0x4A;
constexpr uint8_t kToneCode = 0xFA;
constexpr uint8_t kFrequencyRx = 0x1E, kFrequencyTx = 0x2E;
} // namespace op

// CTCSS switch parameters of the FT-847 (P1 of opcodes 0A, 1A, 2A).
constexpr uint8_t kEncoderOn = 0x4A;
constexpr uint8_t kCtcssOff = 0x8A;

int bandOf(double mhz) {
    return static_cast<int>(std::floor(mhz / 100));
}
} // namespace

YaesuFamily::YaesuFamily(FamilyWiring wiring, FamilyHooks hooks)
    : wiring_(wiring), hooks_(std::move(hooks)) {}

void YaesuFamily::setUpUplink(const RadioOnLink& radio) {
    switch (radio.model.family) {
    case RadioFamily::Ft736:
        init_736_up(kUplinkTransfer);
        break;
    case RadioFamily::Ft847: {
        const FrequencyPlan& plan = wiring_.plan;
        const bool sameBand =
            radio.bothLinks && std::fabs(plan.uplink - plan.downlink) < kFt847SameBandMHz;
        wiring_.state.ft847SameBand = sameBand ? 1 : 0;
        if (!sameBand) init_847_up(kUplinkTransfer);
        break;
    }
    case RadioFamily::Ft100:
        init_ft100(kUplinkTransfer);
        break;
    default:
        break; // the FT-757 is tuned only; the receivers serve no uplink
    }
}

void YaesuFamily::setUpDownlink(const RadioOnLink& radio) {
    switch (radio.model.family) {
    case RadioFamily::Ft736:
        init_736_down(kDownlinkTransfer);
        break;
    case RadioFamily::Ft847:
        init_847_down(kDownlinkTransfer);
        break;
    case RadioFamily::Ft757:
        init_757(kDownlinkTransfer);
        break;
    case RadioFamily::Ft100:
        init_ft100(kDownlinkTransfer);
        break;
    case RadioFamily::Ft1000:
        init_FT1000(kDownlinkTransfer);
        break;
    case RadioFamily::Vr5000:
        init_vr5000(kDownlinkTransfer);
        break;
    default:
        break;
    }
}

void YaesuFamily::tuneUplink(const RadioOnLink& radio) {
    switch (radio.model.family) {
    case RadioFamily::Ft736:
        ft736_tx(kUplinkTransfer);
        break;
    case RadioFamily::Ft847:
        ft847_tx(kUplinkTransfer);
        break;
    case RadioFamily::Ft757:
        FT757_tx(kUplinkTransfer);
        break;
    case RadioFamily::Ft100:
        ft_100_tx(kUplinkTransfer);
        break;
    default:
        break; // the FT-1000 and the VR-5000 serve the downlink only
    }
}

void YaesuFamily::tuneDownlink(const RadioOnLink& radio) {
    switch (radio.model.family) {
    case RadioFamily::Ft736:
        FT736_rx(kDownlinkTransfer);
        break;
    case RadioFamily::Ft847:
        FT847_rx(kDownlinkTransfer);
        break;
    case RadioFamily::Ft757:
        FT757_rx(kDownlinkTransfer);
        break;
    case RadioFamily::Ft100:
        ft_100_rx(kDownlinkTransfer);
        break;
    case RadioFamily::Ft1000:
        ft1000(kDownlinkTransfer);
        break;
    case RadioFamily::Vr5000:
        vr5000(kDownlinkTransfer);
        break;
    default:
        break;
    }
}

void YaesuFamily::readBackDownlink(const RadioOnLink& radio) {
    if (radio.model.family == RadioFamily::Ft847) readback_847();
    if (radio.model.family == RadioFamily::Ft1000) readback_FT1000();
}

void YaesuFamily::closeUplink(const RadioOnLink& radio) {
    const RadioFamily family = radio.model.family;
    if (family == RadioFamily::Ft736 || family == RadioFamily::Ft847 ||
        family == RadioFamily::Ft100)
        yaesu_close(kUplinkTransfer);
}

void YaesuFamily::closeDownlink(const RadioOnLink& radio) {
    const RadioFamily family = radio.model.family;
    if (family == RadioFamily::Ft736 || family == RadioFamily::Ft847)
        yaesu_close(kDownlinkTransfer);
}

// Common pieces.

void YaesuFamily::send(int transfer, const std::vector<uint8_t>& frame) {
    wiring_.link.sendCommand(transfer, frame);
}

bool YaesuFamily::sameRadio() const {
    return wiring_.satellite.uplink.radio == wiring_.satellite.downlink.radio;
}

bool YaesuFamily::inhibited(int transfer) const {
    const RadioState& state = wiring_.state;
    return transfer == kUplinkTransfer ? state.uplinkInhibit == 1 : state.downlinkInhibit == 1;
}

const RadioModel& YaesuFamily::modelOf(int transfer) const {
    const auto& satellite = wiring_.satellite;
    return radioModel(transfer == kUplinkTransfer ? satellite.uplink.radio
                                                  : satellite.downlink.radio);
}

void YaesuFamily::sendFrequency(int transfer, uint8_t opcode,
                                const std::optional<yaesu::Parameters>& bytes, const char* model) {
    if (!bytes) {
        wiring_.link.refuse("frequency text \"" + wiring_.state.frequencyText +
                            "\" is not a frequency the " + model + " tunes");
        return;
    }
    send(transfer, yaesu::frame(opcode, *bytes));
}

void YaesuFamily::readDial(const std::vector<uint8_t>& command, int replyLength,
                           ReplyDecoder decode) {
    LinkDirection& downlink = wiring_.link.settings().downlink;
    const int parameterBefore = downlink.parameter;
    downlink.parameter = replyLength;
    send(kDownlinkRead, command);
    downlink.parameter = parameterBefore; // sends after the read carry their own parameter
    for (int collect = 0; collect < 2; ++collect) {
        wiring_.waits.timerx(kReplyWaitMs);
        if (hooks_.ins) hooks_.ins();
    }
    const auto reading =
        decode(radioReplyBytes(wiring_.reply, wiring_.link.variant(), replyLength));
    const FrequencyPlan& plan = wiring_.plan;
    if (!reading)
        hooks_.adjust_read(0); // no usable answer: the read button shows the error
    else if (bandOf(*reading) == bandOf(std::fabs(plan.downlink - plan.downConverter)))
        hooks_.adjust_read(*reading);
    if (hooks_.releaseInhibits) hooks_.releaseInhibits();
}

// FT-847.

namespace {
// Satellite mode joins the main and sub receivers of one FT-847 carrying both links
// in different bands.
uint8_t ft847SatelliteSwitch(bool sameRadio, int sameBandFlag) {
    return sameRadio && sameBandFlag != 1 ? op::kSatelliteOn : op::kSatelliteOff;
}
} // namespace

// The uplink's tone goes to the side it transmits on: the satellite transmit VFO,
// or the main VFO when the FT-847 serves the uplink alone (satellite mode is off
// then, and a tone set on the satellite side would never be heard).
void YaesuFamily::sendFt847Tones(int transfer, bool uplink) {
    const std::string& field = wiring_.satellite.ctcss;
    auto tone = yaesu::isNoTone(field) ? std::nullopt : yaesu::toneCode(field);
    if (!yaesu::isNoTone(field) && !tone)
        std::fprintf(stderr,
                     "orv_kite: CTCSS \"%s\" is not an FT-847 tone code (hexadecimal); tone "
                     "switched off\n",
                     field.c_str());
    const bool mainSide = uplink && !sameRadio();
    if (tone) {
        send(transfer, yaesu::frameP1(mainSide ? op::kCtcssMain : op::kCtcssSatTx, kEncoderOn));
        send(transfer, yaesu::frameP1(mainSide ? op::kToneMain : op::kToneSatTx, *tone));
        return;
    }
    if (uplink) send(transfer, yaesu::frameP1(op::kCtcssMain, kCtcssOff));
    send(transfer, yaesu::frameP1(op::kCtcssSatTx, kCtcssOff));
    if (uplink) send(transfer, yaesu::frameP1(op::kCtcssSatRx, kCtcssOff));
}

void YaesuFamily::init_847_up(int transfer) {
    send(transfer, yaesu::frame(op::kCatOn));
    send(transfer, yaesu::frame(op::kCatOn));
    send(transfer, yaesu::frame(ft847SatelliteSwitch(sameRadio(), wiring_.state.ft847SameBand)));
    const uint8_t mode = yaesu::ft847ModeByte(wiring_.plan.uplinkMode);
    send(transfer, yaesu::frameP1(sameRadio() ? op::kModeSatTx : op::kModeMain, mode));
    sendFt847Tones(transfer, true);
}

void YaesuFamily::init_847_down(int transfer) {
    wiring_.link.setExtraCatDelayMs(kFt847CatDelayMs);
    send(transfer, yaesu::frame(op::kCatOn));
    send(transfer, yaesu::frame(ft847SatelliteSwitch(sameRadio(), wiring_.state.ft847SameBand)));
    sendFt847Tones(transfer, false);
    const uint8_t mode = yaesu::ft847ModeByte(wiring_.plan.downlinkMode);
    send(transfer, yaesu::frameP1(sameRadio() ? op::kModeSatRx : op::kModeMain, mode));
}

void YaesuFamily::ft847_tx(int transfer) {
    const std::string& text = wiring_.state.frequencyText;
    if (text.empty() || inhibited(kUplinkTransfer)) return;
    sendFrequency(transfer, sameRadio() ? op::kFrequencySatTx : op::kFrequencyMain,
                  yaesu::ft847FrequencyBytes(text), "FT-847");
}

void YaesuFamily::FT847_rx(int transfer) {
    if (inhibited(kDownlinkTransfer)) return;
    sendFrequency(transfer, sameRadio() ? op::kFrequencySatRx : op::kFrequencyMain,
                  yaesu::ft847FrequencyBytes(wiring_.state.frequencyText), "FT-847");
}

void YaesuFamily::readback_847() {
    readDial(yaesu::frame(sameRadio() ? op::kReadSatRx : op::kReadMain), yaesu::kFt847ReplyLength,
             &yaesu::ft847ReplyMHz);
}

// FT-736R.

void YaesuFamily::init_736_up(int transfer) {
    send(transfer, yaesu::frame(op::kCatOn));
    send(transfer, yaesu::frame(sameRadio() ? op::kFullDuplexOn : op::kFullDuplexOff));
    send(transfer, yaesu::frame(op::kPttOff));
    send(transfer, yaesu::frame(op::kToneOff));
    const uint8_t mode = yaesu::ft736ModeByte(wiring_.plan.uplinkMode);
    send(transfer, yaesu::frameP1(sameRadio() ? op::kModeSatTx : op::kModeMain, mode));
    const std::string& field = wiring_.satellite.ctcss;
    if (yaesu::isNoTone(field)) return;
    const auto tone = yaesu::toneCode(field);
    if (!tone) {
        std::fprintf(stderr,
                     "orv_kite: CTCSS \"%s\" is not an FT-736R tone code (hexadecimal); no tone "
                     "sent\n",
                     field.c_str());
        return;
    }
    send(transfer, yaesu::frame(op::kToneEncoderOn));
    send(transfer, yaesu::frameP1(op::kToneCode, *tone));
}

// Carrying both links, the radio's tone is the uplink set-up's to set.
void YaesuFamily::init_736_down(int transfer) {
    send(transfer, yaesu::frame(op::kCatOn));
    send(transfer, yaesu::frame(sameRadio() ? op::kFullDuplexOn : op::kFullDuplexOff));
    send(transfer, yaesu::frame(op::kPttOff));
    if (!sameRadio()) send(transfer, yaesu::frame(op::kToneOff));
    const uint8_t mode = yaesu::ft736ModeByte(wiring_.plan.downlinkMode);
    send(transfer, yaesu::frameP1(sameRadio() ? op::kModeSatRx : op::kModeMain, mode));
}

void YaesuFamily::ft736_tx(int transfer) {
    if (inhibited(kUplinkTransfer)) return;
    sendFrequency(transfer, sameRadio() ? op::kFrequencyTx : op::kFrequencyMain,
                  yaesu::ft736FrequencyBytes(wiring_.state.frequencyText), "FT-736R");
}

void YaesuFamily::FT736_rx(int transfer) {
    if (inhibited(kDownlinkTransfer)) return;
    sendFrequency(transfer, sameRadio() ? op::kFrequencyRx : op::kFrequencyMain,
                  yaesu::ft736FrequencyBytes(wiring_.state.frequencyText), "FT-736R");
}

// Close.

void YaesuFamily::yaesu_close(int transfer) {
    switch (modelOf(transfer).family) {
    case RadioFamily::Ft847:
        closeFt847(transfer);
        break;
    case RadioFamily::Ft736:
        closeFt736(transfer);
        break;
    case RadioFamily::Ft100:
        send(transfer, yaesu::frameP4(0x01, 0x00)); // split off
        break;
    default:
        break;
    }
}

// Tone off where set-up put it, satellite mode off, and the radio's own controls back.
void YaesuFamily::closeFt847(int transfer) {
    const bool mainSide = transfer == kUplinkTransfer && !sameRadio();
    send(transfer, yaesu::frameP1(mainSide ? op::kCtcssMain : op::kCtcssSatTx, kCtcssOff));
    send(transfer, yaesu::frame(op::kSatelliteOff));
    wiring_.waits.timerx(kCloseWaitMs);
    send(transfer, yaesu::frame(op::kCatOff));
}

void YaesuFamily::closeFt736(int transfer) {
    send(transfer, yaesu::frame(op::kToneOff));
    send(transfer, yaesu::frame(op::kFullDuplexOff));
    wiring_.waits.timerx(kCloseWaitMs);
    send(transfer, yaesu::frame(op::kPttOff));
    send(transfer, yaesu::frame(op::kCatOff));
}

} // namespace orv::radio
