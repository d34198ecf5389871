// The orv_kite_tool commands; each takes the words after its name and returns the exit code.
#pragma once

#include <string>
#include <vector>

namespace orv::tools {

int configCommand(const std::vector<std::string>& words);
int satCommand(const std::vector<std::string>& words);
int timeCommand(const std::vector<std::string>& words);
int predictCommand(const std::vector<std::string>& words);
int passesCommand(const std::vector<std::string>& words);
int framesCommand(const std::vector<std::string>& words);
int ddePeerCommand(const std::vector<std::string>& words);
int mapCommand(const std::vector<std::string>& words);
int horizonCommand(const std::vector<std::string>& words);
int priorityCommand(const std::vector<std::string>& words);
int scheduleCommand(const std::vector<std::string>& words);

} // namespace orv::tools
