#include "dde/nova_reply.h"

#include "core/number_text.h"
#include "dde/name_replies.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace orv::dde {

namespace {

constexpr std::array<std::string_view, 5> kTags{"AZ:", "EL:", "RR:", "MA:", "SC:"};

// The number after tag i; it ends at the separator before the next tag (or at the
// next tag itself when a program leaves the separator out).
double tagValue(std::string_view text, const std::array<std::size_t, 5>& at, std::size_t i) {
    const std::size_t start = at[i] + 3;
    return core::leadingNumber(text.substr(start, at[i + 1] - start));
}

} // namespace

SourceReading readNovaReply(std::string_view reply) {
    const std::string_view text = withoutLineEnd(reply);
    if (core::trimmed(text).empty()) return SourceReading::unreadable("empty reply");
    auto nameEnd = text.find("***");
    if (nameEnd == std::string_view::npos) nameEnd = text.find("catalog");
    if (nameEnd == std::string_view::npos)
        return SourceReading::unreadable("neither \"***\" nor \"catalog\" in the reply");

    std::array<std::size_t, 5> at{};
    std::size_t from = nameEnd;
    for (std::size_t i = 0; i < kTags.size(); ++i) {
        at[i] = text.find(kTags[i], from);
        if (at[i] == std::string_view::npos)
            return SourceReading::unreadable("tag \"" + std::string(kTags[i]) +
                                             "\" missing or out of order");
        from = at[i] + kTags[i].size();
    }

    PeerPosition position;
    position.azimuth = tagValue(text, at, 0);
    position.elevation = tagValue(text, at, 1);
    position.rangeRate = tagValue(text, at, 2);
    position.ma256 = core::wholeValue(tagValue(text, at, 3));
    if (position.elevation < -90 || position.elevation > 90)
        return SourceReading::unreadable("elevation out of range");
    position.azimuth = std::fmod(position.azimuth, 360.0);
    if (position.azimuth < 0) position.azimuth += 360.0;

    SourceReading reading = SourceReading::satellite(core::trimmed(text.substr(0, nameEnd)));
    if (reading.name.empty()) return SourceReading::none();
    reading.position = position;
    return reading;
}

std::string formatNovaReply(std::string_view name, std::string_view catalogueNumber,
                            const PeerPosition& position) {
    char values[160];
    std::snprintf(values, sizeof values, "AZ:%.1f EL:%.1f RR:%.3f MA:%d SC:0", position.azimuth,
                  position.elevation, position.rangeRate, position.ma256);
    return std::string(name) + "*** catalog " + std::string(catalogueNumber) + " " + values;
}

} // namespace orv::dde
