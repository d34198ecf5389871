// The element file: read into records, each record's columns into an element set,
// the set propagated and seen from a station, and the whole file imported into a
// store through a file in a private temporary directory.
#include "orbit/element_file.h"

#include "core/settings_store.h"
#include "fuzz_input.h"
#include "orbit/element_import.h"
#include "orbit/element_store.h"
#include "orbit/plan13.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

using namespace orv;

namespace {

// The file lives in a directory of its own, removed when the run ends.
std::string temporaryDir;

void removeTemporaryDir() {
    std::filesystem::remove_all(temporaryDir);
}

const std::string& elementFilePath() {
    static const std::string path = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "orv_fuzz_XXXXXX").string();
        fuzz::check(::mkdtemp(pattern.data()) != nullptr, "a private temporary directory");
        temporaryDir = pattern;
        std::atexit(removeTemporaryDir);
        return temporaryDir + "/orv_kite.txt";
    }();
    return path;
}

// ASCII letters without regard to case, as the store compares names.
bool sameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

void checkRecords(const orbit::ElementFileContents& contents) {
    fuzz::check(contents.complete || contents.faultLine >= 1, "a fault names its line");
    for (const auto& record : contents.records) {
        fuzz::check(!record.name.empty(), "a record has a name");
        fuzz::check(record.line1.size() >= 69 && record.line1[0] == '1', "line 1 is whole");
        fuzz::check(record.line2.size() >= 69 && record.line2[0] == '2', "line 2 is whole");
    }
}

void propagate(const orbit::ElementRecord& record) {
    const auto set = orbit::parseElementSet(record.line1, record.line2);
    orbit::catalogueNumber(record.line1);
    const orbit::Plan13 plan(set);
    if (!plan.usable()) return;
    static const auto station = orbit::StationModel::from(-39.524, 176.869, 7);
    for (const double days : {0.0, 0.37, 29.5, -400.0}) {
        orbit::SatelliteState state;
        if (!plan.at(plan.epochDay() + days, {}, state)) continue;
        fuzz::check(orbit::isFinite(state.S) && orbit::isFinite(state.V),
                    "a computed position is finite");
        orbit::Observation seen;
        if (orbit::observe(station, state, seen)) {
            fuzz::check(seen.azimuth >= 0 && seen.azimuth < 360, "azimuth within 0..360");
            fuzz::check(seen.elevation >= -90 && seen.elevation <= 90, "elevation within +-90");
        }
        const auto below = orbit::subPointOf(state);
        fuzz::check(below.longitude >= 0 && below.longitude <= 360, "sub-point longitude");
    }
}

// The store holds, under each name, the last set the file gives that name.
void checkImport(const orbit::ElementFileContents& contents, const orbit::ElementStore& store) {
    std::string line1, line2;
    for (const auto& record : contents.records) {
        fuzz::check(store.lines(record.name, line1, line2), "every imported name is stored");
        const orbit::ElementRecord* last = &record;
        for (const auto& other : contents.records)
            if (sameName(other.name, record.name)) last = &other;
        fuzz::check(line1 == last->line1 && line2 == last->line2, "the last set of a name wins");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::FuzzInput input(data, size);
    const auto contents = orbit::parseElementFile(input.rest());
    checkRecords(contents);
    for (const auto& record : contents.records)
        propagate(record);

    {
        std::ofstream file(elementFilePath(), std::ios::binary | std::ios::trunc);
        file << input.rest();
    }
    core::SettingsStore settings(":memory:");
    orbit::ElementStore store(settings);
    const auto result = orbit::importElementFile(elementFilePath(), store, 20000, nullptr);
    fuzz::check(result.status != orbit::ImportStatus::FileMissing, "the file is found");
    fuzz::check((result.status == orbit::ImportStatus::Imported) == contents.complete,
                "a faulty file is reported");
    checkImport(contents, store);
    return 0;
}
