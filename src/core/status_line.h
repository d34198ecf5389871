// The headless status line: space-separated key=value pairs, one provider per key.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace orv::core {

class StatusLine {
public:
    void add(std::string key, std::function<std::string()> value) {
        providers_.push_back({std::move(key), std::move(value)});
    }
    std::string render() const;

private:
    struct Provider {
        std::string key;
        std::function<std::string()> value;
    };
    std::vector<Provider> providers_;
};

// A value made safe for the line: blanks become "_", an empty value is "-".
std::string statusValue(const std::string& text);

} // namespace orv::core
