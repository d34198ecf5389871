#include "radio/frequency_plan.h"

#include "radio/doppler.h"

namespace orv::radio {

namespace {
constexpr double kTinyOffsetMHz = 0.0000001;
constexpr double kAnalogBeaconOffsetMHz = 0.00000001;
} // namespace

FrequencyPlan planFromSatellite(const core::SatelliteConfig& satellite) {
    FrequencyPlan plan;
    plan.downlink = satellite.downlinkMHz + kTinyOffsetMHz;
    plan.transponder = satellite.transponderMHz + kTinyOffsetMHz;
    plan.uplink = satellite.analog ? analogUplink(plan.downlink, plan.transponder)
                                   : satellite.uplinkMHz + kTinyOffsetMHz;
    plan.upConverter = satellite.upConverterMHz;
    plan.downConverter = satellite.downConverterMHz;
    plan.uplinkStepHz = satellite.uplinkStepHz;
    plan.downlinkStepHz = satellite.downlinkStepHz;
    plan.beacon =
        satellite.beaconMHz + (satellite.analog ? kAnalogBeaconOffsetMHz : kTinyOffsetMHz);
    plan.uplinkSign = linkSign(plan.uplink, plan.upConverter);
    plan.downlinkSign = linkSign(plan.downlink, plan.downConverter);
    plan.uplinkMode =
        plan.uplinkSign < 0 ? swappedSideband(satellite.uplinkMode) : satellite.uplinkMode;
    plan.downlinkMode =
        plan.downlinkSign < 0 ? swappedSideband(satellite.downlinkMode) : satellite.downlinkMode;
    return plan;
}

bool movePlanValue(FrequencyPlan& plan, int target, double deltaMHz) {
    switch (target) {
    case kKnobUplink:
        plan.uplink += deltaMHz;
        return true;
    case kKnobDownlink:
        plan.downlink += deltaMHz;
        return true;
    case kKnobDownConverter:
        plan.downConverter += deltaMHz;
        return true;
    case kKnobUpConverter:
        plan.upConverter += deltaMHz;
        return true;
    case kKnobTransponder:
        plan.transponder += deltaMHz;
        plan.uplink = transponderUplink(plan.downlink, plan.uplink, plan.transponder);
        return true;
    default:
        return false;
    }
}

} // namespace orv::radio
