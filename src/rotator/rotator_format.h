// The seven azimuth rotator formats: where count 0 points, how far the rotator
// turns, and the compass scale shown under the azimuth bar; and `scales`, which
// picks the degrees per count and the scale label of the format in force.
#pragma once

#include <optional>
#include <string_view>

namespace orv::rotator {

inline constexpr int kMaxCount = 1023;
inline constexpr double kElevationDegPerCount = 180.0 / kMaxCount;

// How a true azimuth becomes a position on the rotator's own travel.
enum class AzimuthRule {
    HalfTurn,    // 360 degrees from south: the true azimuth turned by half a turn
    Plain,       // 360 degrees from north: the true azimuth as it is
    NorthEnd,    // 450 degrees from north: the overlap taken only when the rotator is there
    MiddleSplit, // 450 degrees from any start: the overlap split at its middle, its ends
                 // taken by the present position
};

struct RotatorFormat {
    int number;
    double travelDegrees;
    double startAzimuth; // true azimuth of count 0
    AzimuthRule rule;
    std::string_view scaleLabel;
    std::string_view scaleText; // compass points from count 0 to count 1023
    double degPerCount() const { return travelDegrees / kMaxCount; }
};

inline constexpr RotatorFormat kRotatorFormats[] = {
    {0, 360, 180, AzimuthRule::HalfTurn, "lbl_ant0", "S SW W NW N NE E SE S"},
    {1, 360, 0, AzimuthRule::Plain, "lbl_ant1", "N NE E SE S SW W NW N"},
    {2, 450, 0, AzimuthRule::NorthEnd, "lbl_ant2", "N NE E SE S SW W NW N NE E"},
    {3, 450, 135, AzimuthRule::MiddleSplit, "lbl_ant3", "SE S SW W NW N NE E SE S SW"},
    {4, 450, 180, AzimuthRule::MiddleSplit, "lbl_ant4", "S SW W NW N NE E SE S SW W"},
    {5, 450, 315, AzimuthRule::MiddleSplit, "lbl_ant5", "NW N NE E SE S SW W NW N NE"},
    {6, 450, 0, AzimuthRule::NorthEnd, "lbl_ant2", "N NE E SE S SW W NW N NE E"},
};

// The format numbered `number`; nothing for a number outside 0 to 6.
const RotatorFormat* rotatorFormat(int number);

// What `scales` settles: the degrees per count and the scale label to show.
struct ScaleChoice {
    int format;
    double azDegPerCount;
    std::string_view scaleLabel;
};

// The scale of `azFormatOverride` when it is not 0, else of `azRotatorFormat`; nothing
// (the scale stays as it was) for a format outside 0 to 6. The override chooses the
// scale shown only: the drive keeps working in the configured format's frame.
std::optional<ScaleChoice> scales(int azRotatorFormat, int azFormatOverride);

} // namespace orv::rotator
