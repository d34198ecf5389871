// orv_kite_tool: utilities on the station's libraries.
#include "tools/commands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct Command {
    const char* name;
    const char* summary;
    int (*run)(const std::vector<std::string>&);
};

constexpr std::array kCommands{
    Command{"config", "show and change the station configuration", orv::tools::configCommand},
    Command{"sat", "list, edit, export and import the satellite database", orv::tools::satCommand},
    Command{"time", "day number, UTC fraction and UTC text of a local clock reading",
            orv::tools::timeCommand},
    Command{"predict",
            "positions of a satellite from an element file, as the station "
            "computes them",
            orv::tools::predictCommand},
    Command{"passes", "the passes of a satellite over an observer", orv::tools::passesCommand},
    Command{"frames", "the radio frames the box would receive for a satellite (dry run)",
            orv::tools::framesCommand},
    Command{"dde-peer", "play a tracking program on its local socket for linked mode",
            orv::tools::ddePeerCommand},
    Command{"horizon", "show and change the horizon table", orv::tools::horizonCommand},
    Command{"priority", "the auto-track priorities of the listed satellites",
            orv::tools::priorityCommand},
    Command{"schedule", "the mean-anomaly schedule", orv::tools::scheduleCommand},
    Command{"map", "the world map the station would draw at an instant (PNG and TSV)",
            orv::tools::mapCommand},
};

void usage(FILE* out) {
    std::fputs("Usage: orv_kite_tool COMMAND [arguments]\n\nCommands:\n", out);
    for (const auto& command : kCommands)
        std::fprintf(out, "  %-10s %s\n", command.name, command.summary);
    std::fputs("\n'orv_kite_tool COMMAND --help' explains a command.\n", out);
}

} // namespace

int main(int argc, char** argv) {
    // The map writes names, which takes a GUI application (offscreen: no display needed).
    const bool drawing = argc > 1 && std::strcmp(argv[1], "map") == 0;
    if (drawing) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const auto app = drawing ? std::unique_ptr<QCoreApplication>(new QGuiApplication(argc, argv))
                             : std::make_unique<QCoreApplication>(argc, argv);
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        usage(argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    const std::vector<std::string> words(argv + 2, argv + argc);
    for (const auto& command : kCommands)
        if (std::strcmp(argv[1], command.name) == 0) return command.run(words);
    std::fprintf(stderr, "orv_kite_tool: unknown command \"%s\"\n\n", argv[1]);
    usage(stderr);
    return 2;
}
