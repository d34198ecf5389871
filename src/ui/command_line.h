// The station's own command-line options, one row of a table each. They are taken
// out before the rest of the command line is looked at for "DEMO"; an option we do
// not know, or a word other than DEMO, is refused.
#pragma once

#include <optional>
#include <span>
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
    bool acceptEepromCaveat = false; // answer Yes to the PCR-1000's EEPROM warning
    std::string mapPng; // write the map here at every map update
    // Network control: the rotator and radio servers, each off unless asked for.
    std::optional<int> rotctldPort;
    std::optional<int> rigctldPort;
    std::string listenAddress = "127.0.0.1";
    bool listenGiven = false;
    std::string rigctldRecord; // the record whose radios a client tunes without a selection
    bool help = false;
    std::vector<std::string> rest; // what is left: "the command line"
    std::string error;             // non-empty when the options are wrong

    std::string remainder() const; // rest joined by blanks
};

// How an option takes its value: not at all, as the next word or "=VALUE", or only
// as "=VALUE" (then it may be left out).
enum class OptionValue { None, Required, Optional };

// The ports the network-control servers take when none is given.
inline constexpr int kDefaultRotctldPort = 4533;
inline constexpr int kDefaultRigctldPort = 4532;

struct OptionRow {
    const char* name; // "--rate"
    OptionValue value;
    const char* valueName; // "N", shown in the help
    const char* help;      // what it does; lines after the first start with "\n"
    // Stores the value; returns false and fills `error` when the value is wrong.
    bool (*apply)(CommandLine& options, const std::string& value, std::string& error);
};

std::span<const OptionRow> commandLineOptions();

// Takes our options out of `arguments`. Words beginning with a single "-" are left in
// `rest` for Qt to take; whatever Qt leaves is checked by checkRemainder.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// What remains after Qt took its options: only "DEMO" (any case) may be there. Returns
// the reason when something else is.
std::string checkRemainder(const std::vector<std::string>& rest);

std::string usageLine();
std::string usageText();

} // namespace orv::ui
