#include "ui/command_line.h"

#include <cstdlib>

namespace orv::ui {

namespace {

bool parseNumber(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && end && *end == '\0';
}

} // namespace

std::string CommandLine::remainder() const {
    std::string line;
    for (const auto& word : rest) {
        if (!line.empty()) line += ' ';
        line += word;
    }
    return line;
}

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine options;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        std::string name = argument, inlineValue;
        bool hasInlineValue = false;
        if (argument.rfind("--", 0) == 0) {
            if (const auto equals = argument.find('='); equals != std::string::npos) {
                name = argument.substr(0, equals);
                inlineValue = argument.substr(equals + 1);
                hasInlineValue = true;
            }
        }
        const auto value = [&](std::string& out) {
            if (hasInlineValue) {
                out = inlineValue;
                return true;
            }
            if (i + 1 >= arguments.size()) {
                options.error = name + " needs a value";
                return false;
            }
            out = arguments[++i];
            return true;
        };
        std::string text;
        if (name == "--headless") {
            options.headless = true;
        } else if (name == "--simulate") {
            options.simulate = true;
            options.simulateFault = inlineValue;
        } else if (name == "--verbose") {
            options.verbose = true;
        } else if (name == "--help" || name == "-h") {
            options.help = true;
        } else if (name == "--settings") {
            if (!value(options.settingsPath)) break;
        } else if (name == "--time") {
            if (!value(options.startTime)) break;
        } else if (name == "--rate") {
            if (!value(text)) break;
            if (!parseNumber(text, options.rate) || options.rate <= 0) {
                options.error = "--rate needs a positive number, not \"" + text + "\"";
                break;
            }
        } else if (name == "--for") {
            if (!value(text)) break;
            if (!parseNumber(text, options.runFor) || options.runFor <= 0) {
                options.error = "--for needs a positive number of seconds, not \"" + text + "\"";
                break;
            }
        } else {
            options.rest.push_back(argument);
        }
    }
    return options;
}

std::string usageText() {
    return "Usage: orv_kite [options] [DEMO]\n"
           "Satellite station controller: tracks the selected satellite, points the\n"
           "rotators and tunes the radios through the Orv_Kite interface box.\n"
           "The program directory's name picks the box: ORV_KITE3 (parallel port)\n"
           "or ORV_KITE4 (USB/serial). DEMO (variant 3) runs without touching the box.\n\n"
           "Options:\n"
           "  --headless            run without windows: a status line every second on\n"
           "                        standard output; each line read from standard input\n"
           "                        is typed into the satellite-name box and Enter pressed\n"
           "  --simulate[=FAULT[@S]] use the built-in simulated interface box, optionally\n"
           "                        with a fault injected (after S seconds)\n"
           "  --settings FILE       settings store to use (default: $ORV_KITE_SETTINGS,\n"
           "                        else $XDG_CONFIG_HOME/orv_kite/settings.sqlite)\n"
           "  --time \"YYYY-MM-DD hh:mm:ss\"  start the clock at this local time\n"
           "  --rate N              run the clock N times as fast as real time\n"
           "  --for SECONDS         exit (as the Exit button does) after this long\n"
           "  --verbose             log what the simulated box receives\n"
           "  --help                show this text\n";
}

} // namespace orv::ui
