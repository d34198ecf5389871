// The station's command line: our options out, Qt's left in, anything else refused.
#include "ui/command_line.h"

#include <gtest/gtest.h>

using orv::ui::checkRemainder;
using orv::ui::parseCommandLine;

namespace {

using Words = std::vector<std::string>;

TEST(CommandLine, TakesEachOptionInEachSpelling) {
    const auto options =
        parseCommandLine({"--headless", "--simulate=garbled@20", "--settings", "/tmp/s.sqlite",
                          "--time=2018-01-21 14:26:00", "--rate", "4", "--for=90", "--verbose",
                          "--accept-eeprom-caveat", "demo"});
    ASSERT_EQ(options.error, "");
    EXPECT_TRUE(options.headless);
    EXPECT_TRUE(options.simulate);
    EXPECT_EQ(options.simulateFault, "garbled@20");
    EXPECT_EQ(options.settingsPath, "/tmp/s.sqlite");
    EXPECT_EQ(options.startTime, "2018-01-21 14:26:00");
    EXPECT_EQ(options.rate, 4);
    EXPECT_EQ(options.runFor, 90);
    EXPECT_TRUE(options.verbose);
    EXPECT_TRUE(options.acceptEepromCaveat);
    EXPECT_FALSE(parseCommandLine({"--headless"}).acceptEepromCaveat);
    EXPECT_EQ(options.rest, Words{"demo"});
    EXPECT_TRUE(parseCommandLine({"-h"}).help);
    EXPECT_TRUE(parseCommandLine({"--help"}).help);
    EXPECT_TRUE(parseCommandLine({"--simulate"}).simulate);
}

TEST(CommandLine, RefusesWhatItDoesNotKnowWithTheReason) {
    const struct {
        Words words;
        const char* reason;
    } cases[] = {
        {{"--simlate"}, "unknown option --simlate"},
        {{"--headless", "--for", "10", "--rate=2", "--colour=red"}, "unknown option --colour"},
        {{"--headless=yes"}, "--headless takes no value"},
        {{"--for"}, "--for needs a value"},
        {{"--for", "-5"}, "--for needs a positive number of seconds, not \"-5\""},
        {{"--rate", "fast"}, "--rate needs a positive number, not \"fast\""},
        {{"--rate", "inf"}, "--rate needs a positive number, not \"inf\""},
        {{"--simulate=loud"}, "unknown simulated fault \"loud\""},
        {{"--simulate=silent@soon"}, "the start of a simulated fault"},
        {{"--settings="}, "--settings needs a file name"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.words.front());
        const auto options = parseCommandLine(c.words);
        EXPECT_NE(options.error.find(c.reason), std::string::npos) << options.error;
    }
}

TEST(CommandLine, NetworkControlIsOffUnlessAskedAndTakesItsDefaultPorts) {
    const auto off = parseCommandLine({"--headless"});
    EXPECT_FALSE(off.rotctldPort || off.rigctldPort);
    EXPECT_EQ(off.listenAddress, "127.0.0.1");

    const auto defaults = parseCommandLine({"--rotctld", "--rigctld"});
    ASSERT_EQ(defaults.error, "");
    EXPECT_EQ(defaults.rotctldPort, 4533);
    EXPECT_EQ(defaults.rigctldPort, 4532);
    EXPECT_EQ(defaults.listenAddress, "127.0.0.1");

    const auto chosen = parseCommandLine({"--rotctld=14533", "--rigctld=14532", "--listen",
                                          "0.0.0.0", "--rigctld-record", "AO-7", "DEMO"});
    ASSERT_EQ(chosen.error, "");
    EXPECT_EQ(chosen.rotctldPort, 14533);
    EXPECT_EQ(chosen.rigctldPort, 14532);
    EXPECT_EQ(chosen.listenAddress, "0.0.0.0");
    EXPECT_EQ(chosen.rigctldRecord, "AO-7");
    // The port is only ever "=PORT": a following word is not taken as one.
    EXPECT_EQ(parseCommandLine({"--rotctld", "DEMO"}).rest, Words{"DEMO"});
}

TEST(CommandLine, RefusesNetworkControlOptionsThatCannotWork) {
    const struct {
        Words words;
        const char* reason;
    } cases[] = {
        {{"--rotctld=0"}, "--rotctld needs a port from 1 to 65535, not \"0\""},
        {{"--rigctld=65536"}, "--rigctld needs a port from 1 to 65535"},
        {{"--rigctld=45.5"}, "--rigctld needs a port"},
        {{"--rotctld=http"}, "--rotctld needs a port"},
        {{"--rotctld=4533", "--rigctld=4533"}, "need different ports"},
        {{"--listen", "0.0.0.0"}, "--listen needs --rotctld or --rigctld"},
        {{"--rotctld", "--listen="}, "--listen needs an address"},
        {{"--rotctld", "--listen"}, "--listen needs a value"},
        {{"--rotctld", "--rigctld-record", "AO-7"}, "--rigctld-record needs --rigctld"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.words.front());
        const auto options = parseCommandLine(c.words);
        EXPECT_NE(options.error.find(c.reason), std::string::npos) << options.error;
    }
}

// Qt takes its own single-dash options; what it leaves is checked afterwards.
TEST(CommandLine, OnlyDemoMayRemainAfterQtTookItsOptions) {
    EXPECT_EQ(parseCommandLine({"-platform", "offscreen", "DEMO"}).rest,
              (Words{"-platform", "offscreen", "DEMO"}));
    const struct {
        Words rest;
        const char* reason; // "" = accepted
    } cases[] = {
        {{}, ""},
        {{"DEMO"}, ""},
        {{"demo"}, ""},
        {{"Demo"}, ""},
        {{"foo"}, "unexpected argument \"foo\""},
        {{"demo", "demo"}, "unexpected argument \"demo\""},
        {{"-nograbs"}, "unknown option -nograbs"},
        {{"demo", "-x"}, "unknown option -x"},
    };
    for (const auto& c : cases) {
        const std::string reason = checkRemainder(c.rest);
        if (*c.reason == '\0')
            EXPECT_EQ(reason, "");
        else
            EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
    }
}

TEST(CommandLine, HelpShowsEveryOptionOfTheTableAndTheFaults) {
    const std::string help = orv::ui::usageText();
    for (const auto& row : orv::ui::commandLineOptions())
        EXPECT_NE(help.find(row.name), std::string::npos) << row.name;
    for (const char* fault : {"silent", "not-ready", "reset", "garbled", "stuck"})
        EXPECT_NE(help.find(fault), std::string::npos) << fault;
    EXPECT_EQ(orv::ui::usageLine().rfind("Usage: orv_kite [--headless] [--simulate[=", 0), 0u);
}

} // namespace
