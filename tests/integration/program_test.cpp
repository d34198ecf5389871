// The real programs, run as an operator runs them: headless, in a temporary store.
#include "program_runner.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
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

TEST(Program, HelpListsOurOptionsAndTheFaults) {
    const ProgramRun help = runProgram(station(3), {"--help"}, "/nonexistent/never-opened.sqlite");
    EXPECT_EQ(help.code, 0);
    for (const char* word : {"--headless", "--simulate", "--settings", "--time", "--rate", "--for",
                             "silent", "not-ready", "garbled", "stuck"})
        EXPECT_TRUE(help.out.contains(word)) << word;
}

// A mistyped command line never starts a station: status 2, the reason and the usage
// line, and no settings store made.
TEST(Program, AWrongCommandLineIsRefusedBeforeAnythingStarts) {
    QTemporaryDir dir;
    const QString settings = dir.path() + "/settings.sqlite";
    const struct {
        QStringList arguments;
        const char* reason;
    } cases[] = {
        {{"--simlate"}, "unknown option --simlate"},
        {{"--headless", "--rate", "fast"}, "--rate"},
        {{"--headless", "--simulate", "silent"}, "unexpected argument \"silent\""},
        {{"--headless", "--simulate=loud"}, "unknown simulated fault \"loud\""},
        {{"--headless", "-nonsense"}, "unknown option -nonsense"},
        {{"--headless", "demo", "now"}, "unexpected argument \"now\""},
    };
    for (const auto& c : cases) {
        const ProgramRun run = runProgram(station(3), c.arguments, settings);
        EXPECT_EQ(run.code, 2) << c.reason;
        EXPECT_TRUE(run.err.contains(c.reason)) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("Usage: orv_kite [--headless]")) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(settings));
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

// Gestures typed on standard input reach the panel's handlers and the editors' boxes
// and buttons, and every one is answered; a plain line still selects a satellite.
TEST(Program, GesturesOnStandardInputRunTheirHandlers) {
    QTemporaryDir dir;
    const QString settings = dir.path() + "/settings.sqlite";
    ASSERT_EQ(runProgram(tool(), {"config", "defaults"}, settings).code, 0);
    ASSERT_EQ(runProgram(tool(), {"sat", "new", "iss (zarya)", "--digital"}, settings).code, 0);
    QProcess station4;
    station4.setProcessEnvironment(cleanEnvironment(settings));
    station4.start(station(4), {"--headless", "--simulate", "--for", "20"});
    ASSERT_TRUE(station4.waitForStarted());
    station4.write("!lbl_nothing click\n"
                   "!lbl_sat_name dblclick\n"
                   "iss (zarya)\n"
                   "!lbl_refresh dblclick\n"
                   "!Satellite.Text1 set AO-7\n"
                   "!Satellite.ao40 click\n"
                   "!Satellite.Text3 set 432.150000\n"
                   "!Satellite.save click\n"
                   "!help\n");
    // The exit button, once the selection has been tracked for a few ticks.
    QTimer::singleShot(3000, &station4, [&station4] { station4.write("!cmd_Bye click\n"); });
    QEventLoop wait;
    QObject::connect(&station4, &QProcess::finished, &wait, &QEventLoop::quit);
    QTimer::singleShot(15000, &wait, &QEventLoop::quit);
    wait.exec();
    ASSERT_EQ(station4.state(), QProcess::NotRunning) << "the exit button did not end the run";
    const QString out = QString::fromUtf8(station4.readAllStandardOutput());
    const QString err = QString::fromUtf8(station4.readAllStandardError());
    EXPECT_EQ(station4.exitCode(), 0) << err.toStdString();
    for (const char* answer :
         {"no such field lbl_nothing\n", "no handler for dblclick on lbl_sat_name\n",
          "ok lbl_refresh dblclick\n", "ok Satellite.Text1 set\n", "ok Satellite.ao40 click\n",
          "ok Satellite.save click\n", "txt_entre: set TEXT, keypress N\n",
          "Config. buttons (click): edit exit Command2 Command1\n", "ok cmd_Bye click\n"})
        EXPECT_TRUE(err.contains(answer)) << answer << " in\n" << err.toStdString();
    EXPECT_TRUE(out.contains("sat=ISS_(ZARYA) src=1 ")) << out.toStdString();
    // The editor's save reached the store.
    const ProgramRun show = runProgram(tool(), {"sat", "show", "AO-7"}, settings);
    EXPECT_EQ(show.code, 0) << show.err.toStdString();
    EXPECT_TRUE(show.out.contains("432.150000")) << show.out.toStdString();
    EXPECT_TRUE(show.out.contains("Analog")) << show.out.toStdString();
}

