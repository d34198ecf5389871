// The protocols line by line, without sockets: how lines are framed, how a command
// line is taken apart, and the bytes a client gets back for each kind of line.
#include "remote/line_framer.h"
#include "remote/radio_commands.h"
#include "remote/rotator_commands.h"
#include "remote_fixture.h"
#include "rotator/rotator_drive.h"
#include "station/station_remote.h"
#include "test_station.h"

#include <gtest/gtest.h>

namespace orv::test {
namespace {

using remote::LineFramer;

TEST(LineFramer, CutsLinesWhereverTheBytesBreak) {
    struct Case {
        std::vector<std::string> pieces;
        std::vector<std::string> lines;
        bool midLine;
    };
    const Case cases[] = {
        {{"p\n"}, {"p"}, false},
        {{"P 1", "20 30\r\n"}, {"P 120 30"}, false},
        {{"p\np\n\nS"}, {"p", "p", ""}, true},
        {{"\\dump", "_state\n", "q"}, {"\\dump_state"}, true},
    };
    for (const auto& c : cases) {
        LineFramer framer;
        std::vector<std::string> lines;
        for (const auto& piece : c.pieces) {
            auto result = framer.feed(piece);
            EXPECT_FALSE(result.overlong);
            lines.insert(lines.end(), result.lines.begin(), result.lines.end());
        }
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(framer.midLine(), c.midLine);
    }
}

TEST(LineFramer, ALineOverOneKibibyteIsOverlongEvenWhenItComesInPieces) {
    LineFramer framer;
    EXPECT_FALSE(framer.feed(std::string(1024, 'x') + "\n").overlong);
    EXPECT_FALSE(framer.feed(std::string(1000, 'x')).overlong);
    EXPECT_TRUE(framer.feed(std::string(25, 'x')).overlong);
    LineFramer lines;
    const auto result = lines.feed("p\n" + std::string(2000, 'y') + "\n");
    EXPECT_EQ(result.lines, std::vector<std::string>{"p"});
    EXPECT_TRUE(result.overlong);
}

TEST(CommandWords, TakesTheMarksTheCommandAndItsArguments) {
    struct Case {
        std::string line;
        bool extended;
        char separator;
        bool longForm;
        std::string command;
        std::vector<std::string> arguments;
    };
    const Case cases[] = {
        {"P 120 30", false, '\n', false, "P", {"120", "30"}},
        {"P120 30", false, '\n', false, "P", {"120", "30"}},
        {"F  145900000", false, '\n', false, "F", {"145900000"}},
        {"+p", true, '\n', false, "p", {}},
        {";\\get_pos", true, ';', true, "get_pos", {}},
        {"\\set_vfo_opt 1", false, '\n', true, "set_vfo_opt", {"1"}},
        {"  S VFOA 1 VFOB\t", false, '\n', false, "S", {"VFOA", "1", "VFOB"}},
        {"_", false, '\n', false, "_", {}},
    };
    for (const auto& c : cases) {
        const auto words = remote::splitCommand(c.line);
        ASSERT_TRUE(words) << c.line;
        EXPECT_EQ(words->extended, c.extended) << c.line;
        EXPECT_EQ(words->separator, c.separator) << c.line;
        EXPECT_EQ(words->longForm, c.longForm) << c.line;
        EXPECT_EQ(words->command, c.command) << c.line;
        EXPECT_EQ(words->arguments, c.arguments) << c.line;
    }
    EXPECT_FALSE(remote::splitCommand(" \t"));
}

TEST(CommandWords, NumbersAreWholeWordsAndFinite) {
    EXPECT_EQ(remote::numberArgument("145900000.000000"), 145900000.0);
    EXPECT_EQ(remote::numberArgument("-175.52"), -175.52);
    EXPECT_EQ(remote::numberArgument("+5"), 5.0);
    for (const char* bad : {"", "abc", "12abc", "1e999", "nan", "inf", "0x10", "1 2"})
        EXPECT_FALSE(remote::numberArgument(bad)) << bad;
    EXPECT_EQ(remote::wholeArgument("16"), 16);
    EXPECT_FALSE(remote::wholeArgument("1.5"));
}

class ProtocolTest : public ::testing::Test {
protected:
    ProtocolTest() {
        t.station->configuration().makes_cfg(4);
        t.station->configuration().write(4, 35, "1"); // a north-start 360-degree rotator
        t.station->satelliteDb().save(icomRecord("AO-7"));
        t.start();
        t.tick();
    }
    std::string rotator(const std::string& line) {
        remote::RotatorSession session{t.station->remote(), 1};
        return remote::answerLine(remote::rotatorCommands(), session, line).bytes;
    }
    TestStation t;
};

TEST_F(ProtocolTest, RotatorRepliesAsTheClientsReadThem) {
    struct Case {
        std::string line, reply;
    };
    const Case cases[] = {
        {"P 120 30", "RPRT 0\n"},
        {"\\set_pos 120 30", "RPRT 0\n"},
        {"+P 10 20", "set_pos: 10 20\nRPRT 0\n"},
        {"p", "0.00\n0.00\n"},
        {"\\get_pos", "0.00\n0.00\n"},
        {"+p", "get_pos:\nAzimuth: 0.00\nElevation: 0.00\nRPRT 0\n"},
        {";p", "get_pos:;Azimuth: 0.00;Elevation: 0.00;RPRT 0\n"},
        {"P 120", "RPRT -1\n"},
        {"P abc 30", "RPRT -1\n"},
        {"P 361 30", "RPRT -1\n"},
        {"P -181 30", "RPRT -1\n"},
        {"P 120 -1", "RPRT -1\n"},
        {"P 120 181", "RPRT -1\n"},
        {"M 8 50", "RPRT 0\n"},
        {"M 0 50", "RPRT -1\n"},
        {"S", "RPRT 0\n"},
        {"K", "RPRT 0\n"},
        {"_", "Orv_Kite interface box rotators\n"},
        {"Z", "RPRT -11\n"},
        {"\\no_such_command", "RPRT -11\n"},
        {"+Z", "RPRT -11\n"},
        {"q", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rotator(c.line), c.reply) << c.line;
}

TEST_F(ProtocolTest, TheRotatorsTravelIsWhatTheFormatAllows) {
    EXPECT_EQ(rotator("\\dump_state"), "1\n2\nmin_az=-180.000000\nmax_az=360.000000\n"
                                       "min_el=0.000000\nmax_el=180.000000\nsouth_zero=0\n"
                                       "rot_type=AzEl\ndone\n");
    t.station->configuration().write(4, 35, "2"); // a 450-degree rotator
    t.station->config().azRotatorFormat = 2;
    t.station->rotatorDrive().scales();
    EXPECT_NE(rotator("\\dump_state").find("max_az=450.000000\n"), std::string::npos);
    EXPECT_EQ(rotator("P 440 10"), "RPRT 0\n");
}

TEST_F(ProtocolTest, APositionBecomesTheRemotePointingSourcesTarget) {
    struct Case {
        std::string line;
        double azimuth, elevation;
    };
    // A negative azimuth is the bearing plus 360; past the zenith, the reciprocal bearing.
    const Case cases[] = {{"P 120 30", 120, 30},
                          {"P -175.52 53.01", 184.48, 53.01},
                          {"P 10 120", 190, 60},
                          {"P 360 45", 0, 45}};
    auto& remote = t.station->remote();
    for (const auto& c : cases) {
        ASSERT_EQ(rotator(c.line), "RPRT 0\n") << c.line;
        EXPECT_TRUE(remote.pointing());
        EXPECT_EQ(t.station->loop().trackingSource, 7);
        t.tick();
        EXPECT_NEAR(t.station->tracking().azimuth, c.azimuth, 1e-9) << c.line;
        EXPECT_NEAR(t.station->tracking().elevation, c.elevation, 1e-9) << c.line;
        EXPECT_EQ(t.station->panel().caption("lbl_standalone"), "Remote pointing.");
    }
    EXPECT_EQ(rotator("P 500 10"), "RPRT -1\n");
    t.tick();
    EXPECT_NEAR(t.station->tracking().azimuth, 0, 1e-9) << "a refused position moves nothing";
    EXPECT_EQ(rotator("S"), "RPRT 0\n");
    EXPECT_FALSE(remote.pointing());
    EXPECT_EQ(t.station->loop().trackingSource, 1);
    EXPECT_EQ(t.station->panel().caption("lbl_standalone"), "Standalone Mode.");
}

class RadioProtocolTest : public ProtocolTest {
protected:
    std::string radio(const std::string& line) {
        return remote::answerLine(remote::radioCommands(), session, line).bytes;
    }
    std::vector<std::string> told;
    remote::RadioSession session{t.station->remote(), 2,
                                 [this](const std::string& why) { told.push_back(why); }};
};

TEST_F(RadioProtocolTest, WithoutRadiosSettingsAreRefusedAndTheOperatorIsToldOnce) {
    EXPECT_EQ(radio("\\chk_vfo"), "0\n");
    EXPECT_EQ(radio("F 145900000"), "RPRT -11\n");
    EXPECT_EQ(radio("I 435800000"), "RPRT -11\n");
    EXPECT_EQ(radio("f"), "RPRT -11\n");
    EXPECT_EQ(radio("m"), "RPRT -11\n");
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("--rigctld-record"), std::string::npos) << told[0];
    EXPECT_FALSE(t.station->remote().tunedByClient());
}

TEST_F(RadioProtocolTest, TheVfoDialectAndThePlainOneAnswerAlike) {
    t.station->remote().setRecordName("AO-7");
    struct Case {
        std::string line, reply;
    };
    const Case cases[] = {
        {"\\set_vfo_opt 1", "RPRT 0\n"},
        {"\\chk_vfo", "1\n"},
        {"+\\chk_vfo", "ChkVFO: 1\n"},
        {"v", "VFOA\n"},
        {"F currVFO 145900000", "RPRT 0\n"},
        {"f currVFO", "145900000\n"},
        {"F  145901234", "RPRT 0\n"},
        {"f", "145901234\n"},
        {"F 145900000.000000", "RPRT 0\n"},
        {"+f VFOA", "get_freq: VFOA\nFrequency: 145900000\nRPRT 0\n"},
        {"I VFOA 435800000", "RPRT 0\n"},
        {"i VFOA", "435800000\n"},
        {"f VFOB", "435800000\n"},
        {"S VFOA 1 VFOB", "RPRT 0\n"},
        {"s VFOA", "1\nVFOB\n"},
        {"S 0 VFOA", "RPRT 0\n"},
        {"s", "0\nVFOA\n"},
        {"S 2 VFOB", "RPRT -1\n"},
        {"F -5", "RPRT -1\n"},
        {"F abc", "RPRT -1\n"},
        {"F", "RPRT -1\n"},
        {"V VFOB", "RPRT 0\n"},
        {"v", "VFOB\n"},
        {"f", "435800000\n"},
        {"V VFOX", "RPRT -1\n"},
        {"\\get_powerstat", "1\n"},
        {"\\get_vfo_info VFOA", "145900000\nUSB\n2400\n0\n0\n"},
        {"t", "0\n"},
        {"T 1", "RPRT -11\n"}, // IC-821s: the station does not switch their transmitters
        {"M LSB 2400", "RPRT 0\n"},
        {"M USB 2400", "RPRT -11\n"},
        {"m VFOA", "USB\n2400\n"},
        {"\\set_vfo_opt 0", "RPRT 0\n"},
        {"\\chk_vfo", "0\n"},
        {"q", "RPRT 0\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(radio(c.line), c.reply) << c.line;
    EXPECT_TRUE(t.station->remote().tunedByClient());
    EXPECT_EQ(t.station->panel().caption("lbl_UpText"), "Doppler by remote client");
    EXPECT_TRUE(told.empty());
}

TEST_F(RadioProtocolTest, TheStateDumpParsesAsTheNetworkClientsReadIt) {
    const std::string dump = radio("\\dump_state");
    std::vector<std::string> lines;
    for (size_t at = 0; at < dump.size();) {
        const size_t end = dump.find('\n', at);
        ASSERT_NE(end, std::string::npos) << "every line ends";
        lines.push_back(dump.substr(at, end - at));
        at = end + 1;
    }
    ASSERT_GE(lines.size(), 27u);
    EXPECT_EQ(lines[0], "1");
    // Two range lists, each ended by seven zeros; then steps and filters ended by "0 0".
    size_t at = 3;
    for (int list = 0; list < 2; ++list) {
        while (lines[at] != "0 0 0 0 0 0 0") {
            int fields = 0;
            for (size_t i = 0; i < lines[at].size(); ++i)
                if (lines[at][i] != ' ' && (i == 0 || lines[at][i - 1] == ' ')) ++fields;
            EXPECT_EQ(fields, 7) << lines[at];
            ++at;
        }
        ++at;
    }
    for (int list = 0; list < 2; ++list) {
        while (lines[at] != "0 0")
            ++at;
        ++at;
    }
    at += 4 + 2 + 6; // RIT, XIT, IF shift, announcements; preamps, attenuators; six masks
    for (; at + 1 < lines.size(); ++at)
        EXPECT_NE(lines[at].find('='), std::string::npos) << lines[at];
    EXPECT_EQ(lines.back(), "done");
}

} // namespace
} // namespace orv::test
