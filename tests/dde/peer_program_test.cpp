// orv_kite_tool dde-peer and the headless station as an operator runs them: child
// processes sharing a private run-time directory of the test's own.
#include "../integration/program_runner.h"
#include "platform/dde_client.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>

namespace orv::test {
namespace {

class PeerProgram {
public:
    PeerProgram(const QTemporaryDir& runtime, const QStringList& arguments)
        : socketDir(runtime.path() + "/orv_kite/dde") {
        auto env = cleanEnvironment(runtime.path() + "/settings.sqlite");
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        process.setProcessEnvironment(env);
        process.start(tool(), QStringList{"dde-peer"} + arguments);
    }
    ~PeerProgram() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
    // Waits for the program's socket to appear.
    bool serving(const QString& application) {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 10000) {
            if (QFileInfo::exists(socketDir + "/" + application.toLower())) return true;
            if (process.state() == QProcess::NotRunning) return false;
            QThread::msleep(20);
        }
        return false;
    }
    platform::DdeResult request(const char* topic, const char* item) {
        platform::LocalSocketDdeClient client(socketDir.toStdString(), 2000);
        return client.request(topic, item);
    }
    QString log() { return QString::fromUtf8(process.readAllStandardError()); }

    QString socketDir;
    QProcess process;
};

TEST(PeerProgram, AnswersItsTopicAndEndsAtTheEndOfInput) {
    QTemporaryDir runtime;
    PeerProgram peer(runtime, {"--as", "satpc32", "--reply", "OSCAR 7 (AO-7)"});
    ASSERT_TRUE(peer.serving("SatPC32")) << peer.log().toStdString();
    const auto reply = peer.request("SatPC32|DdeServConv", "DdeServItem");
    ASSERT_TRUE(reply.answered()) << reply.detail;
    EXPECT_EQ(reply.text, "OSCAR 7 (AO-7)\r\n");
    EXPECT_EQ(peer.request("SatPC32|Other", "DdeServItem").outcome, platform::DdeOutcome::Refused);

    peer.process.write("Standby\n");
    ASSERT_TRUE(peer.process.waitForBytesWritten(2000));
    QThread::msleep(200);
    EXPECT_EQ(peer.request("SatPC32|DdeServConv", "DdeServItem").text, "Standby\r\n");

    peer.process.closeWriteChannel();
    ASSERT_TRUE(peer.process.waitForFinished(5000));
    EXPECT_EQ(peer.process.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(peer.socketDir + "/satpc32"));
    const QString log = peer.log();
    EXPECT_TRUE(log.contains("request DdeServConv DdeServItem -> \"OSCAR 7 (AO-7)\\r\\n\""))
        << log.toStdString();
    EXPECT_TRUE(log.contains("end of input"));
}

TEST(PeerProgram, FollowsItsScriptAndEndsOnSigterm) {
    QTemporaryDir runtime;
    const QString script = runtime.path() + "/script.txt";
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("# a satellite, then another\n0 AO-7\n1.5 ISS (ZARYA)\n");
    file.close();
    PeerProgram peer(runtime, {"--as", "WinOrbit", "--script", script});
    ASSERT_TRUE(peer.serving("WinOrbit")) << peer.log().toStdString();
    EXPECT_EQ(peer.request("WinOrbit|trackinginfo", "SatelliteName").text, "AO-7");
    QThread::msleep(1700);
    EXPECT_EQ(peer.request("WinOrbit|TrackingInfo", "SatelliteName").text, "ISS (ZARYA)");
    peer.process.terminate(); // SIGTERM
    ASSERT_TRUE(peer.process.waitForFinished(5000));
    EXPECT_EQ(peer.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(peer.process.exitCode(), 0);
}

TEST(PeerProgram, PlaysNovaForWindowsForThePokedCatalogueNumber) {
    QTemporaryDir runtime;
    const QString elements = kBuild + "/ORV_KITE4/orv_kite.txt";
    PeerProgram peer(runtime, {"--as", "NFW32", "--elements", elements, "--lat", "-39.5", "--lon",
                               "176.9", "--utc", "2018-01-21 10:00:00"});
    ASSERT_TRUE(peer.serving("NFW32")) << peer.log().toStdString();
    EXPECT_EQ(peer.request("NFW32|NFW_DATA", "NFW_SERVER").text.substr(0, 3), "***");
    platform::LocalSocketDdeClient client(peer.socketDir.toStdString(), 2000);
    ASSERT_TRUE(client.poke("NFW32|NFW_DATA", "NFW_SERVER", "SAT=07530").answered());
    const auto reply = peer.request("NFW32|NFW_DATA", "NFW_SERVER");
    EXPECT_EQ(reply.text.rfind("OSCAR 7 (AO-7)*** catalog 07530 AZ:", 0), 0u) << reply.text;
    EXPECT_TRUE(peer.log().contains("tracking OSCAR 7 (AO-7)"));
}

TEST(PeerProgram, RefusesMistakesWithTheirReason) {
    const ProgramRun wrongProgram = runProgram(tool(), {"dde-peer", "--as", "Orbitron"}, "");
    EXPECT_EQ(wrongProgram.code, 2);
    EXPECT_TRUE(wrongProgram.err.contains("--as takes"));
    const ProgramRun novaWithoutElements = runProgram(tool(), {"dde-peer", "--as", "NFW32"}, "");
    EXPECT_EQ(novaWithoutElements.code, 2);
    QTemporaryDir dir;
    const QString script = dir.path() + "/bad.txt";
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("5 AO-7\n2 ISS\n");
    file.close();
    const ProgramRun badScript =
        runProgram(tool(), {"dde-peer", "--as", "GSC", "--script", script}, "");
    EXPECT_EQ(badScript.code, 2);
    EXPECT_TRUE(badScript.err.contains("line 2")) << badScript.err.toStdString();
}

// The station run headless beside a peer, as in a demonstration; its status lines.
QString stationBesidePeer(const QTemporaryDir& runtime, const QStringList& peerArguments,
                          std::unique_ptr<PeerProgram>& peer) {
    const QString settings = runtime.path() + "/settings.sqlite";
    for (const QStringList& words :
         {QStringList{"config", "defaults"}, QStringList{"config", "set", "25", "YES"},
          QStringList{"sat", "new", "OSCAR 7 (AO-7)", "--digital"},
          // No radios: setting up the template's FT-736R pair takes most of the run.
          QStringList{"sat", "set", "OSCAR 7 (AO-7)", "7", "0"},
          QStringList{"sat", "set", "OSCAR 7 (AO-7)", "18", "0"}})
        EXPECT_EQ(runProgram(tool(), words, settings).code, 0) << words.join(' ').toStdString();
    peer = std::make_unique<PeerProgram>(runtime, peerArguments);
    EXPECT_TRUE(peer->serving(peerArguments[1]));

    QProcess station;
    auto env = cleanEnvironment(settings);
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    station.setProcessEnvironment(env);
    station.start(orv::test::station(4),
                  {"--headless", "--simulate", "--for", "2.5", "--time", "2018-01-21 10:00:00"});
    EXPECT_TRUE(station.waitForFinished(20000));
    EXPECT_EQ(station.exitCode(), 0);
    peer->process.terminate(); // SIGTERM
    EXPECT_TRUE(peer->process.waitForFinished(5000));
    return QString::fromUtf8(station.readAllStandardOutput());
}

TEST(PeerProgram, TheHeadlessStationFollowsASatPc32Peer) {
    QTemporaryDir runtime;
    std::unique_ptr<PeerProgram> peer;
    const QString out =
        stationBesidePeer(runtime, {"--as", "SatPC32", "--reply", "OSCAR 7 (AO-7)"}, peer);
    EXPECT_TRUE(out.contains("sat=OSCAR_7_(AO-7) src=6")) << out.toStdString();
    EXPECT_TRUE(out.contains("dde=SatPC32")) << out.toStdString();
    EXPECT_TRUE(peer->log().contains("request DdeServConv DdeServItem"));
}

TEST(PeerProgram, AHeadlessStationPointsWhereANovaPeerSays) {
    QTemporaryDir runtime;
    std::unique_ptr<PeerProgram> peer;
    const QString out = stationBesidePeer(
        runtime,
        {"--as", "NFW32", "--reply",
         "OSCAR 7 (AO-7)*** catalog 07530 AZ:120.0 EL:35.0 RR:-2.500 MA:100 SC:0"},
        peer);
    EXPECT_TRUE(out.contains("sat=OSCAR_7_(AO-7) src=3")) << out.toStdString();
    EXPECT_TRUE(out.contains("drive_az=120.0 drive_el=35.0")) << out.toStdString();
}

} // namespace
} // namespace orv::test
