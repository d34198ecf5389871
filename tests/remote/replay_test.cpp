// The trackers' own sequences replayed over a pass: Gpredict's rotator controller
// (with azimuths from -180 to +180, and a disengage and re-engage halfway), its
// radio controller in both dialects with Doppler-moving frequencies, and the SatNOGS
// client's rotator and radio, each from its opening to the end of the pass. What the
// trackers check, the replay checks: every reply arrives whole in one read, a set is
// answered "RPRT 0", a read-back is exactly what was set.
#include "remote_fixture.h"
#include "station/station_remote.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <numbers>

namespace orv::test {
namespace {

constexpr double kPassSeconds = 600;
constexpr double kSpeedOfLight = 299792.458; // km/s

// The client's own idea of the pass: rising in the south-east, setting in the north-west.
struct PassPoint {
    double azimuth, elevation, rangeRate;
};
PassPoint passAt(double t) {
    const double phase = t / kPassSeconds;
    return {std::fmod(140 + 160 * phase, 360.0), 55 * std::sin(std::numbers::pi * phase),
            -6 * std::cos(std::numbers::pi * phase)};
}
double dopplerHz(double hz, double rangeRate) {
    return std::round(hz * (1 - rangeRate / kSpeedOfLight));
}

std::string format(const char* pattern, double a, double b = 0) {
    char text[96];
    std::snprintf(text, sizeof text, pattern, a, b);
    return text;
}

// A reply as a tracker that reads once takes it: whole, in one read.
std::string askOnce(LineClient& client, const std::string& line) {
    const std::string reply = client.ask(line);
    EXPECT_EQ(client.lastReads(), 1) << line << " -> " << reply;
    EXPECT_LE(reply.size(), 127u) << line;
    return reply;
}

bool twoValueLines(const std::string& reply) {
    double a = 0, b = 0;
    char end = 0;
    return reply.find("RPRT") == std::string::npos &&
           std::sscanf(reply.c_str(), "%lf\n%lf%c", &a, &b, &end) == 3 && end == '\n';
}

TEST(TrackerReplay, GpredictRotatorControllerFollowsAPassThroughADisengage) {
    RemoteStation s;
    auto client = std::make_unique<LineClient>(s, s.rotatorPort());
    double lastAzimuth = 1e9, lastElevation = 1e9;
    int errors = 0, positionsSent = 0;
    for (double t = 0; t <= kPassSeconds; t += 10) {
        if (t == 300) { // disengage: stop, quit without reading, close; engage anew
            EXPECT_EQ(askOnce(*client, "S"), "RPRT 0\n");
            client->send("q\n");
            EXPECT_TRUE(client->closedWithin(2000));
            client = std::make_unique<LineClient>(s, s.rotatorPort());
            lastAzimuth = 1e9;
        }
        const PassPoint at = passAt(t);
        // Set to -180..+180 the tracker sends a bearing past south as a negative one.
        const double azimuth = at.azimuth > 180 ? at.azimuth - 360 : at.azimuth;
        const double elevation = std::max(at.elevation, 0.0);
        if (std::abs(std::remainder(azimuth - lastAzimuth, 360.0)) > 5 ||
            std::abs(elevation - lastElevation) > 5) {
            if (askOnce(*client, format("P %.2f %.2f", azimuth, elevation)) != "RPRT 0\n") ++errors;
            ++positionsSent;
        }
        s.pump(100);
        const std::string reading = askOnce(*client, "p");
        if (!twoValueLines(reading)) ++errors;
        std::sscanf(reading.c_str(), "%lf\n%lf", &lastAzimuth, &lastElevation);
        s.pump(250); // the rest of the tracker's second
    }
    EXPECT_EQ(errors, 0);
    EXPECT_GT(positionsSent, 10);
    EXPECT_EQ(s.statusValue("src"), "7");
    const PassPoint end = passAt(kPassSeconds);
    EXPECT_TRUE(s.pumpUntil([&] { return azimuthMiss(s.rotatorLook().azimuth, end.azimuth) < 6; }))
        << s.station->statusLine().render();
    EXPECT_EQ(s.station->stepFailures, (std::array<int, 23>{}));
}

// One Gpredict radio session; `vfoDialect` when its "\chk_vfo" is answered 1.
void gpredictRadioPass(RemoteStation& s, bool vfoDialect) {
    LineClient client(s, s.radioPort());
    const std::string on = vfoDialect ? "1" : "0";
    EXPECT_NE(askOnce(client, "\\set_vfo_opt " + on), "");
    ASSERT_EQ(askOnce(client, "\\chk_vfo"), on + "\n");
    const std::string vfo = vfoDialect ? " currVFO" : "";
    EXPECT_EQ(askOnce(client, vfoDialect ? "S VFOA 1 VFOB" : "S 1 VFOB"), "RPRT 0\n");
    constexpr double kDownlinkHz = 145950000, kUplinkHz = 432150000;
    double lastDown = 0, lastUp = 0;
    int errors = 0;
    for (double t = 0; t <= kPassSeconds; t += 20) {
        if (lastDown > 0) {
            // The knob test: a read-back 1 Hz away from what was set stops the tracking.
            const std::string down = askOnce(client, "f" + vfo);
            if (std::abs(std::atof(down.c_str()) - lastDown) >= 1) ++errors;
            const std::string up = askOnce(client, vfoDialect ? "i VFOA" : "i");
            if (std::abs(std::atof(up.c_str()) - lastUp) >= 1) ++errors;
        }
        const double rangeRate = passAt(t).rangeRate;
        lastDown = dopplerHz(kDownlinkHz, rangeRate);
        lastUp = dopplerHz(kUplinkHz, -rangeRate);
        if (askOnce(client, "F" + vfo + format(" %10.0f", lastDown)) != "RPRT 0\n") ++errors;
        if (askOnce(client, (vfoDialect ? "I VFOA" : "I") + format(" %10.0f", lastUp)) !=
            "RPRT 0\n")
            ++errors;
        // What the radios heard is what the tracker set, not the station's own Doppler.
        EXPECT_TRUE(s.pumpUntil(
            [&] {
                return s.dialHz(2, 0x4C, true) == uint64_t(lastDown) &&
                       s.dialHz(1, 0x4C) == uint64_t(lastUp);
            },
            3000))
            << t << " " << s.dialHz(2, 0x4C, true) << " " << s.dialHz(1, 0x4C);
        EXPECT_EQ(s.statusValue("doppler"), "client");
    }
    EXPECT_EQ(errors, 0);
    EXPECT_EQ(askOnce(client, "q"), "RPRT 0\n");
    EXPECT_TRUE(client.closedWithin(2000));
}

TEST(TrackerReplay, GpredictRadioControllerInBothDialectsOverASelectedSatellite) {
    RemoteStation s;
    s.station->panel().setValue("ch_az", 0); // the rotators stay out of this one
    s.select("AO-7");
    ASSERT_TRUE(s.pumpUntil([&] { return s.station->loop().setupDone == 1; }));
    for (const bool vfoDialect : {true, false}) {
        gpredictRadioPass(s, vfoDialect);
        // Gone: the station's own Doppler takes the radios back.
        EXPECT_TRUE(s.pumpUntil([&] { return s.statusValue("doppler") == "station"; }));
    }
    EXPECT_EQ(s.station->panel().caption("lbl_UpText"), "Doppler (Hz.)");
}

TEST(TrackerReplay, SatnogsClientOpensAndRunsAPass) {
    remote::RemoteOptions options;
    options.radioRecord = "AO-7";
    RemoteStation s(options);
    LineClient rotator(s, s.rotatorPort());
    LineClient radio(s, s.radioPort());

    // The rotator's travel, read once, refuses positions before they are sent.
    const std::string state = rotator.ask("\\dump_state");
    double minAzimuth = 0, maxAzimuth = 0;
    ASSERT_EQ(std::sscanf(state.substr(state.find("min_az=")).c_str(), "min_az=%lf\nmax_az=%lf",
                          &minAzimuth, &maxAzimuth),
              2)
        << state;
    EXPECT_NE(state.find("\ndone\n"), std::string::npos);
    // The radio's opening, as the network backend makes it.
    EXPECT_EQ(radio.ask("\\chk_vfo"), "0\n");
    const std::string radioState = radio.ask("\\dump_state");
    EXPECT_EQ(radioState.substr(radioState.size() - 5), "done\n");
    EXPECT_EQ(radio.ask("v"), "VFOA\n");
    const std::string opening = radio.ask("f");
    EXPECT_EQ(opening, "145950000\n");
    EXPECT_EQ(radio.ask("f"), opening);
    EXPECT_EQ(radio.ask("s"), "0\nVFOA\n");
    EXPECT_EQ(radio.ask("m"), "USB\n2400\n");

    int errors = 0;
    double azimuth = 0, elevation = 0;
    for (double t = 0; t <= kPassSeconds; t += 2.5) {
        const PassPoint at = passAt(t);
        // Every 0.25 s of the client: where the rotator is, and a new position when 4 off.
        if (std::fmod(t, 5) == 0) {
            const std::string reading = rotator.ask("p");
            if (!twoValueLines(reading)) ++errors;
            std::sscanf(reading.c_str(), "%lf\n%lf", &azimuth, &elevation);
            const double wanted = std::max(at.elevation, 0.0);
            if ((azimuthMiss(azimuth, at.azimuth) > 4 || std::abs(elevation - wanted) > 4) &&
                at.azimuth >= minAzimuth && at.azimuth <= maxAzimuth &&
                rotator.ask(format("P %.1f %.1f", at.azimuth, wanted)) != "RPRT 0\n")
                ++errors;
        }
        // Every 0.1 s of the client: the VFO, the Doppler-corrected frequency, a read-back.
        const double hz = dopplerHz(145950000, at.rangeRate);
        if (radio.ask("v") != "VFOA\n") ++errors;
        if (radio.ask(format("F %.6f", hz)) != "RPRT 0\n") ++errors;
        if (radio.ask("f") != format("%.0f\n", hz)) ++errors;
        s.pump(20);
    }
    EXPECT_EQ(errors, 0);
    const double lastHz = dopplerHz(145950000, passAt(kPassSeconds).rangeRate);
    EXPECT_TRUE(s.pumpUntil([&] { return s.dialHz(2, 0x4C, true) == uint64_t(lastHz); }));
    EXPECT_TRUE(s.pumpUntil(
        [&] { return azimuthMiss(s.rotatorLook().azimuth, passAt(kPassSeconds).azimuth) < 6; }));
    EXPECT_EQ(s.station->stepFailures, (std::array<int, 23>{}));
}

} // namespace
} // namespace orv::test
