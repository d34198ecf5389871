// The station's own command-line options. They are taken out before the rest
// of the command line is looked at for "DEMO".
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orv::ui {

struct CommandLine {
    bool headless = false;
    bool simulate = false;
    std::string simulateFault; // "FAULT" or "FAULT@SECONDS"
    std::string settingsPath;
    std::string startTime; // "YYYY-MM-DD hh:mm:ss"
    double rate = 1.0;
    double runFor = 0; // seconds; 0 = until ended
    bool verbose = false;
    bool help = false;
    std::vector<std::string> rest; // what is left: "the command line"
    std::string error;             // non-empty when the options are wrong

    std::string remainder() const; // rest joined by blanks
};

CommandLine parseCommandLine(const std::vector<std::string>& arguments);
std::string usageText();

} // namespace orv::ui
