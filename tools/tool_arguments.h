// Options every orv_kite_tool command shares, and the pieces they all need.
#pragma once

#include "core/settings_store.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace orv::tools {

struct ToolArguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options; // "--name" -> value ("" for flags)
    std::string error;

    bool has(const std::string& name) const { return options.count(name) > 0; }
    std::string value(const std::string& name, const std::string& fallback = {}) const;
};

// Options named in `withValue` take the next word (or "=value"); others are flags.
ToolArguments parseToolArguments(const std::vector<std::string>& words,
                                 const std::vector<std::string>& withValue);

// Opens the store named by --settings (or the default); prints the reason and returns
// null when it cannot.
std::unique_ptr<core::SettingsStore> openStore(const ToolArguments& arguments);

// Reads --variant (3 or 4; default 4); false and a message when it is anything else.
bool variantOf(const ToolArguments& arguments, int& variant);

} // namespace orv::tools
