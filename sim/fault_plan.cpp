#include "sim/fault_plan.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace orv::sim {

namespace {
struct FaultRow {
    FaultKind kind;
    const char* name;
    const char* description;
};
constexpr FaultRow kFaults[] = {
    {FaultKind::None, "none", "no fault"},
    {FaultKind::Silent, "silent", "the box stops answering"},
    {FaultKind::NotReady, "not-ready", "the box never reports ready"},
    {FaultKind::Reset, "reset", "the box resets itself"},
    {FaultKind::Garbled, "garbled", "the box replies with random bytes"},
    {FaultKind::Stuck, "stuck", "the rotators do not move"},
    {FaultKind::RadioOff, "radio-off", "the radios are switched off"},
};

std::string knownFaults() {
    std::string names;
    for (const auto& row : kFaults) {
        if (row.kind == FaultKind::None) continue;
        if (!names.empty()) names += ", ";
        names += row.name;
    }
    return names;
}
} // namespace

std::optional<FaultPlan> parseFaultPlan(std::string_view text, std::string& error) {
    FaultPlan plan;
    if (text.empty()) return plan;
    const size_t at = text.find('@');
    const std::string_view name = text.substr(0, at);
    const auto row = std::find_if(std::begin(kFaults), std::end(kFaults),
                                  [&](const FaultRow& r) { return name == r.name; });
    if (row == std::end(kFaults)) {
        error =
            "unknown simulated fault \"" + std::string(name) + "\" (known: " + knownFaults() + ")";
        return std::nullopt;
    }
    plan.kind = row->kind;
    if (at == std::string_view::npos) return plan;
    const std::string_view seconds = text.substr(at + 1);
    const auto [end, failure] =
        std::from_chars(seconds.data(), seconds.data() + seconds.size(), plan.startSeconds);
    if (seconds.empty() || failure != std::errc() || end != seconds.data() + seconds.size() ||
        !std::isfinite(plan.startSeconds) || plan.startSeconds < 0) {
        error = "the start of a simulated fault is a number of seconds from 0 up, not \"" +
                std::string(seconds) + "\"";
        return std::nullopt;
    }
    return plan;
}

std::vector<FaultKind> faultKinds() {
    std::vector<FaultKind> kinds;
    for (const auto& row : kFaults)
        if (row.kind != FaultKind::None) kinds.push_back(row.kind);
    return kinds;
}

const char* faultName(FaultKind kind) {
    for (const auto& row : kFaults)
        if (row.kind == kind) return row.name;
    return "none";
}

const char* faultDescription(FaultKind kind) {
    for (const auto& row : kFaults)
        if (row.kind == kind) return row.description;
    return "no fault";
}

} // namespace orv::sim
