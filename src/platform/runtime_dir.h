// The user's private run-time directory ($XDG_RUNTIME_DIR, else a 0700 directory
// of our own under the system temporary directory).
#pragma once

#include <string>

namespace orv::platform {

// Returns the directory `sub` inside the private run-time directory, created 0700;
// empty and `error` set when it cannot be made private.
std::string privateRuntimeDir(const std::string& sub, std::string& error);

} // namespace orv::platform
