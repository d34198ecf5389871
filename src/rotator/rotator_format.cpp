#include "rotator/rotator_format.h"

namespace orv::rotator {

const RotatorFormat* rotatorFormat(int number) {
    for (const auto& format : kRotatorFormats)
        if (format.number == number) return &format;
    return nullptr;
}

std::optional<ScaleChoice> scales(int azRotatorFormat, int azFormatOverride) {
    const int number = azFormatOverride != 0 ? azFormatOverride : azRotatorFormat;
    const RotatorFormat* format = rotatorFormat(number);
    if (!format) return std::nullopt;
    return ScaleChoice{format->number, format->degPerCount(), format->scaleLabel};
}

} // namespace orv::rotator
