// The simulated interface box behind both wires: two rotators driven towards
// the targets of each frame, a radio on each of its four ports, the faults it
// can be told to show, and a log of what it receives in plain words.
#pragma once

#include "sim/box_command.h"
#include "sim/fault_plan.h"
#include "sim/radio_port.h"
#include "sim/sim_rotator.h"

#include <array>
#include <functional>
#include <memory>
#include <random>
#include <string>

namespace orv::sim {

// Common az/el rotators turn about 6 degrees a second in azimuth and 3 in elevation.
inline constexpr double kAzimuthDegreesPerSecond = 6;
inline constexpr double kElevationDegreesPerSecond = 3;
inline constexpr double kElevationTravel = 180;

struct SimulatedBoxOptions {
    FaultPlan fault;
    std::function<double()> clockSeconds;        // the station's time; turns the rotators
    std::function<double()> runSeconds;          // time since the run began; starts the fault
    std::function<void(const std::string&)> log; // plain-words log; empty: quiet
    unsigned seed = 20040701;
};

class SimulatedBox {
public:
    explicit SimulatedBox(SimulatedBoxOptions options);

    // Azimuth travel: 360 degrees, or 450 for the overlapping rotators.
    void setAzimuthTravel(double degrees) { azimuth_.setTravel(degrees); }

    // From the wires.
    void frame(const BoxCommand& command);
    void frameRefused(const std::string& problem);
    // The positions now and the radio data, for a reply.
    BoxReport report();
    // A reset commanded by the lines (serial DTR and RTS together, parallel initialise).
    void lineReset();

    // The fault in force now (a reset fault acts once, then is over).
    FaultKind fault();
    bool answers() { return fault() != FaultKind::Silent && fault() != FaultKind::NotReady; }
    std::mt19937& random() { return random_; }
    void log(const std::string& line) const;

    const SimRotator& azimuth() const { return azimuth_; }
    const SimRotator& elevation() const { return elevation_; }
    RadioPort& radioPort(int number); // 1 to 4
    int framesReceived() const { return framesReceived_; }
    int framesRefused() const { return framesRefused_; }
    int lineResets() const { return lineResets_; }
    int selfResets() const { return selfResets_; }
    const std::vector<uint8_t>& radioData() const { return radioData_; }
    // Told of every frame the box takes, as it decoded it.
    void onFrame(std::function<void(const BoxCommand&)> observer) {
        frameObserver_ = std::move(observer);
    }

private:
    void advanceRotators();
    void applyRotators(const RotatorCommand& command);
    void forwardRadio(const RadioCommand& radio);
    void resetItself();
    void logFrame(const BoxCommand& command);

    SimulatedBoxOptions options_;
    SimRotator azimuth_;
    SimRotator elevation_;
    std::array<std::unique_ptr<RadioPort>, 4> ports_;
    std::vector<uint8_t> radioData_;
    bool resetMarked_ = false;
    int lastAzDeadband_ = 0;
    double lastSeconds_ = 0;
    bool timeStarted_ = false;
    bool faultStarted_ = false;
    bool resetDone_ = false;
    std::mt19937 random_;
    std::string lastFrameText_;
    std::function<void(const BoxCommand&)> frameObserver_;
    int framesReceived_ = 0, framesRefused_ = 0, lineResets_ = 0, selfResets_ = 0;
};

} // namespace orv::sim
