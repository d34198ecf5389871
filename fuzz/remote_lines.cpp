// Network control: a client's bytes, arriving in pieces of any size, cut into lines
// and answered by the rotator or the radio protocol on a started station, a tick of
// the main loop after each line.
#include "fuzz_input.h"
#include "remote/line_framer.h"
#include "remote/radio_commands.h"
#include "remote/rotator_commands.h"
#include "station/station_remote.h"
#include "test_station.h"

#include <QCoreApplication>

using namespace orv;

namespace {

constexpr int kMostLines = 16;

void ensureApplication() {
    static int argc = 1;
    static char name[] = "fuzz_remote_lines";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

// Every reply is whole lines, as a client reads them.
template <class Session>
bool answer(std::span<const remote::Command<Session>> table, Session& session,
            const std::string& line) {
    const remote::Answer answer = remote::answerLine(table, session, line);
    fuzz::check(answer.bytes.empty() || answer.bytes.back() == '\n', "a reply ends its line");
    return !answer.close;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ensureApplication();
    fuzz::FuzzInput input(data, size);
    const uint8_t setUp = input.byte();
    test::TestStation station(setUp & 1 ? 3 : 4);
    station.start();
    auto& remote = station.station->remote();
    remote::RotatorSession rotator{remote, 1};
    remote::RadioSession radio{remote, 2, [](const std::string&) {}};
    const bool radioClient = setUp & 2;

    remote::LineFramer framer;
    int lines = 0;
    while (!input.empty() && lines < kMostLines) {
        const auto piece = input.bytes(input.byte() % 64);
        const auto framed =
            framer.feed({reinterpret_cast<const char*>(piece.data()), piece.size()});
        for (const auto& line : framed.lines) {
            const bool open = radioClient ? answer(remote::radioCommands(), radio, line)
                                          : answer(remote::rotatorCommands(), rotator, line);
            station.tick();
            if (!open || ++lines == kMostLines) return 0;
        }
        if (framed.overlong) return 0; // the server closes such a connection
    }
    return 0;
}
