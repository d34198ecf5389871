// A station on the simulated serial box with its rotator and radio servers on free
// loopback ports, running on its own loop timer with a clock thirty times faster
// than real time; and a socket client that keeps the event loop running while it
// waits for a reply, as the station must answer from the same thread.
#pragma once

#include "core/satellite_record.h"
#include "remote/remote_control.h"
#include "stepped_clock.h"
#include "test_station.h"

#include <QTcpSocket>
#include <functional>
#include <memory>
#include <string>

namespace orv::test {

struct Look {
    double azimuth, elevation;
};

// AO-7 in mode B on two IC-821s: uplink on port 1, downlink on port 2.
core::SatelliteRecord icomRecord(const std::string& name);
// One IC-910 on port 1 carrying both links, with the transmitter switched by the station.
core::SatelliteRecord ic910Record(const std::string& name);

class RemoteStation {
public:
    explicit RemoteStation(remote::RemoteOptions options = {}, remote::ServerLimits limits = {});
    ~RemoteStation();

    // Runs the event loop for `ms` of real time.
    void pump(int ms);
    // Runs it until `done` or `ms` have passed; whether `done` came.
    bool pumpUntil(const std::function<bool()>& done, int ms = 5000);
    // Selects a satellite as the operator does, by typing its name.
    void select(const std::string& name);

    // Where the simulated rotators point now.
    Look rotatorLook();
    // The dial of the simulated CI-V radio at `civ` on `port` (its sub band when `sub`).
    uint64_t dialHz(int port, uint8_t civ, bool sub = false);
    bool ic910Transmitting(int port);
    std::string statusValue(const std::string& key) const;

    int rotatorPort() const { return control->rotatorPort(); }
    int radioPort() const { return control->radioPort(); }

    TestStation doubles;
    SteppedClock clock;
    std::unique_ptr<station::Station> station;
    std::unique_ptr<remote::RemoteControl> control;
    std::vector<std::string> messages; // what the servers told the operator
};

class LineClient {
public:
    LineClient(RemoteStation& station, int port);

    bool connected() const { return socket_.state() == QAbstractSocket::ConnectedState; }
    // Sends `bytes` as they are (no newline added).
    void send(const std::string& bytes);
    // Sends `line` and a newline, and returns the reply (empty after `ms` without one).
    std::string ask(const std::string& line, int ms = 3000);
    // Whether the server closed the connection within `ms`.
    bool closedWithin(int ms);
    // The reads the last reply came in: a reply written at once arrives in one.
    int lastReads() const { return lastReads_; }

private:
    RemoteStation& station_;
    QTcpSocket socket_;
    int lastReads_ = 0;
};

double azimuthMiss(double a, double b);

} // namespace orv::test
