#include "radio/pcr_aor_family.h"

#include "radio/frame_payload.h"
#include "radio/pcr_commands.h"
#include "radio/port_timing.h"

#include <algorithm>

namespace orv::radio {

namespace {
constexpr int kPcrSettleMs = 20;
constexpr int kModeErrorColour = 0xFFFF; // yellow
// The prefix of a command names the setting it changes ("J45" the AGC).
constexpr size_t kSettingPrefix = 3;
} // namespace

PcrAorFamily::PcrAorFamily(FamilyWiring wiring, FamilyHooks hooks)
    : wiring_(wiring), hooks_(std::move(hooks)),
      controls_(wiring.panel, [this](std::string command) { queueControl(std::move(command)); }) {}

bool PcrAorFamily::isPcr1000(const RadioOnLink& radio) {
    return radio.model.family == RadioFamily::Pcr1000;
}

bool PcrAorFamily::downlinkIsPcr1000() const {
    return radioModel(wiring_.satellite.downlink.radio).family == RadioFamily::Pcr1000;
}

// Receivers: nothing to do as uplink radio.
void PcrAorFamily::setUpUplink(const RadioOnLink& /*radio*/) {}
void PcrAorFamily::tuneUplink(const RadioOnLink& /*radio*/) {}
void PcrAorFamily::closeUplink(const RadioOnLink& /*radio*/) {}

void PcrAorFamily::setUpDownlink(const RadioOnLink& radio) {
    if (isPcr1000(radio))
        init_pcr1000(kDownlinkTransfer);
    else
        init_ar5000(kDownlinkTransfer);
}

void PcrAorFamily::tuneDownlink(const RadioOnLink& radio) {
    if (isPcr1000(radio))
        pcr_1000(kDownlinkTransfer);
    else
        ar5000(kDownlinkTransfer);
}

// The PCR-1000 has no read-back in the model list; only the AOR receivers come here.
void PcrAorFamily::readBackDownlink(const RadioOnLink& radio) {
    if (!isPcr1000(radio)) readback_ar5000();
}

void PcrAorFamily::closeDownlink(const RadioOnLink& radio) {
    if (isPcr1000(radio))
        pcr1000_close(kDownlinkTransfer);
    else
        ar_close(kDownlinkTransfer);
}

// PCR-1000.

void PcrAorFamily::setDownlinkBaud(int baud) {
    const auto timing = portTiming(baud, wiring_.link.variant());
    if (!timing) return;
    LinkDirection& downlink = wiring_.link.settings().downlink;
    downlink.timing = timing->bytes;
    downlink.msPerByte = timing->msPerByte;
}

// The box forwards the command, CR and LF up to the marker; `bytes` counts the
// command's own characters.
void PcrAorFamily::parse_pcr1000(std::string_view pcr_data, int transfer) {
    RadioLink& link = wiring_.link;
    if (!writeCommand(link.frame(), pcr::commandLine(pcr_data), link.variant())) {
        link.refuse("the PCR-1000 command \"" + std::string(pcr_data) +
                    "\" does not fit the box frame");
        return;
    }
    wiring_.waits.timerx(kPcrSettleMs);
    link.SendTheData(transfer, static_cast<int>(pcr_data.size()), link.extraCatDelayMs());
}

bool PcrAorFamily::PCR1000_CAVEAT() {
    if (!caveat_.ask) return true;
    if (caveat_.ask(pcrEepromCaveat()) == platform::DialogAnswer::Yes) {
        if (caveat_.storeAcceptance) caveat_.storeAcceptance();
        return true;
    }
    if (caveat_.endProgram) caveat_.endProgram();
    return false;
}

void PcrAorFamily::init_pcr1000(int transfer) {
    if (caveat_.readAcceptance && caveat_.readAcceptance().empty() && !PCR1000_CAVEAT()) return;
    pcrPendingCommand_.clear();
    core::Panel& panel = wiring_.panel;
    const auto codes = pcr::modeFilter(wiring_.satellite.downlinkMode);
    pcrModeFilter_ = codes.value_or(std::string());
    if (!codes) {
        panel.setCaption("lbl_DnMode", "ERROR");
        panel.setBackColor("lbl_DnMode", kModeErrorColour);
        controls_.clear_make_pcr1000(); // nothing to work: the receiver was not set up
        return;
    }
    // The receiver wakes at 9600 baud and is told to work at 38400.
    setDownlinkBaud(pcr::kStartBaud);
    parse_pcr1000(pcr::kPowerOn, transfer);
    parse_pcr1000(pcr::kBaud38400, transfer);
    setDownlinkBaud(pcr::kWorkingBaud);
    for (const std::string& command : pcr::startUpCommands())
        parse_pcr1000(command, transfer);
    controls_.showStartUpSettings();
}

void PcrAorFamily::pcr_1000(int transfer) {
    if (downlinkInhibited() || pcrModeFilter_.empty()) return; // the mode field shows ERROR
    const auto command = pcr::frequencyCommand(wiring_.state.frequencyText, pcrModeFilter_);
    if (!command) {
        wiring_.link.refuse("frequency text \"" + wiring_.state.frequencyText +
                            "\" is not a frequency the PCR-1000 tunes");
        return;
    }
    parse_pcr1000(*command, transfer);
}

// The receiver goes back to 9600 baud, where it listens after power-up and where the
// next set-up finds it; it stays on.
void PcrAorFamily::pcr1000_close(int transfer) {
    controls_.clear_make_pcr1000();
    pcrPendingCommand_.clear();
    if (pcrModeFilter_.empty()) return; // never switched to 38400
    setDownlinkBaud(pcr::kWorkingBaud);
    parse_pcr1000(pcr::kBaud9600, transfer);
    setDownlinkBaud(pcr::kStartBaud);
    pcrModeFilter_.clear();
}

void PcrAorFamily::queueControl(std::string command) {
    const auto sameSetting = [&](const std::string& waiting) {
        return waiting.compare(0, kSettingPrefix, command, 0, kSettingPrefix) == 0;
    };
    std::erase_if(pcrPendingCommand_, sameSetting);
    pcrPendingCommand_.push_back(std::move(command));
}

void PcrAorFamily::sendPendingControls() {
    if (!downlinkIsPcr1000() || wiring_.link.sending()) return;
    while (!pcrPendingCommand_.empty()) {
        const std::string command = pcrPendingCommand_.front();
        pcrPendingCommand_.erase(pcrPendingCommand_.begin());
        parse_pcr1000(command, kDownlinkTransfer);
    }
}

} // namespace orv::radio
