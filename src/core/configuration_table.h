// The 35 configuration entries: key, editor label, first-run default and how the
// stored text is read. Defined once; the loader, the editor and the tool use it.
#pragma once

#include <array>

namespace orv::core {

enum class EntryKind {
    Real,  // leading-number parse
    Whole, // leading-number parse rounded to a whole 16-bit value
    Word,  // upper-cased text
    Text,  // used as typed
};

struct ConfigEntry {
    int key;
    const char* label;
    const char* defaultValue;
    EntryKind kind;
};

inline constexpr int kConfigEntryCount = 35;

inline constexpr std::array<ConfigEntry, kConfigEntryCount> kConfigEntries{{
    {.key = 1, .label = "Latitude", .defaultValue = "-39.524", .kind = EntryKind::Real},
    {.key = 2, .label = "Longitude", .defaultValue = "176.869", .kind = EntryKind::Real},
    {.key = 3, .label = "Height", .defaultValue = "7", .kind = EntryKind::Real},
    {.key = 4, .label = "UTC Offset", .defaultValue = "0", .kind = EntryKind::Real},
    {.key = 5, .label = "COM Port  Parallel Port ", .defaultValue = "1", .kind = EntryKind::Word},
    {.key = 6,
     .label = "Path statement to Keps Directory",
     .defaultValue = "orv_kite.txt",
     .kind = EntryKind::Word},
    {.key = 7, .label = "Inhibit Azimuth Rotator", .defaultValue = "NO", .kind = EntryKind::Word},
    {.key = 8, .label = "Azimuth Deadband (Units)", .defaultValue = "5", .kind = EntryKind::Whole},
    {.key = 9, .label = "Azimuth Slewing (Degrees)", .defaultValue = "0", .kind = EntryKind::Real},
    {.key = 10, .label = "Azimuth Step (Degrees)", .defaultValue = "2", .kind = EntryKind::Whole},
    {.key = 11,
     .label = "Azimuth Parking (Degrees)",
     .defaultValue = "0",
     .kind = EntryKind::Whole},
    {.key = 12, .label = "Rotator Timing", .defaultValue = "0", .kind = EntryKind::Real},
    {.key = 13,
     .label = "Inhibit Elevation Rotator",
     .defaultValue = "NO",
     .kind = EntryKind::Word},
    {.key = 14, .label = "Elevation Deadband", .defaultValue = "5", .kind = EntryKind::Whole},
    {.key = 15, .label = "Elevation Slewing", .defaultValue = "0", .kind = EntryKind::Real},
    {.key = 16, .label = "Elevation Step", .defaultValue = "2", .kind = EntryKind::Whole},
    {.key = 17, .label = "Elevation Park", .defaultValue = "NO", .kind = EntryKind::Word},
    {.key = 18, .label = "Max Elevation", .defaultValue = "90", .kind = EntryKind::Real},
    {.key = 19, .label = "Use Flipping", .defaultValue = "NO", .kind = EntryKind::Word},
    {.key = 20,
     .label = "Start Tracking at (degrees)",
     .defaultValue = "-3",
     .kind = EntryKind::Real},
    {.key = 21, .label = " Elevation Low Value", .defaultValue = "0", .kind = EntryKind::Real},
    {.key = 22, .label = "Snow/Wind Elevation Park", .defaultValue = "0", .kind = EntryKind::Real},
    {.key = 23, .label = "E.C.P Output Sense +/-", .defaultValue = "+", .kind = EntryKind::Text},
    {.key = 24, .label = "Memory Channel", .defaultValue = "NO", .kind = EntryKind::Word},
    {.key = 25, .label = "DDE Service", .defaultValue = "NO", .kind = EntryKind::Word},
    {.key = 26, .label = "DDE Auto Close", .defaultValue = "NO", .kind = EntryKind::Word},
    {.key = 27, .label = "Mapping Feature", .defaultValue = "YES", .kind = EntryKind::Word},
    {.key = 28, .label = "Prgrm Timer Milliseconds", .defaultValue = "50", .kind = EntryKind::Real},
    {.key = 29, .label = "DDE Timer Seconds", .defaultValue = "5", .kind = EntryKind::Real},
    {.key = 30, .label = "Map Update Timer.Seconds", .defaultValue = "5", .kind = EntryKind::Real},
    {.key = 31,
     .label = "      Map Centre      0, 180, 270",
     .defaultValue = "0",
     .kind = EntryKind::Real},
    {.key = 32, .label = "Horizon Table", .defaultValue = "NO", .kind = EntryKind::Word},
    {.key = 33, .label = "Reserved", .defaultValue = "0", .kind = EntryKind::Real},
    {.key = 34, .label = "Reserved", .defaultValue = "0", .kind = EntryKind::Word},
    {.key = 35, .label = "Azimuth Rotator Format", .defaultValue = "0", .kind = EntryKind::Whole},
}};

constexpr const ConfigEntry& configEntry(int key) {
    return kConfigEntries.at(key - 1);
}

} // namespace orv::core
