// Whether a rotator is seen to turn: two averaged position readings in a row that
// differ by more than the jitter of a standing rotator.
#pragma once

#include <optional>

namespace orv::rotator {

class TurningWatch {
public:
    // A new averaged count of the axis.
    void averaged(int count);
    bool turning() const { return turning_; }

private:
    std::optional<int> last_;
    bool turning_ = false;
};

} // namespace orv::rotator
