// Where the station's positions come from: the numbered tracking sources, the
// number shown as src= on the status line.
#pragma once

#include <string_view>

namespace orv::core {

struct TrackingSource {
    int number;
    std::string_view name;
    bool linkedProgram; // a tracking program on this computer names the satellite
};

inline constexpr TrackingSource kTrackingSources[] = {
    {1, "stand-alone", false},     {2, "WISP", true},    {3, "Nova for Windows", true},
    {4, "WinOrbit", true},         {5, "WXtrack", true}, {6, "SatPC32", true},
    {7, "remote pointing", false}, // a network client sets the pointing target
};

inline constexpr int kStandAloneSource = 1;
inline constexpr int kRemotePointingSource = 7;

// The source numbered `number`; nothing outside the table.
constexpr const TrackingSource* trackingSource(int number) {
    for (const auto& source : kTrackingSources)
        if (source.number == number) return &source;
    return nullptr;
}

} // namespace orv::core
