// Linked mode: the start-up probe of a tracking program, the poll of the active
// one, the pokes that make Nova for Windows follow a typed name, and the lost link.
// Writes the panel, the loop's selection and (for Nova for Windows) the tracking
// state; what lies above the subsystem is reached through the hooks.
#pragma once

#include "core/panel.h"
#include "core/satellite_db.h"
#include "core/station_state.h"
#include "core/tracking_state.h"
#include "dde/dde_sources.h"
#include "platform/dde_client.h"

#include <functional>
#include <string>

namespace orv::dde {

class DdeLink {
public:
    struct Hooks {
        std::function<void()> mask_set;
        std::function<void(int n)> error_msgs;
        std::function<void(const std::string& line)> log; // one line for standard error
    };
    struct Wiring {
        std::function<platform::DdeClient&()> client;
        core::Panel& panel;
        core::LoopState& loop;
        core::TrackingState& tracking;
        const core::SatelliteDb& satellites;
        Hooks hooks;
    };
    explicit DdeLink(Wiring wiring);

    // One conversation with `source` at start-up; true when it answered, and it is
    // then the active program.
    bool probe(const DdeSource& source);

    enum class PollResult { Read, LinkLost };
    // Reads the active program once and applies what it says.
    PollResult poll(const DdeSource& source);

    // Makes Nova for Windows track the satellite of `catalogueNumber` ("SAT=" and
    // "TRACK OFF"); false when the link was lost on the way.
    bool pokeNova(const std::string& catalogueNumber);

    // The link to the active program is gone: back to manual entry.
    void loseLink(const DdeSource& source, const platform::DdeResult& failure);

    bool active() const { return active_; }
    bool lost() const { return lost_; }
    const std::string& lastReply() const { return lastReply_; }
    // The satellite the program names, "No Satellite selected" when none.
    const std::string& satelliteName() const { return satelliteName_; }
    // True when the tracking state holds the program's position of `name`.
    bool positionIsFor(const std::string& name) const {
        return !positionFor_.empty() && positionFor_ == name;
    }

private:
    void applyNamed(const DdeSource& source, const SourceReading& reading);
    void applyNova(const SourceReading& reading);
    void applyNoSatellite(const DdeSource& source);
    void applyUnreadable(const DdeSource& source, const SourceReading& reading);
    void deselect();
    std::string listedName(const std::string& name) const;
    void log(const std::string& line) const;

    Wiring w_;
    bool active_ = false;
    bool lost_ = false;
    std::string lastReply_;
    std::string satelliteName_ = core::kNoSatellite;
    std::string positionFor_;
    std::string lastFault_;
};

} // namespace orv::dde
