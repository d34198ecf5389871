#include "station/station_remote.h"

#include "core/tracking_source.h"
#include "radio/doppler.h"
#include "radio/frequency_plan.h"
#include "radio/frequency_text.h"
#include "radio/radios.h"
#include "rotator/azimuth_mapping.h"
#include "rotator/rotator_drive.h"
#include "station/station.h"

#include <algorithm>
#include <cmath>

namespace orv::station {

namespace {
constexpr const char* kSourceCaption = "Remote pointing.";
constexpr const char* kClientDopplerCaption = "Doppler by remote client";
constexpr const char* kStationDopplerCaption = "Doppler (Hz.)";

// The rotator protocol's directions of a move.
constexpr int kMoveUp = 2, kMoveDown = 4, kMoveLeft = 8, kMoveRight = 16;
// A move turns the azimuth this far from where the antennas are.
constexpr double kMoveAzimuthDegrees = 90;

} // namespace

void Station::wireRemote() {
    remote_ = std::make_unique<StationRemote>(*this);
    statusLine_.add(
        "doppler", [this] { return std::string(remote_->tunedByClient() ? "client" : "station"); });
}

RemoteTravel StationRemote::travel() const {
    const double turn = station_.rotatorDrive().format().travelDegrees;
    return {-180, turn, 0, 180};
}

bool StationRemote::point(double azimuth, double elevation, int client) {
    const RemoteTravel limits = travel();
    if (azimuth < limits.minAzimuth || azimuth > limits.maxAzimuth ||
        elevation < limits.minElevation || elevation > limits.maxElevation)
        return false;
    // Past the zenith is the reciprocal bearing: the drive decides for itself whether
    // to take the elevation over the top.
    if (elevation > 90) {
        azimuth += 180;
        elevation = 180 - elevation;
    }
    startPointing(rotator::wrap360(azimuth), elevation, client);
    return true;
}

bool StationRemote::move(int direction, int client) {
    double azimuth = azimuthReading();
    double elevation = elevationReading();
    if (!(direction & (kMoveUp | kMoveDown | kMoveLeft | kMoveRight))) return false;
    if (direction & kMoveLeft) azimuth -= kMoveAzimuthDegrees;
    if (direction & kMoveRight) azimuth += kMoveAzimuthDegrees;
    if (direction & kMoveUp) elevation = 90;
    if (direction & kMoveDown) elevation = 0;
    startPointing(rotator::wrap360(azimuth), elevation, client);
    return true;
}

void StationRemote::stop() {
    endPointing();
    stopRequested_ = true;
}

void StationRemote::park() {
    endPointing();
    parkRequested_ = true;
}

double StationRemote::azimuthReading() const {
    return station_.rotatorDrive().azimuthReading();
}

double StationRemote::elevationReading() const {
    return station_.rotatorDrive().elevationReading();
}

void StationRemote::startPointing(double azimuth, double elevation, int client) {
    auto& loop = station_.loop();
    if (!pointing_.active) {
        pointing_.active = true;
        pointing_.sourceBefore = loop.trackingSource;
        pointing_.captionBefore = station_.panel().caption("lbl_standalone");
        loop.trackingSource = core::kRemotePointingSource;
        station_.panel().setCaption("lbl_standalone", kSourceCaption);
    }
    pointing_.azimuth = azimuth;
    pointing_.elevation = elevation;
    pointing_.client = client;
    pointing_.clientGone = false;
}

void StationRemote::endPointing() {
    if (!pointing_.active) return;
    pointing_.active = false;
    station_.loop().trackingSource = pointing_.sourceBefore;
    station_.panel().setCaption("lbl_standalone", pointing_.captionBefore);
}

void StationRemote::applyPointing() {
    auto& drive = station_.rotatorDrive();
    if (stopRequested_) {
        stopRequested_ = false;
        drive.rot_timer_Timer(); // the stop frame: both rotators let go where they are
    }
    if (parkRequested_) {
        parkRequested_ = false;
        drive.state().parkRequest = 1;
        drive.parkAfterPass();
    }
    if (pointing_.active && pointing_.clientGone && satelliteSelected()) endPointing();
    if (!pointing_.active) return;
    auto& tracking = station_.tracking();
    tracking.azimuth = pointing_.azimuth;
    // The drive leaves an elevation at or below 0 alone (a satellite below the horizon);
    // a client asking for the horizon gets the lowest count above it.
    tracking.elevation = std::max(pointing_.elevation, drive.state().elDegPerCount);
}

bool StationRemote::satelliteSelected() const {
    return station_.loop().selectedSatellite != core::kNoSatellite;
}

std::string StationRemote::radiosUnavailable() const {
    if (satelliteSelected()) return {};
    if (recordName_.empty())
        return "no satellite is selected and no --rigctld-record names the radios to tune";
    if (!station_.satelliteDb().exists(recordName_))
        return "the satellite record \"" + recordName_ +
               "\" named by --rigctld-record does not "
               "exist";
    return {};
}

bool StationRemote::tune(RemoteLink link, double hz, int client) {
    if (!radiosUnavailable().empty()) return false;
    ClientFrequency& tuned = links_[size_t(link)];
    tuned.held = tuned.pending = true;
    tuned.hz = hz;
    tuned.client = client;
    tuned.setAt = std::chrono::steady_clock::now();
    auto& doppler = station_.radios().doppler();
    (link == RemoteLink::Downlink ? doppler.downlinkByClient : doppler.uplinkByClient) = true;
    showClientDoppler();
    return true;
}

// The plan of the radios a client tunes: the loaded record's, or the named record's
// before its radios are set up.
std::optional<radio::FrequencyPlan> StationRemote::planInUse() const {
    if (satelliteSelected() || recordLoaded_) return station_.radios().plan();
    if (recordName_.empty()) return std::nullopt;
    const auto record = station_.satelliteDb().read(recordName_);
    if (!record) return std::nullopt;
    return radio::planFromSatellite(core::typedSatellite(*record, station_.startup().variant));
}

std::optional<double> StationRemote::stationHz(RemoteLink link) const {
    const auto& doppler = station_.radios().doppler();
    const bool downlink = link == RemoteLink::Downlink;
    if (doppler.passRan && satelliteSelected()) {
        const auto hz = downlink ? doppler.downlinkDialHz : doppler.uplinkDialHz;
        return hz > 0 ? std::optional<double>(double(hz)) : std::nullopt;
    }
    // No Doppler pass runs: the plan's frequency at the radio as it stands.
    const auto plan = planInUse();
    if (!plan) return std::nullopt;
    const auto hz = downlink ? radio::downlinkDialHz(plan->downlink, 0, plan->downConverter)
                             : radio::uplinkDialHz(plan->uplink, 0, plan->upConverter);
    if (!hz || *hz <= 0) return std::nullopt;
    return double(*hz);
}

std::string StationRemote::mode(RemoteLink link) const {
    const auto plan = planInUse();
    if (!plan) return {};
    return link == RemoteLink::Downlink ? plan->downlinkMode : plan->uplinkMode;
}

bool StationRemote::pttAvailable() const {
    auto& radios = station_.radios();
    return radios.pttEnabled() && radios.dispatch().pttRadio();
}

bool StationRemote::ptt(bool transmit) {
    if (!pttAvailable()) return false;
    pttRequest_ = transmit;
    return true;
}

bool StationRemote::tunedByClient() const {
    return links_[0].held || links_[1].held;
}

// A position asked for stays the target once its client has gone (a one-shot client
// sets it and leaves), unless a satellite is selected: then the station tracks it on
// its own again. A frequency asked for is still sent; the link is the station's again.
void StationRemote::clientGone(int client) {
    if (pointing_.active && pointing_.client == client) {
        pointing_.clientGone = true;
        if (satelliteSelected()) endPointing();
    }
    for (const RemoteLink link : {RemoteLink::Downlink, RemoteLink::Uplink})
        if (links_[size_t(link)].held && links_[size_t(link)].client == client) releaseLink(link);
}

void StationRemote::applyRadios() {
    if (satelliteSelected()) recordLoaded_ = false; // the selection's record has the radios
    const auto now = std::chrono::steady_clock::now();
    bool pending = false;
    for (const RemoteLink link : {RemoteLink::Downlink, RemoteLink::Uplink}) {
        ClientFrequency& tuned = links_[size_t(link)];
        if (tuned.held && now - tuned.setAt > kClientHold) releaseLink(link);
        pending = pending || tuned.pending;
    }
    if (pending && !satelliteSelected() && !recordLoaded_ && !loadRecord()) {
        for (auto& tuned : links_)
            tuned.pending = false;
        releaseLink(RemoteLink::Downlink);
        releaseLink(RemoteLink::Uplink);
    }
    sendPending(RemoteLink::Downlink);
    sendPending(RemoteLink::Uplink);
    if (pttRequest_) {
        auto& controls = station_.radios().controls();
        if (*pttRequest_)
            controls.lbl_ptt_off_Click(); // the caption clicked reads "PTT  RX": transmit
        else
            controls.lbl_ptt_on_Click();
        pttRequest_.reset();
    }
}

// Without a selected satellite the named record's radios are set up as a selection
// would set them up.
bool StationRemote::loadRecord() {
    if (recordName_.empty() || !station_.satelliteDb().exists(recordName_)) return false;
    recordLoaded_ = true;
    station_.GetSatCfg(recordName_);
    station_.radios().resetForSelection(); // a park with nothing selected left them held
    station_.radios().pre_radio_init();
    station_.radios().radioinit();
    return true;
}

void StationRemote::sendPending(RemoteLink link) {
    ClientFrequency& tuned = links_[size_t(link)];
    if (!tuned.pending) return;
    auto& radios = station_.radios();
    const bool downlink = link == RemoteLink::Downlink;
    // A link the operator (or a park) holds gets the client's frequency once released.
    if ((downlink ? radios.state().downlinkInhibit : radios.state().uplinkInhibit) == 1) return;
    tuned.pending = false;
    const std::string text = radio::dialText(std::llround(tuned.hz));
    if (text.empty()) return;
    auto& doppler = radios.doppler();
    if (downlink) {
        doppler.downlinkText = text;
        radios.dispatch().catcontrol_rx();
    } else {
        doppler.uplinkText = text;
        radios.dispatch().catcontrol_tx();
    }
}

// The station's own Doppler takes the link back at once.
void StationRemote::releaseLink(RemoteLink link) {
    ClientFrequency& tuned = links_[size_t(link)];
    if (!tuned.held) return;
    tuned.held = false;
    auto& doppler = station_.radios().doppler();
    if (link == RemoteLink::Downlink) {
        doppler.downlinkByClient = false;
        doppler.retuneDownlink = 1;
    } else {
        doppler.uplinkByClient = false;
        doppler.forceUplink = 1;
    }
    showClientDoppler();
}

void StationRemote::showClientDoppler() {
    auto& panel = station_.panel();
    if (tunedByClient())
        panel.setCaption("lbl_UpText", kClientDopplerCaption);
    else if (panel.caption("lbl_UpText") == kClientDopplerCaption)
        panel.setCaption("lbl_UpText", kStationDopplerCaption);
}

} // namespace orv::station
