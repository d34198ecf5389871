#include "dde/name_replies.h"

#include "core/number_text.h"

#include <cctype>

namespace orv::dde {

namespace {

SourceReading namedOrNone(std::string_view name) {
    std::string clean = core::trimmed(name);
    if (clean.empty()) return SourceReading::none();
    return SourceReading::satellite(std::move(clean));
}

bool readsAsNumber(std::string_view figure) {
    for (char c : figure)
        if (std::isdigit(static_cast<unsigned char>(c))) return true;
    return false;
}

} // namespace

std::string_view withoutLineEnd(std::string_view reply) {
    if (!reply.empty() && reply.back() == '\n') reply.remove_suffix(1);
    if (!reply.empty() && reply.back() == '\r') reply.remove_suffix(1);
    return reply;
}

SourceReading readWispReply(std::string_view reply) {
    const std::string text = core::trimmed(withoutLineEnd(reply));
    if (text.empty()) return SourceReading::unreadable("empty reply");
    if (text.size() >= 5 && text.compare(3, 2, "NO") == 0) return SourceReading::none();
    const auto az = text.find("AZ");
    if (az == std::string::npos) return SourceReading::unreadable("no \"AZ\" in the reply");
    if (az < 3) return SourceReading::none();
    return namedOrNone(std::string_view(text).substr(2, az - 3));
}

SourceReading readWinOrbitReply(std::string_view reply) {
    return namedOrNone(withoutLineEnd(reply));
}

SourceReading readWxTrackReply(std::string_view reply) {
    const std::string_view text = withoutLineEnd(reply);
    const auto sn = text.find("SN");
    if (sn == std::string_view::npos) return SourceReading::unreadable("no \"SN\" in the reply");
    const auto el = text.substr(0, sn).find("EL");
    if (el != std::string_view::npos) {
        const auto figure = text.substr(el + 2, std::min<std::size_t>(3, sn - el - 2));
        if (readsAsNumber(figure) && core::leadingNumber(figure) < 0) return SourceReading::none();
    }
    std::string_view name = text.substr(sn + 2);
    const auto bracket = name.find('(');
    if (bracket != std::string_view::npos && name.find("-(") == std::string_view::npos)
        name = name.substr(0, bracket);
    return namedOrNone(name);
}

SourceReading readSatPc32Reply(std::string_view reply) {
    const std::string_view text = withoutLineEnd(reply);
    const auto standby = text.find("Standby");
    if (standby != std::string_view::npos && text.substr(standby) == "Standby")
        return SourceReading::none();
    return namedOrNone(text);
}

} // namespace orv::dde
