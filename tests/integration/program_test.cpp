// The real programs, run as an operator runs them: headless, in a temporary store.
#include "program_runner.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv::test;

TEST(Program, FirstRunHeadlessShowsMessageFourAndKeepsTicking) {
    QTemporaryDir dir;
    const QString settings = dir.path() + "/settings.sqlite";
    const ProgramRun run =
        runProgram(station(4), {"--headless", "--simulate", "--for", "2.5"}, settings);
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("started for the first time"));
    EXPECT_TRUE(run.err.contains("configuration editor is open"));
    EXPECT_FALSE(run.err.contains("NOT fitted")) << "the simulated box was not used";
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 2) << run.out.toStdString();
    EXPECT_TRUE(lines[0].contains(QRegularExpression(
        "^utc=\\d\\d:\\d\\d:\\d\\d local=\\S+ sat=No_Satellite_selected src=1 box=")))
        << lines[0].toStdString();
    // --for runs the exit routine: the running flag is gone afterwards.
    const ProgramRun flag = runProgram(tool(), {"config", "get", "1"}, settings);
    EXPECT_EQ(flag.out.trimmed(), "-39.524");
}

TEST(Program, ASecondCopyEndsTheFirstWithinOneTick) {
    QTemporaryDir dir;
    const QString settings = dir.path() + "/settings.sqlite";
    ASSERT_EQ(runProgram(tool(), {"config", "defaults"}, settings).code, 0);
    QProcess first;
    first.setProcessEnvironment(cleanEnvironment(settings));
    first.start(station(4), {"--headless", "--simulate"});
    ASSERT_TRUE(first.waitForReadyRead(10000)) << "no status line from the first copy";

    QProcess second;
    second.setProcessEnvironment(cleanEnvironment(settings));
    second.start(station(4), {"--headless", "--simulate", "--for", "3"});
    ASSERT_TRUE(second.waitForStarted());
    const bool firstEnded = first.waitForFinished(4000);
    if (!firstEnded) first.kill();
    EXPECT_TRUE(firstEnded) << "the first copy kept running";
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(first.readAllStandardError()).contains("running flag is gone"));
    ASSERT_TRUE(second.waitForFinished(15000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_GE(QString::fromUtf8(second.readAllStandardOutput()).count("utc="), 2);
}

TEST(Program, AWronglyNamedDirectoryGivesMessageSixAndEnds) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("orv_kite5"));
    const QString copy = dir.path() + "/orv_kite5/orv_kite";
    ASSERT_TRUE(QFile::copy(station(4), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::ExeOwner);
    const ProgramRun run =
        runProgram(copy, {"--headless", "--simulate"}, dir.path() + "/settings.sqlite");
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.err.contains("being called from the incorrect directory"));
    EXPECT_TRUE(run.err.contains(dir.path() + "/orv_kite5" + QString(29, ' ')));
}

TEST(Program, ADamagedStoreIsNamedAndLeftAlone) {
    QTemporaryDir dir;
    const QString settings = dir.path() + "/settings.sqlite";
    QFile file(settings);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a database at all, but somebody's data\n");
    file.close();
    const ProgramRun run =
        runProgram(station(4), {"--headless", "--simulate", "--for", "1"}, settings);
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains(settings)) << run.err.toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("not a database at all, but somebody's data\n"));
}

TEST(Program, HelpListsOurOptionsAndBadOptionsAreRefused) {
    const ProgramRun help = runProgram(station(3), {"--help"}, "/nonexistent/never-opened.sqlite");
    EXPECT_EQ(help.code, 0);
    for (const char* option :
         {"--headless", "--simulate", "--settings", "--time", "--rate", "--for"})
        EXPECT_TRUE(help.out.contains(option)) << option;
    const ProgramRun bad =
        runProgram(station(3), {"--rate", "fast"}, "/nonexistent/never-opened.sqlite");
    EXPECT_EQ(bad.code, 2);
    EXPECT_TRUE(bad.err.contains("--rate"));
}

TEST(Program, DemoOnTheParallelVariantLeavesTheRunningFlagAtExit) {
    QTemporaryDir dir;
    const QString settings = dir.path() + "/settings.sqlite";
    const ProgramRun run = runProgram(station(3), {"--headless", "--for", "1.5", "demo"}, settings);
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("box=demo"));
}

