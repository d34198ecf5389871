// Headless input: each line typed into the satellite box and Enter pressed, or,
// beginning with "!", a gesture carried out on a started station, a tick of the
// main loop after each. Gesture lines that parse also read back as what they say.
#include "core/gesture_line.h"
#include "fuzz_input.h"
#include "test_station.h"

#include <QCoreApplication>

using namespace orv;

namespace {

constexpr int kMostLines = 12;

// The gesture as it would be typed, from what was read.
std::string typedAgain(const core::GestureCommand& command) {
    std::string line = "!" + command.field + " " + core::gestureWord(command.action);
    if (command.action == core::GestureAction::Set) return line + " " + command.text;
    if (command.action == core::GestureAction::Click ||
        command.action == core::GestureAction::DblClick)
        return line;
    return line + " " + std::to_string(command.argument);
}

void checkParse(const std::string& line) {
    const auto parse = core::parseGestureLine(line);
    if (!core::isGestureLine(line)) {
        fuzz::check(!parse.command && !parse.help && !parse.error.empty(),
                    "only a line beginning with ! is a gesture");
        return;
    }
    if (!parse.command) {
        fuzz::check(parse.help || !parse.error.empty(), "a refused gesture says why");
        return;
    }
    const auto again = core::parseGestureLine(typedAgain(*parse.command));
    fuzz::check(again.command && again.command->field == parse.command->field &&
                    again.command->action == parse.command->action &&
                    again.command->argument == parse.command->argument &&
                    again.command->text == parse.command->text,
                "a gesture reads back as typed");
}

void ensureApplication() {
    static int argc = 1;
    static char name[] = "fuzz_headless_lines";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ensureApplication();
    fuzz::FuzzInput input(data, size);
    test::TestStation station(input.byte() & 1 ? 3 : 4);
    station.start();
    for (int count = 0; count < kMostLines && !input.empty() && !station.station->ended();
         ++count) {
        const std::string line = input.line();
        checkParse(line);
        if (core::isGestureLine(line)) {
            fuzz::check(!station.station->gestures().performLine(line).empty(),
                        "a gesture is answered");
        } else {
            station.station->panel().setCaption("txt_entre", line);
            station.station->panel().gesture("txt_entre", core::Gesture::KeyPress, 13);
        }
        station.tick();
        station.station->statusLine().render();
    }
    return 0;
}
