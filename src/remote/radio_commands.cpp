#include "remote/radio_commands.h"

#include "remote/radio_state_dump.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace orv::remote {

namespace {
using station::RemoteLink;

// Above this a frequency is not one any radio of the list tunes, Hz.
constexpr double kHighestHz = 99e9;

struct Passband {
    std::string_view mode;
    int hz;
};
constexpr Passband kPassbands[] = {{"USB", 2400}, {"LSB", 2400}, {"CW", 500},    {"CWR", 500},
                                   {"FM", 15000}, {"AM", 6000},  {"WFM", 230000}};

int passbandOf(const std::string& mode) {
    for (const auto& passband : kPassbands)
        if (passband.mode == mode) return passband.hz;
    return 0;
}

std::string wholeHz(double hz) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", hz);
    return text;
}

std::string upper(std::string text) {
    for (auto& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The link a VFO stands for; the current VFO when none (or "currVFO") is named.
RemoteLink linkOf(const RadioSession& session, const std::string& named) {
    const std::string& vfo =
        named.empty() || named == "currVFO" || named == "VFO" ? session.vfo : named;
    static constexpr std::string_view kTransmitVfos[] = {"VFOB", "Sub",  "SubA",
                                                         "SubB", "SubC", "TX"};
    const bool transmit = std::find(std::begin(kTransmitVfos), std::end(kTransmitVfos), vfo) !=
                          std::end(kTransmitVfos);
    return transmit ? RemoteLink::Uplink : RemoteLink::Downlink;
}

Reply noRadios(RadioSession& session) {
    if (!session.operatorTold && session.tellOperator)
        session.tellOperator(session.station.radiosUnavailable());
    session.operatorTold = true;
    return Reply::error(ErrorCode::NotAvailable);
}

Reply setFrequency(RadioSession& session, RemoteLink link, const std::string& text) {
    const auto hz = numberArgument(text);
    if (!hz || *hz <= 0 || *hz > kHighestHz) return Reply::error(ErrorCode::InvalidArgument);
    if (!session.station.tune(link, *hz, session.client)) return noRadios(session);
    session.setHz[size_t(link)] = *hz;
    return Reply::done();
}

std::optional<double> frequencyOf(const RadioSession& session, RemoteLink link) {
    if (session.setHz[size_t(link)]) return session.setHz[size_t(link)];
    return session.station.stationHz(link);
}

Reply getFrequency(RadioSession& session, RemoteLink link, const char* label) {
    const auto hz = frequencyOf(session, link);
    if (!hz) return noRadios(session);
    return Reply::value(label, wholeHz(*hz));
}

Reply cmd_set_freq(RadioSession& session, const Call& call) {
    return setFrequency(session, linkOf(session, call.vfo), call.arguments[0]);
}

Reply cmd_get_freq(RadioSession& session, const Call& call) {
    return getFrequency(session, linkOf(session, call.vfo), "Frequency");
}

Reply cmd_set_split_freq(RadioSession& session, const Call& call) {
    return setFrequency(session, RemoteLink::Uplink, call.arguments[0]);
}

Reply cmd_get_split_freq(RadioSession& session, const Call&) {
    return getFrequency(session, RemoteLink::Uplink, "TX Frequency");
}

// The two links always have their own radios (or bands): split is taken as said.
Reply cmd_set_split_vfo(RadioSession& session, const Call& call) {
    const auto split = wholeArgument(call.arguments[0]);
    if (!split || *split < 0 || *split > 1 || !vfoName(call.arguments[1]))
        return Reply::error(ErrorCode::InvalidArgument);
    session.split = *split;
    session.txVfo = call.arguments[1];
    return Reply::done();
}

Reply cmd_get_split_vfo(RadioSession& session, const Call&) {
    return Reply::value("Split", std::to_string(session.split)).and_("TX VFO", session.txVfo);
}

Reply cmd_set_vfo(RadioSession& session, const Call& call) {
    const std::string& vfo = call.arguments[0];
    if (!vfoName(vfo)) return Reply::error(ErrorCode::InvalidArgument);
    if (vfo != "currVFO") session.vfo = vfo;
    return Reply::done();
}

Reply cmd_get_vfo(RadioSession& session, const Call&) {
    return Reply::value("VFO", session.vfo);
}

// The modes are the satellite record's: a client may confirm one, not change it.
Reply cmd_set_mode(RadioSession& session, const Call& call) {
    const std::string mode = session.station.mode(linkOf(session, call.vfo));
    if (mode.empty()) return noRadios(session);
    if (call.arguments.size() > 1 && !numberArgument(call.arguments[1]))
        return Reply::error(ErrorCode::InvalidArgument);
    if (upper(call.arguments[0]) != upper(mode)) return Reply::error(ErrorCode::NotAvailable);
    return Reply::done();
}

Reply cmd_get_mode(RadioSession& session, const Call& call) {
    const std::string mode = upper(session.station.mode(linkOf(session, call.vfo)));
    if (mode.empty()) return noRadios(session);
    return Reply::value("Mode", mode).and_("Passband", std::to_string(passbandOf(mode)));
}

Reply cmd_set_ptt(RadioSession& session, const Call& call) {
    const auto ptt = wholeArgument(call.arguments[0]);
    if (!ptt || *ptt < 0 || *ptt > 3) return Reply::error(ErrorCode::InvalidArgument);
    if (!session.station.ptt(*ptt != 0)) return Reply::error(ErrorCode::NotAvailable);
    session.ptt = *ptt != 0;
    return Reply::done();
}

Reply cmd_get_ptt(RadioSession& session, const Call&) {
    return Reply::value("PTT", std::to_string(session.ptt));
}

Reply cmd_dump_state(RadioSession& session, const Call&) {
    Reply reply;
    for (auto& line : radioStateLines(session.station.pttAvailable()))
        reply.and_({}, std::move(line));
    return reply;
}

Reply cmd_chk_vfo(RadioSession& session, const Call&) {
    Reply reply = Reply::value("ChkVFO", session.vfoDialect ? "1" : "0");
    reply.bare = true;
    return reply;
}

Reply cmd_set_vfo_opt(RadioSession& session, const Call& call) {
    const auto on = wholeArgument(call.arguments[0]);
    if (!on) return Reply::error(ErrorCode::InvalidArgument);
    session.vfoDialect = *on != 0;
    return Reply::done();
}

Reply cmd_get_vfo_info(RadioSession& session, const Call& call) {
    if (!vfoName(call.arguments[0])) return Reply::error(ErrorCode::InvalidArgument);
    const RemoteLink link = linkOf(session, call.arguments[0]);
    const auto hz = frequencyOf(session, link);
    const std::string mode = upper(session.station.mode(link));
    if (!hz || mode.empty()) return noRadios(session);
    return Reply::value("Freq", wholeHz(*hz))
        .and_("Mode", mode)
        .and_("Width", std::to_string(passbandOf(mode)))
        .and_("Split", std::to_string(session.split))
        .and_("SatMode", "0");
}

Reply cmd_get_powerstat(RadioSession&, const Call&) {
    return Reply::value("Power Status", "1");
}

Reply cmd_get_info(RadioSession&, const Call&) {
    return Reply::value("Info", "Orv_Kite station radios");
}

Reply cmd_quit(RadioSession&, const Call&) {
    Reply reply;
    reply.closeAfter = true; // the radio server answers first, then closes
    return reply;
}

constexpr std::array<Command<RadioSession>, 21> kCommands{{
    {'F', "set_freq", 1, false, true, cmd_set_freq},
    {'f', "get_freq", 0, true, true, cmd_get_freq},
    {'I', "set_split_freq", 1, false, true, cmd_set_split_freq},
    {'i', "get_split_freq", 0, true, true, cmd_get_split_freq},
    {'S', "set_split_vfo", 2, false, true, cmd_set_split_vfo},
    {'s', "get_split_vfo", 0, true, true, cmd_get_split_vfo},
    {'V', "set_vfo", 1, false, false, cmd_set_vfo},
    {'v', "get_vfo", 0, true, false, cmd_get_vfo},
    {'M', "set_mode", 1, false, true, cmd_set_mode},
    {'m', "get_mode", 0, true, true, cmd_get_mode},
    {'T', "set_ptt", 1, false, true, cmd_set_ptt},
    {'t', "get_ptt", 0, true, true, cmd_get_ptt},
    {'_', "get_info", 0, true, false, cmd_get_info},
    {'\0', "dump_state", 0, true, false, cmd_dump_state},
    {'\0', "chk_vfo", 0, true, false, cmd_chk_vfo},
    {'\0', "set_vfo_opt", 1, false, false, cmd_set_vfo_opt},
    {'\0', "get_vfo_info", 1, true, false, cmd_get_vfo_info},
    {'\0', "get_powerstat", 0, true, false, cmd_get_powerstat},
    {'q', "quit", 0, false, false, cmd_quit},
    {'Q', "quit", 0, false, false, cmd_quit},
    {'\0', "exit", 0, false, false, cmd_quit},
}};
} // namespace

std::span<const Command<RadioSession>> radioCommands() {
    return kCommands;
}

} // namespace orv::remote
