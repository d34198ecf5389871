#include "orbit/time_routines.h"

#include <cmath>

namespace orv::orbit {

double ConvDay(double year, double month, double day) {
    if (month < 3) {
        year -= 1;
        month += 12;
    }
    return std::floor(365.25 * year - 730134) + std::floor(30.6 * (month + 1)) + day - 428;
}

namespace {

// "hh:mm:ss" (or "yyyy-mm-dd") from three numbers: the clock is written on every tick and
// before every position, so no printf and no QString.
std::string clockText(int first, int second, int third, char separator, int firstWidth = 2) {
    char text[16];
    int at = 0;
    const auto put = [&](int value, int width) {
        value = value < 0 ? 0 : value;
        for (int place = width - 1; place >= 0; --place, value /= 10)
            text[at + place] = static_cast<char>('0' + value % 10);
        at += width;
    };
    put(first, firstWidth);
    text[at++] = separator;
    put(second, 2);
    text[at++] = separator;
    put(third, 2);
    return std::string(text, static_cast<size_t>(at));
}

} // namespace

std::string utcTextFor(int hour, int minute, int second, double utcOffset) {
    // Minutes of the UTC day. An offset beyond a day (a nonsense entry) still wraps
    // into 00:00..23:59 instead of giving a negative or three-digit hour.
    double u = std::fmod(hour * 60.0 + minute - 60.0 * utcOffset, 1440.0);
    if (!std::isfinite(u)) u = 0;
    if (u < 0) u += 1440;
    const int minuteOfDay = static_cast<int>(std::nearbyint(u)) % 1440;
    return clockText(minuteOfDay / 60, minuteOfDay % 60, second % 100, ':');
}

double dayFractionFor(int hour, int minute, int second, double utcOffset) {
    return (hour - utcOffset + minute / 60.0 + second / 3600.0) / 24.0;
}

TimeFields timeFieldsFor(const QDateTime& local, double utcOffset) {
    const QDate date = local.date();
    const QTime time = local.time();
    TimeFields fields;
    fields.localTime = clockText(time.hour(), time.minute(), time.second(), ':');
    fields.localDate = clockText(date.year(), date.month(), date.day(), '-', 4);
    fields.utcText = utcTextFor(time.hour(), time.minute(), time.second(), utcOffset);
    fields.dayNumber = ConvDay(date.year(), date.month(), date.day());
    fields.dayFraction = dayFractionFor(time.hour(), time.minute(), time.second(), utcOffset);
    return fields;
}

} // namespace orv::orbit
