// orv_kite_tool horizon, priority, schedule and passes --settings, and auto-track
// started and stopped by typed gestures, run as an operator runs them on a settings
// file of the test's own.
#include "program_runner.h"

#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace orv::test {
namespace {

const QString kSample = kBuild + "/ORV_KITE4/orv_kite.txt";

struct SkyTool : ::testing::Test {
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    ProgramRun tool(QStringList arguments) {
        return runProgram(orv::test::tool(), arguments << "--settings" << settings, settings);
    }
    QTemporaryDir dir;
    QString settings = dir.path() + "/settings.sqlite";
};

TEST_F(SkyTool, StoredValuesAreCheckedAndShown) {
    ASSERT_EQ(tool({"sat", "new", "AO-7", "--analog"}).code, 0);
    ASSERT_EQ(tool({"sat", "new", "ISS", "--digital"}).code, 0);
    const struct {
        QStringList arguments;
        int code;
        const char* saysWhy;
    } cases[] = {
        {{"horizon", "set", "37", "5"}, 2, "segments 1 to 36"},
        {{"horizon", "set", "0", "5"}, 2, "segments 1 to 36"},
        {{"horizon", "set", "3", "91"}, 2, "0 to 90 degrees"},
        {{"horizon", "set", "3", "12.5"}, 0, ""},
        {{"priority", "set", "SO-50", "5"}, 1, "not among"},
        {{"priority", "set", "AO-7", "11"}, 2, "1 to 10"},
        {{"priority", "set", "ao-7", "7"}, 0, ""},
        {{"schedule", "set", "15", "1"}, 2, "keys 1 to 14"},
        {{"schedule", "set", "8", "300"}, 2, "0 to 255"},
        {{"schedule", "set", "1", "AO-7"}, 0, ""},
        {{"schedule", "set", "7", "100"}, 0, ""},
    };
    for (const auto& c : cases) {
        const ProgramRun run = tool(c.arguments);
        EXPECT_EQ(run.code, c.code)
            << c.arguments.join(' ').toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.saysWhy)) << run.err.toStdString();
    }
    ProgramRun run = tool({"horizon", "show", "--tsv"});
    EXPECT_TRUE(run.out.startsWith("segment\tazimuths\tdegrees\n1\t0 to 10\t0\n"));
    EXPECT_TRUE(run.out.contains("\n3\t21 to 30\t12.5\n")) << run.out.toStdString();
    run = tool({"priority", "list", "--tsv"});
    EXPECT_EQ(run.out, "position\tname\tpriority\n1\tAO-7\t7\n2\tISS\t-\n");
    run = tool({"schedule", "show"});
    EXPECT_TRUE(run.out.contains("MA   1..100  AO-7_1")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("record no")) << run.out.toStdString();
    ASSERT_EQ(tool({"priority", "clear"}).code, 0);
    EXPECT_EQ(tool({"priority", "list", "--tsv"}).out,
              "position\tname\tpriority\n1\tAO-7\t-\n2\tISS\t-\n");
}

// The passes of a day, each as its TSV cells.
std::vector<QStringList> passesOf(const ProgramRun& run) {
    std::vector<QStringList> rows;
    for (const auto& line : run.out.split('\n', Qt::SkipEmptyParts).mid(1))
        rows.push_back(line.split('\t'));
    return rows;
}

