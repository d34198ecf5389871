// orv_kite_tool frames: a dry run of what the box receives when a satellite is
// selected and its radios are set up and tuned once (range rate 0), byte for byte.
#include "core/configuration.h"
#include "core/number_text.h"
#include "core/satellite_db.h"
#include "radio/radio_dry_run.h"
#include "radio/radio_model.h"
#include "sim/baud_timing.h"
#include "sim/radio_port.h"
#include "tools/commands.h"
#include "tools/tool_arguments.h"

#include <array>
#include <cstdio>
#include <map>
#include <memory>

namespace orv::tools {

namespace {

const char* kFramesUsage =
    "Usage: orv_kite_tool frames [--settings FILE --satellite NAME] [--field K=VALUE]...\n"
    "                            [--variant 3|4] [--shutdown]\n"
    "  Prints, one line per frame, the radio frames the box would receive when the\n"
    "  satellite is selected and tuned once at a range rate of 0: transfer code, radio\n"
    "  port, the two timing bytes, the payload up to its F0 marker, and what it means.\n"
    "  Without --satellite the record is the digital template; --field changes a field\n"
    "  of it (may be given more than once, e.g. --field 7=14). --shutdown adds the\n"
    "  closing frames.\n";

// The first-run configuration, for a dry run without a stored one.
core::ConfigValues defaultConfiguration(int variant) {
    std::array<std::string, core::kConfigEntryCount> texts;
    for (const auto& entry : core::kConfigEntries)
        texts[static_cast<size_t>(entry.key - 1)] = entry.defaultValue;
    return core::convertConfiguration(texts, variant);
}

int fail(const std::string& message, int code = 1) {
    std::fprintf(stderr, "orv_kite_tool: %s\n", message.c_str());
    return code;
}

// "--field K=VALUE" words, in the order given.
std::vector<std::string> fieldWords(const std::vector<std::string>& words) {
    std::vector<std::string> fields;
    for (size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "--field" && i + 1 < words.size())
            fields.push_back(words[++i]);
        else if (words[i].rfind("--field=", 0) == 0)
            fields.push_back(words[i].substr(8));
    }
    return fields;
}

bool applyField(core::SatelliteRecord& record, const std::string& assignment) {
    const auto equals = assignment.find('=');
    if (equals == std::string::npos) return false;
    const std::string keyText = assignment.substr(0, equals);
    const int key = static_cast<int>(core::leadingNumber(keyText));
    if (key < 2 || key > core::kSatelliteFieldCount || keyText != std::to_string(key)) return false;
    record[static_cast<size_t>(key - 1)] = assignment.substr(equals + 1);
    return true;
}

std::string hexText(const std::vector<uint8_t>& bytes) {
    std::string text;
    char two[4];
    for (uint8_t byte : bytes) {
        std::snprintf(two, sizeof two, "%02X", byte);
        if (!text.empty()) text += ' ';
        text += two;
    }
    return text;
}

// The simulated radios on the box's ports: each hears the frames sent to its port
// at the baud rate the header names, as the model the record has on that link,
// says what it makes of them and answers reads.
class SimulatedPorts {
public:
    SimulatedPorts(core::SatelliteConfig satellite, int variant)
        : satellite_(std::move(satellite)), variant_(variant) {}

    std::vector<uint8_t> hear(const radio::DryRunFrame& frame) {
        if (frame.port == 0) {
            meanings_.emplace_back("no radio port in the header; the box ignores the payload");
            return {};
        }
        auto& port = ports_[frame.port];
        if (!port) port = std::make_unique<sim::RadioPort>(frame.port);
        const auto& link = frame.transfer == 1 ? satellite_.uplink : satellite_.downlink;
        port->fit(radio::radioModel(link.radio).name);
        std::vector<uint8_t> command = frame.payload;
        if (!command.empty() && command.back() == 0xF0) command.pop_back();
        const auto baud = variant_ == 3
                              ? sim::parallelBoxBaud(frame.timingFirst, frame.timingSecond)
                              : sim::serialBoxBaud(frame.timingFirst, frame.timingSecond);
        auto exchange = port->deliver(command, baud.value_or(0));
        meanings_.push_back(std::move(exchange.description));
        return exchange.reply;
    }
    const std::string& meaning(size_t frame) const { return meanings_.at(frame); }

private:
    core::SatelliteConfig satellite_;
    int variant_;
    std::map<int, std::unique_ptr<sim::RadioPort>> ports_;
    std::vector<std::string> meanings_;
};

} // namespace

int framesCommand(const std::vector<std::string>& words) {
    const auto arguments = parseToolArguments(
        words, {"--settings", "--satellite", "--variant", "--field", flag("--shutdown")});
    if (arguments.has("--help")) {
        std::fputs(kFramesUsage, stdout);
        return 0;
    }
    if (!arguments.error.empty()) return refuseArguments(arguments.error, kFramesUsage);
    if (!arguments.positional.empty())
        return refuseArguments("unexpected \"" + arguments.positional[0] + "\"", kFramesUsage);
    int variant = 4;
    if (!variantOf(arguments, variant)) return 2;

    core::SatelliteRecord record = core::satelliteTemplate(false, "DRY RUN");
    core::ConfigValues config;
    if (arguments.has("--satellite") || arguments.has("--settings")) {
        const auto store = openStore(arguments);
        if (!store) return 1;
        try {
            core::Configuration configuration(*store);
            config = configuration.isFirstRun(variant) ? defaultConfiguration(variant)
                                                       : configuration.load(variant);
            if (arguments.has("--satellite")) {
                const std::string typed = arguments.value("--satellite");
                const auto stored = core::SatelliteDb(*store).read(core::upperCased(typed));
                if (!stored) return fail("no satellite named \"" + typed + "\" in the database");
                record = *stored;
            }
        } catch (const core::SettingsError& error) {
            return fail(error.what());
        }
    } else {
        config = defaultConfiguration(variant);
    }
    for (const auto& assignment : fieldWords(words))
        if (!applyField(record, assignment))
            return fail("--field takes K=VALUE with K from 2 to 23, not " + assignment, 2);

    SimulatedPorts ports(core::typedSatellite(record, variant), variant);
    const auto frames =
        radio::dryRunFrames(record, config, variant, arguments.has("--shutdown"),
                            [&](const radio::DryRunFrame& frame) { return ports.hear(frame); });
    std::printf("transfer\tport\ttiming\tpayload\tmeaning\n");
    for (size_t i = 0; i < frames.size(); ++i) {
        const auto& frame = frames[i];
        std::printf("%d\t%d\t%d %d\t%s\t%s\n", frame.transfer, frame.port, frame.timingFirst,
                    frame.timingSecond, hexText(frame.payload).c_str(), ports.meaning(i).c_str());
    }
    return 0;
}

} // namespace orv::tools
