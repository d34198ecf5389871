#include "sim/fault_plan.h"

#include <gtest/gtest.h>

namespace orv::sim {
namespace {

TEST(FaultPlan, NamesAndStartTimes) {
    const struct {
        const char* text;
        FaultKind kind;
        double start;
    } cases[] = {{"", FaultKind::None, 0},
                 {"silent", FaultKind::Silent, 0},
                 {"not-ready", FaultKind::NotReady, 0},
                 {"reset@12.5", FaultKind::Reset, 12.5},
                 {"garbled@0", FaultKind::Garbled, 0},
                 {"stuck@30", FaultKind::Stuck, 30},
                 {"radio-off@5", FaultKind::RadioOff, 5}};
    for (const auto& c : cases) {
        std::string error;
        const auto plan = parseFaultPlan(c.text, error);
        ASSERT_TRUE(plan) << c.text << ": " << error;
        EXPECT_EQ(plan->kind, c.kind) << c.text;
        EXPECT_DOUBLE_EQ(plan->startSeconds, c.start) << c.text;
    }
}

TEST(FaultPlan, MalformedTextsSayWhy) {
    const struct {
        const char* text;
        const char* mentions;
    } cases[] = {{"loud", "known: silent, not-ready, reset, garbled, stuck"},
                 {"Silent", "unknown simulated fault"},
                 {"silent@", "seconds"},
                 {"silent@soon", "seconds"},
                 {"silent@-3", "seconds"},
                 {"silent@5x", "seconds"}};
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(parseFaultPlan(c.text, error)) << c.text;
        EXPECT_NE(error.find(c.mentions), std::string::npos) << c.text << ": " << error;
    }
}

} // namespace
} // namespace orv::sim
