// The PCR-1000's EEPROM warning: the message box, and the calls that read and
// store the operator's acceptance and end the run when it is declined.
#pragma once

#include "platform/dialogs.h"

#include <functional>
#include <string>

namespace orv::radio {

// The configuration key beyond the 35 entries that holds "1" once the warning was accepted.
inline constexpr int kPcrCaveatKey = 36;

// "EEPROM CAVEAT": Yes and No, No the default, the stop icon.
platform::DialogRequest pcrEepromCaveat();

struct PcrCaveatHooks {
    std::function<std::string()> readAcceptance; // key 36 as stored; empty: never accepted
    std::function<void()> storeAcceptance;       // key 36 becomes "1"
    std::function<platform::DialogAnswer(const platform::DialogRequest&)> ask;
    std::function<void()> endProgram; // declining the warning ends the run
};

} // namespace orv::radio
