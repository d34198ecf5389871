// orv_kite_tool time, predict and passes, run as an operator runs them, on the sample
// element file; positions and passes checked against an independent SGP4 propagator.
#include "integration/program_runner.h"

#include <QDateTime>
#include <QStringList>
#include <QTimeZone>
#include <cmath>
#include <gtest/gtest.h>

using namespace orv::test;

namespace {

const QString kSample = kBuild + "/ORV_KITE4/orv_kite.txt";
const QStringList kHastings = {"--lat", "-39.524", "--lon", "176.869", "--height", "50"};

QStringList cells(const QString& line) {
    return line.split('\t');
}

// Seconds from one "YYYY-MM-DD hh:mm:ss[.zzz]" UTC text to another.
double secondsBetween(const QString& from, const QString& to) {
    const auto parse = [](const QString& text) {
        QDateTime instant = QDateTime::fromString(text, "yyyy-MM-dd HH:mm:ss.zzz");
        if (!instant.isValid()) instant = QDateTime::fromString(text, "yyyy-MM-dd HH:mm:ss");
        instant.setTimeZone(QTimeZone::utc());
        return instant;
    };
    return parse(from).msecsTo(parse(to)) / 1000.0;
}

} // namespace

TEST(ToolTime, DayNumberFractionAndUtcText) {
    const ProgramRun run =
        runProgram(tool(), {"time", "--local", "2004-03-01 00:30:00", "--offset", "12"}, "");
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "dayNumber\tdayFraction\tutcText\n1522\t-0.479167\t12:30:00\n");
    EXPECT_EQ(runProgram(tool(), {"time", "--local", "noon"}, "").code, 2);
}

TEST(ToolPredict, TheStationsPositionAgreesWithSgp4) {
    QStringList arguments = {"predict", "--elements",          kSample,  "--name", "ISS (ZARYA)",
                             "--utc",   "2018-01-20 22:20:00", "--step", "60",     "--count",
                             "3"};
    const ProgramRun run = runProgram(tool(), arguments + kHastings, "");
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << run.out.toStdString();
    EXPECT_EQ(lines[0], "utc\tazimuth\televation\trange_km\trange_rate_km_s\tma256\tsquint_deg"
                        "\tsub_lon\tsub_lat\taltitude_km\tmap_azimuth\tmap_elevation\tsun_lon_deg"
                        "\tsun_lat_deg");
    const QStringList row = cells(lines[1]);
    ASSERT_EQ(row.size(), 14);
    EXPECT_EQ(row[0], "2018-01-20 22:20:00.000");
    // Independent SGP4 for this instant and observer (see plan13_sgp4_test.cpp for the
    // tolerances): azimuth 178.19, elevation 20.27, 1022.7 km, 2.883 km/s, sub-point
    // 177.25 E 47.46 S, sun 207.78 E 19.97 S.
    EXPECT_NEAR(row[1].toDouble(), 178.19, 1.5);
    EXPECT_NEAR(row[2].toDouble(), 20.27 + 0.2, 1.3);
    EXPECT_NEAR(row[3].toDouble(), 1022.7, 18);
    EXPECT_NEAR(row[4].toDouble(), 2.883, 0.16);
    EXPECT_NEAR(row[7].toDouble(), 177.25, 0.15);
    EXPECT_NEAR(row[8].toDouble(), -47.46, 0.15);
    EXPECT_NEAR(row[10].toDouble(), row[1].toDouble(), 1e-3) << "map and tracking azimuth";
    EXPECT_NEAR(row[11].toDouble(), row[2].toDouble() - 0.2, 1e-3) << "only tracking is biased";
    EXPECT_NEAR(row[12].toDouble(), 207.78, 0.1);
    EXPECT_NEAR(row[13].toDouble(), -19.97, 0.1);
    EXPECT_EQ(cells(lines[3])[0], "2018-01-20 22:22:00.000");

    // The same instant in the station's own time base.
    arguments = {"predict",
                 "--elements",
                 kSample,
                 "--name",
                 "ISS (ZARYA)_2",
                 "--day",
                 QString::number(6595 + (22 + 20 / 60.0) / 24, 'f', 10)};
    const ProgramRun byDay = runProgram(tool(), arguments + kHastings, "");
    ASSERT_EQ(byDay.code, 0) << byDay.err.toStdString();
    const QStringList sameRow = cells(byDay.out.split('\n')[1]);
    ASSERT_EQ(sameRow.size(), row.size());
    EXPECT_EQ(sameRow[0], row[0]);
    for (int column = 1; column < row.size(); ++column)
        EXPECT_NEAR(sameRow[column].toDouble(), row[column].toDouble(), 1e-3) << column;
}

