// Runs the real programs as an operator does: headless, without a display, in a
// settings store of the test's own.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace orv::test {

inline const QString kBuild = QStringLiteral(ORV_BUILD_DIR);

struct ProgramRun {
    int code = -1;
    QString out, err;
};

inline QProcessEnvironment cleanEnvironment(const QString& settings) {
    auto env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("ORV_KITE_SETTINGS", settings);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    return env;
}

inline ProgramRun runProgram(const QString& program, const QStringList& arguments,
                             const QString& settings, int timeoutMs = 20000) {
    QProcess process;
    process.setProcessEnvironment(cleanEnvironment(settings));
    process.start(program, arguments);
    ProgramRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.err = "timed out";
        return run;
    }
    run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

inline QString station(int variant) {
    return kBuild + QStringLiteral("/ORV_KITE%1/orv_kite").arg(variant);
}
inline QString tool() {
    return kBuild + "/orv_kite_tool";
}

} // namespace orv::test
