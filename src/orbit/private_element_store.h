// An element store of its own, in memory, filled from one element file: for the tool,
// tests and benchmarks, which must leave the operator's settings alone.
#pragma once

#include "core/settings_store.h"
#include "orbit/element_import.h"
#include "orbit/element_store.h"

#include <string>

namespace orv::orbit {

class PrivateElementStore {
public:
    PrivateElementStore() : settings_(":memory:"), elements_(settings_) {}

    // Imports `path` as the station does at start-up, without the age warning.
    ImportResult load(const std::string& path) {
        return importElementFile(path, elements_, 0, nullptr);
    }
    ElementStore& elements() { return elements_; }
    core::SettingsStore& settings() { return settings_; }

private:
    core::SettingsStore settings_;
    ElementStore elements_;
};

} // namespace orv::orbit
