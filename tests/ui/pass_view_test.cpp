// The pass view: its AOS and LOS are the tool's for the same satellite and instant,
// for the selected satellite (before and during a pass) and in the 24-hour list; the
// plot's geometry and the countdown words.
#include "integration/program_runner.h"
#include "sky/pass_texts.h"
#include "test_station.h"
#include "ui/pass_polar_plot.h"
#include "ui/pass_view.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv;

namespace {

// The tool's passes of `name` from `fromUtc` over a day, AOS and LOS as it prints them.
std::vector<std::pair<QString, QString>> toolPasses(const test::TestStation& t, const QString& name,
                                                    const QString& fromUtc) {
    const QStringList arguments = {
        "passes",   "--elements", QString::fromStdString(t.programDir + "/orv_kite.txt"),
        "--name",   name,         "--lat",
        "-39.524",  "--lon",      "176.869",
        "--height", "7",          "--from",
        fromUtc,    "--days",     "1"};
    const test::ProgramRun run = test::runProgram(test::tool(), arguments, ":memory:");
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    std::vector<std::pair<QString, QString>> passes;
    for (const QString& line : run.out.split('\n', Qt::SkipEmptyParts).mid(1)) {
        const QStringList cells = line.split('\t');
        passes.emplace_back(cells[0], cells[4]);
    }
    return passes;
}

struct PassViewTest : ::testing::Test {
    // The station's clock reads UTC (entry 4 is 0), starting at `utc`.
    void startAt(const QString& utc) {
        t.clock.set(QDateTime::fromString(utc, "yyyy-MM-dd HH:mm:ss"));
        for (const char* name : {"ISS (ZARYA)", "AO-7"})
            t.station->satelliteDb().save(core::satelliteTemplate(false, name));
        t.start();
        t.tick();
        ASSERT_TRUE(t.station->selectByName("ISS (ZARYA)"));
        t.tick();
        view = std::make_unique<ui::PassView>(*t.station);
        view->refresh();
    }
    // The UTC clock time of a readout, as "YYYY-MM-DD hh:mm:ss" on the day of `like`.
    std::string utcOf(const char* readout, const QString& like) const {
        return (like.left(11) + view->readout(readout).section(' ', 1)).toStdString();
    }

    test::TestStation t;
    std::unique_ptr<ui::PassView> view;
};

} // namespace

TEST_F(PassViewTest, TheNextPassIsTheToolsFirstPass) {
    startAt("2018-01-20 21:00:00");
    const auto tool = toolPasses(t, "ISS (ZARYA)", "2018-01-20 21:00:00");
    ASSERT_FALSE(tool.empty());
    EXPECT_EQ(view->readout("title"), "Pass of ISS (ZARYA)");
    EXPECT_EQ(utcOf("aos", tool[0].first), tool[0].first.toStdString());
    EXPECT_EQ(utcOf("los", tool[0].second), tool[0].second.toStdString());
    // Local time is the clock's (offset 0 here), and the rise is still to come.
    EXPECT_EQ(view->readout("aos").section(' ', 0, 0), tool[0].first.mid(11));
    EXPECT_TRUE(view->readout("countdown").startsWith("AOS in "))
        << view->readout("countdown").toStdString();
    EXPECT_FALSE(view->plot().content().track.empty());
}

TEST_F(PassViewTest, APassUnderWayShowsItsTrueRiseAndCountsDownToTheSet) {
    const auto tool = [&] {
        test::TestStation scratch;
        return toolPasses(scratch, "ISS (ZARYA)", "2018-01-20 21:00:00");
    }();
    ASSERT_FALSE(tool.empty());
    // Two minutes after the rise.
    const QDateTime rise = QDateTime::fromString(tool[0].first, "yyyy-MM-dd HH:mm:ss");
    startAt(rise.addSecs(120).toString("yyyy-MM-dd HH:mm:ss"));
    EXPECT_EQ(utcOf("aos", tool[0].first), tool[0].first.toStdString());
    EXPECT_EQ(utcOf("los", tool[0].second), tool[0].second.toStdString());
    EXPECT_TRUE(view->readout("countdown").startsWith("LOS in "))
        << view->readout("countdown").toStdString();
    ASSERT_TRUE(view->plot().content().satellite.has_value());
    EXPECT_GT(view->plot().content().satellite->elevation, 0);
}

