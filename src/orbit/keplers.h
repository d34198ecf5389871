// keplers: the station's position routine. Looks the satellite's two element lines
// up in the store, runs the propagator for the instant and the mode the tracking
// state asks for, and writes the tracking state and the tracking labels. Nothing is
// kept between calls but the line buffers' capacity.
#pragma once

#include "orbit/plan13.h"
#include "orbit/station_model.h"

#include <functional>
#include <string>
#include <string_view>

namespace orv::core {
class Panel;
struct TrackingState;
} // namespace orv::core

namespace orv::orbit {

class ElementStore;

// The two element flags the main loop reads: 1 while elements are available for the
// satellite, and 1 when a lookup found none (the loop shows the red label and clears it).
struct ElementFlags {
    int& elementsValid;
    int& elementsMissing;
};

class Keplers {
public:
    struct Wiring {
        const ElementStore& store;
        core::TrackingState& tracking;
        core::Panel& panel;
        ElementFlags flags;
        std::function<void()> time_routines; // stamps dayNumber and dayFraction
    };
    explicit Keplers(Wiring wiring);

    // Computed at start-up from the configured location; fixed for the run.
    void setStationModel(const StationModel& model) { station_ = model; }
    const StationModel& stationModel() const { return station_; }

    // An empty name clears elementsValid; "No Satellite selected" changes nothing.
    // Otherwise, by the tracking state's flags: map mode writes the sub-point, the map's
    // azimuth and elevation and the sun; prediction mode writes predictAzimuth and
    // predictElevation at the preset dayNumber + dayFraction; normal tracking writes
    // azimuth, elevation (+0.2 degree), range, rangeRate and ma256. Both non-map modes
    // caption lbl_range and lbl_sq6, normal tracking also lbl_ma256. A numeric fault ends
    // the call before any of these is written, with elementsValid 0 and elementsMissing 1.
    void keplers(std::string_view name);

private:
    void writeMapMode(const Plan13& orbit, const SatelliteState& state, const Observation& seen);
    void writeTracking(const SatelliteState& state, const Observation& seen);

    const ElementStore& store_;
    core::TrackingState& tracking_;
    core::Panel& panel_;
    ElementFlags flags_;
    std::function<void()> time_routines_;
    StationModel station_;
    std::string line1_, line2_;
};

} // namespace orv::orbit
