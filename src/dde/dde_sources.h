// The five tracking programs the station can follow, in the order start-up tries
// them, with the conversation each is read by and how its reply is read.
#pragma once

#include "dde/source_reading.h"

#include <span>
#include <string_view>

namespace orv::dde {

struct DdeSource {
    int trackingSource;      // the main loop's source number
    const char* program;     // as the operator knows it
    const char* application; // the name it serves under
    const char* linkTopic;   // application|topic of the poll
    const char* probeTopic;  // application|topic of the start-up probe
    const char* item;
    const char* pollRoutine;   // for the log
    const char* linkedCaption; // start-up status once it answered
    // Status while the program tracks nothing (null: the poll leaves the status alone).
    const char* idleCaption;
    const char* replyLineEnd; // what the program ends its reply with
    bool suppliesPosition;    // the program's position is tracked, not the station's own
    SourceReading (*read)(std::string_view reply);
};

// In probe order: WISP, Nova for Windows, WinOrbit, WXtrack, SatPC32.
std::span<const DdeSource> ddeSources();
// The source of a tracking-source number; null for the sources that are not programs.
const DdeSource* ddeSourceNumbered(int trackingSource);
// By application name, without regard to case; null when there is none.
const DdeSource* ddeSourceServedAs(std::string_view application);

inline constexpr int kNovaSource = 3;

} // namespace orv::dde
