// Starting an external program, detached and without a shell.
#pragma once

#include <string>
#include <vector>

namespace orv::platform {

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts `program` with `arguments` in `workingDir`; false and `error` set on failure.
    virtual bool startDetached(const std::string& program,
                               const std::vector<std::string>& arguments,
                               const std::string& workingDir, std::string& error) = 0;
};

class ProcessLauncher final : public Launcher {
public:
    bool startDetached(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingDir, std::string& error) override;
};

// Records what would have been started.
class RecordingLauncher final : public Launcher {
public:
    struct Start {
        std::string program;
        std::vector<std::string> arguments;
        std::string workingDir;
    };
    bool startDetached(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingDir, std::string& error) override;
    std::vector<Start> starts;
    bool fail = false;
};

} // namespace orv::platform
