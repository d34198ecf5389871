// The satellite database in the settings store: one section of ORV_SAT per
// satellite, and the ordered list of names in ORV_SAT1 (at most 30).
#pragma once

#include "core/satellite_record.h"

#include <optional>
#include <string>
#include <vector>

namespace orv::core {

class SettingsStore;

class SatelliteDb {
public:
    explicit SatelliteDb(SettingsStore& store) : store_(store) {}

    int count() const;
    std::vector<std::string> names() const;     // list order
    bool exists(const std::string& name) const; // the record's key "1" is there
    std::optional<SatelliteRecord> read(const std::string& name) const;

    enum class SaveResult { Saved, Full, Unnamed };
    // Adds a new name at the end of the list (unless 30 are listed) and stores the
    // 23 fields under record[0], all in one transaction. Names compare without regard to
    // case, in the list as in the store. A blank name stores nothing.
    SaveResult save(const SatelliteRecord& record);
    // Deletes a record and its list entry together.
    void remove(const std::string& name);
    // Drops `name` from the list (without regard to case), keeping the others in order.
    void del_sat(const std::string& name);
    // Deletes every record; the list stays.
    void removeAllRecords();

    // The whole database as readable text, and back. An import replaces records and
    // list in one transaction, or changes nothing and returns the reason.
    std::string exportText() const;
    std::optional<std::string> importText(const std::string& text);

private:
    SettingsStore& store_;
};

} // namespace orv::core
