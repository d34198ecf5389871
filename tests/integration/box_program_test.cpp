// The station on the simulated interface box, run as an operator runs it:
// headless, with --simulate on each variant, and with a silent box.
#include "program_runner.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv::test;

namespace {

struct StationRun {
    QString out, err;
    int code = -1;
    QString lastStatus() const {
        const QStringList lines = out.split('\n', Qt::SkipEmptyParts);
        return lines.isEmpty() ? QString() : lines.back();
    }
};

// A station with the default configuration of `variant` and one satellite, run for
// `seconds` with `arguments`; `typed` goes to its standard input.
StationRun runStation(int variant, const QStringList& arguments, double seconds,
                      const QString& typed = {}) {
    QTemporaryDir dir;
    const QString settings = dir.path() + "/settings.sqlite";
    const QString variantArgument = QString::number(variant);
    EXPECT_EQ(
        runProgram(tool(), {"config", "defaults", "--variant", variantArgument}, settings).code, 0);
    EXPECT_EQ(runProgram(tool(), {"sat", "new", "iss (zarya)", "--digital"}, settings).code, 0);
    QProcess process;
    process.setProcessEnvironment(cleanEnvironment(settings));
    process.start(station(variant),
                  QStringList{"--headless", "--for", QString::number(seconds)} + arguments);
    EXPECT_TRUE(process.waitForStarted());
    if (!typed.isEmpty()) process.write(typed.toUtf8());
    StationRun run;
    if (!process.waitForFinished(static_cast<int>(seconds * 1000) + 20000)) {
        process.kill();
        process.waitForFinished();
    }
    run.code = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

TEST(BoxProgram, SimulatedBoxOfEachVariantIsPresentAndTakesFrames) {
    for (const int variant : {3, 4}) {
        const StationRun run = runStation(variant, {"--simulate", "--verbose"}, 3, "iss (zarya)\n");
        EXPECT_EQ(run.code, 0) << variant << run.err.toStdString();
        EXPECT_TRUE(run.lastStatus().contains(
            QRegularExpression(" box=present rot_az_count=\\d+ rot_el_count=\\d+")))
            << variant << ": " << run.out.toStdString();
        EXPECT_TRUE(run.err.contains("sim: frame: azimuth ")) << variant << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("sim: reset by the lines")) << variant; // the exit routine
        EXPECT_FALSE(run.err.contains("is NOT fitted")) << variant;
    }
}

TEST(BoxProgram, ASilentSerialBoxShowsAbsent) {
    const StationRun run = runStation(4, {"--simulate=silent@2", "--verbose"}, 4.5);
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(" box=present ")) << run.out.toStdString();
    EXPECT_TRUE(run.lastStatus().contains(" box=absent ")) << run.out.toStdString();
    EXPECT_TRUE(run.err.contains("sim: fault: the box stops answering")) << run.err.toStdString();
}

TEST(BoxProgram, ASilentParallelBoxEndsInTheFaultMessageAndDemonstrationMode) {
    const StationRun run = runStation(3, {"--simulate=silent"}, 11);
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("There are 5 possible causes for this fault."))
        << run.err.toStdString();
    EXPECT_TRUE(run.lastStatus().contains(" box=demo ")) << run.out.toStdString();
}

// A mistyped fault is a mistyped command line: named with the known ones, and no run.
TEST(BoxProgram, AnUnknownFaultIsNamedAndNothingRuns) {
    const StationRun run = runStation(4, {"--simulate=loud"}, 1.5);
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.err.contains("unknown simulated fault \"loud\" (known: silent,"))
        << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
}

} // namespace
