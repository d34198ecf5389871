#include "station/name_suffix.h"

namespace orv::station {

namespace {
// The suffix's number is its last character's digit; anything else counts as 0.
int suffixNumber(const std::string& name) {
    const char last = name.back();
    return last >= '0' && last <= '9' ? last - '0' : 0;
}

// The name up to and with its last "_", followed by `number`. A suffix that is not a
// single digit ("AO-40_", "AO-40_X") is replaced whole, so the "_" always survives.
std::string withSuffix(const std::string& name, int number) {
    return name.substr(0, name.rfind('_') + 1) + std::to_string(number);
}
} // namespace

RaisedName raisedSuffix(const std::string& name) {
    if (name.find('_') == std::string::npos) return {name + "_1", false};
    const int number = suffixNumber(name);
    if (number >= kHighestSuffix) return {name, true};
    return {withSuffix(name, number + 1), true};
}

std::optional<std::string> loweredSuffix(const std::string& name) {
    if (name.find('_') == std::string::npos) return std::nullopt;
    const int number = suffixNumber(name);
    if (number < 1) return std::nullopt;
    if (number == 1) return name.substr(0, name.rfind('_'));
    return withSuffix(name, number - 1);
}

} // namespace orv::station
