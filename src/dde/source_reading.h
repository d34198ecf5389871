// What one poll of a tracking program tells the station: a satellite (with, from
// Nova for Windows, its position), no satellite, or a reply it cannot read.
#pragma once

#include <optional>
#include <string>

namespace orv::dde {

struct PeerPosition {
    double azimuth = 0;   // degrees, 0 <= az < 360
    double elevation = 0; // degrees
    double rangeRate = 0; // km/s, positive receding
    int ma256 = 0;        // mean anomaly in 256ths of a revolution
};

enum class ReadingKind { Satellite, NoSatellite, Unreadable };

struct SourceReading {
    ReadingKind kind = ReadingKind::NoSatellite;
    std::string name;                     // the satellite as the program names it
    std::optional<PeerPosition> position; // Nova for Windows only
    std::string fault;                    // why an unreadable reply is unreadable

    static SourceReading satellite(std::string name) {
        return {ReadingKind::Satellite, std::move(name), std::nullopt, {}};
    }
    static SourceReading none() { return {}; }
    static SourceReading unreadable(std::string fault) {
        return {ReadingKind::Unreadable, {}, std::nullopt, std::move(fault)};
    }
};

} // namespace orv::dde
