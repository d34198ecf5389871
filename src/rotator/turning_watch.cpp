#include "rotator/turning_watch.h"

#include <cstdlib>

namespace orv::rotator {

namespace {
// A standing rotator's reading may wander by a count.
constexpr int kJitterCounts = 1;
} // namespace

void TurningWatch::averaged(int count) {
    turning_ = last_ && std::abs(count - *last_) > kJitterCounts;
    last_ = count;
}

} // namespace orv::rotator