TEST_F(PassViewTest, TheDaysListHoldsEveryPassOfEveryListedSatelliteInOrder) {
    startAt("2018-01-20 21:00:00");
    auto& planner = view->planner();
    planner.startList(planner.now());
    while (planner.listStep()) {
    }
    ASSERT_TRUE(planner.listComplete());
    std::vector<std::pair<QString, QString>> expected;
    for (const char* name : {"ISS (ZARYA)", "AO-7"})
        for (const auto& pass : toolPasses(t, name, "2018-01-20 21:00:00"))
            expected.push_back(pass);
    std::sort(expected.begin(), expected.end());
    const QTableWidget& list = view->list();
    ASSERT_EQ(list.rowCount(), int(expected.size()));
    for (int row = 0; row < list.rowCount(); ++row) {
        const auto& [aos, los] = expected[size_t(row)];
        EXPECT_EQ(list.item(row, 2)->text().toStdString(), aos.mid(11).toStdString()) << row;
        EXPECT_EQ(list.item(row, 4)->text().toStdString(), los.mid(11).toStdString()) << row;
    }
}

TEST(PassPolarPlot, NorthIsUpEastRightAndTheZenithTheCentre) {
    const QPointF centre(100, 100);
    const auto near = [](QPointF a, QPointF b) { return QLineF(a, b).length() < 1e-9; };
    EXPECT_TRUE(near(ui::polarPosition(0, 0, centre, 90), {100, 10}));
    EXPECT_TRUE(near(ui::polarPosition(90, 0, centre, 90), {190, 100}));
    EXPECT_TRUE(near(ui::polarPosition(180, 45, centre, 90), {100, 145}));
    EXPECT_TRUE(near(ui::polarPosition(270, 90, centre, 90), centre));
}

TEST(PassTexts, CountdownAndLength) {
    sky::Pass pass;
    pass.aos = 100;
    pass.los = 100 + 600 / 86400.0;
    pass.clearFrom = pass.aos;
    pass.clearTo = pass.los;
    EXPECT_EQ(sky::passCountdown(pass, 100 - 3723 / 86400.0), "AOS in 1:02:03");
    EXPECT_EQ(sky::passCountdown(pass, 100 - 59 / 86400.0), "AOS in 00:59");
    EXPECT_EQ(sky::passCountdown(pass, 100 + 60 / 86400.0), "LOS in 09:00");
    EXPECT_EQ(sky::passCountdown(pass, pass.los + 1 / 86400.0), "passed");
    EXPECT_EQ(sky::passLength(pass.durationSeconds()), "10 min 0 s");
    EXPECT_EQ(sky::passLength(42), "42 s");
}

TEST(HeadlessPass, TheStatusLineCarriesTheToolsPass) {
    QTemporaryDir dir;
    const QString settings = dir.path() + "/settings.sqlite";
    ASSERT_EQ(test::runProgram(test::tool(), {"config", "defaults"}, settings).code, 0);
    ASSERT_EQ(
        test::runProgram(test::tool(), {"sat", "new", "iss (zarya)", "--digital"}, settings).code,
        0);
    QProcess station;
    station.setProcessEnvironment(test::cleanEnvironment(settings));
    station.start(test::station(4),
                  {"--headless", "--simulate", "--for", "2.5", "--time", "2018-01-20 21:00:00"});
    ASSERT_TRUE(station.waitForStarted());
    station.write("iss (zarya)\n");
    ASSERT_TRUE(station.waitForFinished(15000));
    const QString out = QString::fromUtf8(station.readAllStandardOutput());
    const test::ProgramRun passes =
        test::runProgram(test::tool(),
                         {"passes", "--elements", test::kBuild + "/ORV_KITE4/orv_kite.txt",
                          "--name", "ISS (ZARYA)", "--lat", "-39.524", "--lon", "176.869",
                          "--height", "7", "--from", "2018-01-20 21:00:00", "--days", "1"},
                         settings);
    const QStringList first = passes.out.split('\n').value(1).split('\t');
    ASSERT_GE(first.size(), 7) << passes.out.toStdString();
    const QString expected = QStringLiteral("pass_aos=%1 pass_max_el=%2 pass_los=%3")
                                 .arg(first[0].mid(11), first[3], first[4].mid(11));
    EXPECT_TRUE(out.contains("sat=ISS_(ZARYA) ")) << out.toStdString();
    EXPECT_TRUE(out.contains(expected)) << expected.toStdString() << "\n" << out.toStdString();

    // Without a selection there is no pass.
    const test::ProgramRun idle =
        test::runProgram(test::station(4), {"--headless", "--simulate", "--for", "1.5"}, settings);
    EXPECT_TRUE(idle.out.contains("sat=No_Satellite_selected ")) << idle.out.toStdString();
    EXPECT_TRUE(idle.out.contains("pass_aos=- pass_max_el=- pass_los=-")) << idle.out.toStdString();
}
