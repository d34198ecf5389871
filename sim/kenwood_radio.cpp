#include "sim/kenwood_radio.h"

#include "sim/command_text.h"

#include <algorithm>
#include <utility>

namespace orv::sim {

namespace {
constexpr size_t kFrequencyDigits = 11;
constexpr char kTerminator = ';';
constexpr std::string_view kError = "?;";

std::string onOff(bool on) {
    return on ? "on" : "off";
}

std::string vfoName(int vfo) {
    return vfo == 0 ? "VFO A" : "VFO B";
}

std::string bandName(int band) {
    return band == 0 ? "main band" : "sub band";
}
} // namespace

std::string kenwoodModeName(int mode) {
    static constexpr const char* kNames[] = {nullptr, "LSB", "USB",  "CW",    "FM",
                                             "AM",    "FSK", "CW-R", nullptr, "FSK-R"};
    if (mode >= 1 && mode <= 9 && kNames[mode]) return kNames[mode];
    return "mode " + std::to_string(mode);
}

KenwoodDial& KenwoodState::vfoDial(int vfo) {
    return const_cast<KenwoodDial&>(std::as_const(*this).vfoDial(vfo));
}

const KenwoodDial& KenwoodState::vfoDial(int vfo) const {
    if (satellite) return vfo == 0 ? dials[0][0] : dials[1][1];
    return dials[static_cast<size_t>(controlBand)][static_cast<size_t>(vfo)];
}

KenwoodDial& KenwoodState::modeDial() {
    if (satellite) return controlBand == 0 ? dials[0][0] : dials[1][1];
    return dials[static_cast<size_t>(controlBand)][static_cast<size_t>(receiveVfo)];
}

const KenwoodDial& KenwoodState::receiveDial() const {
    if (satellite) return dials[0][0];
    return dials[subReceiver ? 1 : 0][static_cast<size_t>(receiveVfo)];
}

const KenwoodDial& KenwoodState::transmitDial() const {
    if (satellite) return dials[1][1];
    const int vfo = split || transmitVfo != receiveVfo ? transmitVfo : receiveVfo;
    return dials[static_cast<size_t>(transmitBand)][static_cast<size_t>(vfo)];
}

bool KenwoodRadioFamily::recognises(const std::vector<uint8_t>& command) const {
    return !command.empty() && command.back() == kTerminator &&
           std::all_of(command.begin(), command.end(),
                       [](uint8_t byte) { return byte >= 0x20 && byte <= 0x7E; });
}

std::optional<uint64_t> KenwoodRadioFamily::dialHz() const {
    if (!lastDial_) return std::nullopt;
    return lastDial_->hz;
}

std::optional<uint64_t> KenwoodRadioFamily::linkDialHz(bool uplink) const {
    if (!lastDial_) return std::nullopt;
    return uplink ? radio_.transmitDial().hz : radio_.receiveDial().hz;
}

std::string KenwoodRadioFamily::frequency(int vfo, std::string_view digits, std::string& answer) {
    const std::string letter = vfo == 0 ? "FA" : "FB";
    KenwoodDial& dial = radio_.vfoDial(vfo);
    if (digits.empty()) {
        answer += letter + zeroPadded(dial.hz, kFrequencyDigits) + ";";
        return "read " + vfoName(vfo) + ": " + megahertzText(dial.hz) + " MHz";
    }
    if (digits.size() != kFrequencyDigits || !allDigits(digits)) {
        answer += kError;
        return letter + " with a malformed frequency \"" + std::string(digits) + "\"";
    }
    dial.hz = std::stoull(std::string(digits));
    lastDial_ = &dial;
    return "set " + vfoName(vfo) + " " + megahertzText(dial.hz) + " MHz";
}

std::string KenwoodRadioFamily::satelliteMode(std::string_view parameters) {
    radio_.satellite = parameters[0] == '1';
    return "satellite mode " + onOff(radio_.satellite) + " (SA" + std::string(parameters) + ")";
}

std::string KenwoodRadioFamily::bandControl(std::string_view parameters) {
    if (parameters.size() == 1) {
        radio_.controlBand = parameters[0] - '0';
        if (radio_.controlBand == 1) radio_.subReceiver = true;
        return "control on the " + bandName(radio_.controlBand);
    }
    radio_.transmitBand = parameters[0] - '0';
    radio_.controlBand = parameters[1] - '0';
    return "transmit on the " + bandName(radio_.transmitBand) + ", control on the " +
           bandName(radio_.controlBand);
}

std::string KenwoodRadioFamily::command(std::string_view text, std::string& answer) {
    const std::string_view name = text.substr(0, 2);
    const std::string_view parameters = text.size() > 2 ? text.substr(2) : std::string_view();
    const auto refuse = [&] {
        answer += kError;
        return std::string(text) + " refused";
    };
    if (name == "FA" || name == "FB") return frequency(name == "FA" ? 0 : 1, parameters, answer);
    if (name == "MD") {
        const auto mode = oneDigit(parameters, 9);
        if (!mode || *mode == 0) return refuse();
        radio_.modeDial().mode = *mode;
        return "mode " + kenwoodModeName(*mode);
    }
    if (name == "DC") {
        if ((parameters.size() != 1 && parameters.size() != 2) || !allDigits(parameters) ||
            std::any_of(parameters.begin(), parameters.end(), [](char c) { return c > '1'; }))
            return refuse();
        return bandControl(parameters);
    }
    if (name == "SA") {
        if (parameters.size() != 7 || !allDigits(parameters)) return refuse();
        return satelliteMode(parameters);
    }
    if (name == "MC") {
        std::string_view digits = parameters;
        if (!digits.empty() && digits[0] == ' ') digits.remove_prefix(1);
        if (digits.size() < 2 || digits.size() > 3 || !allDigits(digits)) return refuse();
        radio_.memoryChannel = std::stoi(std::string(digits));
        return "memory channel " + std::to_string(radio_.memoryChannel);
    }
    if (name == "TN") {
        if (parameters.size() != 2 || !allDigits(parameters)) return refuse();
        radio_.toneNumber = std::stoi(std::string(parameters));
        return "tone number " + std::to_string(radio_.toneNumber);
    }
    struct Switch {
        std::string_view name;
        int highest;
    };
    static constexpr Switch kSwitches[] = {{"FN", 2}, {"FT", 1}, {"FR", 1}, {"TO", 1},
                                           {"CT", 1}, {"AI", 2}, {"SP", 1}};
    for (const auto& sw : kSwitches) {
        if (name != sw.name) continue;
        const auto value = oneDigit(parameters, sw.highest);
        if (!value) return refuse();
        if (name == "FN" && *value == 2) return "memory mode";
        if (name == "FN" || name == "FR") {
            radio_.receiveVfo = *value;
            return "receive on " + vfoName(*value);
        }
        if (name == "FT") {
            radio_.transmitVfo = *value;
            return "transmit on " + vfoName(*value);
        }
        if (name == "TO") radio_.toneOn = *value == 1;
        if (name == "CT") radio_.ctcssOn = *value == 1;
        if (name == "AI") radio_.autoInformation = *value != 0;
        if (name == "SP") radio_.split = *value == 1;
        const char* what = name == "TO"   ? "tone "
                           : name == "CT" ? "CTCSS "
                           : name == "AI" ? "auto information "
                                          : "split ";
        return what + onOff(*value != 0);
    }
    answer += kError;
    return std::string(text) + " (not simulated)";
}

RadioExchange KenwoodRadioFamily::handle(const std::vector<uint8_t>& bytes) {
    const std::string text(bytes.begin(), bytes.end());
    std::string description, answer;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find(kTerminator, start);
        if (end == std::string::npos) break; // recognises() guarantees the last one
        const std::string_view one = std::string_view(text).substr(start, end - start);
        if (!description.empty()) description += ", ";
        description += one.size() < 2 ? "empty command" : command(one, answer);
        start = end + 1;
    }
    return {"Kenwood " + description, {answer.begin(), answer.end()}};
}

} // namespace orv::sim
