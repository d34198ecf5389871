// What the program's directory and command line decide: the box variant, the
// demonstration switch, the version texts.
#pragma once

#include <optional>
#include <string>

namespace orv::station {

// 3 or 4 when the directory's last nine characters, upper-cased, are ORV_KITE3 or
// ORV_KITE4; nothing otherwise.
std::optional<int> variantFromDirectory(const std::string& programDir);

// Variant 3 only: the command line, trimmed and upper-cased, equal to "DEMO".
bool demoRequested(int variant, const std::string& commandLine);

std::string versionText(int variant); // "Ver 3.0.g"
std::string windowCaption(int variant);

} // namespace orv::station
