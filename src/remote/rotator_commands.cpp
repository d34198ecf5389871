#include "remote/rotator_commands.h"

#include <array>
#include <cstdio>

namespace orv::remote {

namespace {
constexpr int kNetworkRotatorModel = 2;

std::string fixed(const char* format, double value) {
    char text[48];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

Reply cmd_set_pos(RotatorSession& session, const Call& call) {
    const auto azimuth = numberArgument(call.arguments[0]);
    const auto elevation = numberArgument(call.arguments[1]);
    if (!azimuth || !elevation || !session.station.point(*azimuth, *elevation, session.client))
        return Reply::error(ErrorCode::InvalidArgument);
    return Reply::done();
}

Reply cmd_get_pos(RotatorSession& session, const Call&) {
    return Reply::value("Azimuth", fixed("%.2f", session.station.azimuthReading()))
        .and_("Elevation", fixed("%.2f", session.station.elevationReading()));
}

Reply cmd_stop(RotatorSession& session, const Call&) {
    session.station.stop();
    return Reply::done();
}

Reply cmd_park(RotatorSession& session, const Call&) {
    session.station.park();
    return Reply::done();
}

Reply cmd_move(RotatorSession& session, const Call& call) {
    const auto direction = wholeArgument(call.arguments[0]);
    const auto speed = wholeArgument(call.arguments[1]);
    if (!direction || !speed || !session.station.move(*direction, session.client))
        return Reply::error(ErrorCode::InvalidArgument);
    return Reply::done();
}

Reply cmd_get_info(RotatorSession&, const Call&) {
    return Reply::value("Info", "Orv_Kite interface box rotators");
}

// The travel the clients check positions against before they send them.
Reply cmd_dump_state(RotatorSession& session, const Call&) {
    const station::RemoteTravel travel = session.station.travel();
    Reply reply;
    for (std::string line :
         {std::string("1"), std::to_string(kNetworkRotatorModel),
          "min_az=" + fixed("%f", travel.minAzimuth), "max_az=" + fixed("%f", travel.maxAzimuth),
          "min_el=" + fixed("%f", travel.minElevation),
          "max_el=" + fixed("%f", travel.maxElevation), std::string("south_zero=0"),
          std::string("rot_type=AzEl"), std::string("done")})
        reply.and_({}, std::move(line));
    return reply;
}

Reply cmd_quit(RotatorSession&, const Call&) {
    Reply reply;
    reply.nothing = true; // the rotator server closes without a word
    reply.closeAfter = true;
    return reply;
}

constexpr std::array<Command<RotatorSession>, 10> kCommands{{
    {'P', "set_pos", 2, false, false, cmd_set_pos},
    {'p', "get_pos", 0, true, false, cmd_get_pos},
    {'S', "stop", 0, false, false, cmd_stop},
    {'K', "park", 0, false, false, cmd_park},
    {'M', "move", 2, false, false, cmd_move},
    {'_', "get_info", 0, true, false, cmd_get_info},
    {'\0', "dump_state", 0, true, false, cmd_dump_state},
    {'q', "quit", 0, false, false, cmd_quit},
    {'Q', "quit", 0, false, false, cmd_quit},
    {'\0', "exit", 0, false, false, cmd_quit},
}};
} // namespace

std::span<const Command<RotatorSession>> rotatorCommands() {
    return kCommands;
}

} // namespace orv::remote
