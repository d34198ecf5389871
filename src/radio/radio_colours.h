// The colours the radio labels take beyond the panel's common ones (0x00BBGGRR).
#pragma once

namespace orv::radio::colours {
inline constexpr int kGrey = 0xC0C0C0;
inline constexpr int kLightRed = 0xC0C0FF; // the mode of a link its converter inverts
inline constexpr int kDarkBlue = 0x800000;
inline constexpr int kBlue = 0xFF0000;
} // namespace orv::radio::colours
