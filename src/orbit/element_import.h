// The start-up import: the element file read once and copied into the store, with
// the age of the last update checked on the way.
#pragma once

#include <functional>
#include <string>

namespace orv::orbit {

class ElementStore;

// Elements this many days old or more bring the age warning.
inline constexpr double kElementAgeWarningDays = 30;

enum class ImportStatus { Imported, FileMissing, FileCorrupt };

struct ImportResult {
    ImportStatus status = ImportStatus::Imported;
    int setsWritten = 0;
    std::string detail; // what went wrong, for the log
};

// The element file's name when the configuration leaves it empty.
inline constexpr const char* kDefaultElementFile = "orv_kite.txt";

// The configured element file as typed (file names keep their case), the default when empty.
std::string elementFileName(const std::string& configuredPath);

// The file the station opens: elementFileName(configuredPath), a relative one taken from
// the program's directory, where the sample file lives.
std::string elementFilePath(const std::string& programDir, const std::string& configuredPath);

// Imports `path` into `store`. A file that cannot be opened (or is far too large to be an
// element file) changes nothing. Otherwise the
// age is taken from the store (today's `dayNumber` on the first start), `ageWarning` runs
// when it is kElementAgeWarningDays or more behind `dayNumber`, and the store's sets are
// replaced by the file's in one transaction: sets that left the file disappear, a name
// given twice keeps its last set. A faulty record keeps the sets before it and reports
// FileCorrupt.
ImportResult importElementFile(const std::string& path, ElementStore& store, double dayNumber,
                               const std::function<void()>& ageWarning);

} // namespace orv::orbit
