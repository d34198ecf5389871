#include "ui/command_line.h"

#include "core/number_text.h"
#include "sim/fault_plan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace orv::ui {

namespace {

bool parseNumber(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && end && *end == '\0' && std::isfinite(value);
}

bool positive(const std::string& text, double& value, const char* name, const char* what,
              std::string& error) {
    if (parseNumber(text, value) && value > 0) return true;
    error = std::string(name) + " needs a positive " + what + ", not \"" + text + "\"";
    return false;
}

// A TCP port to listen on, 1 to 65535; `fallback` when none is given.
bool listenPort(const std::string& text, int fallback, std::optional<int>& port, const char* name,
                std::string& error) {
    if (text.empty()) {
        port = fallback;
        return true;
    }
    double value = 0;
    if (parseNumber(text, value) && value >= 1 && value <= 65535 && value == std::floor(value)) {
        port = static_cast<int>(value);
        return true;
    }
    error = std::string(name) + " needs a port from 1 to 65535, not \"" + text + "\"";
    return false;
}

constexpr std::array kOptions{
    OptionRow{"--headless", OptionValue::None, "",
              "run without windows: a status line every second on standard\n"
              "output; each line read from standard input is typed into the\n"
              "satellite-name box and Enter pressed, a line beginning with !\n"
              "is a gesture (!help lists them)",
              [](CommandLine& o, const std::string&, std::string&) { return o.headless = true; }},
    OptionRow{"--simulate", OptionValue::Optional, "FAULT[@S]",
              "use the built-in simulated interface box, optionally with a\n"
              "fault injected (after S seconds); the faults are listed below",
              [](CommandLine& o, const std::string& value, std::string& error) {
                  if (!sim::parseFaultPlan(value, error)) return false;
                  o.simulateFault = value;
                  return o.simulate = true;
              }},
    OptionRow{"--settings", OptionValue::Required, "FILE",
              "settings store to use (default: $ORV_KITE_SETTINGS,\n"
              "else $XDG_CONFIG_HOME/orv_kite/settings.sqlite)",
              [](CommandLine& o, const std::string& value, std::string& error) {
                  if (value.empty()) error = "--settings needs a file name";
                  o.settingsPath = value;
                  return !value.empty();
              }},
    OptionRow{"--time", OptionValue::Required, "\"YYYY-MM-DD hh:mm:ss\"",
              "start the clock at this local time",
              [](CommandLine& o, const std::string& value, std::string&) {
                  o.startTime = value;
                  return true;
              }},
    OptionRow{"--rate", OptionValue::Required, "N", "run the clock N times as fast as real time",
              [](CommandLine& o, const std::string& value, std::string& error) {
                  return positive(value, o.rate, "--rate", "number", error);
              }},
    OptionRow{"--for", OptionValue::Required, "SECONDS",
              "exit (as the Exit button does) after this long",
              [](CommandLine& o, const std::string& value, std::string& error) {
                  return positive(value, o.runFor, "--for", "number of seconds", error);
              }},
    OptionRow{"--map-png", OptionValue::Required, "FILE",
              "write the world map to FILE at every map update",
              [](CommandLine& o, const std::string& value, std::string& error) {
                  if (value.empty()) error = "--map-png needs a file name";
                  o.mapPng = value;
                  return !value.empty();
              }},
    OptionRow{"--rotctld", OptionValue::Optional, "PORT",
              "answer rotator network clients (rotctl, Gpredict, SatNOGS)\n"
              "on PORT (default 4533): they point the rotators",
              [](CommandLine& o, const std::string& value, std::string& error) {
                  return listenPort(value, kDefaultRotctldPort, o.rotctldPort, "--rotctld", error);
              }},
    OptionRow{"--rigctld", OptionValue::Optional, "PORT",
              "answer radio network clients (rigctl, Gpredict, SatNOGS)\n"
              "on PORT (default 4532): they tune the radios",
              [](CommandLine& o, const std::string& value, std::string& error) {
                  return listenPort(value, kDefaultRigctldPort, o.rigctldPort, "--rigctld", error);
              }},
    OptionRow{"--listen", OptionValue::Required, "ADDRESS",
              "listen for network clients on ADDRESS instead of 127.0.0.1\n"
              "(0.0.0.0 for every interface): anyone who can reach it\n"
              "can move the antennas and key the transmitter",
              [](CommandLine& o, const std::string& value, std::string& error) {
                  if (value.empty()) error = "--listen needs an address";
                  o.listenAddress = value;
                  o.listenGiven = true;
                  return !value.empty();
              }},
    OptionRow{"--rigctld-record", OptionValue::Required, "NAME",
              "the satellite record whose radios a radio client tunes\n"
              "while no satellite is selected",
              [](CommandLine& o, const std::string& value, std::string& error) {
                  if (value.empty()) error = "--rigctld-record needs a satellite name";
                  o.rigctldRecord = value;
                  return !value.empty();
              }},
    OptionRow{"--accept-eeprom-caveat", OptionValue::None, "",
              "answer Yes to the PCR-1000's EEPROM warning (\"EEPROM CAVEAT\"),\n"
              "which is then not asked again; without it a headless run\n"
              "takes the warning's default answer, No, which ends the run",
              [](CommandLine& o, const std::string&, std::string&) {
                  return o.acceptEepromCaveat = true;
              }},
    OptionRow{"--verbose", OptionValue::None, "", "log what the simulated box receives",
              [](CommandLine& o, const std::string&, std::string&) { return o.verbose = true; }},
    OptionRow{"--help", OptionValue::None, "", "show this text and end",
              [](CommandLine& o, const std::string&, std::string&) { return o.help = true; }},
};

const OptionRow* rowFor(const std::string& name) {
    for (const auto& row : kOptions)
        if (name == row.name) return &row;
    return nullptr;
}

// "--name", "--name=VALUE" or "--name VALUE", by the option's row.
bool takeOption(const std::vector<std::string>& arguments, size_t& i, CommandLine& options) {
    const std::string& argument = arguments[i];
    const auto equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    const OptionRow* row = rowFor(name);
    if (!row) {
        options.error = "unknown option " + name;
        return false;
    }
    std::string value;
    if (equals != std::string::npos) {
        if (row->value == OptionValue::None) {
            options.error = name + " takes no value";
            return false;
        }
        value = argument.substr(equals + 1);
    } else if (row->value == OptionValue::Required) {
        if (i + 1 >= arguments.size()) {
            options.error = name + " needs a value";
            return false;
        }
        value = arguments[++i];
    }
    return row->apply(options, value, options.error);
}

std::string optionSynopsis(const OptionRow& row) {
    switch (row.value) {
    case OptionValue::None:
        return row.name;
    case OptionValue::Required:
        return std::string(row.name) + ' ' + row.valueName;
    case OptionValue::Optional:
        return std::string(row.name) + "[=" + row.valueName + ']';
    }
    return row.name;
}

std::string faultList() {
    std::string text = "Faults of --simulate=FAULT:\n";
    for (const sim::FaultKind kind : sim::faultKinds()) {
        std::string name = sim::faultName(kind);
        name.resize(std::max<size_t>(name.size(), 22), ' ');
        text += "  " + name + sim::faultDescription(kind) + '\n';
    }
    return text;
}

} // namespace

