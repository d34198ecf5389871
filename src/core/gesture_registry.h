// Everything an operator can click, reached by name: the panel's fields and the
// boxes and buttons of each editor ("Config.Text4", "Satellite.save"), whether a
// window shows them or not. Headless input and tests carry out typed gestures here.
#pragma once

#include "core/gesture_line.h"
#include "core/panel.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::core {

struct EditorBox {
    std::string name;                   // "Text4"
    std::function<std::string&()> text; // the box's text in the editor model
};

struct EditorButton {
    std::string name;            // "Command1"
    std::function<void()> click; // the button's handler
};

// An editor as gestures reach it: EDITOR.BOX set TEXT, EDITOR.BUTTON click.
struct EditorGestures {
    std::string name; // "Config", "Form3"
    std::vector<EditorBox> boxes;
    std::vector<EditorButton> buttons;
    std::function<void()> changed; // after a box is set (the window refreshes); optional
};

// Boxes PREFIX1..PREFIXcount, box k being text(k).
std::vector<EditorBox> numberedBoxes(const std::string& prefix, int count,
                                     const std::function<std::string&(int)>& text);

class GestureRegistry {
public:
    explicit GestureRegistry(Panel& panel) : panel_(panel) {}

    // Makes an editor reachable; a second editor of the same name replaces the first.
    void addEditor(EditorGestures editor);

    // Carries out a gesture as the window does; answers "ok FIELD GESTURE" or why not.
    std::string perform(const GestureCommand& command);
    // Carries out one typed line ("!FIELD GESTURE ..." or "!help"); the answer, one or
    // more lines without the last line break.
    std::string performLine(std::string_view line);
    // One line per panel field with a handler, then per editor, saying what it takes.
    std::vector<std::string> helpLines() const;

private:
    std::string performOnPanel(const GestureCommand& command);
    std::string performOnEditor(EditorGestures& editor, std::string_view item,
                                const GestureCommand& command);
    EditorGestures* editorOf(std::string_view field, std::string_view& item);

    Panel& panel_;
    std::vector<EditorGestures> editors_;
};

} // namespace orv::core
