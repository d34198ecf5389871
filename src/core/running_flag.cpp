#include "core/running_flag.h"

#include "core/settings_store.h"

#include <random>
#include <unistd.h>

namespace orv::core {

namespace {
constexpr const char* kApplication = "ORVTUNE";
constexpr const char* kSection = "START";
constexpr const char* kFlagKey = "1";
constexpr const char* kOwnerKey = "owner";
} // namespace

RunningFlag::RunningFlag(SettingsStore& store) : store_(store) {
    std::random_device random;
    token_ = std::to_string(::getpid()) + "-" + std::to_string(random()) + std::to_string(random());
}

void RunningFlag::takeOver() {
    if (!store_.get(kApplication, kSection, kFlagKey).empty()) store_.remove(kApplication);
}

void RunningFlag::raise() {
    store_.inTransaction([&] {
        store_.save(kApplication, "Start", kFlagKey, "1");
        store_.save(kApplication, "Start", kOwnerKey, token_);
    });
}

bool RunningFlag::stillOurs() const {
    if (store_.get(kApplication, kSection, kFlagKey) != "1") return false;
    const std::string owner = store_.get(kApplication, kSection, kOwnerKey);
    return owner.empty() || owner == token_;
}

void RunningFlag::lower() {
    if (!store_.get(kApplication, kSection, kFlagKey).empty()) store_.remove(kApplication);
}

} // namespace orv::core
