// Hamlib's own network clients, run as child processes against the station on the
// simulated box: rotctl moves, reads back and parks the rotators, and has a position
// beyond the travel refused; rigctl tunes the downlink and uplink radios through the
// box and keys the transmitter of a radio the station can switch.
#include "remote_fixture.h"
#include "rotator/rotator_drive.h"
#include "station/station_remote.h"

#include <QProcess>
#include <QStandardPaths>
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>

namespace orv::test {
namespace {

struct ClientRun {
    int code = -1;
    std::string out, err;
};

// Runs `program` and keeps the station's event loop going until it ends.
ClientRun runClient(RemoteStation& s, const QString& program, int port,
                    const QStringList& command) {
    QProcess process;
    QStringList arguments{"-m", "2", "-r", QStringLiteral("127.0.0.1:%1").arg(port)};
    arguments += command;
    process.start(QStandardPaths::findExecutable(program), arguments);
    ClientRun run;
    if (!process.waitForStarted(5000)) return run;
    if (!s.pumpUntil([&] { return process.state() == QProcess::NotRunning; }, 20000)) {
        process.kill();
        process.waitForFinished();
        run.err = "timed out";
        return run;
    }
    run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

bool haveHamlibClients() {
    return !QStandardPaths::findExecutable("rotctl").isEmpty() &&
           !QStandardPaths::findExecutable("rigctl").isEmpty();
}

std::vector<double> numbers(const std::string& text) {
    std::vector<double> values;
    std::istringstream in(text);
    for (std::string word; in >> word;)
        if (auto value = remote::numberArgument(word)) values.push_back(*value);
    return values;
}

TEST(HamlibClients, RotctlMovesReadsBackParksAndIsRefusedBeyondTheTravel) {
    if (!haveHamlibClients()) GTEST_SKIP() << "rotctl and rigctl (libhamlib-utils) not installed";
    RemoteStation s;
    const auto& config = s.station->config();
    const double k = s.station->rotatorDrive().format().degPerCount();
    const double azWithin = (config.azDeadband + 1) * k;
    const double elWithin = (config.elDeadband + 1) * rotator::kElevationDegPerCount;

    const auto moved = runClient(s, "rotctl", s.rotatorPort(), {"P", "120", "30"});
    ASSERT_EQ(moved.code, 0) << moved.out << moved.err;
    EXPECT_TRUE(s.pumpUntil(
        [&] {
            const Look at = s.rotatorLook();
            return azimuthMiss(at.azimuth, 120) <= azWithin &&
                   std::abs(at.elevation - 30) <= elWithin;
        },
        15000))
        << s.station->statusLine().render();
    EXPECT_EQ(s.statusValue("src"), "7") << "the target stays once the one-shot client has gone";

    s.pump(300); // the readings average over a few ticks
    const auto read = runClient(s, "rotctl", s.rotatorPort(), {"p"});
    ASSERT_EQ(read.code, 0) << read.err;
    const auto position = numbers(read.out);
    ASSERT_EQ(position.size(), 2u) << read.out;
    EXPECT_LE(azimuthMiss(position[0], 120), azWithin) << read.out;
    EXPECT_LE(std::abs(position[1] - 30), elWithin) << read.out;

    const auto refused = runClient(s, "rotctl", s.rotatorPort(), {"P", "500", "30"});
    EXPECT_NE(refused.out + refused.err, "") << "the client reports the refusal";
    s.pump(500);
    EXPECT_LE(azimuthMiss(s.rotatorLook().azimuth, 120), azWithin) << "nothing moved";

    const auto parked = runClient(s, "rotctl", s.rotatorPort(), {"K"});
    ASSERT_EQ(parked.code, 0) << parked.err;
    EXPECT_TRUE(s.pumpUntil(
        [&] {
            const Look at = s.rotatorLook();
            return azimuthMiss(at.azimuth, config.azParking) < 3 &&
                   std::abs(at.elevation - config.snowWindPark) < 3;
        },
        20000))
        << s.station->statusLine().render();
    EXPECT_GE(s.station->rotatorDrive().state().parksDone, 1);
    EXPECT_EQ(s.statusValue("src"), "1") << "parked: the station's own source again";
}

TEST(HamlibClients, RigctlTunesBothLinksThroughTheBox) {
    if (!haveHamlibClients()) GTEST_SKIP() << "rotctl and rigctl (libhamlib-utils) not installed";
    remote::RemoteOptions options;
    options.radioRecord = "AO-7"; // no satellite selected: the named record's radios
    RemoteStation s(options);
    constexpr uint8_t kIc821 = 0x4C;

    const auto down = runClient(s, "rigctl", s.radioPort(), {"F", "145900000"});
    ASSERT_EQ(down.code, 0) << down.out << down.err;
    // One IC-821 per link: the downlink radio (port 2) is tuned on its sub band.
    EXPECT_TRUE(s.pumpUntil([&] { return s.dialHz(2, kIc821, true) == 145900000; }))
        << s.dialHz(2, kIc821, true) << " " << s.dialHz(2, kIc821, false);
    const auto split = runClient(s, "rigctl", s.radioPort(), {"S", "1", "VFOB", "I", "435800000"});
    ASSERT_EQ(split.code, 0) << split.out << split.err;
    EXPECT_TRUE(s.pumpUntil([&] { return s.dialHz(1, kIc821) == 435800000; }))
        << s.dialHz(1, kIc821) << " " << s.dialHz(1, kIc821, true);
    EXPECT_EQ(s.dialHz(2, kIc821, true), 145900000u) << "the downlink stays where it was set";
}

TEST(HamlibClients, RigctlKeysTheTransmitterWhereTheStationCanSwitchIt) {
    if (!haveHamlibClients()) GTEST_SKIP() << "rotctl and rigctl (libhamlib-utils) not installed";
    remote::RemoteOptions options;
    options.radioRecord = "FO-29"; // one IC-910 with the transmitter switched by the station
    RemoteStation s(options);
    const auto tuned = runClient(s, "rigctl", s.radioPort(), {"F", "145850000"});
    ASSERT_EQ(tuned.code, 0) << tuned.err;
    s.pump(300);
    const auto keyed = runClient(s, "rigctl", s.radioPort(), {"T", "1"});
    ASSERT_EQ(keyed.code, 0) << keyed.out << keyed.err;
    EXPECT_TRUE(s.pumpUntil([&] { return s.ic910Transmitting(1); }))
        << s.station->statusLine().render();
    const auto unkeyed = runClient(s, "rigctl", s.radioPort(), {"T", "0"});
    ASSERT_EQ(unkeyed.code, 0) << unkeyed.err;
    EXPECT_TRUE(s.pumpUntil([&] { return !s.ic910Transmitting(1); }));
}

} // namespace
} // namespace orv::test
