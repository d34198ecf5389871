#include "platform/launcher.h"

#include <QProcess>
#include <QStringList>

namespace orv::platform {

bool ProcessLauncher::startDetached(const std::string& program,
                                    const std::vector<std::string>& arguments,
                                    const std::string& workingDir, std::string& error) {
    QStringList args;
    for (const auto& argument : arguments)
        args << QString::fromStdString(argument);
    QProcess process;
    process.setProgram(QString::fromStdString(program));
    process.setArguments(args);
    process.setWorkingDirectory(QString::fromStdString(workingDir));
    if (process.startDetached()) return true;
    error = "cannot start " + program + ": " + process.errorString().toStdString();
    return false;
}

bool RecordingLauncher::startDetached(const std::string& program,
                                      const std::vector<std::string>& arguments,
                                      const std::string& workingDir, std::string& error) {
    starts.push_back({program, arguments, workingDir});
    if (fail) error = "cannot start " + program;
    return !fail;
}

} // namespace orv::platform
