// Options every orv_kite_tool command shares, and the pieces they all need.
#pragma once

#include "core/settings_store.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace orv::tools {

// One option a command takes: "--name VALUE" (or "--name=VALUE"), or a flag.
struct ToolOption {
    ToolOption(const char* optionName, bool value = true) : name(optionName), takesValue(value) {}
    std::string name;
    bool takesValue;
};

// A row for an option that takes no value ("--tsv").
inline ToolOption flag(const char* name) {
    return ToolOption(name, false);
}

struct ToolArguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options; // "--name" -> value ("" for flags)
    std::string error;

    bool has(const std::string& name) const { return options.count(name) > 0; }
    std::string value(const std::string& name, const std::string& fallback = {}) const;
};

// Takes the options of the command's table out of `words` (--help is always known);
// the other words are positional. An option not in the table is an error.
ToolArguments parseToolArguments(const std::vector<std::string>& words,
                                 const std::vector<ToolOption>& options);

// Prints why the command line is wrong and the command's usage; gives exit status 2.
int refuseArguments(const std::string& reason, const char* usage);

enum class StoreUse { Existing, MayCreate };

// Opens the store named by --settings (or the default); prints the reason and returns
// null when it cannot. Only commands that make a store may create one: for the others a
// path with no file is a mistake, not a new empty store.
std::unique_ptr<core::SettingsStore> openStore(const ToolArguments& arguments,
                                               StoreUse use = StoreUse::Existing);

// Reads --variant (3 or 4; default 4); false and a message when it is anything else.
bool variantOf(const ToolArguments& arguments, int& variant);

// `text` as a whole decimal number (nothing else in it) within low..high.
bool wholeNumberIn(const std::string& text, int low, int high, int& value);
// `text` as a finite decimal number (nothing else in it) within low..high.
bool numberIn(const std::string& text, double low, double high, double& value);

} // namespace orv::tools
