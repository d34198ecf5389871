// Conversations over local sockets: the wire format, and what the client makes of
// programs that are absent, slow, hung or broken.
#include "platform/dde_client.h"
#include "platform/dde_client_wire.h"
#include "raw_program.h"

#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>
#include <ostream>

namespace orv::platform {
namespace {

using test::RawAnswer;
using test::RawProgram;

TEST(DdeWire, CommandsAndRepliesAreFramedByTheirCounts) {
    EXPECT_EQ(encodeDdeRequest("Tracking", "General"), "REQUEST Tracking General\n");
    EXPECT_EQ(encodeDdePoke("NFW_DATA", "NFW_SERVER", "SAT=07530"),
              "POKE NFW_DATA NFW_SERVER 9\nSAT=07530");
    EXPECT_EQ(encodeDdeTextReply("AO-7\r\n"), "OK 6\nAO-7\r\n");

    const auto poke = parseDdeCommand("POKE NFW_DATA NFW_SERVER 9\nSAT=07530REQUEST");
    ASSERT_EQ(poke.state, DdeFrameState::Complete);
    EXPECT_TRUE(poke.poke);
    EXPECT_EQ(poke.text, "SAT=07530");
    EXPECT_EQ(poke.length, 36u);

    EXPECT_EQ(parseDdeCommand("POKE A B 9\nSAT=").state, DdeFrameState::Incomplete);
    EXPECT_EQ(parseDdeCommand("REQUEST Tracking").state, DdeFrameState::Incomplete);
    EXPECT_EQ(parseDdeCommand("REQUEST Tracking\n").state, DdeFrameState::Malformed);
    EXPECT_EQ(parseDdeCommand("POKE A B 99999999\n").state, DdeFrameState::Malformed);
    EXPECT_EQ(parseDdeCommand(std::string(300, 'x')).state, DdeFrameState::Malformed);

    const auto reply = parseDdeReply("OK 4\r\nAO-7", true);
    ASSERT_EQ(reply.state, DdeFrameState::Complete);
    EXPECT_TRUE(reply.ok);
    EXPECT_EQ(reply.text, "AO-7");
    EXPECT_EQ(parseDdeReply("OK 5\nAO-7", true).state, DdeFrameState::Incomplete);
    EXPECT_EQ(parseDdeReply("OK\n", true).state, DdeFrameState::Malformed);
    EXPECT_EQ(parseDdeReply("OK 65537\n", true).state, DdeFrameState::Malformed);
    EXPECT_EQ(parseDdeReply("OK -1\n", true).state, DdeFrameState::Malformed);
    EXPECT_EQ(parseDdeReply("OK\n", false).state, DdeFrameState::Complete);
    const auto refusal = parseDdeReply("ERR no such item\n", true);
    EXPECT_EQ(refusal.state, DdeFrameState::Complete);
    EXPECT_FALSE(refusal.ok);
    EXPECT_EQ(refusal.text, "no such item");
}

TEST(DdeWire, LinkTopicsSplitIntoProgramAndTopic) {
    const auto link = splitLinkTopic("WinOrbit|trackingInfo");
    ASSERT_TRUE(link);
    EXPECT_EQ(link->application, "WinOrbit");
    EXPECT_EQ(link->topic, "trackingInfo");
    EXPECT_FALSE(splitLinkTopic("WinOrbit"));
    EXPECT_FALSE(splitLinkTopic("../x|topic"));
    EXPECT_FALSE(splitLinkTopic("|topic"));
    EXPECT_EQ(ddeSocketPath("/run/d", "SatPC32"), "/run/d/satpc32");
}

struct ClientCase {
    const char* what;
    RawAnswer answer;
    DdeOutcome outcome;
    const char* text;
};

// A case is named by its words, in test names and failures.
void PrintTo(const ClientCase& c, std::ostream* out) {
    *out << c.what;
}

class ClientAgainstPrograms : public ::testing::TestWithParam<ClientCase> {
protected:
    QTemporaryDir dir;
};

constexpr int kTestTimeoutMs = 300;

TEST_P(ClientAgainstPrograms, GivesTheTextOrTheFailure) {
    const auto& c = GetParam();
    const std::string directory = dir.path().toStdString();
    RawProgram program(directory, "SatPC32", c.answer);
    ASSERT_TRUE(program.listening());
    LocalSocketDdeClient client(directory, kTestTimeoutMs);

    QElapsedTimer elapsed;
    elapsed.start();
    const auto result = client.request("SatPC32|DdeServConv", "DdeServItem");
    EXPECT_EQ(result.outcome, c.outcome) << c.what << ": " << result.detail;
    if (c.outcome == DdeOutcome::Answered) {
        EXPECT_EQ(result.text, c.text) << c.what;
    } else {
        EXPECT_FALSE(result.detail.empty()) << c.what;
    }
    // However the program behaves, a conversation ends by the timeout (with room for a
    // loaded machine, but far below a hang).
    EXPECT_LT(elapsed.elapsed(), kTestTimeoutMs + 2000) << c.what;
    ASSERT_EQ(program.received.size(), 1u);
    EXPECT_EQ(program.received[0], "REQUEST DdeServConv DdeServItem\n");
}

using O = DdeOutcome;
INSTANTIATE_TEST_SUITE_P(
    Programs, ClientAgainstPrograms,
    ::testing::Values(
        ClientCase{"whole reply", {"OK 6\nAO-7\r\n"}, O::Answered, "AO-7\r\n"},
        ClientCase{"empty reply", {"OK 0\n"}, O::Answered, ""},
        ClientCase{
            "reply in two pieces", {"OK 14\nOSCAR 7", " (AO-7)"}, O::Answered, "OSCAR 7 (AO-7)"},
        ClientCase{"header in two pieces", {"OK", " 4\nAO-7"}, O::Answered, "AO-7"},
        ClientCase{"half a reply, then silence", {"OK 14\nOSCAR", "", false}, O::Timeout, ""},
        ClientCase{"half a reply, then gone", {"OK 14\nOSCAR"}, O::BadReply, ""},
        ClientCase{"silence", {"", "", false}, O::Timeout, ""},
        ClientCase{"hung up without a word", {""}, O::BadReply, ""},
        ClientCase{"more than announced", {"OK 2\nAO-7"}, O::BadReply, ""},
        ClientCase{"garbage", {"\x01\x02garbage\n"}, O::BadReply, ""},
        ClientCase{
            "garbage without a line end", {std::string(400, '\xff'), "", false}, O::BadReply, ""},
        ClientCase{"too long", {"OK 70000\n" + std::string(1000, 'x')}, O::BadReply, ""},
        ClientCase{"refused", {"ERR unknown item\n"}, O::Refused, ""}));

TEST(DdeClient, NoProgramIsNoApplication) {
    QTemporaryDir dir;
    const std::string directory = dir.path().toStdString();
    LocalSocketDdeClient client(directory, kTestTimeoutMs);
    EXPECT_EQ(client.request("GSC|Tracking", "General").outcome, DdeOutcome::NoApplication);

    // A socket left behind by a program that died refuses the connection.
    QFile stale(QString::fromStdString(ddeSocketPath(directory, "GSC")));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    EXPECT_EQ(client.request("GSC|Tracking", "General").outcome, DdeOutcome::NoApplication);

    LocalSocketDdeClient nowhere("", kTestTimeoutMs);
    EXPECT_EQ(nowhere.request("GSC|Tracking", "General").outcome, DdeOutcome::NoApplication);
}

TEST(DdeClient, NamesMatchWithoutRegardToCaseAndPokesCarryTheirText) {
    QTemporaryDir dir;
    const std::string directory = dir.path().toStdString();
    RawProgram program(directory, "nfw32", {"OK\n"});
    LocalSocketDdeClient client(directory, kTestTimeoutMs);
    const auto result = client.poke("NFW32|NFW_DATA", "NFW_SERVER", "SAT=07530");
    EXPECT_EQ(result.outcome, DdeOutcome::Answered) << result.detail;
    ASSERT_EQ(program.received.size(), 1u);
    EXPECT_EQ(program.received[0], "POKE NFW_DATA NFW_SERVER 9\nSAT=07530");
}

TEST(DdeClient, AProgramHangingUpDuringALongPokeIsAFailureNotASignal) {
    QTemporaryDir dir;
    const std::string directory = dir.path().toStdString();
    RawProgram program(directory, "NFW32", {""}); // hangs up once the header has come
    LocalSocketDdeClient client(directory, kTestTimeoutMs);
    const auto result = client.poke("NFW32|NFW_DATA", "NFW_SERVER", std::string(60000, 'x'));
    EXPECT_FALSE(result.answered());
    EXPECT_EQ(client.request("NFW32|NFW_DATA", "NFW_SERVER").outcome, DdeOutcome::BadReply);
}

} // namespace
} // namespace orv::platform
