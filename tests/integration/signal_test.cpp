// The station ended by a signal, as a service manager or a terminal ends it: the exit
// routine runs (box reset, running flag removed) and the status is that of the Exit button.
#include "core/settings_store.h"
#include "program_runner.h"

#include <QProcess>
#include <QTemporaryDir>
#include <array>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>

using namespace orv::test;

namespace {

TEST(Signals, TermIntAndHupRunTheExitRoutine) {
    const std::array endSignals{SIGTERM, SIGINT, SIGHUP};
    QTemporaryDir dir;
    std::array<std::unique_ptr<QProcess>, endSignals.size()> stations;
    for (size_t i = 0; i < endSignals.size(); ++i) {
        const QString settings = dir.path() + QString("/settings%1.sqlite").arg(i);
        ASSERT_EQ(runProgram(tool(), {"config", "defaults"}, settings).code, 0);
        stations[i] = std::make_unique<QProcess>();
        stations[i]->setProcessEnvironment(cleanEnvironment(settings));
        stations[i]->start(station(4), {"--headless", "--simulate", "--verbose", "--for", "30"});
    }
    for (size_t i = 0; i < endSignals.size(); ++i) {
        SCOPED_TRACE(sigabbrev_np(endSignals[i]));
        QProcess& process = *stations[i];
        // Running: its first status line is out, so the running flag is up.
        ASSERT_TRUE(process.waitForReadyRead(15000));
        const QString settings = dir.path() + QString("/settings%1.sqlite").arg(i);
        EXPECT_EQ(orv::core::SettingsStore(settings.toStdString()).get("ORVTUNE", "START", "1"),
                  "1");
        ::kill(static_cast<pid_t>(process.processId()), endSignals[i]);
        ASSERT_TRUE(process.waitForFinished(10000)) << "the signal did not end the run";
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        const QString announced =
            QString("SIG%1: running the exit routine").arg(sigabbrev_np(endSignals[i]));
        const auto at = err.indexOf(announced);
        ASSERT_GE(at, 0) << err.toStdString();
        EXPECT_GE(err.indexOf("sim: reset by the lines", at), 0) << "the box was not reset";
        EXPECT_EQ(orv::core::SettingsStore(settings.toStdString()).get("ORVTUNE", "START", "1"),
                  "");
    }
}

} // namespace
