// Auto-track's choice at a map update, the ring of dropped names across passes, and
// what an update tells the main loop.
#include "core/station_state.h"
#include "sky/auto_track.h"

#include <gtest/gtest.h>

using namespace orv;
using sky::SkyPosition;

namespace {

SkyPosition at(std::string name, double elevation, double azimuth = 100) {
    SkyPosition p;
    p.name = std::move(name);
    p.computed = true;
    p.elevation = elevation;
    p.azimuth = azimuth;
    return p;
}

sky::SelectionRules tracking(double startTrackingAt = -3) {
    sky::SelectionRules rules;
    rules.autoTrack = true;
    rules.startTrackingAt = startTrackingAt;
    return rules;
}

std::string chosenName(const std::vector<SkyPosition>& positions, const sky::Selection& s) {
    return s.chosen < 0 ? std::string("-") : positions[size_t(s.chosen)].name;
}

TEST(PrioritySelection, TheHighestPriorityInViewWinsAndTheEarliestOfEquals) {
    const sky::DroppedRing noRing;
    const struct {
        const char* what;
        std::vector<SkyPosition> positions;
        std::vector<int> priorities;
        const char* chosen;
        int best;
    } cases[] = {
        {"7 beats 5 whatever the order", {at("A", 10), at("B", 20)}, {5, 7}, "B", 7},
        {"7 beats 5, other order", {at("A", 10), at("B", 20)}, {7, 5}, "A", 7},
        {"equal priorities: the earlier", {at("A", 10), at("B", 20)}, {6, 6}, "A", 6},
        {"-0.5 degrees is below the horizon", {at("A", -0.5), at("B", 2)}, {9, 1}, "B", 1},
        {"0 degrees is in view", {at("A", 0), at("B", 2)}, {9, 1}, "A", 9},
        {"no priority, never chosen", {at("A", 40), at("B", 2)}, {0, 1}, "B", 1},
        {"a list longer than its priorities", {at("A", 40), at("B", 2)}, {0}, "-", 0},
        {"nothing up", {at("A", -10), at("B", -20)}, {5, 7}, "-", 0},
        {"an empty list entry is skipped", {at("", 10), at("B", 2)}, {9, 1}, "B", 1},
    };
    for (const auto& c : cases) {
        const auto s = sky::selectByPriority(c.positions, c.priorities, noRing, tracking());
        EXPECT_EQ(chosenName(c.positions, s), c.chosen) << c.what;
        EXPECT_EQ(s.bestPriority, c.best) << c.what;
    }
}

TEST(PrioritySelection, NothingIsChosenWhileAutoTrackIsOffButTheMapStillGetsItsMarks) {
    const std::vector positions{at("A", 10), at("B", -2), at("C", -4), at("D", 50)};
    auto uncomputed = positions;
    uncomputed[3].computed = false;
    sky::SelectionRules rules = tracking(-3);
    rules.autoTrack = false;
    const auto s = sky::selectByPriority(uncomputed, std::vector{5, 5, 5, 5}, {}, rules);
    EXPECT_EQ(s.chosen, -1);
    EXPECT_EQ(s.visible, (std::vector<bool>{true, true, false, false}));
}

TEST(PrioritySelection, ASatelliteBehindTheHorizonTableIsMarkedAndNotChosen) {
    core::HorizonSegments segments{};
    segments[9] = 30; // azimuths 91..100 hidden up to 30 degrees
    const sky::HorizonTable horizon(segments);
    const std::vector positions{at("A", 20, 95), at("B", 10, 200), at("C", 45, 95)};
    sky::SelectionRules rules = tracking();
    rules.horizon = &horizon;
    const auto s = sky::selectByPriority(positions, std::vector{9, 2, 1}, {}, rules);
    EXPECT_EQ(s.obscured, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(chosenName(positions, s), "B");
    // Without the table in use the same satellite is the choice.
    rules.horizon = nullptr;
    EXPECT_EQ(
        chosenName(positions, sky::selectByPriority(positions, std::vector{9, 2, 1}, {}, rules)),
        "A");
}

TEST(PrioritySelection, ANameInTheRingIsNotChosenWhileItStaysThere) {
    sky::DroppedRing ring;
    ring.drop("A");
    const std::vector positions{at("A", 30), at("B", 5)};
    const auto s = sky::selectByPriority(positions, std::vector{9, 2}, ring, tracking());
    EXPECT_EQ(chosenName(positions, s), "B");
}

TEST(DroppedRing, SixDropsKeepTheFiveMostRecent) {
    sky::DroppedRing ring;
    for (const char* name : {"A", "B", "C", "D", "E", "F"})
        ring.drop(name);
    EXPECT_EQ(ring.names(), (std::vector<std::string>{"B", "C", "D", "E", "F"}));
    ring.drop("F"); // the newest again: nothing moves
    ring.drop("C"); // held already: becomes the newest, not a second entry
    EXPECT_EQ(ring.names(), (std::vector<std::string>{"B", "D", "E", "F", "C"}));
    ring.drop("G");
    EXPECT_EQ(ring.names(), (std::vector<std::string>{"D", "E", "F", "C", "G"}));
}

struct AutoTrackAcrossPasses : ::testing::Test {
    void SetUp() override { autoTrack.start({3, 6}); }
    sky::AutoTrack::Outcome update(double aElevation, double bElevation, std::string tracked) {
        positions = {at("A", aElevation), at("B", bElevation)};
        return autoTrack.update(positions, tracking(), tracked);
    }
    sky::AutoTrack autoTrack;
    std::vector<SkyPosition> positions;
};

TEST_F(AutoTrackAcrossPasses, ASatelliteDroppedAtItsSetIsChosenAgainOnItsNextPass) {
    EXPECT_EQ(update(20, -30, core::kNoSatellite).takeOver, "A");
    // A sets while tracked: dropped, nothing else is up, so it is let go.
    EXPECT_TRUE(autoTrack.drop("A"));
    EXPECT_FALSE(autoTrack.drop("A")); // once per pass
    const auto atLos = update(-0.3, -30, "A");
    EXPECT_TRUE(atLos.takeOver.empty());
    EXPECT_TRUE(atLos.release);
    EXPECT_TRUE(autoTrack.ring().empty()); // below the horizon: out of the ring
    EXPECT_FALSE(update(-40, -30, core::kNoSatellite).release);
    // Its next pass.
    EXPECT_EQ(update(1, -30, core::kNoSatellite).takeOver, "A");
}

TEST_F(AutoTrackAcrossPasses, ASatelliteDroppedBehindTheHorizonTableIsHeldUntilItHasSet) {
    EXPECT_EQ(update(20, -30, core::kNoSatellite).takeOver, "A");
    EXPECT_TRUE(autoTrack.drop("A")); // went behind a hill at 5 degrees
    auto outcome = update(5, -30, "A");
    EXPECT_TRUE(outcome.release);
    EXPECT_EQ(autoTrack.ring().names(), std::vector<std::string>{"A"});
    outcome = update(3, -30, core::kNoSatellite); // still up, still held
    EXPECT_TRUE(outcome.takeOver.empty());
    EXPECT_TRUE(autoTrack.ring().holds("A"));
    update(-1, -30, core::kNoSatellite); // set: out
    EXPECT_TRUE(autoTrack.ring().empty());
    EXPECT_EQ(update(2, -30, core::kNoSatellite).takeOver, "A");
}

TEST_F(AutoTrackAcrossPasses, AHigherPriorityRisingTakesOverAndTheNextBestFollowsADrop) {
    EXPECT_EQ(update(20, -30, core::kNoSatellite).takeOver, "A");
    EXPECT_EQ(update(25, 0.5, "A").takeOver, "B");
    EXPECT_TRUE(update(25, 10, "B").takeOver.empty());
    EXPECT_EQ(autoTrack.priorityOf("B"), 6);
    autoTrack.drop("B");
    const auto outcome = update(25, 8, "B");
    EXPECT_EQ(outcome.takeOver, "A");
    EXPECT_FALSE(outcome.release);
}

TEST_F(AutoTrackAcrossPasses, StoppingForgetsTheRingAndChoosesNothing) {
    update(20, 10, core::kNoSatellite);
    autoTrack.drop("B");
    update(20, 10, "B");
    autoTrack.stop();
    EXPECT_TRUE(autoTrack.ring().empty());
    const auto outcome = update(20, 10, "B");
    EXPECT_TRUE(outcome.takeOver.empty());
    EXPECT_FALSE(outcome.release);
    EXPECT_EQ(autoTrack.lastSelection().visible, (std::vector<bool>{true, true}));
}

TEST(AutoTrack, AScheduleEntryOfTheTrackedSatelliteIsNotASwitch) {
    sky::AutoTrack autoTrack;
    autoTrack.start({5, 5});
    const std::vector positions{at("AO-40_1", 30), at("AO-40_2", 30)};
    EXPECT_TRUE(autoTrack.update(positions, tracking(), "AO-40_2").takeOver.empty());
    EXPECT_EQ(autoTrack.update(positions, tracking(), "AO-7").takeOver, "AO-40_1");
}

} // namespace
