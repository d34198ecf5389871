// Real passes walked on every rotator format: from the pre-position the pass analysis
// chooses (wherever the rotator stood before), the rotator is sent second by second
// to the count the drive chooses for the satellite (turned over the top when the pass
// is flipped). It must point at the satellite all the way, never held at an end stop
// and never swinging round the other way.
#include "orbit/day_instant.h"
#include "orbit/element_set.h"
#include "orbit/plan13.h"
#include "rotator/azimuth_mapping.h"
#include "rotator/pass_analysis.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orv::rotator {
namespace {

struct Elements {
    const char* name;
    const char* line1;
    const char* line2;
};

// Sets of the sample element file, epochs 2018-01-20/21.
constexpr Elements kSets[] = {
    {"ISS", "1 25544U 98067A   18020.89808844  .00002078  00000-0  38550-4 0  9992",
     "2 25544  51.6424  32.9776 0003646  28.7227  39.5332 15.54190080 95614"},
    {"SO-50", "1 27607U 02058C   18020.85805703 -.00000024  00000-0  17191-4 0  9994",
     "2 27607  64.5541 180.3486 0047321   5.0119 355.1447 14.75413283811223"},
    {"AO-7", "1 07530U 74089B   18020.92882759 -.00000031  00000-0  83259-4 0  9990",
     "2 07530 101.6660 350.5859 0011799 260.7489 115.8236 12.53630761975916"},
    {"FO-29", "1 24278U 96046B   18020.85842795 -.00000002  00000-0  31335-4 0  9999",
     "2 24278  98.5306 239.7962 0351150 133.0233 230.0898 13.53080693 58061"},
    {"AO-27", "1 22825U 93061C   18021.14707643 -.00000004  00000-0  16043-4 0  9995",
     "2 22825  98.8440 354.7505 0009344  59.1556 301.0544 14.30019694268554"},
};

constexpr double kSecond = 1.0 / 86400;

struct Sky {
    orbit::Plan13 orbit;
    orbit::StationModel station;
    PredictedLook at(double day) const {
        orbit::SatelliteState state;
        orbit::Observation seen;
        if (!orbit.at(day, {}, state) || !orbit::observe(station, state, seen)) return {0, -90};
        return {seen.azimuth, seen.elevation};
    }
};

struct RealPass {
    std::string what; // satellite and rising time, for the failure messages
    double aosDay = 0;
    double maxElevation = 0;
    std::vector<double> azimuths; // one a second from the rise to the set
};

const Sky& skyOf(const Elements& set) {
    static std::vector<std::pair<const Elements*, Sky>> skies;
    for (const auto& [elements, sky] : skies)
        if (elements == &set) return sky;
    skies.emplace_back(&set, Sky{orbit::Plan13(orbit::parseElementSet(set.line1, set.line2)),
                                 orbit::StationModel::from(-39.524, 176.869, 7)});
    return skies.back().second;
}

// Every pass of every set over the sample station on 2018-01-21.
std::vector<RealPass> realPasses() {
    std::vector<RealPass> passes;
    for (const auto& set : kSets) {
        const Sky& sky = skyOf(set);
        const double from = orbit::dayOfUtc(orbit::parseUtcInstant("2018-01-21 00:00:00"));
        double day = from;
        while (day < from + 1) {
            if (sky.at(day).elevation < 0) {
                day += 10 * kSecond;
                continue;
            }
            RealPass pass;
            while (sky.at(day - kSecond).elevation >= 0)
                day -= kSecond;
            pass.aosDay = day;
            pass.what = std::string(set.name) + " rising " +
                        orbit::utcInstantText(orbit::utcOfDay(day), false);
            for (PredictedLook look = sky.at(day); look.elevation >= 0; look = sky.at(day)) {
                pass.azimuths.push_back(look.azimuth);
                pass.maxElevation = std::max(pass.maxElevation, look.elevation);
                day += kSecond;
            }
            if (day - pass.aosDay > 60 * kSecond) passes.push_back(std::move(pass));
        }
    }
    return passes;
}

const std::vector<RealPass>& passes() {
    static const std::vector<RealPass> all = realPasses();
    return all;
}

const RealPass* passRising(const std::string& name, const std::string& utc) {
    for (const auto& pass : passes())
        if (pass.what.rfind(name + " rising " + utc.substr(0, 16), 0) == 0) return &pass;
    return nullptr;
}

// The analysis as flip_park makes it, a minute before the satellite rises.
PassAnalysis analyse(const RealPass& pass, const Elements& set) {
    const Sky& sky = skyOf(set);
    const double start = pass.aosDay - 60 * kSecond;
    const auto analysed = analysePass([&](double seconds) -> std::optional<PredictedLook> {
        return sky.at(start + seconds * kSecond);
    });
    EXPECT_TRUE(analysed) << pass.what;
    return analysed.value_or(PassAnalysis{});
}

const Elements& setOf(const RealPass& pass) {
    for (const auto& set : kSets)
        if (pass.what.rfind(std::string(set.name) + " ", 0) == 0) return set;
    return kSets[0];
}

double miss(double a, double b) {
    return std::abs(std::remainder(a - b, 360.0));
}

struct Walk {
    bool prePositioned = true; // parked where the satellite rises, over the top when flipped
    bool pointed = true;       // every second within half a degree of the satellite
    double worstSwing = 0;     // degrees of the largest move from one second to the next
    std::string firstFault;    // where it first went wrong
};

Walk walk(const RotatorFormat& format, const RealPass& pass, const FlipPlan& plan) {
    Walk result;
    const double k = format.degPerCount();
    double present = plan.prePositionCount;
    // The analysis steps 10 seconds at a time: its rising point is a few degrees late.
    const double rising = plan.flip ? wrap360(pass.azimuths.front() + 180) : pass.azimuths.front();
    result.prePositioned = miss(trueAzimuthAt(format, present), rising) < 5 &&
                           plan.prePositionElevation == (plan.flip ? 175 : 0);
    if (!result.prePositioned)
        result.firstFault = "pre-positioned at " + std::to_string(trueAzimuthAt(format, present)) +
                            " degrees, elevation " + std::to_string(plan.prePositionElevation) +
                            ", for a rise at " + std::to_string(rising);
    for (size_t second = 0; second < pass.azimuths.size(); ++second) {
        const double azimuth =
            plan.flip ? wrap360(pass.azimuths[second] + 180) : pass.azimuths[second];
        const auto target = azimuthOnRotator(format, azimuth, present);
        const double swing = std::abs(target.count - present) * k;
        result.worstSwing = std::max(result.worstSwing, swing);
        const bool pointed = miss(trueAzimuthAt(format, target.count), azimuth) < 0.5;
        if ((!pointed || swing > 90) && result.firstFault.empty())
            result.firstFault = "second " + std::to_string(second) + ": azimuth " +
                                std::to_string(azimuth) + " sent to count " +
                                std::to_string(target.count) + " from " + std::to_string(present);
        result.pointed = result.pointed && pointed;
        present = target.count;
    }
    return result;
}

TEST(PassWalk, RealPassesOnEveryFormatNeverReachAnEndStopOrSwingRound) {
    ASSERT_GT(passes().size(), 25u);
    int walked = 0;
    for (const auto& pass : passes()) {
        // Near the zenith the azimuth turns faster than any rotator: that is what the
        // flip is for, and no walk of azimuths alone can judge it.
        if (pass.maxElevation > 80) continue;
        const PassAnalysis analysed = analyse(pass, setOf(pass));
        for (const auto& format : kRotatorFormats)
            for (const int standing : {0, 300, 700, 1023}) {
                const FlipPlan plan = decideFlip(format.number, analysed, standing);
                const Walk result = walk(format, pass, plan);
                EXPECT_TRUE(result.prePositioned && result.pointed && result.worstSwing <= 90)
                    << pass.what << ", format " << format.number << ", standing at " << standing
                    << (plan.flip ? ", flipped" : "") << ", pre-positioned at "
                    << plan.prePositionCount << ": " << result.firstFault;
                ++walked;
            }
    }
    EXPECT_GT(walked, 500);
}

// The passes the faults were found on: the ISS through the south, rising at 229 and
// setting at 62 degrees, and SO-50 rising at 22 degrees with the azimuth increasing
// (and AO-7 rising at 25 and increasing to 195, through the overlap of format 2).
TEST(PassWalk, TheIssAndSo50PassesOnTheNorthStart450Rotator) {
    const RealPass* iss = passRising("ISS", "2018-01-21 03:05:48");
    const RealPass* so50 = passRising("SO-50", "2018-01-21 03:59:30");
    const RealPass* ao7 = passRising("AO-7", "2018-01-21 14:31:09");
    ASSERT_TRUE(iss && so50 && ao7);
    const RotatorFormat& format = *rotatorFormat(2);
    const double k = format.degPerCount();
    for (const RealPass* pass : {iss, so50, ao7}) {
        const FlipPlan plan = decideFlip(2, analyse(*pass, setOf(*pass)), 500);
        // None of them needs a flip on a rotator that turns 450 degrees.
        EXPECT_FALSE(plan.flip) << pass->what;
        EXPECT_EQ(plan.prePositionElevation, 0) << pass->what;
        EXPECT_LT(miss(trueAzimuthAt(format, plan.prePositionCount), pass->azimuths.front()), 1)
            << pass->what;
        const Walk result = walk(format, *pass, plan);
        EXPECT_TRUE(result.prePositioned && result.pointed)
            << pass->what << ": " << result.firstFault;
        EXPECT_LT(result.worstSwing, 10) << pass->what;
    }
    // The ISS turns from 229 down through south to 62: it is met at 229 on the low side
    // of the overlap. SO-50 and AO-7 rise in the north-east and turn clockwise: they too
    // start on the low side, with the whole of their pass ahead of them.
    EXPECT_EQ(decideFlip(2, analyse(*iss, setOf(*iss)), 500).prePositionCount,
              int(iss->azimuths.front() / k));
    EXPECT_LT(decideFlip(2, analyse(*so50, setOf(*so50)), 900).prePositionCount, 100);
    EXPECT_LT(decideFlip(2, analyse(*ao7, setOf(*ao7)), 900).prePositionCount, 100);
}

} // namespace
} // namespace orv::rotator
