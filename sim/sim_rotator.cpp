#include "sim/sim_rotator.h"

#include <algorithm>
#include <cmath>

namespace orv::sim {

SimRotator::SimRotator(double travelDegrees, double degreesPerSecond, double startCount)
    : travel_(travelDegrees), speed_(degreesPerSecond),
      position_(std::clamp(startCount, 0.0, double(kMaxCount))), target_(count()) {}

void SimRotator::setTravel(double travelDegrees) {
    if (travelDegrees > 0) travel_ = travelDegrees;
}

double SimRotator::countsPerSecond() const {
    return speed_ * kMaxCount / travel_;
}

void SimRotator::command(int targetCount, bool drive, int deadband) {
    target_ = std::clamp(targetCount, 0, kMaxCount);
    drive_ = drive;
    deadband_ = std::max(deadband, 0);
}

void SimRotator::advance(double seconds, bool stuck) {
    if (!drive_ || stuck || !(seconds > 0)) return;
    const double error = target_ - position_;
    if (std::abs(error) <= deadband_) return;
    const double step = std::min(countsPerSecond() * seconds, std::abs(error));
    position_ = std::clamp(position_ + std::copysign(step, error), 0.0, double(kMaxCount));
}

int SimRotator::count() const {
    return static_cast<int>(std::lround(position_));
}

} // namespace orv::sim
