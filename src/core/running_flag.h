// The running flag that lets one copy of the station run at a time: a newly
// started copy removes it, and a running copy that finds it gone ends itself.
// Each copy stamps its own token beside the flag, because the new copy raises
// the flag again during its own start-up, often before the old copy's next tick.
#pragma once

#include <string>

namespace orv::core {

class SettingsStore;

class RunningFlag {
public:
    explicit RunningFlag(SettingsStore& store);

    // Start-up: an earlier copy's flag is removed, so that copy ends at its next tick.
    void takeOver();
    // Raised at the end of start-up: "1" and this copy's token.
    void raise();
    // The main loop's check: the flag is "1" and no newer copy has stamped its token.
    bool stillOurs() const;
    // The exit routine removes the flag when it is there.
    void lower();

    const std::string& token() const { return token_; }

private:
    SettingsStore& store_;
    std::string token_;
};

} // namespace orv::core
