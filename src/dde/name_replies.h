// The replies of the four programs that name their satellite and leave its
// position to the station's own propagator. Pure functions of the reply text.
#pragma once

#include "dde/source_reading.h"

#include <string_view>

namespace orv::dde {

// WISP: trimmed; characters 4 and 5 reading "NO" mean no satellite. Otherwise the
// name runs from character 3 to the blank before the first "AZ".
SourceReading readWispReply(std::string_view reply);

// WinOrbit: the whole reply is the name; an empty one means no satellite.
SourceReading readWinOrbitReply(std::string_view reply);

// WXtrack: the name follows the tag "SN" up to the line end; a name with "(" but
// not "-(" is cut before the bracket. The three characters after "EL" (before "SN")
// give the elevation: WXtrack names the next satellite while it is still below the
// horizon, and only one at 0 degrees or above is being tracked.
SourceReading readWxTrackReply(std::string_view reply);

// SatPC32: the reply less its line end is the name, unless it ends in "Standby"
// from the first "Standby" on (no satellite).
SourceReading readSatPc32Reply(std::string_view reply);

// The reply without one trailing line end (CR LF, LF or CR).
std::string_view withoutLineEnd(std::string_view reply);

} // namespace orv::dde