TEST_F(SkyTool, PassesHonourTheStationsHorizon) {
    const QStringList passes = {
        "passes", "--elements",          kSample,  "--name", "OSCAR 7 (AO-7)",
        "--from", "2018-01-21 00:00:00", "--days", "1"};
    ASSERT_EQ(tool({"config", "defaults"}).code, 0);
    // Entry 32 NO: the station's location, the geometric horizon, nothing hidden.
    const ProgramRun open = tool(passes);
    ASSERT_EQ(open.code, 0) << open.err.toStdString();
    EXPECT_TRUE(open.out.startsWith("aos_utc\taos_azimuth\tmax_utc\tmax_elevation\tlos_utc"
                                    "\tlos_azimuth\tduration_s\thidden_s\n"));
    const auto plain = passesOf(open);
    ASSERT_GE(plain.size(), 3u);
    for (const auto& row : plain)
        EXPECT_EQ(row[7], "0");

    // A wall of 10 degrees all round: every pass starts later, ends earlier, and says how
    // long it is hidden; a wall of 90 hides everything.
    ASSERT_EQ(tool({"config", "set", "32", "YES"}).code, 0);
    for (int segment = 1; segment <= 36; ++segment)
        ASSERT_EQ(tool({"horizon", "set", QString::number(segment), "10"}).code, 0);
    const auto walled = passesOf(tool(passes));
    ASSERT_EQ(walled.size(), plain.size());
    for (size_t i = 0; i < plain.size(); ++i) {
        const double hidden = walled[i][7].toDouble();
        EXPECT_GT(hidden, 0) << walled[i].join(' ').toStdString();
        if (walled[i][0] == "-") continue; // never above 10 degrees
        EXPECT_GT(walled[i][0], plain[i][0]);
        EXPECT_LT(walled[i][4], plain[i][4]);
        EXPECT_NEAR(walled[i][6].toDouble() + hidden, plain[i][6].toDouble(), 2);
    }
    for (int segment = 1; segment <= 36; ++segment)
        ASSERT_EQ(tool({"horizon", "set", QString::number(segment), "90"}).code, 0);
    for (const auto& row : passesOf(tool(passes))) {
        EXPECT_EQ(row[0], "-");
        EXPECT_EQ(row[6], "0");
    }
}

// Headless, with the priorities stored by the tool: the documented lines start auto-track,
// which takes SO-50 (the higher priority of the two in view) at once; one line stops it.
TEST_F(SkyTool, TypedGesturesStartAndStopAutoTrackHeadless) {
    ASSERT_EQ(tool({"config", "defaults"}).code, 0);
    for (const char* name : {"OSCAR 7 (AO-7)", "SAUDISAT 1C (SO-50)"})
        ASSERT_EQ(tool({"sat", "new", name, "--digital"}).code, 0);
    ASSERT_EQ(tool({"priority", "set", "OSCAR 7 (AO-7)", "3"}).code, 0);
    ASSERT_EQ(tool({"priority", "set", "SAUDISAT 1C (SO-50)", "6"}).code, 0);
    QProcess process;
    process.setProcessEnvironment(cleanEnvironment(settings));
    process.start(station(4), {"--headless", "--simulate", "--time", "2018-01-21 05:38:00",
                               "--rate", "4", "--for", "15"});
    ASSERT_TRUE(process.waitForStarted());
    process.write("!lbl_sched dblclick\n!Form3.Command1 click\n");
    QString out;
    QElapsedTimer waited;
    waited.start();
    while (!out.contains("prio=6") && waited.elapsed() < 13000 && process.waitForReadyRead(2000))
        out += QString::fromUtf8(process.readAllStandardOutput());
    process.write("!lbl_sched click\n");
    ASSERT_TRUE(process.waitForFinished(30000));
    out += QString::fromUtf8(process.readAllStandardOutput());
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(process.exitCode(), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(QRegularExpression("sat=SAUDISAT_1C_\\(SO-50\\) .* auto=on prio=6")))
        << out.toStdString();
    const QStringList lines = out.split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.back().contains(" auto=off prio=- ring=- ")) << lines.back().toStdString();
}

} // namespace
} // namespace orv::test

