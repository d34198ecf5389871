#include "sky/ma_schedule.h"

#include "core/number_text.h"

#include <algorithm>
#include <cmath>

namespace orv::sky {

namespace {
// A stored MA as a whole number kept within the table.
int maOf(const std::string& text) {
    const double value = core::leadingNumber(text);
    if (!std::isfinite(value)) return 0;
    return static_cast<int>(std::clamp(std::floor(value), 0.0, double(MaSchedule::kEntries - 1)));
}

double attitudeOf(const std::string& text) {
    const double value = core::leadingNumber(text);
    return std::isfinite(value) ? value : 0;
}
} // namespace

const std::string& MaSchedule::at(int ma256) const {
    static const std::string none;
    return ma256 >= 0 && ma256 < kEntries ? table[size_t(ma256)] : none;
}

MaSchedule buildMaSchedule(const core::ScheduleTexts& keys) {
    MaSchedule schedule;
    const auto key = [&](int k) -> const std::string& { return keys[size_t(k - 1)]; };
    const std::string name = core::upperCased(core::trimmed(key(1)));
    schedule.ALON = attitudeOf(key(13));
    schedule.ALAT = attitudeOf(key(14));
    if (name.empty() || name == core::upperCased(core::kSampleScheduleName)) return schedule;
    schedule.satellite = name;

    int last = maOf(key(7));
    if (last == 255) return schedule;
    for (int ma = 1; ma <= last; ++ma)
        schedule.table[size_t(ma)] = name + "_1";
    for (int row = 2; row <= core::kScheduleRows; ++row) {
        if (core::leadingNumber(key(row)) == 0) break;
        const int rowLast = maOf(key(row + 6));
        for (int ma = last + 1; ma <= rowLast; ++ma)
            schedule.table[size_t(ma)] = name + "_" + std::to_string(row);
        last = std::max(last, rowLast);
    }
    return schedule;
}

} // namespace orv::sky
