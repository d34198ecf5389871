// The arithmetic of the rotator drive, apart from the panel and the box: the
// averaging of position readings, the drive angles from the tracking position and
// the operator's offsets, the flipped elevation, and degrees to target counts.
#pragma once

#include <optional>
#include <string>

namespace orv::rotator {

// Averages position counts over four readings. A reading with a count outside 0..1023
// is no position (a garbled reply) and is left out.
class PositionAverage {
public:
    void add(int azimuthCount, int elevationCount);
    int azimuth() const { return azAverage_; }
    int elevation() const { return elAverage_; }
    // How many averages of four have been taken.
    int averagesTaken() const { return averagesTaken_; }
    // A position read outside the averaging (a park): it stands, and the next average
    // starts afresh from the readings after it.
    void set(int azimuthCount, int elevationCount) {
        azAverage_ = azimuthCount;
        elAverage_ = elevationCount;
        azSum_ = elSum_ = readings_ = 0;
    }

private:
    int azSum_ = 0, elSum_ = 0, readings_ = 0;
    int azAverage_ = 0, elAverage_ = 0;
    int averagesTaken_ = 0;
};

// True when a count lies on the travel, 0 to 1023.
bool onTravel(int count);

struct DriveInputs {
    double azSlewing = 0, azOffset = 0, azimuth = 0;
    double elSlewing = 0, elOffset = 0, trackFactor = 1, elevation = 0;
    double maxElevation = 0; // 0: no limit
};

struct DriveAngles {
    double azimuth;   // true degrees, 0 to 360
    double elevation; // degrees
};

// The angles the antennas are to point at. The azimuth is wrapped into 0..360 whatever
// the offsets add; the elevation is held at maxElevation when one is set.
DriveAngles driveAngles(const DriveInputs& in);

// The elevation sent to a flipped rotator: over the top (180 minus the elevation)
// above 1 degree, 1 at exactly 1, nothing (not driven) below.
std::optional<double> flippedElevation(double elevation);

// A target count: degrees over degrees per count, rounded, within 0..1023.
int targetCount(double degrees, double degPerCount);

// Degrees as the rotator readouts show them: one decimal.
std::string degreesText(double degrees);

// The two frame bytes of a count.
inline int highByte(int count) {
    return count / 256;
}
inline int lowByte(int count) {
    return count % 256;
}

} // namespace orv::rotator
