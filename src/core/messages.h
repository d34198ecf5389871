// The numbered operator messages and the start-up failure boxes: their texts.
// What each message does besides showing itself is the station's business.
#pragma once

#include <optional>
#include <string>

namespace orv::core {

// Text of message n (1 to 8, 11) with its closing line; nothing for other numbers.
// `programDir` fills the line of message 6.
std::optional<std::string> messageText(int n, const std::string& programDir,
                                       const std::string& closingLine);

std::string mapPicturesMissingText();
std::string elementFileMissingText(const std::string& configuredPath);
std::string elementFileCorruptText();
std::string cleanRegistryQuestion();

} // namespace orv::core
