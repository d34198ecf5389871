#include "core/satellite_db.h"

#include "core/number_text.h"
#include "core/settings_store.h"

#include <map>
#include <sstream>

namespace orv::core {

namespace {

constexpr const char* kRecords = "ORV_SAT";
constexpr const char* kList = "ORV_SAT1";
constexpr const char* kListSection = "satlist";
constexpr const char* kExportHeader = "# Orv_Kite satellite database";

// Values are written after a tab; backslash, tab and line ends are escaped.
std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::optional<std::string> unescaped(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

// Names in the list compare as the store compares its section names: without regard
// to case, so "ao-7" finds the record and the list entry of "AO-7".
bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && upperCased(a) == upperCased(b);
}

} // namespace

int SatelliteDb::count() const {
    return static_cast<int>(leadingNumber(store_.get(kList, kListSection, "1")));
}

std::vector<std::string> SatelliteDb::names() const {
    std::vector<std::string> result;
    const int n = count();
    for (int i = 2; i <= n + 1; ++i)
        result.push_back(store_.get(kList, kListSection, std::to_string(i)));
    return result;
}

bool SatelliteDb::exists(const std::string& name) const {
    return !store_.get(kRecords, name, "1").empty();
}

std::optional<SatelliteRecord> SatelliteDb::read(const std::string& name) const {
    if (!exists(name)) return std::nullopt;
    SatelliteRecord record;
    for (int key = 1; key <= kSatelliteFieldCount; ++key)
        record[key - 1] = store_.get(kRecords, name, std::to_string(key));
    return record;
}

SatelliteDb::SaveResult SatelliteDb::save(const SatelliteRecord& record) {
    const std::string& name = record[0];
    // An unnamed record would put an empty entry in the list, where the list ends.
    if (trimmed(name).empty()) return SaveResult::Unnamed;
    SaveResult result = SaveResult::Saved;
    store_.inTransaction([&] {
        bool listed = false;
        for (int i = 2;; ++i) {
            const std::string entry = store_.get(kList, kListSection, std::to_string(i));
            if (entry.empty()) break;
            if (sameName(entry, name)) {
                listed = true;
                break;
            }
        }
        if (!listed) {
            const int n = count();
            if (n >= kSatelliteListLimit) {
                result = SaveResult::Full;
                return;
            }
            store_.save(kList, kListSection, "1", std::to_string(n + 1));
            store_.save(kList, kListSection, std::to_string(n + 2), name);
        }
        for (int key = 1; key <= kSatelliteFieldCount; ++key)
            store_.save(kRecords, name, std::to_string(key), record[key - 1]);
    });
    return result;
}

void SatelliteDb::del_sat(const std::string& name) {
    const int n = count();
    if (n <= 0) return;
    std::vector<std::string> kept;
    for (const auto& entry : names())
        if (!sameName(entry, name)) kept.push_back(entry);
    store_.inTransaction([&] {
        store_.remove(kList);
        store_.save(kList, kListSection, "1", std::to_string(kept.size()));
        for (size_t i = 0; i < kept.size(); ++i)
            store_.save(kList, kListSection, std::to_string(i + 2), kept[i]);
    });
}

void SatelliteDb::remove(const std::string& name) {
    store_.inTransaction([&] {
        store_.remove(kRecords, name);
        del_sat(name);
    });
}

void SatelliteDb::removeAllRecords() {
    store_.remove(kRecords);
}

std::string SatelliteDb::exportText() const {
    std::ostringstream out;
    out << kExportHeader
        << "\n# [list] holds the names in list order; each [satellite] its 23 "
           "fields as key<TAB>value\n[list]\n";
    for (const auto& name : names())
        out << escaped(name) << "\n";
    for (const auto& section : store_.sections(kRecords)) {
        if (!exists(section)) continue; // a record without its name is not a record
        out << "\n[satellite]\n";
        for (const auto& [key, value] : store_.keys(kRecords, section))
            out << key << "\t" << escaped(value) << "\n";
    }
    return out.str();
}

std::optional<std::string> SatelliteDb::importText(const std::string& text) {
    std::vector<std::string> list;
    std::vector<std::map<int, std::string>> records;
    enum class Part { None, List, Satellite } part = Part::None;
    std::istringstream in(text);
    std::string line;
    int lineNumber = 0;
    const auto fail = [&](const std::string& why) {
        return std::optional<std::string>("line " + std::to_string(lineNumber) + ": " + why);
    };
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (line == "[list]") {
            part = Part::List;
        } else if (line == "[satellite]") {
            part = Part::Satellite;
            records.emplace_back();
        } else if (part == Part::List) {
            const auto name = unescaped(line);
            if (!name || name->empty()) return fail("a name in the list is not readable");
            list.push_back(*name);
        } else if (part == Part::Satellite) {
            const auto tab = line.find('\t');
            const int key = tab == std::string::npos ? 0 : std::atoi(line.substr(0, tab).c_str());
            if (key < 1 || key > kSatelliteFieldCount)
                return fail("expected a key 1..23, a tab and a value");
            const auto value = unescaped(line.substr(tab + 1));
            if (!value) return fail("the value is not readable");
            records.back()[key] = *value;
        } else {
            return fail("text before the [list] section");
        }
    }
    if (lineNumber == 0 || text.rfind(kExportHeader, 0) != 0)
        return std::string("not a satellite database export (it must begin with \"") +
               kExportHeader + "\")";
    if (list.size() > static_cast<size_t>(kSatelliteListLimit))
        return "the list holds " + std::to_string(list.size()) + " names; at most 30 fit";
    for (const auto& record : records)
        if (record.count(1) == 0 || record.at(1).empty())
            return std::string("a [satellite] section has no name (key 1)");

    store_.inTransaction([&] {
        store_.remove(kRecords);
        store_.remove(kList);
        store_.save(kList, kListSection, "1", std::to_string(list.size()));
        for (size_t i = 0; i < list.size(); ++i)
            store_.save(kList, kListSection, std::to_string(i + 2), list[i]);
        for (const auto& record : records)
            for (const auto& [key, value] : record)
                store_.save(kRecords, record.at(1), std::to_string(key), value);
    });
    return std::nullopt;
}

} // namespace orv::core
