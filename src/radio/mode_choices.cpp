#include "radio/mode_choices.h"

#include <array>

namespace orv::radio {

namespace {

using namespace std::string_view_literals;

constexpr std::array kIcom{"FM"sv,   "FMN"sv, "FMW"sv, "USB"sv, "LSB"sv,   "CW"sv,     "CWN"sv,
                           "CW-R"sv, "AM"sv,  "AMN"sv, "AMW"sv, "CW(N)"sv, "CW-R(N)"sv};
constexpr std::array kIcomR8500{"FM"sv, "FMN"sv, "FMW"sv, "USB"sv, "LSB"sv,
                                "CW"sv, "CWN"sv, "AM"sv,  "AMN"sv, "AMW"sv};
constexpr std::array kIcomR9000{"FM"sv, "FMW"sv, "USB"sv, "LSB"sv};
constexpr std::array kKenwood{"FM"sv, "USB"sv, "LSB"sv, "CW"sv, "CWN"sv, "AM"sv};
constexpr std::array kFt736{"FM"sv, "FMN"sv, "USB"sv, "LSB"sv, "CW"sv, "CWN"sv};
constexpr std::array kFt847{"FM"sv, "USB"sv,   "LSB"sv,     "CW"sv,   "CW-R"sv,
                            "AM"sv, "CW(N)"sv, "CW-R(N)"sv, "AM(N)"sv};
constexpr std::array kFt757{"FM"sv, "USB"sv, "LSB"sv, "CW"sv, "CWN"sv, "AM"sv};
constexpr std::array kFt100{"FM"sv, "FMW"sv, "USB"sv, "LSB"sv, "CW"sv, "CW-R"sv, "AM"sv};
constexpr std::array kFt1000{"FM"sv, "USB"sv, "LSB"sv, "CW"sv, "CWN"sv, "AM"sv, "AMN"sv};
constexpr std::array kVr5000{"FM"sv, "WFM"sv, "USB"sv, "LSB"sv, "CW"sv, "AM"sv, "AMN"sv, "AMW"sv};
constexpr std::array kPcr1000{"FM,15KHZ"sv, "NBFM,15KHZ"sv, "WFM,230KHZ"sv, "USB,3KHZ"sv,
                              "LSB,3KHZ"sv, "USB,2K8"sv,    "CW,2K8"sv,     "AM,6KHZ"sv};
constexpr std::array kAor{
    "VE,MD3,BW1,ST100,SJ2,AN4"sv, "VE,MD0"sv, "VE,MD1"sv, "VE,MD2"sv, "VE,MD3"sv, "VE,MD4"sv};

} // namespace

std::span<const std::string_view> modeChoices(RadioFamily family) {
    switch (family) {
    case RadioFamily::Icom:
    case RadioFamily::Ic910:
        return kIcom;
    case RadioFamily::IcomR8500:
        return kIcomR8500;
    case RadioFamily::IcomR9000:
        return kIcomR9000;
    case RadioFamily::Kenwood:
    case RadioFamily::Ts2000:
        return kKenwood;
    case RadioFamily::Ft736:
        return kFt736;
    case RadioFamily::Ft847:
        return kFt847;
    case RadioFamily::Ft757:
        return kFt757;
    case RadioFamily::Ft100:
        return kFt100;
    case RadioFamily::Ft1000:
        return kFt1000;
    case RadioFamily::Vr5000:
        return kVr5000;
    case RadioFamily::Pcr1000:
        return kPcr1000;
    case RadioFamily::Aor:
        return kAor;
    case RadioFamily::None:
        break;
    }
    return {};
}

} // namespace orv::radio
