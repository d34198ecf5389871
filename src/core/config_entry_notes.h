// What the configuration editor says beside each entry: its unit, the values it takes,
// and, for a text the station will not read as typed, what it reads instead.
#pragma once

#include <string>

namespace orv::core {

struct ConfigEntryNote {
    int key;
    const char* unit;     // "" when the entry has none
    const char* accepted; // the values it takes, in a few words
};

// The note of entry `key` (1..35); the port entry's depends on the variant.
ConfigEntryNote configEntryNote(int key, int variant);

// Empty when the station reads `text` of entry `key` as typed; otherwise why not, with
// what it reads instead ("not a number: read as 0").
std::string conversionProblem(int key, const std::string& text, int variant);

} // namespace orv::core
