// One satellite's element set read from its two element lines: the columns the
// propagator uses, converted to its units, and the catalogue number.
#pragma once

#include <string>
#include <string_view>

namespace orv::orbit {

struct ElementSet {
    double YE = 0; // epoch year, four digits
    double TE = 0; // epoch day of the year with its fraction
    double M2 = 0; // 2 pi x first derivative of the mean motion, rad/day^2
    double IN = 0; // inclination, rad
    double RA = 0; // right ascension of the ascending node, rad
    double EC = 0; // eccentricity
    double WP = 0; // argument of perigee, rad
    double MA = 0; // mean anomaly, rad
    double MM = 0; // 2 pi x mean motion, rad/day
    double RV = 0; // revolution number at epoch
};

// Two-digit epoch years as element sets use them: 57..99 are 1957..1999, 00..56 are 2000..2056.
int epochYear(int twoDigits);

// The columns of both lines. A line too short for a column reads that column as 0, so a
// garbled set gives a mean motion of 0, which the propagator refuses.
ElementSet parseElementSet(std::string_view line1, std::string_view line2);

// The number at the start of `text` after leading blanks (sign, digits, point), 0 when
// there is none; the element columns' reading, without allocation.
double columnNumber(std::string_view text);

// The catalogue number of line 1: the characters between the line number and the
// classification letter "U" (columns 3 to 7 when there is no "U"), blanks removed.
std::string catalogueNumber(std::string_view line1);

} // namespace orv::orbit
