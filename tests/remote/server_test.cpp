// The servers on real sockets: malformed and unknown lines, overlong lines, a client
// that stalls mid-line, several clients at once, a flood of lines, and clients that
// vanish. Nothing a client sends may stop the station or the other clients.
#include "remote_fixture.h"
#include "station/station_remote.h"

#include <gtest/gtest.h>

namespace orv::test {
namespace {

TEST(RemoteServers, ListenOnlyWhereAskedAndWarnBeyondTheLoopback) {
    RemoteStation s;
    EXPECT_GT(s.rotatorPort(), 0);
    EXPECT_GT(s.radioPort(), 0);
    EXPECT_TRUE(s.messages.empty()) << s.messages.front();
    EXPECT_TRUE(remote::listenWarning("127.0.0.1").empty());
    EXPECT_TRUE(remote::listenWarning("::1").empty());
    EXPECT_NE(remote::listenWarning("0.0.0.0").find("anyone who can reach"), std::string::npos);

    remote::RemoteControl busy(s.station->remote());
    remote::RemoteOptions same;
    same.rotatorPort = s.rotatorPort();
    const std::string error = busy.start(same);
    EXPECT_NE(error.find("cannot listen"), std::string::npos) << error;
    remote::RemoteControl elsewhere(s.station->remote());
    remote::RemoteOptions bad;
    bad.radioPort = 0;
    bad.address = "not-an-address";
    EXPECT_NE(elsewhere.start(bad).find("not an IP address"), std::string::npos);
}

TEST(RemoteServers, MalformedAndUnknownLinesGetAnErrorAndTheSessionGoesOn) {
    RemoteStation s;
    LineClient rotator(s, s.rotatorPort());
    ASSERT_TRUE(rotator.connected());
    const std::pair<std::string, std::string> exchanges[] = {
        {"P", "RPRT -1\n"},
        {"P 1 2 3", "RPRT 0\n"}, // words past the arguments are ignored
        {"P ten twenty", "RPRT -1\n"},
        {"Y", "RPRT -11\n"},
        {"\\bogus 1", "RPRT -11\n"},
        {std::string("P \x01\xff 1"), "RPRT -1\n"},
        {"+", "RPRT -11\n"},
        {"M 8 fast", "RPRT -1\n"},
    };
    for (const auto& [line, reply] : exchanges)
        EXPECT_EQ(rotator.ask(line), reply) << line;
    const std::string position = rotator.ask("p");
    EXPECT_EQ(std::count(position.begin(), position.end(), '\n'), 2) << position;
    EXPECT_TRUE(rotator.connected());
}

TEST(RemoteServers, AnOverlongLineOrAStallMidLineDisconnectsThatClientOnly) {
    remote::ServerLimits limits;
    limits.stallMs = 300;
    RemoteStation s({}, limits);
    LineClient steady(s, s.rotatorPort());
    LineClient flooder(s, s.rotatorPort());
    LineClient staller(s, s.radioPort());
    ASSERT_TRUE(steady.connected() && flooder.connected() && staller.connected());

    flooder.send(std::string(1500, 'P'));
    EXPECT_TRUE(flooder.closedWithin(3000));
    staller.send("F 1459");
    EXPECT_TRUE(staller.closedWithin(3000));
    EXPECT_EQ(steady.ask("P 120 30"), "RPRT 0\n");
    EXPECT_TRUE(steady.connected());
    EXPECT_EQ(s.control->rotatorServer()->clientCount(), 1u);
    EXPECT_EQ(s.control->radioServer()->clientCount(), 0u);
    ASSERT_EQ(s.messages.size(), 2u);
    EXPECT_NE(s.messages[0].find("longer than 1024 bytes"), std::string::npos) << s.messages[0];
    EXPECT_NE(s.messages[1].find("stalled"), std::string::npos) << s.messages[1];
}

TEST(RemoteServers, AFloodOfLinesInOneWriteIsAnsweredLineByLine) {
    RemoteStation s;
    LineClient client(s, s.rotatorPort());
    std::string lines;
    for (int i = 0; i < 200; ++i)
        lines += "P " + std::to_string(i) + " 10\n";
    client.send(lines);
    std::string replies;
    const std::string one = "RPRT 0\n";
    s.pumpUntil([&] {
        replies += client.ask("", 50);
        return replies.size() >= 200 * one.size();
    });
    EXPECT_EQ(replies.size(), 200 * one.size());
}

TEST(RemoteServers, TwoClientsAtOnceAndAVanishingClientLeavesTheStationOnItsOwn) {
    RemoteStation s;
    auto first = std::make_unique<LineClient>(s, s.rotatorPort());
    LineClient second(s, s.rotatorPort());
    EXPECT_EQ(first->ask("P 200 20"), "RPRT 0\n");
    EXPECT_EQ(second.ask("p").find("RPRT"), std::string::npos);
    EXPECT_EQ(s.statusValue("src"), "7");
    // The second client's leaving does not end the first one's pointing.
    EXPECT_EQ(second.ask("q"), "");
    EXPECT_TRUE(second.closedWithin(2000));
    s.pump(100);
    EXPECT_TRUE(s.station->remote().pointing());
    // The first one vanishes without a word: with no satellite its target stays; with one
    // selected the station tracks the satellite on its own again.
    first.reset();
    s.pump(300);
    EXPECT_TRUE(s.station->remote().pointing());
    s.select("AO-7");
    EXPECT_TRUE(s.pumpUntil([&] { return !s.station->remote().pointing(); }));
    EXPECT_EQ(s.statusValue("src"), "1");
    EXPECT_EQ(s.station->stepFailures, (std::array<int, 23>{}));
}

TEST(RemoteServers, ARadioClientThatVanishesGivesTheLinkBackToTheStation) {
    remote::RemoteOptions options;
    options.radioRecord = "AO-7";
    RemoteStation s(options);
    auto client = std::make_unique<LineClient>(s, s.radioPort());
    EXPECT_EQ(client->ask("F 145900000"), "RPRT 0\n");
    EXPECT_EQ(s.statusValue("doppler"), "client");
    client.reset();
    EXPECT_TRUE(s.pumpUntil([&] { return s.statusValue("doppler") == "station"; }));
    EXPECT_EQ(s.station->panel().caption("lbl_UpText"), "Doppler (Hz.)");
}

TEST(RemoteServers, ClientsBeyondTheLimitAreClosedAsTheyConnect) {
    remote::ServerLimits limits;
    limits.maxClients = 2;
    RemoteStation s({}, limits);
    LineClient a(s, s.rotatorPort()), b(s, s.rotatorPort()), c(s, s.rotatorPort());
    EXPECT_TRUE(c.closedWithin(2000));
    EXPECT_EQ(a.ask("S"), "RPRT 0\n");
    EXPECT_EQ(b.ask("S"), "RPRT 0\n");
}

} // namespace
} // namespace orv::test
