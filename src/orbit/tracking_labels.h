// The tracking readouts' texts and the mean anomaly in 256ths, built without
// allocation because they are written on every tick.
#pragma once

#include <cstdint>
#include <string_view>

namespace orv::orbit {

struct LabelText {
    char text[64] = {};
    int size = 0;
    std::string_view view() const { return {text, static_cast<size_t>(size)}; }
};

// "Range 1234 kM": the whole kilometres.
LabelText rangeCaption(double rangeKm);
// "Squint Angle 12.3 Deg.", the angle written as the pattern "###.0" writes it: no
// leading zero, so half a degree reads ".5".
LabelText squintCaption(double squintDeg);
// The "###.0" pattern alone.
LabelText oneDecimalWithoutLeadingZero(double value);
// The mean anomaly (radians, 0 <= M < 2 pi) in 256ths of a revolution, 0..255.
std::int16_t ma256Of(double meanAnomaly);
LabelText wholeNumberText(long long value);

} // namespace orv::orbit
