#include "core/messages.h"

#include <vector>

namespace orv::core {

namespace {

// One line per item; "" is an empty line.
std::vector<std::string> messageLines(int n, const std::string& programDir) {
    switch (n) {
    case 1:
        return {"Data transfer to the Orv_Kite hardware absent!!!!.",
                "",
                "1. The Orv_Kite hardware is NOT connected.",
                "2. The Orv_Kite hardware is TURNED OFF.",
                "3. The Serial Com Port is incorrectly defined ",
                "     in the Main Configuration file.",
                "4. Mechanically reset the Orv_Kite hardware.",
                "",
                "Correct the error and restart the program or ",
                "  continue in a demonstration mode.",
                ""};
    case 2:
        return {"There are NO satellites in the satellite data base.",
                "",
                "Enter the name of the satellite you wish to track ",
                "into the panel provided on the right hand side of the",
                "of the Control Panel.",
                "",
                "A default data base entry form will appear.",
                "",
                "Select either the analog or digital choice to match",
                "the satellite's primary function.",
                "",
                "Edit the default data base to comply with your radio,",
                "frequency, and other parameters to meet your",
                "specification. Check the entry and SAVE the record.",
                "",
                "Repeat this process to build up a database of ",
                "satellites you may wish to track.",
                "",
                "The satellite's record may be subsequently editted",
                "by entering its name into the right hand panel and",
                "then double clicking the Edit Satellite Parameters",
                "button.",
                "",
                "WARNING!!!! The satellite's name MUST match EXACTLY",
                "the description given it in the NORAD 2 line element",
                "set that Orv_Kite 2003 is using. ",
                ""};
    case 3:
        return {"The satellite name you typed, or the satellite name supplied by",
                "the DDE linked program you are using does NOT APPEAR in the",
                "NORAD 2 line element set that Orv_Kite 2003 is using.",
                "",
                "The file name is called ORV_KITE.TXT or the file pointed ",
                "to in the Main Configuration Kep Path statement.",
                "",
                "If the Red error message remains, you must stop tracking",
                "the satellite you have selected in the DDE linked program you",
                "are using and ensure the NORAD 2 element set is up to date, or",
                "secure an element set that has the satellite included.",
                ""};
    case 4:
        return {"This message only appears when Orv_Kite is started for the first time.",
                "",
                "At this time you only need to enter your geographic location",
                "and the COM number of the serial port to which the Orv_Kite",
                "hardware is attached.",
                "",
                "The Main Configuration entries may be subsequently editted fully",
                "by double clicking the Main Configuration panel.",
                "",
                "The geographic data is entered as degrees and decimal parts of",
                "a degree. i.e 176.875",
                "",
                "Locations West of Greenwich and South of the Equator are entered",
                "as negative quantities. i.e. -39.5",
                "",
                "Click OK and edit the configuration panel. The Orv_Kite program",
                "will close down automatically after you click the SAVE button.",
                "",
                "Restart Orv_Kite to procede.",
                "",
                "NOTE: Other error messages MAY appear during this setup. Click ",
                "these message's OK buttons. Attend to the errors after Orv_Kite ",
                "restarts.",
                ""};
    case 5:
        return {"The NORAD 2 element set, ORV_KITE.TXT is OLDER than 30 Days!!!!",
                "",
                "Use the Update button to refresh the element set.",
                "",
                "NOTE: Whatever the source of the new 2 element set the",
                "Orv_Kite program MUST see the element set file as a file",
                "called ORV_KITE.TXT. Rename other forms to this name.",
                "",
                "The ORV_KITE.TXT file supplied with the original installation",
                "could be many months old. Update immediately after installation.",
                ""};
    case 6:
        return {"The Orv_Kite 2003 program is being called from the incorrect directory",
                "",
                programDir + std::string(29, ' '),
                "",
                "The Orv_Kite 2003 program files MUST be located in a directory named",
                "Orv_Kite3 if you are using the Parallel Printer port hardware OR a ",
                "directory named Orv_Kite4 if you using the USB/Serial Port hardware. ",
                ""};
    case 7:
        return {"The Serial COM port specified in the Main Configuration",
                "file is NOT fitted to this machine",
                "",
                "Please amend the Main Configuration entry. ",
                "",
                "Orv_Kite 2003 MUST Be closed and restarted.",
                ""};
    case 8:
        return {"Orv_Kite 2003 cannot find a DDE link to an alternative",
                "tracking program. The DDE Service entry in the Main ",
                "Configuration file is also set to YES or AUTO.",
                "",
                "Start the alternative tracking program or set the DDE ",
                "Service entry to NO.",
                "",
                "Orv_Kite 2003 will need to be restarted.",
                ""};
    case 11:
        return {"Orv_Kite 2003 is DDE linked but there are no",
                "satellites in the data base. ",
                "The Main Configuration file is also set to YES. ",
                "",
                "Reset the DDE Service entry to NO ",
                ""};
    default:
        return {};
    }
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    return text;
}

} // namespace

std::optional<std::string> messageText(int n, const std::string& programDir,
                                       const std::string& closingLine) {
    const auto lines = messageLines(n, programDir);
    if (lines.empty()) return std::nullopt;
    return joinLines(lines) + closingLine;
}

std::string mapPicturesMissingText() {
    return joinLines({"ORV-KITE IS UNABLE TO LOCATE THE MAP DISPLAYS", "",
                      "These files MUST be located in the same directory that ",
                      "      holds the ORV_KITE3 or ORV_KITE4.exe file.", ""});
}

std::string elementFileMissingText(const std::string& configuredPath) {
    return joinLines({"ORV-KITE IS UNABLE TO LOCATE THE 2 LINE KEP FILE", "",
                      "The Path specification and the file name ",
                      "as specified in the Main Configuration ", "MUST BE CORRECT.", "",
                      configuredPath, ""});
}

std::string elementFileCorruptText() {
    return "The NORAD 2-LINE ELEMENT file appears to be corrupted\n\n";
}

std::string cleanRegistryQuestion() {
    return joinLines({"", "You are about to delete all", "Orv_Kite's registery entries", "",
                      "Do you want to continue ?"});
}

} // namespace orv::core
