#include "station/pass_planner.h"

#include "core/status_line.h"
#include "orbit/element_set.h"
#include "orbit/element_store.h"
#include "orbit/keplers.h"
#include "orbit/time_routines.h"
#include "sky/pass_texts.h"
#include "station/station.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

namespace orv::station {

namespace {

constexpr int kCheckIntervalMs = 1000;
constexpr double kRetrySeconds = 60;

// The listed names, one per element set: a record NAME_r uses NAME's elements, so
// its passes are NAME's.
std::vector<std::string> oneNamePerElementSet(const std::vector<std::string>& names) {
    std::vector<std::string> kept;
    std::set<std::string> seen;
    for (const auto& name : names) {
        if (name.empty()) continue;
        if (seen.insert(std::string(orbit::elementNameOf(name))).second) kept.push_back(name);
    }
    return kept;
}

} // namespace

PassPlanner::PassPlanner(Station& station) : station_(station) {
    checkTimer_.setInterval(kCheckIntervalMs);
    QObject::connect(&checkTimer_, &QTimer::timeout, [this] { tick(); });
    stepTimer_.setInterval(0);
    QObject::connect(&stepTimer_, &QTimer::timeout, [this] {
        if (!listStep()) stepTimer_.stop();
    });
}

double PassPlanner::now() const {
    const auto fields = orbit::timeFieldsFor(station_.clock().now(), station_.config().utcOffset);
    return fields.dayNumber + fields.dayFraction;
}

const sky::HorizonTable* PassPlanner::horizonInUse() const {
    return station_.config().horizonTable == "YES" ? &station_.horizonTable() : nullptr;
}

// Start-up puts the station in its place after the planner may first have looked.
bool PassPlanner::stationMoved() {
    const orbit::StationModel& model = station_.propagator().stationModel();
    const std::array<double, 3> place{model.LA, model.LO, model.HT};
    if (place == place_) return false;
    place_ = place;
    listStartedAt_ = -1;
    selectedComputedAt_ = -1;
    return true;
}

void PassPlanner::updateSelected(double day) {
    const std::string& name = station_.loop().selectedSatellite;
    const bool renamed = stationMoved() || name != selectedName_ || selectedComputedAt_ < 0;
    const bool over = selected_ && day * 86400 > selected_->pass.los * 86400 + 0.5;
    const bool retry = !selected_ && day - selectedComputedAt_ >= kRetrySeconds / 86400;
    if (!renamed && !over && !retry) return;
    selectedName_ = name;
    selectedComputedAt_ = day;
    selected_.reset();
    track_.clear();
    if (name != kNoSatellite) {
        std::string line1, line2;
        if (station_.elementStore().lines(orbit::elementNameOf(name), line1, line2)) {
            const orbit::Plan13 propagator(orbit::parseElementSet(line1, line2));
            const sky::PassSky sky{propagator, station_.propagator().stationModel(),
                                   horizonInUse()};
            if (propagator.usable()) {
                if (const auto pass = sky::currentOrNextPass(sky, day, kSelectedDays)) {
                    selected_ = PlannedPass{name, *pass};
                    track_ = sky::passTrack(sky, *pass, kTrackStepSeconds);
                }
            }
        }
    }
    notify();
}

bool PassPlanner::listDue(double day) {
    if (stationMoved() || listStartedAt_ < 0) return true;
    if (!listComplete()) return false;
    if (day - listStartedAt_ >= kListRenewSeconds / 86400) return true;
    return oneNamePerElementSet(station_.satelliteDb().names()) != listedNames_;
}

void PassPlanner::startList(double day) {
    listStartedAt_ = day;
    listDay_ = day;
    listedNames_ = oneNamePerElementSet(station_.satelliteDb().names());
    pending_.clear();
    building_.clear();
    withoutElements_.clear();
    const orbit::ElementStore& elements = station_.elementStore();
    const auto batch = elements.readBatch();
    std::string line1, line2;
    for (const auto& name : listedNames_) {
        orbit::Plan13 propagator(orbit::ElementSet{});
        if (elements.lines(orbit::elementNameOf(name), line1, line2))
            propagator = orbit::Plan13(orbit::parseElementSet(line1, line2));
        if (propagator.usable())
            pending_.push_back({name, propagator});
        else
            withoutElements_.push_back(name);
    }
    // Taken from the back: keep the list order.
    std::reverse(pending_.begin(), pending_.end());
    if (pending_.empty()) {
        upcoming_.clear();
        notify();
    }
}

bool PassPlanner::listStep() {
    if (pending_.empty()) return false;
    const ListedOrbit listed = std::move(pending_.back());
    pending_.pop_back();
    const sky::PassSky sky{listed.orbit, station_.propagator().stationModel(), horizonInUse()};
    // A pass under way is listed whole, from its true rise.
    const double from = sky::searchStart(sky, listDay_, kListDays, 0);
    for (const auto& pass : sky::findPasses(sky, from, listDay_ + kListDays, 0))
        building_.push_back({listed.name, pass});
    if (!pending_.empty()) return true;
    std::stable_sort(
        building_.begin(), building_.end(),
        [](const PlannedPass& a, const PlannedPass& b) { return a.pass.aos < b.pass.aos; });
    upcoming_ = std::move(building_);
    building_.clear();
    notify();
    return false;
}

void PassPlanner::tick() {
    if (station_.ended()) return;
    const double day = now();
    updateSelected(day);
    if (listDue(day)) {
        startList(day);
        if (!pending_.empty()) stepTimer_.start();
    }
}

void PassPlanner::start() {
    tick();
    checkTimer_.start();
}

void addPassStatus(core::StatusLine& line, PassPlanner& planner) {
    using Text = std::function<std::string(const sky::Pass&)>;
    const auto value = [&planner](Text text) {
        return [&planner, text] {
            planner.updateSelected(planner.now());
            const auto& planned = planner.selectedPass();
            return planned ? text(planned->pass) : std::string();
        };
    };
    const auto clock = [](const std::optional<double>& day) {
        return day ? sky::passClock(*day, 0) : std::string();
    };
    line.add("pass_aos", value([clock](const sky::Pass& pass) { return clock(pass.clearFrom); }));
    line.add("pass_max_el", value([](const sky::Pass& pass) {
                 char text[16];
                 std::snprintf(text, sizeof text, "%.1f", pass.peakElevation);
                 return std::string(text);
             }));
    line.add("pass_los", value([clock](const sky::Pass& pass) { return clock(pass.clearTo); }));
}

} // namespace orv::station
