#include "sim/simulated_hardware.h"

#include <cstdio>

namespace orv::sim {

void SimulatedHardware::configure(int parallelPortBase, int azRotatorFormat) {
    portIo_.setBase(parallelPortBase);
    box_.setAzimuthTravel(azRotatorFormat >= 2 && azRotatorFormat <= 6 ? 450 : 360);
}

std::unique_ptr<SimulatedHardware> makeSimulatedHardware(const std::string& faultText, bool verbose,
                                                         std::function<double()> clockSeconds) {
    SimulatedBoxOptions options;
    std::string error;
    if (const auto plan = parseFaultPlan(faultText, error))
        options.fault = *plan;
    else
        std::fprintf(stderr, "orv_kite: --simulate=%s: %s; simulating without a fault\n",
                     faultText.c_str(), error.c_str());
    options.clockSeconds = std::move(clockSeconds);
    if (verbose)
        options.log = [](const std::string& line) {
            std::fprintf(stderr, "sim: %s\n", line.c_str());
            std::fflush(stderr);
        };
    return std::make_unique<SimulatedHardware>(std::move(options));
}

} // namespace orv::sim
