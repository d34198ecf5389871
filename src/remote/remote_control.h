// Network control of the station: a rotator server and a radio server, each off
// unless asked for, listening on the loopback address unless told otherwise.
#pragma once

#include "remote/line_server.h"
#include "remote/radio_commands.h"
#include "remote/rotator_commands.h"

#include <map>
#include <memory>
#include <optional>
#include <string>

namespace orv::station {
class Station;
} // namespace orv::station

namespace orv::remote {

inline constexpr int kRotatorPort = 4533;
inline constexpr int kRadioPort = 4532;
inline constexpr const char* kLoopback = "127.0.0.1";

struct RemoteOptions {
    std::optional<int> rotatorPort;  // --rotctld[=PORT]
    std::optional<int> radioPort;    // --rigctld[=PORT]
    std::string address = kLoopback; // --listen ADDRESS
    std::string radioRecord;         // --rigctld-record NAME
};

// The warning an address other than the loopback deserves; empty for the loopback.
std::string listenWarning(const std::string& address);

class RemoteControl {
public:
    explicit RemoteControl(station::StationRemote& station, ServerLimits limits = {});
    ~RemoteControl();
    RemoteControl(const RemoteControl&) = delete;
    RemoteControl& operator=(const RemoteControl&) = delete;

    // Starts the servers asked for; an empty string on success, else what failed.
    std::string start(const RemoteOptions& options);
    // The ports listened on; 0 for a server not running.
    int rotatorPort() const { return rotator_ ? rotator_->port() : 0; }
    int radioPort() const { return radio_ ? radio_->port() : 0; }
    LineServer* rotatorServer() { return rotator_.get(); }
    LineServer* radioServer() { return radio_.get(); }

    std::function<void(const std::string& message)> log; // stderr unless replaced

private:
    void say(const std::string& message) const;
    std::unique_ptr<LineServer> makeRotatorServer();
    std::unique_ptr<LineServer> makeRadioServer();

    station::StationRemote& station_;
    ServerLimits limits_;
    int nextClient_ = 1;
    std::map<int, RotatorSession> rotatorSessions_;
    std::map<int, RadioSession> radioSessions_;
    std::unique_ptr<LineServer> rotator_;
    std::unique_ptr<LineServer> radio_;
};

} // namespace orv::remote
