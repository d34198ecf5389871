#include "rotator/frame_wait.h"

#include <cmath>

namespace orv::rotator {

double serialFrameWaitMs(const core::RadioLinkTiming& link) {
    return 75 + std::trunc(link.transmissionMs) + link.uplinkDelayMs + link.downlinkDelayMs +
           link.extraCatDelayMs;
}

double parallelFrameWaitMs(const core::RadioLinkTiming& link) {
    const double transmission = std::nearbyint(link.transmissionMs); // halves to even
    switch (link.lastTransfer) {
    case 1:
        return 50 + transmission + link.uplinkDelayMs + link.extraCatDelayMs;
    case 2:
        return 50 + transmission + link.downlinkDelayMs + link.extraCatDelayMs;
    case 3:
        return 300 + transmission + link.downlinkDelayMs + link.extraCatDelayMs;
    default:
        return 5;
    }
}

} // namespace orv::rotator
