// The simulated station hardware a run uses instead of the real ports: one
// simulated box with its serial line and its printer-port registers.
#pragma once

#include "sim/simulated_box.h"
#include "sim/simulated_port_io.h"
#include "sim/simulated_serial_line.h"

#include <functional>
#include <memory>
#include <string>

namespace orv::sim {

class SimulatedHardware {
public:
    explicit SimulatedHardware(SimulatedBoxOptions options)
        : box_(std::move(options)), serialLine_(box_), portIo_(box_) {}

    SimulatedBox& box() { return box_; }
    SimulatedSerialLine& serialLine() { return serialLine_; }
    SimulatedPortIo& portIo() { return portIo_; }

    // What the station's configuration tells the box: the printer-port address
    // and the azimuth rotator's travel (450 degrees for formats 2 to 6).
    void configure(int parallelPortBase, int azRotatorFormat);

private:
    SimulatedBox box_;
    SimulatedSerialLine serialLine_;
    SimulatedPortIo portIo_;
};

// The hardware for `--simulate=FAULT[@SECONDS]`; with `verbose` the box logs what it
// receives on standard error. A fault text that does not parse is reported there
// and the box runs without a fault.
std::unique_ptr<SimulatedHardware> makeSimulatedHardware(const std::string& faultText, bool verbose,
                                                         std::function<double()> clockSeconds);

} // namespace orv::sim
