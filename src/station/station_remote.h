// The station's side of network control: a client's pointing target, tracked as the
// "remote pointing" source through the rotator drive, and a client's radio
// frequencies, sent through the satellite record's radios in place of the station's
// own Doppler correction while the client keeps setting them. Clients only leave
// requests here; the main loop carries them out in its own steps.
#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>

namespace orv::radio {
struct FrequencyPlan;
} // namespace orv::radio

namespace orv::station {

class Station;

enum class RemoteLink { Downlink = 0, Uplink = 1 };

// The positions a client may ask for, degrees: a negative azimuth is the bearing plus
// 360, an elevation past the zenith the reciprocal bearing over the top.
struct RemoteTravel {
    double minAzimuth, maxAzimuth, minElevation, maxElevation;
};

class StationRemote {
public:
    // A client frequency holds its link this long after the client last set it.
    static constexpr std::chrono::seconds kClientHold{10};

    explicit StationRemote(Station& station) : station_(station) {}

    // Rotator clients.
    RemoteTravel travel() const;
    // False (nothing moved) for a position outside the travel.
    bool point(double azimuth, double elevation, int client);
    // Turns towards a direction (the rotator protocol's up 2, down 4, left 8, right 16
    // and their sums) until stopped; false for no direction.
    bool move(int direction, int client);
    void stop();
    void park();
    double azimuthReading() const;
    double elevationReading() const;
    bool pointing() const { return pointing_.active; }

    // Radio clients.
    void setRecordName(std::string name) { recordName_ = std::move(name); }
    const std::string& recordName() const { return recordName_; }
    // Empty when a client may tune the radios, else what the operator is told.
    std::string radiosUnavailable() const;
    // Sets a link to `hz` at the radio; false when there are no radios to tune.
    bool tune(RemoteLink link, double hz, int client);
    // The frequency at the radio the station last worked out for a link, Hz.
    std::optional<double> stationHz(RemoteLink link) const;
    std::string mode(RemoteLink link) const;
    bool pttAvailable() const;
    // False where the radios cannot switch the transmitter.
    bool ptt(bool transmit);
    bool tunedByClient() const;

    // A client disconnected: what it was holding goes back to the station (its pointing
    // target only when a satellite is selected).
    void clientGone(int client);

    // The main loop: the pointing target put in place of the position, and the
    // client requests to the radios.
    void applyPointing();
    void applyRadios();
    // The radios of the named record are set up because no satellite is selected.
    bool recordInUse() const { return recordLoaded_; }

private:
    struct Pointing {
        bool active = false;
        double azimuth = 0, elevation = 0;
        int client = 0;
        bool clientGone = false;
        int sourceBefore = 1;
        std::string captionBefore;
    };
    struct ClientFrequency {
        bool held = false;
        bool pending = false;
        double hz = 0;
        int client = 0;
        std::chrono::steady_clock::time_point setAt;
    };

    void startPointing(double azimuth, double elevation, int client);
    void endPointing();
    bool satelliteSelected() const;
    std::optional<radio::FrequencyPlan> planInUse() const;
    bool loadRecord();
    void releaseLink(RemoteLink link);
    void sendPending(RemoteLink link);
    void showClientDoppler();

    Station& station_;
    Pointing pointing_;
    bool stopRequested_ = false;
    bool parkRequested_ = false;
    std::array<ClientFrequency, 2> links_{};
    std::optional<bool> pttRequest_;
    std::string recordName_;
    bool recordLoaded_ = false;
};

} // namespace orv::station
