#include "core/configuration.h"

#include "core/number_text.h"
#include "core/settings_store.h"

#include <cmath>

namespace orv::core {

namespace {

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// "&H" and four hexadecimal digits.
bool isSixCharacterHex(const std::string& text) {
    if (text.size() != 6 || text[0] != '&' || (text[1] != 'H' && text[1] != 'h')) return false;
    for (size_t i = 2; i < 6; ++i)
        if (!isHexDigit(text[i])) return false;
    return true;
}

} // namespace

double ConfigValues::numberOf(int key) const {
    switch (key) {
    case 1:
        return latitude;
    case 2:
        return longitude;
    case 3:
        return height;
    case 4:
        return utcOffset;
    case 8:
        return azDeadband;
    case 9:
        return azSlewing;
    case 10:
        return azStep;
    case 11:
        return azParking;
    case 12:
        return rotatorTiming;
    case 14:
        return elDeadband;
    case 15:
        return elSlewing;
    case 16:
        return elStep;
    case 18:
        return maxElevation;
    case 20:
        return startTrackingAt;
    case 21:
        return elevationLow;
    case 22:
        return snowWindPark;
    case 28:
        return programTimerMs;
    case 29:
        return ddeTimerSeconds;
    case 30:
        return mapUpdateSeconds;
    case 31:
        return mapCentre;
    case 33:
        return reserved33;
    case 35:
        return azRotatorFormat;
    default:
        return 0;
    }
}

int parallelPortAddress(const std::string& key5) {
    if (isSixCharacterHex(key5))
        return static_cast<int>(leadingNumber(key5.substr(0, 4))) * 256 +
               static_cast<int>(leadingNumber("&H" + key5.substr(4, 2)));
    if (key5 == "1" || key5 == "378") return 0x378;
    if (key5 == "2" || key5 == "278") return 0x278;
    if (key5 == "3" || key5 == "3BC") return 0x3BC;
    return 0x378;
}

double applyLateIntervalBound(double programTimerMs) {
    return programTimerMs > 10000 ? 50 : programTimerMs;
}

int mapCentreDegrees(double key31) {
    if (key31 == 180) return 180;
    if (key31 == 270) return 270;
    return 0;
}

int mapIntervalTicks(double mapUpdateSeconds, double programTimerMs) {
    if (!(programTimerMs > 0)) return 0;
    const double ticks = std::floor(mapUpdateSeconds * 1000.0 / programTimerMs);
    return ticks > 1e9 ? 1000000000 : static_cast<int>(ticks);
}

ConfigValues convertConfiguration(const std::array<std::string, kConfigEntryCount>& stored,
                                  int variant) {
    ConfigValues v;
    v.stored = stored;
    const auto real = [&](int key) { return leadingNumber(stored[key - 1]); };
    const auto whole = [&](int key) { return static_cast<int>(wholeValue(real(key))); };
    const auto word = [&](int key) { return upperCased(stored[key - 1]); };

    v.latitude = real(1);
    v.longitude = real(2);
    v.height = real(3);
    v.utcOffset = real(4);
    v.comPort = word(5);
    v.comPortPath = trimmed(stored[4]);
    v.kepPath = word(6);
    v.kepPathFile = trimmed(stored[5]);
    v.inhibitAzimuth = word(7);
    v.azDeadband = whole(8);
    v.azSlewing = real(9);
    v.azStep = whole(10);
    v.azParking = whole(11);
    v.rotatorTiming = real(12);
    v.inhibitElevation = word(13);
    v.elDeadband = whole(14);
    v.elSlewing = real(15);
    v.elStep = whole(16);
    v.elevationPark = word(17);
    v.maxElevation = real(18);
    v.useFlipping = word(19);
    v.startTrackingAt = real(20);
    v.elevationLow = real(21);
    v.snowWindPark = real(22);
    v.ecpSense = stored[22];
    v.memoryChannel = word(24);
    v.ddeService = word(25);
    v.ddeAutoClose = word(26);
    v.mappingFeature = word(27);
    v.programTimerMs = real(28);
    v.ddeTimerSeconds = real(29);
    v.mapUpdateSeconds = real(30);
    v.mapCentre = real(31);
    v.horizonTable = word(32);
    v.reserved33 = real(33);
    v.reserved34 = word(34);
    v.azRotatorFormat = whole(35);

    v.azRotatorEnabled = v.inhibitAzimuth != "YES";
    v.elRotatorEnabled = v.inhibitElevation != "YES";
    v.horizonControlVisible = v.horizonTable != "NO";

    if (v.programTimerMs < 50) v.programTimerMs = 50;
    if (v.ddeTimerSeconds < 5) v.ddeTimerSeconds = 5;
    if (v.mapUpdateSeconds < 5) v.mapUpdateSeconds = 5;
    if (v.azSlewing > 45) v.azSlewing = 0;
    if (v.elSlewing > 23) v.elSlewing = 0;

    if (variant == 3) v.parallelPortBase = parallelPortAddress(v.comPort);
    v.outputSense = v.ecpSense == "+" ? 0 : 3;
    return v;
}

std::string Configuration::applicationFor(int variant) {
    return variant == 3 ? "ORV_CFG3" : "ORV_CFG4";
}

std::string Configuration::read(int variant, int key) const {
    return store_.get(applicationFor(variant), kConfigSection, std::to_string(key));
}

void Configuration::write(int variant, int key, const std::string& value) {
    store_.save(applicationFor(variant), kConfigSection, std::to_string(key), value);
}

std::array<std::string, kConfigEntryCount> Configuration::readAll(int variant) const {
    std::array<std::string, kConfigEntryCount> texts;
    for (int key = 1; key <= kConfigEntryCount; ++key)
        texts[key - 1] = read(variant, key);
    return texts;
}

void Configuration::writeAll(int variant, const std::array<std::string, kConfigEntryCount>& texts) {
    store_.inTransaction([&] {
        for (int key = 1; key <= kConfigEntryCount; ++key)
            write(variant, key, texts[key - 1]);
    });
}

void Configuration::makes_cfg(int variant) {
    store_.inTransaction([&] {
        for (const auto& entry : kConfigEntries)
            store_.save(applicationFor(variant), "Configuration", std::to_string(entry.key),
                        entry.defaultValue);
    });
}

bool Configuration::remove(int variant) {
    return store_.remove(applicationFor(variant));
}

} // namespace orv::core