TEST(Tool, ConfigShowGetSetAndDefaults) {
    QTemporaryDir dir;
    const QString settings = "--settings=" + dir.path() + "/settings.sqlite";
    ASSERT_EQ(runProgram(tool(), {"config", "defaults", "--variant", "3", settings}, "").code, 0);
    ASSERT_EQ(
        runProgram(tool(), {"config", "set", "5", "&HE800", "--variant", "3", settings}, "").code,
        0);
    ASSERT_EQ(
        runProgram(tool(), {"config", "set", "28", "20", "--variant", "3", settings}, "").code, 0);
    EXPECT_EQ(runProgram(tool(), {"config", "get", "5", "--variant", "3", settings}, "").out,
              "&HE800\n");
    const ProgramRun show =
        runProgram(tool(), {"config", "show", "--variant", "3", "--tsv", settings}, "");
    ASSERT_EQ(show.code, 0) << show.err.toStdString();
    EXPECT_TRUE(show.out.startsWith("key\tlabel\tstored\tconverted\n"));
    EXPECT_TRUE(show.out.contains("28\tPrgrm Timer Milliseconds\t20\t50\n"));
    EXPECT_TRUE(show.out.contains("derived\tparallel_port_base\t\t0xE800\n"));
    EXPECT_TRUE(show.out.contains("derived\tmap_interval_ticks\t\t100\n"));
    // Variant 4 has its own, still empty, configuration.
    const ProgramRun other = runProgram(tool(), {"config", "get", "1", settings}, "");
    EXPECT_EQ(other.out, "\n");
    EXPECT_EQ(runProgram(tool(), {"config", "get", "36", settings}, "").code, 2);
    EXPECT_EQ(runProgram(tool(), {"config", "frobnicate", settings}, "").code, 2);
}

TEST(Program, ANameTypedOnStandardInputIsSelectedAndTracked) {
    QTemporaryDir dir;
    const QString settings = dir.path() + "/settings.sqlite";
    ASSERT_EQ(runProgram(tool(), {"config", "defaults"}, settings).code, 0);
    ASSERT_EQ(runProgram(tool(), {"sat", "new", "iss (zarya)", "--digital"}, settings).code, 0);
    QProcess station4;
    station4.setProcessEnvironment(cleanEnvironment(settings));
    station4.start(station(4), {"--headless", "--simulate", "--for", "3"});
    ASSERT_TRUE(station4.waitForStarted());
    station4.write("iss (zarya)\n");
    ASSERT_TRUE(station4.waitForFinished(15000));
    const QString out = QString::fromUtf8(station4.readAllStandardOutput());
    const QString err = QString::fromUtf8(station4.readAllStandardError());
    EXPECT_EQ(station4.exitCode(), 0) << err.toStdString();
    const QRegularExpression tracked(
        "sat=ISS_\\(ZARYA\\) src=1 .*az=\\d+\\.\\d el=-?\\d+\\.\\d range=\\d+ rr=-?\\d+\\.\\d+");
    EXPECT_TRUE(out.contains(tracked)) << out.toStdString();
    EXPECT_FALSE(err.contains("satellite editor is open")) << err.toStdString();
}

TEST(Tool, SatelliteDatabaseRoundTripThroughExportAndImport) {
    QTemporaryDir dir;
    const QString first = "--settings=" + dir.path() + "/a.sqlite";
    const QString second = "--settings=" + dir.path() + "/b.sqlite";
    const QString file = dir.path() + "/sats.txt";
    ASSERT_EQ(runProgram(tool(), {"sat", "new", "AO-7", "--analog", first}, "").code, 0);
    ASSERT_EQ(runProgram(tool(), {"sat", "new", "FO-29", "--digital", first}, "").code, 0);
    ASSERT_EQ(runProgram(tool(), {"sat", "set", "AO-7", "15", "SSB,3K", first}, "").code, 0);
    EXPECT_EQ(runProgram(tool(), {"sat", "new", "AO-7", "--analog", first}, "").code, 1);
    EXPECT_EQ(runProgram(tool(), {"sat", "set", "AO-7", "1", "X", first}, "").code, 2);
    ASSERT_EQ(runProgram(tool(), {"sat", "export", file, first}, "").code, 0);
    ASSERT_EQ(runProgram(tool(), {"sat", "import", file, second}, "").code, 0);
    const ProgramRun list = runProgram(tool(), {"sat", "list", "--tsv", second}, "");
    EXPECT_TRUE(list.out.contains("1\tAO-7\tAnalog\t")) << list.out.toStdString();
    EXPECT_TRUE(list.out.contains("2\tFO-29\tDigital\t145.900\t"));
    EXPECT_TRUE(runProgram(tool(), {"sat", "show", "ao-7", second}, "").out.contains("SSB,3K"));
    ASSERT_EQ(runProgram(tool(), {"sat", "delete", "AO-7", second}, "").code, 0);
    EXPECT_EQ(runProgram(tool(), {"sat", "list", "--tsv", second}, "").out.count('\n'), 2);
    EXPECT_EQ(runProgram(tool(), {"sat", "import", dir.path() + "/missing.txt", second}, "").code,
              1);
}
