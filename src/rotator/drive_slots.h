// The frame slots of the rotator drive (targets, flags, deadbands) on each box variant.
#pragma once

namespace orv::rotator {

namespace parallel_slots {
inline constexpr int kFrameMark = 1, kEndMark = 65;
inline constexpr int kAzHigh = 45, kAzLow = 46, kElHigh = 47, kElLow = 48;
inline constexpr int kAzDeadband = 49, kElDeadband = 50;
inline constexpr int kFirstOneShot = 56, kLastOneShot = 59;
inline constexpr int kDrive = 62, kAzStop = 63, kElStop = 64;
} // namespace parallel_slots

namespace serial_slots {
inline constexpr int kSendFlag = 23, kReadFlag = 24;
inline constexpr int kAzLow = 30, kAzHigh = 31, kElLow = 32, kElHigh = 33;
inline constexpr int kAzDrive = 34, kElDrive = 35;
inline constexpr int kAzDeadband = 36, kElDeadband = 37;
} // namespace serial_slots

} // namespace orv::rotator
