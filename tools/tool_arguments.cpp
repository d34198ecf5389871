#include "tools/tool_arguments.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orv::tools {

std::string ToolArguments::value(const std::string& name, const std::string& fallback) const {
    const auto it = options.find(name);
    return it == options.end() ? fallback : it->second;
}

ToolArguments parseToolArguments(const std::vector<std::string>& words,
                                 const std::vector<ToolOption>& known) {
    ToolArguments arguments;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.rfind("--", 0) != 0 || word == "--") {
            arguments.positional.push_back(word);
            continue;
        }
        std::string name = word, value;
        const auto equals = word.find('=');
        const bool inlineValue = equals != std::string::npos;
        if (inlineValue) {
            name = word.substr(0, equals);
            value = word.substr(equals + 1);
        }
        const auto row = std::find_if(known.begin(), known.end(), [&](const ToolOption& option) {
            return option.name == name;
        });
        if (row == known.end() && name != "--help") {
            arguments.error = "unknown option " + name;
            return arguments;
        }
        const bool takesValue = row != known.end() && row->takesValue;
        if (!takesValue && inlineValue) {
            arguments.error = name + " takes no value";
            return arguments;
        }
        if (takesValue && !inlineValue) {
            if (i + 1 >= words.size()) {
                arguments.error = name + " needs a value";
                return arguments;
            }
            value = words[++i];
        }
        arguments.options[name] = value;
    }
    return arguments;
}

int refuseArguments(const std::string& reason, const char* usage) {
    std::fprintf(stderr, "orv_kite_tool: %s\n%s", reason.c_str(), usage);
    return 2;
}

std::unique_ptr<core::SettingsStore> openStore(const ToolArguments& arguments, StoreUse use) {
    const std::string path = core::SettingsStore::resolvePath(arguments.value("--settings"));
    if (use == StoreUse::Existing && !QFileInfo::exists(QString::fromStdString(path))) {
        std::fprintf(stderr,
                     "orv_kite_tool: there is no settings store %s (make one with 'orv_kite_tool "
                     "config defaults', or name another with --settings FILE)\n",
                     path.c_str());
        return nullptr;
    }
    try {
        return std::make_unique<core::SettingsStore>(path);
    } catch (const core::SettingsError& error) {
        std::fprintf(stderr, "orv_kite_tool: %s\n", error.what());
        return nullptr;
    }
}

bool variantOf(const ToolArguments& arguments, int& variant) {
    const std::string text = arguments.value("--variant", "4");
    if (text == "3" || text == "4") {
        variant = text[0] - '0';
        return true;
    }
    std::fprintf(stderr, "orv_kite_tool: --variant is 3 (parallel box) or 4 (serial box), not %s\n",
                 text.c_str());
    return false;
}

bool wholeNumberIn(const std::string& text, int low, int high, int& value) {
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    value = std::atoi(text.c_str());
    return value >= low && value <= high;
}

bool numberIn(const std::string& text, double low, double high, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0' && std::isfinite(value) && value >= low && value <= high;
}

} // namespace orv::tools
