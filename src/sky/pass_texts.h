// How the pass view writes a pass: clock times in local time and UTC, a countdown to
// the next event and the length of a pass.
#pragma once

#include "sky/pass_schedule.h"

#include <string>

namespace orv::sky {

// "hh:mm:ss" of `day` (day number plus UTC fraction) moved by `offsetHours` (0 for UTC,
// the station's UTC offset for local time).
std::string passClock(double day, double offsetHours);

// "AOS in 1:02:03" before the rise, "LOS in 04:05" while up, "passed" after the set;
// whole seconds, counted down to the clear span when there is one.
std::string passCountdown(const Pass& pass, double day);

// "12 min 34 s" (or "34 s").
std::string passLength(double seconds);

} // namespace orv::sky
