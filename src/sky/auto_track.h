// Auto-track by priority: the in-memory priorities, the switch, the ring of dropped
// names, and what each map update tells the main loop (take a satellite over, or let
// the tracked one go when it was dropped and nothing else is in view).
#pragma once

#include "sky/dropped_ring.h"
#include "sky/priority_selection.h"

#include <span>
#include <string>
#include <vector>

namespace orv::sky {

class AutoTrack {
public:
    struct Outcome {
        std::string takeOver; // a name to select as if typed; empty for none
        bool release = false; // the tracked satellite was dropped and nothing replaces it
    };

    bool on() const { return on_; }
    // "Click to start Auto Tracking": the window's priorities (list order), then on.
    void start(std::vector<int> priorities);
    // Off, and the ring forgotten.
    void stop();
    void setPriorities(std::vector<int> priorities) { priorities_ = std::move(priorities); }
    const std::vector<int>& priorities() const { return priorities_; }

    // One map update over the listed satellites: names in the ring whose satellite is
    // below the horizon leave it, then the choice is made. `rules.autoTrack` is ignored.
    Outcome update(std::span<const SkyPosition> positions, SelectionRules rules,
                   const std::string& tracked);
    // The drop flag's work: holds the tracked satellite out until it has set. True when it
    // was not dropped already, so the choice is to be made again.
    bool drop(const std::string& tracked);

    const DroppedRing& ring() const { return ring_; }
    const Selection& lastSelection() const { return selection_; }
    // The priority of `name` in the list of the last update (0 when it has none).
    int priorityOf(const std::string& name) const;

private:
    bool on_ = false;
    std::vector<int> priorities_;
    DroppedRing ring_;
    Selection selection_;
    std::vector<std::string> names_; // the list of the last update
    std::string dropped_;            // the tracked satellite, once dropped
};

} // namespace orv::sky
