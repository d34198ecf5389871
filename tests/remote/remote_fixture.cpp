#include "remote_fixture.h"

#include "core/satellite_db.h"
#include "rotator/azimuth_mapping.h"
#include "rotator/rotator_drive.h"
#include "sim/civ_radio.h"
#include "sim/ic910_radio.h"
#include "sim/simulated_hardware.h"
#include "station/station_remote.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cmath>

namespace orv::test {

namespace {
core::SatelliteRecord recordWith(const std::string& name,
                                 std::initializer_list<std::pair<int, const char*>> fields) {
    auto record = core::satelliteTemplate(true, name);
    for (const auto& [field, value] : fields)
        record[size_t(field - 1)] = value;
    return record;
}
} // namespace

core::SatelliteRecord icomRecord(const std::string& name) {
    return recordWith(name, {{3, "432.150000"},
                             {4, "LSB"},
                             {7, "15"},
                             {8, "1"},
                             {9, "9600"},
                             {13, "578.100"},
                             {14, "145.950000"},
                             {15, "USB"},
                             {17, "0"},
                             {18, "15"},
                             {19, "2"},
                             {20, "9600"},
                             {22, "145.950000"}});
}

core::SatelliteRecord ic910Record(const std::string& name) {
    return recordWith(name, {{3, "435.300000"},
                             {4, "FM"},
                             {7, "27"},
                             {8, "1"},
                             {9, "9600"},
                             {10, "PTT"},
                             {14, "145.800000"},
                             {15, "FM"},
                             {18, "27"},
                             {19, "1"},
                             {20, "9600"}});
}

RemoteStation::RemoteStation(remote::RemoteOptions options, remote::ServerLimits limits)
    : doubles(4), clock(QDateTime(QDate(2018, 1, 21), QTime(0, 0, 0)), 30) {
    doubles.waits.onWait = [this](int ms) {
        clock.advanceMs(ms);
        QCoreApplication::processEvents();
    };
    station::StationOptions stationOptions;
    stationOptions.programDir = doubles.programDir;
    stationOptions.simulate = true;
    stationOptions.verbose = qEnvironmentVariableIsSet("ORV_TEST_VERBOSE");
    station = std::make_unique<station::Station>(
        *doubles.store,
        station::StationPlatform{clock, doubles.waits, doubles.dialogs, doubles.launcher},
        stationOptions);
    auto& configuration = station->configuration();
    configuration.makes_cfg(4);
    configuration.write(4, 35, "1");
    configuration.write(4, 19, "NO");
    configuration.write(4, 17, "YES");
    configuration.write(4, 11, "180");
    station->satelliteDb().save(icomRecord("AO-7"));
    station->satelliteDb().save(ic910Record("FO-29"));
    station->Form_Load();
    station->loop_timer_Timer(); // the start-up deselection; the loop timer runs from here

    if (!options.rotatorPort) options.rotatorPort = 0;
    if (!options.radioPort) options.radioPort = 0;
    control = std::make_unique<remote::RemoteControl>(station->remote(), limits);
    control->log = [this](const std::string& message) { messages.push_back(message); };
    const std::string error = control->start(options);
    if (!error.empty()) messages.push_back("start: " + error);
}

RemoteStation::~RemoteStation() {
    control.reset();
    station->loopTimer().stop();
}

void RemoteStation::pump(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool RemoteStation::pumpUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done()) {
        if (elapsed.elapsed() > ms) return false;
        pump(10);
    }
    return true;
}

void RemoteStation::select(const std::string& name) {
    station->panel().setCaption("txt_entre", name);
    station->panel().gesture("txt_entre", core::Gesture::KeyPress, 13);
}

Look RemoteStation::rotatorLook() {
    const auto& box = station->simulatedHardware()->box();
    return {rotator::trueAzimuthAt(station->rotatorDrive().format(), box.azimuth().count()),
            box.elevation().count() * rotator::kElevationDegPerCount};
}

uint64_t RemoteStation::dialHz(int port, uint8_t civ, bool sub) {
    auto& radioPort = station->simulatedHardware()->box().radioPort(port);
    auto* family = dynamic_cast<sim::CivRadioFamily*>(radioPort.family("CI-V"));
    if (!family) return 0;
    const auto& radio = family->radio(civ);
    return radio.dials[size_t((sub ? 2 : 0) + radio.vfo)].hz;
}

bool RemoteStation::ic910Transmitting(int port) {
    auto& radioPort = station->simulatedHardware()->box().radioPort(port);
    auto* family = dynamic_cast<sim::Ic910RadioFamily*>(radioPort.family("IC-910"));
    return family && family->radio().transmitting;
}

std::string RemoteStation::statusValue(const std::string& key) const {
    const std::string line = " " + station->statusLine().render() + " ";
    const auto at = line.find(" " + key + "=");
    if (at == std::string::npos) return {};
    const auto start = at + key.size() + 2;
    return line.substr(start, line.find(' ', start) - start);
}

LineClient::LineClient(RemoteStation& station, int port) : station_(station) {
    socket_.connectToHost(QStringLiteral("127.0.0.1"), quint16(port));
    station_.pumpUntil([this] { return connected(); }, 3000);
}

void LineClient::send(const std::string& bytes) {
    socket_.write(bytes.data(), qint64(bytes.size()));
    socket_.flush();
}

std::string LineClient::ask(const std::string& line, int ms) {
    send(line + "\n");
    std::string reply;
    lastReads_ = 0;
    const auto read = [&] {
        if (socket_.bytesAvailable() <= 0) return false;
        reply += socket_.readAll().toStdString();
        ++lastReads_;
        return true;
    };
    if (!station_.pumpUntil(read, ms)) return {};
    // Anything that follows soon after belongs to the same reply: a fault here.
    station_.pump(30);
    read();
    return reply;
}

bool LineClient::closedWithin(int ms) {
    return station_.pumpUntil(
        [this] { return socket_.state() == QAbstractSocket::UnconnectedState; }, ms);
}

double azimuthMiss(double a, double b) {
    return std::abs(std::remainder(a - b, 360.0));
}

} // namespace orv::test
