// orv_kite_tool sat: list, show, change, create, delete, export and import satellites.
#include "core/number_text.h"
#include "core/satellite_db.h"
#include "tools/commands.h"
#include "tools/tool_arguments.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

namespace orv::tools {

namespace {

const char* kSatUsage =
    "Usage: orv_kite_tool sat COMMAND [--settings FILE]\n"
    "  list [--tsv]               the satellites in list order (at most 30)\n"
    "  show NAME                  the 23 fields of a record\n"
    "  set NAME K VALUE           changes field K (2..23) of a record\n"
    "  new NAME --digital|--analog  a new record from the digital or analog template\n"
    "  delete NAME                deletes the record and its place in the list\n"
    "  export FILE                all records and the list as text (FILE - is standard output)\n"
    "  import FILE                replaces records and list with an export, all or nothing\n";

int fail(const std::string& message, int code = 1) {
    std::fprintf(stderr, "orv_kite_tool: %s\n", message.c_str());
    return code;
}

// The message for a name with no record, repeating the name as it was typed.
std::string noSatellite(const std::string& typed) {
    return "no satellite named \"" + typed + "\" in the database (see 'orv_kite_tool sat list')";
}

// The command words of each action: the action and how many words it takes.
bool knownAction(const std::vector<std::string>& p) {
    static const std::pair<const char*, size_t> kActions[] = {
        {"list", 1},   {"show", 2},   {"set", 4},   {"new", 2},
        {"delete", 2}, {"export", 2}, {"import", 2}};
    for (const auto& [action, count] : kActions)
        if (!p.empty() && p[0] == action && p.size() == count) return true;
    return false;
}

int list(const core::SatelliteDb& db, bool tsv) {
    if (tsv)
        std::printf(
            "position\tname\tmode\tuplink_mhz\tdownlink_mhz\tuplink_radio\tdownlink_radio\n");
    int position = 0;
    for (const auto& name : db.names()) {
        ++position;
        const auto record = db.read(name);
        const auto field = [&](int key) { return record ? record->at(key - 1) : std::string("-"); };
        std::printf(tsv ? "%d\t%s\t%s\t%s\t%s\t%s\t%s\n"
                        : "%2d  %-16s %-8s up %-12s down %-12s radios %s/%s\n",
                    position, name.c_str(), field(2).c_str(), field(3).c_str(), field(14).c_str(),
                    field(7).c_str(), field(18).c_str());
    }
    if (!tsv) std::printf("%d of 30 places used\n", db.count());
    return 0;
}

int show(const core::SatelliteDb& db, const std::string& name, const std::string& typed) {
    const auto record = db.read(name);
    if (!record) return fail(noSatellite(typed));
    for (const auto& field : core::kSatelliteFields)
        std::printf("%2d  %-42s %s\n", field.key, field.label, record->at(field.key - 1).c_str());
    return 0;
}

int setField(core::SatelliteDb& db, const std::string& name, const std::string& typed,
             const std::string& keyText, const std::string& value) {
    auto record = db.read(name);
    if (!record) return fail(noSatellite(typed));
    const int key = static_cast<int>(core::leadingNumber(keyText));
    if (key == 1) return fail("field 1 is the record's name; make a new record instead", 2);
    if (key < 2 || key > core::kSatelliteFieldCount || keyText != std::to_string(key))
        return fail("a satellite record has fields 2 to 23, not " + keyText, 2);
    record->at(key - 1) = value;
    db.save(*record);
    return 0;
}

int create(core::SatelliteDb& db, const std::string& name, const ToolArguments& arguments) {
    const bool analog = arguments.has("--analog");
    if (analog == arguments.has("--digital")) return fail("say --digital or --analog", 2);
    if (db.exists(name)) return fail(name + " already exists; change it with 'sat set'");
    if (db.save(core::satelliteTemplate(analog, name)) == core::SatelliteDb::SaveResult::Full)
        return fail("the satellite database is full (30 satellites); delete one first");
    return 0;
}

int exportTo(const core::SatelliteDb& db, const std::string& path) {
    const std::string text = db.exportText();
    if (path == "-") {
        std::fputs(text.c_str(), stdout);
        return 0;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!(out << text) || !out.flush()) return fail("cannot write " + path);
    std::fprintf(stderr, "exported %d satellites to %s\n", db.count(), path.c_str());
    return 0;
}

int importFrom(core::SatelliteDb& db, const std::string& path) {
    std::stringstream text;
    if (path == "-") {
        text << std::cin.rdbuf();
    } else {
        std::ifstream in(path, std::ios::binary);
        if (!in) return fail("cannot read " + path);
        text << in.rdbuf();
    }
    if (const auto error = db.importText(text.str()))
        return fail(path + ": " + *error + "; nothing was changed");
    std::fprintf(stderr, "imported %d satellites from %s\n", db.count(), path.c_str());
    return 0;
}

} // namespace

int satCommand(const std::vector<std::string>& words) {
    const auto arguments = parseToolArguments(
        words, {"--settings", flag("--tsv"), flag("--digital"), flag("--analog")});
    if (arguments.has("--help")) {
        std::fputs(kSatUsage, stdout);
        return 0;
    }
    if (!arguments.error.empty()) return refuseArguments(arguments.error, kSatUsage);
    const auto& p = arguments.positional;
    const std::string action = p.empty() ? std::string() : p[0];
    if (!knownAction(p)) {
        std::string typed;
        for (const auto& word : p)
            typed += (typed.empty() ? "" : " ") + word;
        return refuseArguments(
            p.empty() ? "sat needs a command" : "sat has no command \"" + typed + "\"", kSatUsage);
    }
    // Only a new record or an import may make the store; a typo in a path elsewhere
    // must not leave an empty store behind.
    const bool makesStore = action == "new" || action == "import";
    const auto store = openStore(arguments, makesStore ? StoreUse::MayCreate : StoreUse::Existing);
    if (!store) return 1;
    core::SatelliteDb db(*store);
    const std::string typedName = p.size() > 1 ? p[1] : std::string();
    const std::string name = core::upperCased(typedName);
    try {
        if (action == "list") return list(db, arguments.has("--tsv"));
        if (action == "show") return show(db, name, typedName);
        if (action == "set") return setField(db, name, typedName, p[2], p[3]);
        if (action == "new") return create(db, name, arguments);
        if (action == "delete") {
            if (!db.exists(name)) return fail(noSatellite(typedName));
            db.remove(name);
            return 0;
        }
        if (action == "export") return exportTo(db, p[1]);
        return importFrom(db, p[1]);
    } catch (const core::SettingsError& error) {
        return fail(error.what());
    }
}

} // namespace orv::tools
