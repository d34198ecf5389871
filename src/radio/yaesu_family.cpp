#include "radio/yaesu_family.h"

#include <cmath>

namespace orv::radio {

namespace {
// One FT-847 on both links with the two frequencies this close together (MHz) is
// worked on one band.
constexpr double kFt847SameBandMHz = 10;
} // namespace

YaesuFamily::YaesuFamily(FamilyWiring wiring, FamilyHooks hooks)
    : wiring_(wiring), hooks_(std::move(hooks)) {}

void YaesuFamily::setUpUplink(const RadioOnLink& radio) {
    switch (radio.model.family) {
    case RadioFamily::Ft736:
        init_736_up();
        break;
    case RadioFamily::Ft847: {
        const FrequencyPlan& plan = wiring_.plan;
        const bool sameBand =
            radio.bothLinks && std::fabs(plan.uplink - plan.downlink) < kFt847SameBandMHz;
        wiring_.state.ft847SameBand = sameBand ? 1 : 0;
        if (!sameBand) init_847_up();
        break;
    }
    case RadioFamily::Ft100:
        init_ft100();
        break;
    default:
        break; // the FT-757 is tuned only; the receivers serve no uplink
    }
}

void YaesuFamily::setUpDownlink(const RadioOnLink& radio) {
    switch (radio.model.family) {
    case RadioFamily::Ft736:
        init_736_down();
        break;
    case RadioFamily::Ft847:
        init_847_down();
        break;
    case RadioFamily::Ft757:
        init_757();
        break;
    case RadioFamily::Ft100:
        init_ft100();
        break;
    case RadioFamily::Ft1000:
        init_FT1000();
        break;
    case RadioFamily::Vr5000:
        init_vr5000();
        break;
    default:
        break;
    }
}

void YaesuFamily::tuneUplink(const RadioOnLink& radio) {
    switch (radio.model.family) {
    case RadioFamily::Ft736:
        ft736_tx();
        break;
    case RadioFamily::Ft847:
        ft847_tx();
        break;
    case RadioFamily::Ft757:
        FT757_tx();
        break;
    case RadioFamily::Ft100:
        ft_100_tx();
        break;
    case RadioFamily::Ft1000:
        ft1000();
        break;
    default:
        break;
    }
}

void YaesuFamily::tuneDownlink(const RadioOnLink& radio) {
    switch (radio.model.family) {
    case RadioFamily::Ft736:
        FT736_rx();
        break;
    case RadioFamily::Ft847:
        FT847_rx();
        break;
    case RadioFamily::Ft757:
        FT757_rx();
        break;
    case RadioFamily::Ft100:
        ft_100_rx();
        break;
    case RadioFamily::Ft1000:
        ft1000();
        break;
    case RadioFamily::Vr5000:
        vr5000();
        break;
    default:
        break;
    }
}

void YaesuFamily::readBackDownlink(const RadioOnLink& radio) {
    if (radio.model.family == RadioFamily::Ft847) readback_847();
    if (radio.model.family == RadioFamily::Ft1000) readback_FT1000();
}

void YaesuFamily::closeUplink(const RadioOnLink& radio) {
    const RadioFamily family = radio.model.family;
    if (family == RadioFamily::Ft736 || family == RadioFamily::Ft847 ||
        family == RadioFamily::Ft100)
        yaesu_close(kUplinkTransfer);
}

void YaesuFamily::closeDownlink(const RadioOnLink& radio) {
    const RadioFamily family = radio.model.family;
    if (family == RadioFamily::Ft736 || family == RadioFamily::Ft847)
        yaesu_close(kDownlinkTransfer);
}

} // namespace orv::radio
