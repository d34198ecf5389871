#include "sim/aor_radio.h"

#include "sim/command_text.h"

#include <algorithm>
#include <charconv>

namespace orv::sim {

namespace {
constexpr char kTerminator = '\r';
constexpr size_t kFrequencyDigits = 10;
constexpr std::string_view kError = "?\r";

} // namespace

std::string aorModeName(int mode) {
    static constexpr const char* kNames[] = {"FM", "AM", "LSB", "USB", "CW"};
    if (mode >= 0 && mode <= 4) return kNames[mode];
    return "mode " + std::to_string(mode);
}

bool AorRadioFamily::recognises(const std::vector<uint8_t>& command) const {
    if (command.size() < 3 || command.back() != kTerminator) return false;
    return std::all_of(command.begin(), command.end() - 1,
                       [](uint8_t byte) { return byte >= 0x20 && byte <= 0x7E; });
}

std::optional<uint64_t> AorRadioFamily::dialHz() const {
    if (!tuned_) return std::nullopt;
    return radio_.hz;
}

std::string AorRadioFamily::command(std::string_view text, std::string& answer) {
    const std::string_view name = text.substr(0, 2);
    const std::string_view parameters = text.substr(2);
    const auto refuse = [&] {
        answer = kError;
        return "\"" + std::string(text) + "\" refused";
    };
    if (text == "EX") {
        radio_.remote = false;
        return "remote control ended";
    }
    radio_.remote = true;
    if (text == "RX") {
        answer = "V" + std::string(1, radio_.vfo) + " RF" +
                 zeroPadded(radio_.hz, kFrequencyDigits) + " MD" + std::to_string(radio_.mode) +
                 "\r";
        return "read frequency: " + megahertzText(radio_.hz) + " MHz";
    }
    if (name == "RF") {
        if (parameters.size() != kFrequencyDigits || !allDigits(parameters)) return refuse();
        radio_.hz = std::stoull(std::string(parameters));
        tuned_ = true;
        ++radio_.frequencySets;
        return "set frequency " + megahertzText(radio_.hz) + " MHz";
    }
    if (text.size() == 2 && text[0] == 'V' && text[1] >= 'A' && text[1] <= 'E') {
        radio_.vfo = text[1];
        return std::string("VFO ") + text[1];
    }
    if (name == "MD" || name == "BW" || name == "AN") {
        const auto value = oneDigit(parameters, name == "MD" ? 4 : 9);
        if (!value) return refuse();
        if (name == "MD") radio_.mode = *value;
        if (name == "BW") radio_.bandwidth = *value;
        if (name == "AN") radio_.antenna = *value;
        return name == "MD"   ? "mode " + aorModeName(*value)
               : name == "BW" ? "bandwidth " + std::to_string(*value)
                              : "antenna " + std::to_string(*value);
    }
    if (name == "ST" || name == "SJ") {
        if (parameters.empty()) return refuse();
        (name == "ST" ? radio_.step : radio_.subStep) = std::string(parameters);
        return (name == "ST" ? "step " : "sub-dial step ") + std::string(parameters);
    }
    answer = kError;
    return "\"" + std::string(text) + "\" (not simulated)";
}

RadioExchange AorRadioFamily::handle(const std::vector<uint8_t>& bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size() - 1);
    std::string answer;
    const std::string description = command(text, answer);
    return {"AOR " + description, {answer.begin(), answer.end()}};
}

} // namespace orv::sim
