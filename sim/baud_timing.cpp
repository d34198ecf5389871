#include "sim/baud_timing.h"

namespace orv::sim {

namespace {
struct TimingRow {
    int baud;
    int first;
    int second;
};
constexpr TimingRow kSerialBox[] = {{1200, 242, 8}, {4800, 246, 2}, {9600, 247, 1}, {19200, 120, 1},
                                    {38400, 56, 1}, {57600, 34, 1}, {115200, 12, 1}};
constexpr TimingRow kParallelBox[] = {{1200, 250, 6}, {4800, 126, 2}, {9600, 189, 1},
                                      {19200, 91, 1}, {38400, 43, 1}, {57600, 27, 1}};

template <typename Table> std::optional<int> baudIn(const Table& table, int first, int second) {
    for (const auto& row : table)
        if (row.first == first && row.second == second) return row.baud;
    return std::nullopt;
}
} // namespace

std::optional<int> serialBoxBaud(int first, int second) {
    return baudIn(kSerialBox, first, second);
}

std::optional<int> parallelBoxBaud(int first, int second) {
    return baudIn(kParallelBox, first, second);
}

} // namespace orv::sim
