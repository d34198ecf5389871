#include "radio/pcr_caveat.h"

namespace orv::radio {

platform::DialogRequest pcrEepromCaveat() {
    platform::DialogRequest request;
    request.title = "EEPROM CAVEAT";
    request.text = "Every precaution has been taken to ensure that Orv_Kite \n"
                   "does not write to or corrupt the PCR 1000's Eeprom\n"
                   "DO YOU WANT TO CONTINUE WITHOUT HAVING BACKED\n"
                   "                UP THE EEPROM???\n"
                   " It is your responsibility if you ignore this warning.\n"
                   "An EEPROM backup program for the PCR 1000 can be had from the PCR 1000 "
                   "user groups on the Internet.";
    request.icon = platform::DialogIcon::Critical;
    request.buttons = platform::DialogButtons::YesNo;
    request.defaultAnswer = platform::DialogAnswer::No;
    request.helpFile = "DEMO.HLP";
    request.helpContext = 1000;
    return request;
}

} // namespace orv::radio
