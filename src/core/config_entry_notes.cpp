#include "core/config_entry_notes.h"

#include "core/configuration.h"
#include "core/configuration_table.h"
#include "core/number_text.h"

#include <array>

namespace orv::core {

namespace {

// How a word entry is compared, so a text that is neither word can say how it reads.
enum class WordRule {
    None,
    YesElseNo, // only "YES" counts
    NoElseYes, // only "NO" counts
    Dde,       // "NO", "YES" or "AUTO"; anything but "NO" uses a tracking program
    Horizon,   // "NO" hides the control, only "YES" uses the table
};

struct NoteRow {
    const char* unit;
    const char* accepted;
    WordRule rule = WordRule::None;
};

constexpr const char* kYesNo = "YES or NO";

constexpr std::array<NoteRow, kConfigEntryCount> kNotes{{
    {"degrees", "-90 to 90, south negative"},
    {"degrees", "-180 to 180, west negative"},
    {"metres", "above sea level"},
    {"hours", "local time minus UTC, e.g. 12 or -5"},
    {"", ""}, // the port: by variant
    {"", "element file name or path"},
    {"", kYesNo, WordRule::YesElseNo},
    {"counts", "whole number"},
    {"degrees", "0 to 45"},
    {"degrees", "whole number"},
    {"degrees", "whole number"},
    {"", "number (not used)"},
    {"", kYesNo, WordRule::YesElseNo},
    {"counts", "whole number"},
    {"degrees", "0 to 23"},
    {"degrees", "whole number"},
    {"", kYesNo, WordRule::NoElseYes},
    {"degrees", "0 to 180"},
    {"", kYesNo, WordRule::YesElseNo},
    {"degrees", "elevation, e.g. -3"},
    {"degrees", "elevation"},
    {"degrees", "elevation"},
    {"", "+ or -"},
    {"", kYesNo, WordRule::YesElseNo},
    {"", "NO, YES or AUTO", WordRule::Dde},
    {"", kYesNo, WordRule::YesElseNo},
    {"", kYesNo, WordRule::YesElseNo},
    {"ms", "50 to 10000"},
    {"seconds", "5 or more"},
    {"seconds", "5 or more"},
    {"degrees", "0, 180 or 270"},
    {"", kYesNo, WordRule::Horizon},
    {"", "number (kept)"},
    {"", "text (kept)"},
    {"", "format 0 to 6"},
}};

std::string numberProblem(int key, const std::string& text) {
    const double read = leadingNumber(text);
    const double value = configEntry(key).kind == EntryKind::Whole ? wholeValue(read) : read;
    if (!readsWholeAsNumber(text)) return "not a number as a whole: read as " + numberText(value);
    switch (key) {
    case 9:
        return value > 45 ? "above 45: read as 0" : "";
    case 15:
        return value > 23 ? "above 23: read as 0" : "";
    case 28:
        if (value < 50) return "below 50: read as 50";
        return value > 10000 ? "above 10000: read as 50" : "";
    case 29:
    case 30:
        return value < 5 ? "below 5: read as 5" : "";
    case 31:
        return mapCentreDegrees(value) == value ? "" : "not 0, 180 or 270: read as 0";
    case 35:
        return value < 0 || value > 6 ? "not a format 0 to 6" : "";
    default:
        return "";
    }
}

std::string wordProblem(WordRule rule, const std::string& text) {
    const std::string word = upperCased(text);
    switch (rule) {
    case WordRule::YesElseNo:
        return word == "YES" || word == "NO" ? "" : "neither YES nor NO: read as NO";
    case WordRule::NoElseYes:
        return word == "YES" || word == "NO" ? "" : "neither YES nor NO: read as YES";
    case WordRule::Dde:
        return word == "YES" || word == "NO" || word == "AUTO" ? ""
                                                               : "not NO, YES or AUTO: read as YES";
    case WordRule::Horizon:
        return word == "YES" || word == "NO"
                   ? ""
                   : "neither YES nor NO: the control shows, the table is not used";
    case WordRule::None:
        break;
    }
    return "";
}

std::string portProblem(const std::string& text, int variant) {
    const std::string port = upperCased(trimmed(text));
    if (variant == 3) {
        const bool known = port == "1" || port == "2" || port == "3" || port == "378" ||
                           port == "278" || port == "3BC" ||
                           (port.size() == 6 && port.rfind("&H", 0) == 0);
        return known ? "" : "not a printer port: read as 378 (LPT1)";
    }
    if (!port.empty() && port.front() == '/') return "";
    return readsWholeAsNumber(port) && leadingNumber(port) >= 1
               ? ""
               : "neither a port number nor a device path";
}

} // namespace

ConfigEntryNote configEntryNote(int key, int variant) {
    if (key == 5)
        return {key, "",
                variant == 3 ? "1, 2, 3 (LPT1-3), 378, 278, 3BC or &H0378"
                             : "port number N (/dev/ttyUSB N-1) or a device path"};
    const NoteRow& row = kNotes.at(size_t(key - 1));
    return {key, row.unit, row.accepted};
}

std::string conversionProblem(int key, const std::string& text, int variant) {
    if (key == 5) return portProblem(text, variant);
    if (key == 23) return text == "+" || text == "-" ? "" : "neither + nor -: read as -";
    const EntryKind kind = configEntry(key).kind;
    if (kind == EntryKind::Real || kind == EntryKind::Whole) return numberProblem(key, text);
    return wordProblem(kNotes.at(size_t(key - 1)).rule, text);
}

} // namespace orv::core
