#include "radio/link_settings.h"

#include "core/number_text.h"

namespace orv::radio {

namespace {
void loadDirection(LinkDirection& direction, const core::RadioLink& link, int variant) {
    direction.port = link.port;
    direction.delayMs = link.delay.ms;
    direction.commaFlag = link.delay.comma ? 1 : 0;
    const double baud = core::leadingNumber(link.baud);
    if (baud < 1 || baud > 1e7) return;
    if (const auto timing = portTiming(static_cast<int>(baud), variant)) {
        direction.timing = timing->bytes;
        direction.msPerByte = timing->msPerByte;
    }
}
} // namespace

void loadLinkSettings(LinkSettings& settings, const core::SatelliteConfig& satellite, int variant) {
    loadDirection(settings.uplink, satellite.uplink, variant);
    loadDirection(settings.downlink, satellite.downlink, variant);
}

} // namespace orv::radio
