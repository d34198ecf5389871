// The sky's stored tables in ORV_SAT2: the horizon table ("horizan"), the auto-track
// priorities ("scheds", keyed like the satellite list) and the mean-anomaly schedule
// ("malist"). Editors, the station and the tool all read and write them here.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orv::core {

class SettingsStore;

inline constexpr const char* kSkyApplication = "ORV_SAT2";

// Horizon table: 36 segments of 10 degrees, each the highest elevation of the obstruction.
inline constexpr int kHorizonSegments = 36;
using HorizonTexts = std::array<std::string, kHorizonSegments>; // segment s at [s-1]
using HorizonSegments = std::array<double, kHorizonSegments>;

// Writes the marker and 36 zeros unless the marker already reads 1; true when it wrote.
bool ensureHorizonTable(SettingsStore& store);
HorizonTexts readHorizonTexts(const SettingsStore& store);
HorizonSegments readHorizonSegments(const SettingsStore& store);
// All 36 segments in one transaction.
void writeHorizonTexts(SettingsStore& store, const HorizonTexts& texts);
// "0 to 10" for segment 1, then "11 to 20" ... "351 to 360".
std::string horizonSegmentLabel(int segment);

// Auto-track priorities: a whole number 1..10 (10 the highest); 0 means none.
inline constexpr int kHighestPriority = 10;
// At most this many list entries take part in auto-tracking.
inline constexpr int kAutoTrackListLimit = 30;
// The priority a stored text stands for: its leading number when that is a whole 1..10.
int priorityValue(std::string_view text);
// What a priority box is stored as: the whole number 1..10 it holds, else empty.
std::string priorityText(std::string_view box);
// The texts of list positions 1..count (keys 2..count+1).
std::vector<std::string> readPriorityTexts(const SettingsStore& store, int count);
std::vector<int> readPriorities(const SettingsStore& store, int count);
// Writes list positions 1..texts.size() (keys 2..) in one transaction.
void writePriorityTexts(SettingsStore& store, const std::vector<std::string>& texts);

// Mean-anomaly schedule: key k at [k-1]. Key 1 the satellite's name, keys 2..6 the first
// column of rows 2..6 (0 ends the schedule), keys 7..12 the last MA of rows 1..6, keys 13
// and 14 the attitude ALON and ALAT.
inline constexpr int kScheduleKeys = 14;
inline constexpr int kScheduleRows = 6;
using ScheduleTexts = std::array<std::string, kScheduleKeys>;
ScheduleTexts readSchedule(const SettingsStore& store);
void writeSchedule(SettingsStore& store, const ScheduleTexts& texts);
// The name a schedule without a satellite carries.
inline constexpr const char* kSampleScheduleName = "Sample Entry";
// What "Default" puts in the boxes: no schedule, one row over the whole orbit, no attitude.
ScheduleTexts defaultSchedule();

} // namespace orv::core
