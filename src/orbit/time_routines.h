// Day numbers and the UTC clock text from one reading of the local clock.
#pragma once

#include <QDateTime>
#include <string>

namespace orv::orbit {

// Day number of a calendar date, 2000 January 1 = 1 (every fourth year a leap year).
double ConvDay(double year, double month, double day);

// "hh:mm:ss" of UTC for a local hour and minute, the local second and the UTC offset (hours).
std::string utcTextFor(int hour, int minute, int second, double utcOffset);

// (hour - offset + minute/60 + second/3600) / 24, not reduced to 0..1.
double dayFractionFor(int hour, int minute, int second, double utcOffset);

struct TimeFields {
    double dayNumber = 0;
    double dayFraction = 0;
    std::string utcText;
    std::string localTime; // lbl_timebox
    std::string localDate; // lbl_datebox
};

// Everything time_routines writes, from one clock reading.
TimeFields timeFieldsFor(const QDateTime& local, double utcOffset);

} // namespace orv::orbit