TEST(ToolPredict, MistakesAreNamed) {
    struct Case {
        QStringList arguments;
        int code;
        const char* message;
    };
    const QStringList base = {"predict", "--elements", kSample, "--utc", "2018-01-20 22:20:00"};
    for (const Case& c :
         {Case{base + QStringList{"--name", "AO-51"} + kHastings, 1, "no element set named"},
          Case{QStringList{"predict", "--elements", "/nowhere.txt", "--name", "AO-7", "--utc",
                           "2018-01-20 22:20:00"} +
                   kHastings,
               1, "cannot read the element file"},
          Case{base + QStringList{"--name", "AO-7", "--lat", "north", "--lon", "0"}, 2,
               "--lat takes a number"},
          Case{base + QStringList{"--name", "AO-7", "--day", "1"} + kHastings, 2,
               "either --utc or --day"}}) {
        const ProgramRun run = runProgram(tool(), c.arguments, "");
        EXPECT_EQ(run.code, c.code) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    }
}

TEST(ToolPasses, AosLosAndTheHighestPointAgreeWithSgp4) {
    const QStringList arguments = {
        "passes", "--elements",          kSample,  "--name", "ISS (ZARYA)",
        "--from", "2018-01-20 21:00:00", "--days", "1"};
    const ProgramRun run = runProgram(tool(), arguments + kHastings, "");
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines[0], "aos_utc\taos_azimuth\tmax_utc\tmax_elevation\tlos_utc\tlos_azimuth"
                        "\tduration_s");
    // The same window from the independent SGP4 propagator: AOS, highest elevation, LOS.
    struct Pass {
        const char* aos;
        double maxElevation;
        const char* los;
    };
    const Pass reference[] = {
        {"2018-01-20 22:13:53.740", 23.20, "2018-01-20 22:24:10.253"},
        {"2018-01-20 23:51:58.750", 10.90, "2018-01-21 00:00:56.679"},
        {"2018-01-21 01:29:20.400", 14.17, "2018-01-21 01:38:50.556"},
        {"2018-01-21 03:05:46.621", 51.81, "2018-01-21 03:16:33.134"},
        {"2018-01-21 04:42:36.064", 16.11, "2018-01-21 04:52:06.474"},
        {"2018-01-21 19:45:07.294", 25.13, "2018-01-21 19:55:19.628"},
    };
    ASSERT_EQ(lines.size(), 1 + std::size(reference)) << run.out.toStdString();
    for (size_t i = 0; i < std::size(reference); ++i) {
        const QStringList pass = cells(lines[int(i) + 1]);
        ASSERT_EQ(pass.size(), 7) << lines[int(i) + 1].toStdString();
        // A position off by up to 12 km along the track is about 2 s of flight; near the
        // horizon the 1 degree elevation tolerance adds up to 10 s more.
        EXPECT_LT(std::abs(secondsBetween(reference[i].aos, pass[0])), 15) << i;
        EXPECT_NEAR(pass[3].toDouble(), reference[i].maxElevation, 1.3) << i;
        EXPECT_LT(std::abs(secondsBetween(reference[i].los, pass[4])), 15) << i;
        EXPECT_NEAR(pass[6].toDouble(), secondsBetween(pass[0], pass[4]), 0.5) << i;
    }
}
