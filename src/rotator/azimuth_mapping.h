// Azimuth in true degrees against azimuth on a rotator's own travel. A 450-degree
// rotator reaches the azimuths of its overlap twice; which of the two counts it is
// sent depends on where it stands now.
#pragma once

#include "rotator/rotator_format.h"

namespace orv::rotator {

// `degrees` brought into 0 (inclusive) to 360 (exclusive).
double wrap360(double degrees);

// The rules by which the 450-degree rotators choose between the two counts of an
// azimuth in their overlap, in degrees past the start direction and in counts.
struct OverlapRules {
    // North-end rotators (formats 2 and 6): the upper count of azimuths up to
    // `upperWindowEnd` once the rotator stands at or above `upperEndCount`.
    double northUpperEndCount = 800.5;
    double northUpperWindowEnd = 90;
    // Middle-split rotators (formats 3 to 5): the overlap (0 to 90 degrees past the start)
    // is split at `splitAt`: below it the upper count, above it the lower one.
    double splitAt = 45;
    // ...except near an end of the travel: at or above `upperEndCount` the upper count for
    // offsets from `splitAt` up to (not including) `upperWindowEnd`; at or below
    // `lowerEndCount` the lower count for offsets above `lowerWindowStart` up to `splitAt`.
    double upperEndCount = 864;
    double upperWindowEnd = 91;
    double lowerEndCount = 110.5;
    double lowerWindowStart = -1;
};
inline constexpr OverlapRules kOverlapRules{};

struct AzimuthTarget {
    double count;        // on the rotator's travel, 0 to 1023, not rounded
    double driveAzimuth; // the same in degrees along the travel (count x degrees per count)
};

// Where the rotator of `format`, standing at `presentCount`, is to point for the true
// `azimuth` (any value; it is wrapped into 0..360 first). The count is kept within the travel.
AzimuthTarget azimuthOnRotator(const RotatorFormat& format, double azimuth, double presentCount);

// The true azimuth a rotator of `format` points at when it stands at `count`.
double trueAzimuthAt(const RotatorFormat& format, double count);

// The bar under the scale: the count as the scale reads it (format 0 shows it turned
// by half a turn, in the true frame).
int azimuthBarCount(const RotatorFormat& format, int count);

// The parking count of `azPark` degrees: the present count when `azPark` is 0,
// else the azimuth on the rotator's travel chosen from the present count.
int parkingCount(const RotatorFormat& format, double azPark, int presentCount);

} // namespace orv::rotator
