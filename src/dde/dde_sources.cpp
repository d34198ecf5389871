#include "dde/dde_sources.h"

#include "dde/name_replies.h"
#include "dde/nova_reply.h"

#include <array>
#include <cctype>

namespace orv::dde {

namespace {

constexpr const char* kMonitoringSatPc32 =
    "Orv_Kite is DDE linked to the SatPC32 program and monitoring  activity";
constexpr const char* kMonitoringWxTrack =
    "Orv_Kite is DDE linked to the WxTrack program and monitoring  activity";

constexpr std::array kSources{
    DdeSource{.trackingSource = 2,
              .program = "WISP",
              .application = "GSC",
              .linkTopic = "GSC|Tracking",
              .probeTopic = "GSC|Tracking",
              .item = "General",
              .pollRoutine = "lbl_DDEGet_DblClick",
              .linkedCaption = "Interfaced with the WISP program.",
              .idleCaption = nullptr,
              .replyLineEnd = "",
              .suppliesPosition = false,
              .read = readWispReply},
    DdeSource{.trackingSource = kNovaSource,
              .program = "Nova for Windows",
              .application = "NFW32",
              .linkTopic = "NFW32|NFW_DATA",
              .probeTopic = "NFW32|NFW_DATA",
              .item = "NFW_SERVER",
              .pollRoutine = "novadde_Click",
              .linkedCaption = "Interfaced with the Nova for Windows program.",
              .idleCaption = nullptr,
              .replyLineEnd = "\r\n",
              .suppliesPosition = true,
              .read = readNovaReply},
    DdeSource{.trackingSource = 4,
              .program = "WinOrbit",
              .application = "WinOrbit",
              .linkTopic = "WinOrbit|TrackingInfo",
              .probeTopic = "WinOrbit|trackingInfo",
              .item = "SatelliteName",
              .pollRoutine = "winorb_Click",
              .linkedCaption = "Interfaced with the WinOrbit program.",
              .idleCaption = nullptr,
              .replyLineEnd = "",
              .suppliesPosition = false,
              .read = readWinOrbitReply},
    DdeSource{.trackingSource = 5,
              .program = "WXtrack",
              .application = "WXTrack",
              .linkTopic = "WXTrack|Tracking",
              .probeTopic = "WXTrack|Tracking",
              .item = "Tracking",
              .pollRoutine = "wxdde_Click",
              .linkedCaption = "Interfaced with the WXTrax program.",
              .idleCaption = kMonitoringWxTrack,
              .replyLineEnd = "\r\n",
              .suppliesPosition = false,
              .read = readWxTrackReply},
    DdeSource{.trackingSource = 6,
              .program = "SatPC32",
              .application = "SatPC32",
              .linkTopic = "SatPC32|DdeServConv",
              .probeTopic = "SatPC32|DdeServConv",
              .item = "DdeServItem",
              .pollRoutine = "satpc32_dde_Click",
              .linkedCaption = "Interfaced with the SatPC32 program.",
              .idleCaption = kMonitoringSatPc32,
              .replyLineEnd = "\r\n",
              .suppliesPosition = false,
              .read = readSatPc32Reply},
};

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

std::span<const DdeSource> ddeSources() {
    return kSources;
}

const DdeSource* ddeSourceNumbered(int trackingSource) {
    for (const auto& source : kSources)
        if (source.trackingSource == trackingSource) return &source;
    return nullptr;
}

const DdeSource* ddeSourceServedAs(std::string_view application) {
    for (const auto& source : kSources)
        if (sameName(source.application, application)) return &source;
    return nullptr;
}

} // namespace orv::dde
