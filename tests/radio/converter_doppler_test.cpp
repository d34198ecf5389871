// Doppler through converters, checked on the air: what the satellite hears from
// our transmitter and what the downlink radio's dial shows, with no converter and
// with converters whose L.O. lies below or above the signal, approaching and
// receding; and a read-back of that dial leaves the plan where it was.
#include "radio_fixture.h"
#include "sim/civ_codec.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>

using namespace orv;
using namespace orv::test;

namespace {
constexpr double kSpeedOfLightKmS = 299792.458;
constexpr uint8_t kUplinkRadio = 0x20;   // IC-271
constexpr uint8_t kDownlinkRadio = 0x22; // IC-471

// A converter as built: its L.O. (0 for none) and on which side of the signal it lies.
struct Converter {
    double loMHz = 0;
    bool above = false;
};

// The frequency on the air for a radio dial through the converter, and back.
double airHz(double dialHz, Converter c) {
    if (c.loMHz == 0) return dialHz;
    return c.above ? c.loMHz * 1e6 - dialHz : dialHz + c.loMHz * 1e6;
}
double dialHz(double onAirHz, Converter c) {
    if (c.loMHz == 0) return onAirHz;
    return c.above ? c.loMHz * 1e6 - onAirHz : onAirHz - c.loMHz * 1e6;
}

// The dial the last set-frequency frame to `address` asked for.
std::optional<double> lastDialHz(const RadioFixture& f, uint8_t address) {
    const auto payloads = f.payloads();
    for (auto p = payloads.rbegin(); p != payloads.rend(); ++p) {
        const auto frame = sim::parseCivFrame(*p);
        if (!frame || frame->to != address || frame->command != 0x05) continue;
        if (const auto hz = sim::civFrequencyHz(frame->data)) return static_cast<double>(*hz);
    }
    return std::nullopt;
}

std::string text(double value) {
    char out[32];
    std::snprintf(out, sizeof out, "%.6f", value);
    return out;
}

struct ConverterCase {
    double uplinkMHz;
    Converter up;
    double downlinkMHz;
    Converter down;
};

const ConverterCase kCases[] = {
    {1268.0, {}, 2401.0, {}},                           // no converters
    {1268.0, {1124.0, false}, 2401.0, {2256.0, false}}, // L.O. below the signal
    {1268.0, {1412.0, true}, 2401.0, {2545.0, true}},   // L.O. above the signal
    {435.0, {579.0, true}, 145.9, {174.0, true}},       // a 28 MHz i.f. from above
};
const double kRangeRates[] = {-5.782941, 5.782941, -7.3, 0.3};

struct ConverterFixture : RadioFixture {
    ConverterFixture(const ConverterCase& c, double rangeRate) : RadioFixture(4) {
        record[2] = text(c.uplinkMHz);
        record[5] = text(c.up.loMHz);
        record[13] = text(c.downlinkMHz);
        record[16] = text(c.down.loMHz);
        useRadios(10, 11);
        tracking.rangeRate = rangeRate;
        radios->frequency();
    }
};
} // namespace

TEST(ConverterDoppler, TheSatelliteHearsThePlanAndTheDialShowsTheDownlink) {
    for (const auto& c : kCases) {
        for (double rangeRate : kRangeRates) {
            SCOPED_TRACE(testing::Message()
                         << c.uplinkMHz << " MHz via " << c.up.loMHz << ", " << c.downlinkMHz
                         << " MHz via " << c.down.loMHz << ", " << rangeRate << " km/s");
            ConverterFixture f(c, rangeRate);
            const double beta = rangeRate / kSpeedOfLightKmS;

            const auto up = lastDialHz(f, kUplinkRadio);
            ASSERT_TRUE(up);
            // The station corrects to first order in v/c; what remains of the second
            // order, f (v/c)^2, is below 1 Hz under 2.5 GHz.
            const double uplinkHz = c.uplinkMHz * 1e6;
            const double heardHz = airHz(*up, c.up) * (1 - beta);
            EXPECT_NEAR(heardHz, uplinkHz, 1 + uplinkHz * beta * beta);

            const auto down = lastDialHz(f, kDownlinkRadio);
            ASSERT_TRUE(down);
            const double receivedHz = c.downlinkMHz * 1e6 * (1 - beta);
            // Whole Hz of Doppler, whole Hz on the dial.
            EXPECT_NEAR(*down, dialHz(receivedHz, c.down), 2);
        }
    }
}

TEST(ConverterDoppler, ReadingTheDialBackLeavesThePlan) {
    for (const auto& c : kCases) {
        for (double rangeRate : kRangeRates) {
            SCOPED_TRACE(testing::Message() << c.downlinkMHz << " MHz via " << c.down.loMHz << ", "
                                            << rangeRate << " km/s");
            ConverterFixture f(c, rangeRate);
            const double downlinkBefore = f.radios->plan().downlink;
            const auto dial = lastDialHz(f, kDownlinkRadio);
            ASSERT_TRUE(dial);
            const auto digits = sim::civFrequencyBytes(static_cast<uint64_t>(*dial));
            Bytes reply = {0xFE, 0xFE, 0xE0, kDownlinkRadio, 0x03};
            reply.insert(reply.end(), digits.begin(), digits.end());
            reply.push_back(0xFD);
            f.scriptReply(reply);
            f.panel.gesture("lbl_down_read", core::Gesture::DblClick);
            EXPECT_EQ(f.panel.caption("lbl_down_read"), "Read in DnLink");
            EXPECT_NEAR(f.radios->plan().downlink * 1e6, downlinkBefore * 1e6, 2);
        }
    }
}
