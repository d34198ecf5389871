// The station's configuration: the 35 stored entries of the variant, converted
// once at start-up into typed values, plus the values derived from them.
#pragma once

#include "core/configuration_table.h"

#include <array>
#include <string>

namespace orv::core {

class SettingsStore;

inline constexpr const char* kConfigSection = "configuration";

// Typed configuration, named after the entries' meaning.
struct ConfigValues {
    std::array<std::string, kConfigEntryCount> stored; // texts as read, key k at [k-1]

    double latitude = 0, longitude = 0, height = 0, utcOffset = 0; // keys 1-4
    std::string comPort;                                           // key 5, upper-cased
    std::string comPortPath;      // key 5 as typed: device paths keep their case
    std::string kepPath;          // key 6, upper-cased
    std::string kepPathFile;      // key 6 as typed: the file to open
    std::string inhibitAzimuth;   // key 7
    int azDeadband = 0;           // key 8
    double azSlewing = 0;         // key 9
    int azStep = 0;               // key 10
    int azParking = 0;            // key 11
    double rotatorTiming = 0;     // key 12
    std::string inhibitElevation; // key 13
    int elDeadband = 0;           // key 14
    double elSlewing = 0;         // key 15
    int elStep = 0;               // key 16
    std::string elevationPark;    // key 17
    double maxElevation = 0;      // key 18
    std::string useFlipping;      // key 19
    double startTrackingAt = 0;   // key 20
    double elevationLow = 0;      // key 21
    double snowWindPark = 0;      // key 22
    std::string ecpSense;         // key 23, as typed
    std::string memoryChannel;    // key 24
    std::string ddeService;       // key 25
    std::string ddeAutoClose;     // key 26
    std::string mappingFeature;   // key 27
    double programTimerMs = 0;    // key 28
    double ddeTimerSeconds = 0;   // key 29
    double mapUpdateSeconds = 0;  // key 30
    double mapCentre = 0;         // key 31 as stored
    std::string horizonTable;     // key 32
    double reserved33 = 0;        // key 33
    std::string reserved34;       // key 34
    int azRotatorFormat = 0;      // key 35

    // Derived values.
    int parallelPortBase = 0x378; // variant 3 only
    bool azRotatorEnabled = true;
    bool elRotatorEnabled = true;
    int outputSense = 0;
    bool horizonControlVisible = false;

    double numberOf(int key) const; // the converted number of a number entry
};

// Converts the stored texts (key k at [k-1]) exactly as start-up does, bounds included
// (except the later upper bound of key 28, see applyLateIntervalBound).
ConfigValues convertConfiguration(const std::array<std::string, kConfigEntryCount>& stored,
                                  int variant);

// Parallel port base address from key 5 (upper-cased).
int parallelPortAddress(const std::string& key5);

// Key 28 above 10000 becomes 50; applied late in start-up.
double applyLateIntervalBound(double programTimerMs);

// Map centre in degrees: 0, 180 or 270; anything else is 0.
int mapCentreDegrees(double key31);

// Map refresh interval in main-loop ticks: the whole part of key 30 x 1000 / key 28.
int mapIntervalTicks(double mapUpdateSeconds, double programTimerMs);

// The store's configuration of one variant.
class Configuration {
public:
    explicit Configuration(SettingsStore& store) : store_(store) {}

    // ORV_CFG3 for variant 3, ORV_CFG4 for anything else.
    static std::string applicationFor(int variant);

    std::string read(int variant, int key) const;
    void write(int variant, int key, const std::string& value);
    bool isFirstRun(int variant) const { return read(variant, 1).empty(); }
    std::array<std::string, kConfigEntryCount> readAll(int variant) const;
    // Saves all 35 texts at once, in key order.
    void writeAll(int variant, const std::array<std::string, kConfigEntryCount>& texts);
    ConfigValues load(int variant) const { return convertConfiguration(readAll(variant), variant); }
    // Writes the 35 first-run defaults.
    void makes_cfg(int variant);
    // Removes the variant's whole configuration; false when there was none.
    bool remove(int variant);

private:
    SettingsStore& store_;
};

} // namespace orv::core
