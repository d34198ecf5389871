#include "orbit/tracking_labels.h"

#include "orbit/plan13_constants.h"

#include <cmath>
#include <cstring>

namespace orv::orbit {

namespace {

// RAD is pi/180 cut to nine digits, so a mean anomaly read in degrees comes out up to
// 4e-6 of a step short of its exact 256th: 180 degrees would give 127. The guard
// (0.2 ms of a low orbit) puts such values back on their step.
constexpr double kStepGuard = 1e-5;

// Builds a label by appending pieces; written on every tick, so no printf.
class LabelWriter {
public:
    LabelWriter& text(const char* piece) {
        const size_t length = std::strlen(piece);
        const size_t room = sizeof label_.text - 1 - static_cast<size_t>(label_.size);
        const size_t taken = length < room ? length : room;
        std::memcpy(label_.text + label_.size, piece, taken);
        label_.size += static_cast<int>(taken);
        label_.text[label_.size] = '\0';
        return *this;
    }
    LabelWriter& number(long long value) {
        char digits[24];
        char* end = digits + sizeof digits;
        char* start = end;
        *--start = '\0';
        const bool negative = value < 0;
        unsigned long long magnitude =
            negative ? 0ull - static_cast<unsigned long long>(value) : value;
        do {
            *--start = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude > 0);
        if (negative) *--start = '-';
        return text(start);
    }
    LabelText done() const { return label_; }

private:
    LabelText label_{};
};

// Whole part of a finite value, kept within what a label can show.
long long wholePart(double value) {
    if (!(std::fabs(value) < 1e15)) return 0;
    return static_cast<long long>(std::floor(value));
}

} // namespace

LabelText wholeNumberText(long long value) {
    return LabelWriter().number(value).done();
}

LabelText rangeCaption(double rangeKm) {
    return LabelWriter().text("Range ").number(wholePart(rangeKm)).text(" kM").done();
}

LabelText oneDecimalWithoutLeadingZero(double value) {
    const long long tenths = std::fabs(value) < 1e15 ? std::llround(std::fabs(value) * 10) : 0;
    LabelWriter writer;
    if (value < 0 && tenths != 0) writer.text("-");
    if (tenths >= 10) writer.number(tenths / 10);
    return writer.text(".").number(tenths % 10).done();
}

LabelText squintCaption(double squintDeg) {
    return LabelWriter()
        .text("Squint Angle ")
        .text(oneDecimalWithoutLeadingZero(squintDeg).text)
        .text(" Deg.")
        .done();
}

std::int16_t ma256Of(double meanAnomaly) {
    const double steps = std::floor(meanAnomaly * 128 / plan13::PI + kStepGuard);
    return static_cast<std::int16_t>(static_cast<long long>(steps) & 255);
}

} // namespace orv::orbit
