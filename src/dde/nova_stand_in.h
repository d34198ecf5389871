// Nova for Windows played from an element file: the satellite chosen by the last
// "SAT=" poke (its catalogue number) is propagated for an observer, and the reply
// carries its name and position as Nova for Windows writes them. So the whole Nova
// loop (the station poking a typed name, then following the position) runs on one
// machine.
#pragma once

#include "dde/source_reading.h"
#include "orbit/element_file.h"
#include "orbit/station_model.h"

#include <string>
#include <vector>

namespace orv::dde {

class NovaStandIn {
public:
    NovaStandIn(std::vector<orbit::ElementRecord> sets, const orbit::StationModel& observer);

    // "SAT=nnnnn" chooses the set of that catalogue number; "TRACK OFF" and other texts
    // change nothing. Returns what became of the poke, for the log.
    std::string poke(const std::string& text);
    // Chooses a set by name (without regard to case); false when there is none.
    bool choose(const std::string& name);
    // The reply at `day` (the station's time base), less its line end. With nothing
    // chosen, or a set the propagator cannot use, the reply names no satellite.
    std::string replyAt(double day) const;

    bool hasChoice() const { return chosen_ >= 0; }
    const std::string& chosenName() const;

private:
    std::vector<orbit::ElementRecord> sets_;
    orbit::StationModel observer_;
    int chosen_ = -1;
};

} // namespace orv::dde
