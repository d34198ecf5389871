// An operator gesture typed as text ("!lbl_refresh dblclick", "!Config.Text4 set 7"):
// what headless input and scripts use in place of a mouse. Parsing only; the
// gesture registry carries it out.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orv::core {

enum class GestureAction { Click, DblClick, MouseDown, KeyPress, Change, Check, Set };

struct GestureCommand {
    std::string field; // a panel field, or EDITOR.BOX / EDITOR.BUTTON
    GestureAction action = GestureAction::Click;
    int argument = 0; // key code, steps or position, check state, mouse button
    std::string text; // what `set` puts into the box
};

struct GestureParse {
    std::optional<GestureCommand> command; // set when the line is a gesture
    bool help = false;                     // "!help"
    std::string error;                     // why the line is not a gesture
};

// True for a line meant as a gesture: its first character is '!'.
bool isGestureLine(std::string_view line);

// Reads "!FIELD click|dblclick|mousedown [N]|keypress N|change N|check 0|1|set TEXT"
// or "!help". Words are separated by blanks; TEXT is the rest of the line as typed.
GestureParse parseGestureLine(std::string_view line);

// The word a gesture is typed as ("dblclick").
const char* gestureWord(GestureAction action);

// The one-line summary of the gesture syntax.
const char* gestureSyntax();

} // namespace orv::core
