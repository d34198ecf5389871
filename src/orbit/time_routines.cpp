#include "orbit/time_routines.h"

#include <cmath>
#include <cstdio>

namespace orv::orbit {

double ConvDay(double year, double month, double day) {
    if (month < 3) {
        year -= 1;
        month += 12;
    }
    return std::floor(365.25 * year - 730134) + std::floor(30.6 * (month + 1)) + day - 428;
}

std::string utcTextFor(int hour, int minute, int second, double utcOffset) {
    // Minutes of the UTC day. An offset beyond a day (a nonsense entry) still wraps
    // into 00:00..23:59 instead of giving a negative or three-digit hour.
    double u = std::fmod(hour * 60.0 + minute - 60.0 * utcOffset, 1440.0);
    if (!std::isfinite(u)) u = 0;
    if (u < 0) u += 1440;
    const int minuteOfDay = static_cast<int>(std::nearbyint(u)) % 1440;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", minuteOfDay / 60, minuteOfDay % 60,
                  second % 100);
    return text;
}

double dayFractionFor(int hour, int minute, int second, double utcOffset) {
    return (hour - utcOffset + minute / 60.0 + second / 3600.0) / 24.0;
}

TimeFields timeFieldsFor(const QDateTime& local, double utcOffset) {
    // Runs on every tick and before every position: plain formatting, no QString.
    const QDate date = local.date();
    const QTime time = local.time();
    TimeFields fields;
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", time.hour(), time.minute(), time.second());
    fields.localTime = text;
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year(), date.month(), date.day());
    fields.localDate = text;
    fields.utcText = utcTextFor(time.hour(), time.minute(), time.second(), utcOffset);
    fields.dayNumber = ConvDay(date.year(), date.month(), date.day());
    fields.dayFraction = dayFractionFor(time.hour(), time.minute(), time.second(), utcOffset);
    return fields;
}

} // namespace orv::orbit
