#include "orbit/tracking_labels.h"

#include "orbit/plan13_constants.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orv::orbit {

namespace {

// RAD is pi/180 cut to nine digits, so a mean anomaly read in degrees comes out up to
// 4e-6 of a step short of its exact 256th: 180 degrees would give 127. The guard
// (0.2 ms of a low orbit) puts such values back on their step.
constexpr double kStepGuard = 1e-5;

LabelText formatted(const char* format, auto... values) {
    LabelText label;
    const int written = std::snprintf(label.text, sizeof label.text, format, values...);
    label.size = written < 0 ? 0 : std::min(written, static_cast<int>(sizeof label.text) - 1);
    return label;
}

} // namespace

LabelText wholeNumberText(long long value) {
    return formatted("%lld", value);
}

LabelText rangeCaption(double rangeKm) {
    return formatted("Range %lld kM", static_cast<long long>(std::floor(rangeKm)));
}

LabelText oneDecimalWithoutLeadingZero(double value) {
    const long long tenths = std::llround(std::fabs(value) * 10);
    const char* sign = value < 0 && tenths != 0 ? "-" : "";
    if (tenths < 10) return formatted("%s.%lld", sign, tenths);
    return formatted("%s%lld.%lld", sign, tenths / 10, tenths % 10);
}

LabelText squintCaption(double squintDeg) {
    const LabelText angle = oneDecimalWithoutLeadingZero(squintDeg);
    return formatted("Squint Angle %s Deg.", angle.text);
}

std::int16_t ma256Of(double meanAnomaly) {
    const double steps = std::floor(meanAnomaly * 128 / plan13::PI + kStepGuard);
    return static_cast<std::int16_t>(static_cast<long long>(steps) & 255);
}

} // namespace orv::orbit
