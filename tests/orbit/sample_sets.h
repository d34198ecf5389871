// Element lines the orbit tests share: two sets of the sample element file.
#pragma once

namespace orv::test {

inline constexpr const char* kIss1 =
    "1 25544U 98067A   18020.89808844  .00002078  00000-0  38550-4 0  9992";
inline constexpr const char* kIss2 =
    "2 25544  51.6424  32.9776 0003646  28.7227  39.5332 15.54190080 95614";
inline constexpr const char* kAo7_1 =
    "1 07530U 74089B   18020.92882759 -.00000031  00000-0  83259-4 0  9990";
inline constexpr const char* kAo7_2 =
    "2 07530 101.6660 350.5859 0011799 260.7489 115.8236 12.53630761975916";

} // namespace orv::test