// The tool refuses what it does not know, and never makes a store by mistake.
TEST(Tool, MistakesAreNamedAndAMissingStoreIsNotMade) {
    QTemporaryDir dir;
    const QString missing = dir.path() + "/typo.sqlite";
    const struct {
        QStringList arguments;
        int code;
        const char* message;
    } cases[] = {
        {{"config", "show", "--settings", missing}, 1, "there is no settings store"},
        {{"config", "set", "1", "5", "--settings", missing}, 1, "there is no settings store"},
        {{"sat", "list", "--settings", missing}, 1, "there is no settings store"},
        {{"frames", "--satellite", "AO-7", "--settings", missing}, 1, "there is no settings store"},
        {{"config", "show", "--tvs"}, 2, "unknown option --tvs"},
        {{"config", "show", "extra"}, 2, "not \"show extra\""},
        {{"sat", "lst"}, 2, "sat has no command \"lst\""},
        {{"frames", "--shutdown=yes"}, 2, "--shutdown takes no value"},
        {{"passes", "--elements", "x", "--name", "y", "z"}, 2, "unexpected \"z\""},
    };
    for (const auto& c : cases) {
        const ProgramRun run = runProgram(tool(), c.arguments, missing);
        EXPECT_EQ(run.code, c.code) << c.message;
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        const QString expected = c.code == 1 ? missing : QString("Usage: orv_kite_tool");
        EXPECT_TRUE(run.err.contains(expected)) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(missing));
    // The commands that make a store still do.
    EXPECT_EQ(runProgram(tool(), {"sat", "new", "AO-7", "--analog"}, missing).code, 0);
    EXPECT_TRUE(QFile::exists(missing));
}

TEST(Tool, ConfigSetSaysWhatTheStationWillReadAndWarnsOnAPartNumber) {
    QTemporaryDir dir;
    const QString settings = dir.path() + "/settings.sqlite";
    ASSERT_EQ(runProgram(tool(), {"config", "defaults"}, settings).code, 0);
    const struct {
        const char* key;
        const char* text;
        const char* converted;
        bool warned;
    } cases[] = {
        {"1", "-39.524", "-39.524\n", false}, {"1", "abc", "0\n", true},
        {"2", "176.9E", "176.9\n", true},     {"28", "20", "50\n", false},
        {"17", "yes", "YES\n", false},        {"8", "4.6", "5\n", false},
    };
    for (const auto& c : cases) {
        const ProgramRun run = runProgram(tool(), {"config", "set", c.key, c.text}, settings);
        EXPECT_EQ(run.code, 0);
        EXPECT_EQ(run.out, c.converted) << c.key << " " << c.text;
        EXPECT_EQ(run.err.contains("warning"), c.warned) << run.err.toStdString();
    }
    const ProgramRun unknown = runProgram(tool(), {"sat", "show", "Oscar 99"}, settings);
    EXPECT_EQ(unknown.code, 1);
    EXPECT_TRUE(unknown.err.contains("\"Oscar 99\"")) << unknown.err.toStdString();
}

// An element set years old is said to be so: on the status line, once on standard error,
// and by the prediction commands.
TEST(Program, AnOldElementSetIsShownAndWarnedOf) {
    QTemporaryDir dir;
    const QString settings = dir.path() + "/settings.sqlite";
    ASSERT_EQ(runProgram(tool(), {"config", "defaults"}, settings).code, 0);
    ASSERT_EQ(runProgram(tool(), {"sat", "new", "iss (zarya)", "--digital"}, settings).code, 0);
    const struct {
        const char* time;
        const char* age;
        bool warned;
    } cases[] = {
        {"2018-01-21 12:00:00", "epoch_age=0\\.6\\b", false},
        {"2026-12-01 12:00:00", "epoch_age=3236\\.6\\b", true},
    };
    for (const auto& c : cases) {
        QProcess station4;
        station4.setProcessEnvironment(cleanEnvironment(settings));
        station4.start(station(4), {"--headless", "--simulate", "--for", "2.5", "--time", c.time});
        ASSERT_TRUE(station4.waitForStarted());
        station4.write("iss (zarya)\n");
        ASSERT_TRUE(station4.waitForFinished(15000));
        const QString out = QString::fromUtf8(station4.readAllStandardOutput());
        const QString err = QString::fromUtf8(station4.readAllStandardError());
        EXPECT_TRUE(out.contains(QRegularExpression(c.age))) << out.toStdString();
        EXPECT_EQ(err.count("element set 3,237 days old: positions may be far off; update the "
                            "element file\n"),
                  c.warned ? 1 : 0)
            << err.toStdString();
    }
    const QString elements = kBuild + "/ORV_KITE4/orv_kite.txt";
    for (const auto& [utc, warned] :
         {std::pair{"2018-01-22 00:00:00", false}, std::pair{"2018-03-01 00:00:00", true}}) {
        const ProgramRun run =
            runProgram(tool(),
                       {"predict", "--elements", elements, "--name", "ISS (ZARYA)", "--lat",
                        "-39.5", "--lon", "176.9", "--utc", utc},
                       settings);
        EXPECT_EQ(run.code, 0) << run.err.toStdString();
        EXPECT_EQ(run.err.contains("element set 39 days old"), warned) << run.err.toStdString();
    }
}
