#include "sky/pass_texts.h"

#include "orbit/day_instant.h"

#include <cmath>
#include <cstdio>

namespace orv::sky {

namespace {

std::string hoursMinutesSeconds(long long seconds) {
    char text[32];
    if (seconds >= 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                      seconds % 60);
    else
        std::snprintf(text, sizeof text, "%02lld:%02lld", seconds / 60, seconds % 60);
    return text;
}

long long secondsBetween(double from, double to) {
    return std::llround((to - from) * 86400);
}

} // namespace

std::string passClock(double day, double offsetHours) {
    const QDateTime utc = orbit::utcOfDay(day);
    const QDateTime shifted = utc.addSecs(std::llround(offsetHours * 3600));
    return shifted.toString(QStringLiteral("HH:mm:ss")).toStdString();
}

std::string passCountdown(const Pass& pass, double day) {
    const double rise = pass.clearFrom.value_or(pass.aos);
    const double set = pass.clearTo.value_or(pass.los);
    if (secondsBetween(day, rise) > 0)
        return "AOS in " + hoursMinutesSeconds(secondsBetween(day, rise));
    if (secondsBetween(day, set) >= 0)
        return "LOS in " + hoursMinutesSeconds(secondsBetween(day, set));
    return "passed";
}

std::string passLength(double seconds) {
    const long long whole = std::llround(seconds);
    char text[32];
    if (whole >= 60)
        std::snprintf(text, sizeof text, "%lld min %lld s", whole / 60, whole % 60);
    else
        std::snprintf(text, sizeof text, "%lld s", whole);
    return text;
}

} // namespace orv::sky
