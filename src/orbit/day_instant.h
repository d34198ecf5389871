// The station's time base (day number plus UTC fraction of the day, 2000 January 1
// 0h UTC being 1.0) and UTC instants, both ways; for predictions at a chosen instant.
#pragma once

#include <QDateTime>
#include <string>

namespace orv::orbit {

// "YYYY-MM-DD hh:mm:ss" with an optional ".fff", read as wall-clock fields in UTC (no
// time zone, so no daylight-saving gap can move it); invalid when it does not parse.
QDateTime parseUtcInstant(const std::string& text);

// The instant in the time base, milliseconds included.
double dayOfUtc(const QDateTime& utc);
// The UTC instant of a time-base value, to the millisecond.
QDateTime utcOfDay(double day);

// "YYYY-MM-DD hh:mm:ss", with ".fff" when `milliseconds`.
std::string utcInstantText(const QDateTime& utc, bool milliseconds);

} // namespace orv::orbit
