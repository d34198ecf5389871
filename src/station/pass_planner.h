// The passes the pass view shows: the selected satellite's current or next pass with
// its path across the sky, and the next passes of the listed satellites over a day.
// Worked out between main-loop ticks on timers of its own, never inside a tick: the
// selected pass when the selection changes or its pass is over; the day's list at
// most once a minute (or when the list of satellites changes), one satellite per
// timer turn, from element lines read in one read transaction.
#pragma once

#include "sky/pass_schedule.h"

#include <QTimer>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orv::core {
class StatusLine;
} // namespace orv::core

namespace orv::station {

class Station;

struct PlannedPass {
    std::string name;
    sky::Pass pass;
};

// A listed satellite's propagator, made from its element lines at the start of a list.
struct ListedOrbit {
    std::string name;
    orbit::Plan13 orbit;
};

class PassPlanner {
public:
    static constexpr double kListDays = 1;     // the list covers the next 24 hours
    static constexpr double kSelectedDays = 2; // how far ahead the next pass is looked for
    static constexpr double kListRenewSeconds = 60;
    static constexpr double kTrackStepSeconds = 15;

    explicit PassPlanner(Station& station);

    // The station's clock as a day number plus UTC fraction (as its time routines read it).
    double now() const;

    // Brings the selected satellite's pass up to date at `day`: cheap unless the selection
    // changed, the pass is over, or no pass was found a minute or more ago.
    void updateSelected(double day);
    const std::string& selectedName() const { return selectedName_; }
    const std::optional<PlannedPass>& selectedPass() const { return selected_; }
    // Its path from AOS to LOS, a point every kTrackStepSeconds.
    const std::vector<sky::PassPoint>& selectedTrack() const { return track_; }

    // The day's list is due: never made, a minute old, or the satellite list changed.
    bool listDue(double day);
    // Starts the list afresh at `day`: reads every listed satellite's element lines.
    void startList(double day);
    // Works out the passes of one more satellite; false once the list is complete.
    bool listStep();
    bool listComplete() const { return pending_.empty(); }
    // The passes up now or rising within the day, by AOS; complete once listComplete.
    const std::vector<PlannedPass>& upcoming() const { return upcoming_; }
    // Listed satellites without a usable element set, in list order.
    const std::vector<std::string>& withoutElements() const { return withoutElements_; }

    // Runs the above on the event loop: a check every second, list steps in between.
    void start();
    // Told after the selected pass or the list changed.
    std::function<void()> changed;

private:
    const sky::HorizonTable* horizonInUse() const;
    bool stationMoved();
    void tick();
    void notify() {
        if (changed) changed();
    }

    Station& station_;
    std::string selectedName_;
    std::optional<PlannedPass> selected_;
    std::vector<sky::PassPoint> track_;
    double selectedComputedAt_ = -1;
    std::array<double, 3> place_{};

    std::vector<std::string> listedNames_;
    double listStartedAt_ = -1;
    double listDay_ = 0;
    std::vector<ListedOrbit> pending_;
    std::vector<PlannedPass> upcoming_;
    std::vector<PlannedPass> building_;
    std::vector<std::string> withoutElements_;

    QTimer checkTimer_;
    QTimer stepTimer_;
};

// Puts the selected satellite's pass on the headless status line: pass_aos, pass_max_el
// and pass_los (UTC "hh:mm:ss" and degrees; "-" without a pass), brought up to date when
// the line is printed, never inside a tick.
void addPassStatus(core::StatusLine& line, PassPlanner& planner);

} // namespace orv::station
