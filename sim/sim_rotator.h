// One simulated rotator: it turns towards the target count it was given, at a
// fixed speed, while it is driven and farther from the target than the deadband.
#pragma once

namespace orv::sim {

inline constexpr int kMaxCount = 1023;

class SimRotator {
public:
    // `travelDegrees` spans counts 0 to 1023; `degreesPerSecond` is the turning speed.
    SimRotator(double travelDegrees, double degreesPerSecond, double startCount = 0);

    void setTravel(double travelDegrees);
    // A new target: driven or off (an undriven rotator stands).
    void command(int targetCount, bool drive, int deadband);
    void stop() { drive_ = false; }
    // Lets `seconds` pass; a stuck rotator does not turn.
    void advance(double seconds, bool stuck = false);

    int count() const; // 0 to 1023
    int target() const { return target_; }
    bool driven() const { return drive_; }
    double countsPerSecond() const;

private:
    double travel_;
    double speed_; // degrees per second
    double position_;
    int target_ = 0;
    int deadband_ = 0;
    bool drive_ = false;
};

} // namespace orv::sim
