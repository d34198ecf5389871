// The mean-anomaly schedule in memory: for each MA 0..256 the configuration (a record
// named after the satellite with "_1".."_6") to track there, or empty, and the
// satellite's attitude for the squint angle.
#pragma once

#include "core/sky_store.h"

#include <array>
#include <string>

namespace orv::sky {

struct MaSchedule {
    static constexpr int kEntries = 257;

    std::string satellite; // upper-cased; empty when there is no schedule
    std::array<std::string, kEntries> table;
    double ALON = 0;
    double ALAT = 0;

    // The configuration at `ma256`; empty outside the table or where no row reaches.
    const std::string& at(int ma256) const;
};

// bird_mode's work on the stored keys: row 1 covers MA 1 up to its last MA (unless that
// is 255, which builds nothing), each further row from after the previous row's last MA
// up to its own, until a row whose first column is 0.
MaSchedule buildMaSchedule(const core::ScheduleTexts& keys);

} // namespace orv::sky