std::span<const OptionRow> commandLineOptions() {
    return kOptions;
}

std::string CommandLine::remainder() const {
    std::string line;
    for (const auto& word : rest) {
        if (!line.empty()) line += ' ';
        line += word;
    }
    return line;
}

namespace {
// Options that only mean something beside another.
std::string checkCombinations(const CommandLine& options) {
    const bool serving = options.rotctldPort || options.rigctldPort;
    if (options.listenGiven && !serving) return "--listen needs --rotctld or --rigctld";
    if (!options.rigctldRecord.empty() && !options.rigctldPort)
        return "--rigctld-record needs --rigctld";
    if (options.rotctldPort && options.rotctldPort == options.rigctldPort)
        return "--rotctld and --rigctld need different ports";
    return {};
}
} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine options;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-h") {
            options.help = true;
        } else if (argument.rfind("--", 0) == 0) {
            if (!takeOption(arguments, i, options)) return options;
        } else {
            options.rest.push_back(argument); // Qt's own options and "DEMO"
        }
    }
    options.error = checkCombinations(options);
    return options;
}

std::string checkRemainder(const std::vector<std::string>& rest) {
    bool demoSeen = false;
    for (const auto& word : rest) {
        if (word.size() > 1 && word.front() == '-') return "unknown option " + word;
        if (core::upperCased(word) == "DEMO" && !demoSeen) {
            demoSeen = true;
            continue;
        }
        return "unexpected argument \"" + word + "\" (only DEMO may follow the options)";
    }
    return {};
}

std::string usageLine() {
    std::string line = "Usage: orv_kite";
    for (const auto& row : kOptions)
        if (std::string_view(row.name) != "--help") line += " [" + optionSynopsis(row) + ']';
    return line + " [DEMO]\n";
}

std::string usageText() {
    std::string text =
        usageLine() + "Satellite station controller: tracks the selected satellite, points the\n"
                      "rotators and tunes the radios through the Orv_Kite interface box.\n"
                      "The program directory's name picks the box: ORV_KITE3 (parallel port)\n"
                      "or ORV_KITE4 (USB/serial). DEMO (variant 3) runs without touching the box.\n"
                      "\nOptions:\n";
    for (const auto& row : kOptions) {
        std::string synopsis = "  " + optionSynopsis(row);
        const std::string indent(26, ' ');
        synopsis += synopsis.size() < indent.size()
                        ? std::string(indent.size() - synopsis.size(), ' ')
                        : "\n" + indent;
        std::string help = row.help;
        for (size_t at = 0; (at = help.find('\n', at)) != std::string::npos;
             at += indent.size() + 1)
            help.insert(at + 1, indent);
        text += synopsis + help + '\n';
    }
    return text + '\n' + faultList();
}

} // namespace orv::ui