namespace orv::test {
namespace {

// The TSV rows of orv_kite_tool map by name, each as its cells.
std::map<QString, QStringList> mapRows(const ProgramRun& run) {
    std::map<QString, QStringList> rows;
    for (const auto& line : run.out.split('\n', Qt::SkipEmptyParts).mid(1)) {
        const QStringList cells = line.split('\t');
        rows[cells[0]] = cells;
    }
    return rows;
}

// The map tool reads the station's element file and draws what the station draws: every
// listed satellite in view, the selected one set apart, the sun; the station, at the same
// instant, draws as many satellites into its own picture.
TEST_F(SkyTool, TheMapToolAndTheStationDrawTheSameSatellites) {
    ASSERT_EQ(tool({"config", "defaults"}).code, 0);
    const QStringList listed = {"OSCAR 7 (AO-7)", "ISS (ZARYA)", "SAUDISAT 1C (SO-50)",
                                "JAS-2 (FO-29)", "NO SUCH SAT"};
    for (const QString& name : listed)
        ASSERT_EQ(tool({"sat", "new", name, "--digital"}).code, 0);
    const QString time = "2018-01-21 03:40:00", png = dir.path() + "/tool.png";
    const QStringList map = {"map", "--time", time, "--png", png, "--width", "1024"};

    ProgramRun everything = tool(QStringList(map) << "--sun"
                                                  << "--threshold"
                                                  << "-90"
                                                  << "--selected" << listed[0]);
    ASSERT_EQ(everything.code, 0) << everything.err.toStdString();
    EXPECT_TRUE(everything.out.startsWith("name\tx\ty\tsub_lon\tsub_lat\televation\tstate\n"));
    EXPECT_TRUE(everything.err.contains("no element set for NO SUCH SAT"))
        << everything.err.toStdString();
    const auto rows = mapRows(everything);
    ASSERT_EQ(rows.size(), 5u) << everything.out.toStdString(); // four satellites and the sun
    EXPECT_EQ(rows.at(listed[0])[6], "selected");
    EXPECT_EQ(rows.at("sun")[6], "shown");
    const QImage drawn(png);
    ASSERT_EQ(drawn.width(), 1024);

    // Drawn again with nothing above the threshold: round every dot (hollow below the
    // horizon) the pixels were its own.
    ASSERT_EQ(tool(QStringList(map) << "--sun"
                                    << "--threshold"
                                    << "90")
                  .code,
              0);
    const QImage bare(png);
    for (const auto& [name, cells] : rows) {
        if (name == "sun") continue;
        const QPoint dot(int(cells[1].toDouble() * drawn.width() / 9000),
                         int(cells[2].toDouble() * drawn.height() / 4450));
        int changed = 0;
        for (int dy = -4; dy <= 4; ++dy)
            for (int dx = -4; dx <= 4; ++dx)
                changed += drawn.pixel(dot + QPoint(dx, dy)) != bare.pixel(dot + QPoint(dx, dy));
        EXPECT_GT(changed, 8) << name.toStdString();
    }

    // Above the horizon only, as the station draws at first.
    const ProgramRun inView = tool(map);
    ASSERT_EQ(inView.code, 0);
    int above = 0;
    for (const auto& [name, cells] : rows)
        above += name != "sun" && cells[5].toDouble() >= 0;
    EXPECT_EQ(mapRows(inView).size(), size_t(above));
    QProcess station;
    station.setProcessEnvironment(cleanEnvironment(settings));
    // The station's first map update comes some seconds after the start.
    station.start(orv::test::station(4), {"--headless", "--simulate", "--time", time, "--for", "12",
                                          "--map-png", dir.path() + "/station.png"});
    ASSERT_TRUE(station.waitForFinished(30000));
    const QStringList status =
        QString::fromUtf8(station.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(status.isEmpty());
    // Keys may follow: the status line is read by key, not by place.
    EXPECT_TRUE((status.back() + ' ').contains(QString(" map_sats=%1 ").arg(above)))
        << status.back().toStdString();
    EXPECT_EQ(QImage(dir.path() + "/station.png").width(), 2048);
}

} // namespace
} // namespace orv::test
