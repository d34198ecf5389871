// The faults the simulated box can be told to show, chosen on the command line
// as "FAULT" or "FAULT@SECONDS" (the fault starts after that much run time).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::sim {

enum class FaultKind {
    None,
    Silent,   // the box stops answering
    NotReady, // the parallel box never reports ready (the serial box stops answering)
    Reset,    // the box resets itself once
    Garbled,  // replies are random bytes
    Stuck,    // the rotators do not move
    RadioOff, // the radios on the ports are switched off: they neither act nor answer
};

struct FaultPlan {
    FaultKind kind = FaultKind::None;
    double startSeconds = 0;
};

// An empty text is no fault; a malformed one gives nothing and `error` in plain words.
std::optional<FaultPlan> parseFaultPlan(std::string_view text, std::string& error);

const char* faultName(FaultKind kind);
// Every fault there is (None left out), in the order of the table.
std::vector<FaultKind> faultKinds();
// What the fault does, for the log.
const char* faultDescription(FaultKind kind);

} // namespace orv::sim
