// The texts the interface box driver shows the operator.
#pragma once

#include <string>

namespace orv::rotator {

// The parallel-port fault of bad_ads, CR LF between lines.
std::string parallelPortFaultText();

// A serial device that exists but cannot be opened (busy, or not this user's).
std::string serialPortRefusedText(const std::string& device, const std::string& reason);

} // namespace orv::rotator
