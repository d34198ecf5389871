// One satellite's record: 23 stored texts with their editor labels and the two
// templates, and the typed values the radios and the frequency plan read.
#pragma once

#include <array>
#include <string>

namespace orv::core {

inline constexpr int kSatelliteFieldCount = 23;
inline constexpr int kSatelliteListLimit = 30;

struct SatelliteField {
    int key;
    const char* label;
    const char* digital; // template of a new digital satellite (key 1: the typed name)
    const char* analog;  // template of a new analog satellite
};

inline constexpr std::array<SatelliteField, kSatelliteFieldCount> kSatelliteFields{{
    {1, "UPPER CASE SATELLITE NAME", "", ""},
    {2, "Operational Mode", "Digital", "Analog"},
    {3, "UpLink Freq", "145.900", ""},
    {4, "UpLink Mode.", "FM", "LSB"},
    {5, "Up Date Uplink Radio every xxx Doppler Hz", "27", "50"},
    {6, "Up Convertor L.O. Frequency", "0", "0"},
    {7, "Uplink Radio from list.", "1", "1"},
    {8, "Uplink Radio Port", "1", "1"},
    {9, "Uplink Baud Rate", "4800", "4800"},
    {10, "Uplink Radio Delay.", "0", "0"},
    {11, "E.C.P. Status at A.O.S", "0", "0"},
    {12, "E.C.P. Status at L.O.S", "0", "0"},
    {13, "Satellite Transponder L.O. Frequency", "0", "2836.989"},
    {14, "DnLink Freq.", "435.123456", "2401.400000"},
    {15, "DnLink Mode.", "FM", "USB"},
    {16, "Up Date DnLink Radio every xxx Doppler Hz", "100", "50"},
    {17, "Down Convertor L.O. Frequency", "0", "2256.000"},
    {18, "DnLink Radio from list", "1", "1"},
    {19, "DnLink Radio Port.", "1", "1"},
    {20, "DnLink Baud Rate.", "4800", "4800"},
    {21, "DnLink Radio Delay", "0", "0"},
    {22, "Beacon Frequency", "0", "2401.323"},
    {23, "CTCSS Frequency", "0", "0"},
}};

// The stored texts, key k at [k-1].
using SatelliteRecord = std::array<std::string, kSatelliteFieldCount>;

SatelliteRecord satelliteTemplate(bool analog, const std::string& name);

// A radio delay field: the number before the first comma, and whether there was one.
struct RadioDelay {
    double ms = 0;
    bool comma = false;
};
RadioDelay parseRadioDelay(const std::string& field);

// The link settings of one direction.
struct RadioLink {
    int radio = 0;    // model number from the radio list
    int port = 0;     // radio port of the interface box
    std::string baud; // "1200" .. "115200" as stored
    RadioDelay delay;
};

// What the running station takes from a record.
struct SatelliteConfig {
    std::string name;
    bool analog = false;
    double uplinkMHz = 0;
    std::string uplinkMode;
    double uplinkStepHz = 0;
    double upConverterMHz = 0;
    RadioLink uplink;
    int ecpAtAos = 0;
    int ecpAtLos = 0;
    double transponderMHz = 0;
    double downlinkMHz = 0;
    std::string downlinkMode;
    int downlinkStepHz = 0;
    double downConverterMHz = 0;
    RadioLink downlink;
    double beaconMHz = 0;
    std::string ctcss; // as stored; "0" means no tone
};

// Typed values of a record. The parallel box has two radio ports: 3 and 4 become 1 and 2.
SatelliteConfig typedSatellite(const SatelliteRecord& record, int variant);

// The element-set name of a satellite name: the part before its first "_".
std::string elementName(const std::string& satelliteName);

} // namespace orv::core
