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
    double u = hour * 60.0 + minute - 60.0 * utcOffset;
    if (u < 0) u += 1440;
    if (u >= 1440) u -= 1440;
    int minuteOfDay = static_cast<int>(std::nearbyint(u));
    minuteOfDay = ((minuteOfDay % 1440) + 1440) % 1440;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", minuteOfDay / 60, minuteOfDay % 60,
                  second % 100);
    return text;
}

double dayFractionFor(int hour, int minute, int second, double utcOffset) {
    return (hour - utcOffset + minute / 60.0 + second / 3600.0) / 24.0;
}

TimeFields timeFieldsFor(const QDateTime& local, double utcOffset) {
    const QDate date = local.date();
    const QTime time = local.time();
    TimeFields fields;
    fields.localTime = time.toString(QStringLiteral("HH:mm:ss")).toStdString();
    fields.localDate = date.toString(QStringLiteral("yyyy-MM-dd")).toStdString();
    fields.utcText = utcTextFor(time.hour(), time.minute(), time.second(), utcOffset);
    fields.dayNumber = ConvDay(date.year(), date.month(), date.day());
    fields.dayFraction = dayFractionFor(time.hour(), time.minute(), time.second(), utcOffset);
    return fields;
}

} // namespace orv::orbit
