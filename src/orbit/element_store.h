// The copy of the element sets in the settings store (application Kep_TLE): one
// section per satellite name with keys "1" and "2", and the age of the last update.
#pragma once

#include "core/settings_store.h"

#include <string>
#include <string_view>

namespace orv::orbit {

inline constexpr const char* kElementApplication = "Kep_TLE";

// The name an element set is looked up by: the selected name cut before its first "_"
// (AO-40_3 reads the set of AO-40).
std::string_view elementNameOf(std::string_view selectedName);

class ElementStore {
public:
    explicit ElementStore(core::SettingsStore& store) : store_(store) {}

    // Both element lines of `name` in one read. False, with line 1 empty, when the
    // store has no set of that name. The buffers keep their capacity between calls.
    bool lines(std::string_view name, std::string& line1, std::string& line2) const;
    std::string line1(std::string_view name) const;
    // The catalogue number of `name`'s line 1; empty when there is no set.
    std::string catalogueNumberOf(std::string_view name) const;

    // The day number of the last element update as stored; empty when never stamped.
    std::string ageText() const;
    void stampAge(double dayNumber);

    // Keeps the store's file locked across a run of lookups (a map update, a prediction
    // run): one lock instead of one per lookup. Nothing may be written meanwhile.
    core::SettingsStore::ReadTransaction readBatch() const {
        return core::SettingsStore::ReadTransaction(store_);
    }

    core::SettingsStore& settings() const { return store_; }

private:
    core::SettingsStore& store_;
};

} // namespace orv::orbit
