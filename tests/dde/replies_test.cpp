// The replies of the five tracking programs, read as the station reads them.
#include "dde/dde_sources.h"
#include "dde/name_replies.h"
#include "dde/nova_reply.h"
#include "platform/dde_client.h"

#include <gtest/gtest.h>
#include <ostream>

namespace orv::dde {
namespace {

struct NameCase {
    const char* what;
    SourceReading (*read)(std::string_view);
    const char* reply;
    ReadingKind kind;
    const char* name;
};

// A case is named by its words, in test names and failures.
void PrintTo(const NameCase& c, std::ostream* out) {
    *out << c.what;
}

class NameReplies : public ::testing::TestWithParam<NameCase> {};

TEST_P(NameReplies, ReadAsTheStationReadsThem) {
    const auto& c = GetParam();
    const auto reading = c.read(c.reply);
    EXPECT_EQ(reading.kind, c.kind) << c.what << ": " << reading.fault;
    if (c.kind == ReadingKind::Satellite) {
        EXPECT_EQ(reading.name, c.name) << c.what;
    }
    EXPECT_FALSE(reading.position) << c.what;
}

using K = ReadingKind;
INSTANTIATE_TEST_SUITE_P(
    AllPrograms, NameReplies,
    ::testing::Values(
        // SatPC32: the reply less its line end.
        NameCase{"SatPC32 name", readSatPc32Reply, "OSCAR 7 (AO-7)\r\n", K::Satellite,
                 "OSCAR 7 (AO-7)"},
        NameCase{"SatPC32 standby", readSatPc32Reply, "Standby\r\n", K::NoSatellite, ""},
        NameCase{"SatPC32 standby after text", readSatPc32Reply, "AO-7 Standby\r\n", K::NoSatellite,
                 ""},
        NameCase{"SatPC32 name holding Standby", readSatPc32Reply, "Standby 2\r\n", K::Satellite,
                 "Standby 2"},
        NameCase{"SatPC32 without a line end keeps its last characters", readSatPc32Reply, "AO-7",
                 K::Satellite, "AO-7"},
        NameCase{"SatPC32 empty", readSatPc32Reply, "\r\n", K::NoSatellite, ""},
        // WinOrbit: the whole reply.
        NameCase{"WinOrbit name", readWinOrbitReply, "AO-7", K::Satellite, "AO-7"},
        NameCase{"WinOrbit empty", readWinOrbitReply, "", K::NoSatellite, ""},
        NameCase{"WinOrbit blanks", readWinOrbitReply, "   ", K::NoSatellite, ""},
        // WXtrack: after "SN", brackets cut unless "-(".
        NameCase{"WXtrack name", readWxTrackReply, "AZ123 EL045 SNNOAA 19\r\n", K::Satellite,
                 "NOAA 19"},
        NameCase{"WXtrack bracket cut", readWxTrackReply, "AZ123 EL045 SNMETEOR M2 (57166)\r\n",
                 K::Satellite, "METEOR M2"},
        NameCase{"WXtrack -( kept", readWxTrackReply, "AZ123 EL045 SNMETEOR-(M2)\r\n", K::Satellite,
                 "METEOR-(M2)"},
        NameCase{"WXtrack below the horizon", readWxTrackReply, "AZ123 EL-05 SNNOAA 19\r\n",
                 K::NoSatellite, ""},
        NameCase{"WXtrack no figure", readWxTrackReply, "AZ123 EL--- SNNOAA 19\r\n", K::Satellite,
                 "NOAA 19"},
        NameCase{"WXtrack EL only inside the name", readWxTrackReply, "SNTELSTAR -1\r\n",
                 K::Satellite, "TELSTAR -1"},
        NameCase{"WXtrack empty name", readWxTrackReply, "AZ123 EL045 SN\r\n", K::NoSatellite, ""},
        NameCase{"WXtrack without SN", readWxTrackReply, "AZ123 EL045 NOAA 19\r\n", K::Unreadable,
                 ""},
        // WISP: NO at characters 4 and 5; the name from character 3 to the blank before AZ.
        NameCase{"WISP name", readWispReply, "1 AO-7 AZ123.4 EL10.0", K::Satellite, "AO-7"},
        NameCase{"WISP name with blanks", readWispReply, "  1 OSCAR 7 AZ123.4 EL10.0", K::Satellite,
                 "OSCAR 7"},
        NameCase{"WISP NO", readWispReply, "1: NO SATELLITE", K::NoSatellite, ""},
        NameCase{"WISP AZ too early", readWispReply, "1 AZ", K::NoSatellite, ""},
        NameCase{"WISP without AZ", readWispReply, "1 AO-7 EL10", K::Unreadable, ""},
        NameCase{"WISP empty", readWispReply, "", K::Unreadable, ""}));

struct NovaCase {
    const char* what;
    const char* reply;
    ReadingKind kind;
    const char* name;
    PeerPosition position;
};

// A case is named by its words, in test names and failures.
void PrintTo(const NovaCase& c, std::ostream* out) {
    *out << c.what;
}

class NovaReplies : public ::testing::TestWithParam<NovaCase> {};

TEST_P(NovaReplies, GiveTheNameAndPosition) {
    const auto& c = GetParam();
    const auto reading = readNovaReply(c.reply);
    ASSERT_EQ(reading.kind, c.kind) << c.what << ": " << reading.fault;
    if (c.kind != ReadingKind::Satellite) return;
    EXPECT_EQ(reading.name, c.name);
    ASSERT_TRUE(reading.position);
    EXPECT_DOUBLE_EQ(reading.position->azimuth, c.position.azimuth) << c.what;
    EXPECT_DOUBLE_EQ(reading.position->elevation, c.position.elevation) << c.what;
    EXPECT_DOUBLE_EQ(reading.position->rangeRate, c.position.rangeRate) << c.what;
    EXPECT_EQ(reading.position->ma256, c.position.ma256) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Nova, NovaReplies,
    ::testing::Values(
        NovaCase{"full reply",
                 "AO-7*** catalog 07530 AZ:123.4 EL:12.5 RR:-3.210 MA:87 SC:0\r\n",
                 K::Satellite,
                 "AO-7",
                 {123.4, 12.5, -3.21, 87}},
        NovaCase{"empty value gives 0",
                 "AO-7*** catalog AZ:123.4 EL: RR:1.5 MA:200 SC:0\r\n",
                 K::Satellite,
                 "AO-7",
                 {123.4, 0, 1.5, 200}},
        NovaCase{"no separator",
                 "AO-7***catalog AZ:10EL:20RR:1MA:3SC:\r\n",
                 K::Satellite,
                 "AO-7",
                 {10, 20, 1, 3}},
        NovaCase{"name before catalog without ***",
                 "ISS (ZARYA) catalog 25544 AZ:1 EL:2 RR:3 MA:4 SC:5\r\n",
                 K::Satellite,
                 "ISS (ZARYA)",
                 {1, 2, 3, 4}},
        NovaCase{"mean anomaly rounded",
                 "AO-7*** catalog AZ:1 EL:2 RR:3 MA:4.5 SC:5\r\n",
                 K::Satellite,
                 "AO-7",
                 {1, 2, 3, 4}},
        NovaCase{"azimuth brought into 0..360",
                 "AO-7*** catalog AZ:-10 EL:2 RR:3 MA:4 SC:5\r\n",
                 K::Satellite,
                 "AO-7",
                 {350, 2, 3, 4}},
        NovaCase{"no name: nothing tracked",
                 "*** catalog AZ:0 EL:0 RR:0 MA:0 SC:0\r\n",
                 K::NoSatellite,
                 "",
                 {}},
        NovaCase{"tag missing", "AO-7*** catalog AZ:1 EL:2 MA:4 SC:5\r\n", K::Unreadable, "", {}},
        NovaCase{"tags out of order",
                 "AO-7*** catalog EL:2 AZ:1 RR:3 MA:4 SC:5\r\n",
                 K::Unreadable,
                 "",
                 {}},
        NovaCase{
            "neither *** nor catalog", "AO-7 AZ:1 EL:2 RR:3 MA:4 SC:5\r\n", K::Unreadable, "", {}},
        NovaCase{"empty text", "", K::Unreadable, "", {}},
        NovaCase{"line end only", "\r\n", K::Unreadable, "", {}},
        NovaCase{"elevation out of range",
                 "AO-7*** catalog AZ:1 EL:200 RR:3 MA:4 SC:5\r\n",
                 K::Unreadable,
                 "",
                 {}}));

TEST(NovaReply, WhatTheStandInServesReadsBack) {
    const PeerPosition sent{201.3, -4.5, 6.125, 128};
    const auto reading = readNovaReply(formatNovaReply("OSCAR 7 (AO-7)", "07530", sent) + "\r\n");
    ASSERT_EQ(reading.kind, ReadingKind::Satellite) << reading.fault;
    EXPECT_EQ(reading.name, "OSCAR 7 (AO-7)");
    EXPECT_NEAR(reading.position->azimuth, sent.azimuth, 0.05);
    EXPECT_NEAR(reading.position->elevation, sent.elevation, 0.05);
    EXPECT_NEAR(reading.position->rangeRate, sent.rangeRate, 0.0005);
    EXPECT_EQ(reading.position->ma256, sent.ma256);
}

TEST(DdeSources, ProbeOrderAndNamesFitTheLoopsNumbers) {
    const auto sources = ddeSources();
    ASSERT_EQ(sources.size(), 5u);
    const char* applications[] = {"GSC", "NFW32", "WinOrbit", "WXTrack", "SatPC32"};
    for (std::size_t i = 0; i < sources.size(); ++i) {
        EXPECT_EQ(sources[i].trackingSource, int(i) + 2);
        EXPECT_STREQ(sources[i].application, applications[i]);
        EXPECT_EQ(ddeSourceNumbered(int(i) + 2), &sources[i]);
        // The probe and the poll talk to the program under its own name.
        for (const char* topic : {sources[i].linkTopic, sources[i].probeTopic}) {
            const auto link = platform::splitLinkTopic(topic);
            ASSERT_TRUE(link) << topic;
            EXPECT_EQ(link->application, applications[i]);
        }
    }
    EXPECT_EQ(ddeSourceNumbered(1), nullptr);
    EXPECT_EQ(ddeSourceNumbered(7), nullptr);
    EXPECT_EQ(ddeSourceServedAs("satpc32"), &sources[4]);
    EXPECT_EQ(ddeSourceServedAs("WXTRACK"), &sources[3]);
    EXPECT_EQ(ddeSourceServedAs("Orbitron"), nullptr);
    EXPECT_TRUE(ddeSourceNumbered(kNovaSource)->suppliesPosition);
}

} // namespace
} // namespace orv::dde
