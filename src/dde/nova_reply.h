// The reply of Nova for Windows: the satellite's name, "***", then text holding
// "catalog" and the tagged values "AZ:", "EL:", "RR:", "MA:", "SC:" in that order,
// each value followed by one separator before the next tag, and a line end.
#pragma once

#include "dde/source_reading.h"

#include <string>
#include <string_view>

namespace orv::dde {

// An empty value reads as 0. Missing or misordered tags, a reply with neither "***"
// nor "catalog", or an elevation outside -90..90 degrees make it unreadable. The
// "SC:" value is not used. An empty name means Nova for Windows tracks nothing.
SourceReading readNovaReply(std::string_view reply);

// The reply as Nova for Windows writes it, less its line end (what a stand-in serves).
std::string formatNovaReply(std::string_view name, std::string_view catalogueNumber,
                            const PeerPosition& position);

} // namespace orv::dde
