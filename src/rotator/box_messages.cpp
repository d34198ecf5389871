#include "rotator/box_messages.h"

namespace orv::rotator {

namespace {
constexpr const char* kParallelFaultLines[] = {
    "     There are 5 possible causes for this fault.",
    "",
    "1: No Orv_Kite 2000 hardware available.",
    "2: No power being supplied to the Orv_Kite hardware",
    "3: No cable or incorrect cable connected to the printer port.",
    "4: Printer port incorrectly configured in the Main Configuration",
    "5: Program lockup. Mechanically reset the Orv_Kite hardware.",
    "",
    "Correct the fault and restart the program or continue in a",
    "a demonstration mode.",
    "",
};
} // namespace

std::string parallelPortFaultText() {
    std::string text;
    for (const char* line : kParallelFaultLines)
        text += std::string(line) + "\r\n";
    return text;
}

std::string serialPortRefusedText(const std::string& device, const std::string& reason) {
    return "The serial port of the Orv_Kite hardware cannot be opened:\r\n" + device + ": " +
           reason +
           "\r\n\r\nCheck that no other program holds the port and that this user may use it\r\n"
           "(on Debian, a member of the dialout group), then restart Orv_Kite.\r\n";
}

} // namespace orv::rotator
