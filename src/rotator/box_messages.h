// The texts the interface box driver shows the operator.
#pragma once

#include <string>

namespace orv::rotator {

// A position reply with a count outside 0..1023: the readouts keep the last valid one.
inline constexpr const char* kBadPositionText = "Bad position reply from the Az/El Controller.";

// The parallel-port fault of bad_ads, CR LF between lines.
std::string parallelPortFaultText();

// A serial device that exists but cannot be opened (busy, or not this user's).
std::string serialPortRefusedText(const std::string& device, const std::string& reason);

} // namespace orv::rotator
