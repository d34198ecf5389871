#include "core/gesture_registry.h"

#include <map>

namespace orv::core {

namespace {

std::string done(const GestureCommand& command) {
    return "ok " + command.field + ' ' + gestureWord(command.action);
}

std::string noHandler(const GestureCommand& command) {
    return std::string("no handler for ") + gestureWord(command.action) + " on " + command.field;
}

// The panel gesture a typed gesture reaches, and whether the field's value is set first
// (a check box's state, a knob's steps or a slider's position, as the window sets them).
struct PanelRoute {
    Gesture gesture;
    bool setsValue;
};

PanelRoute routeOf(GestureAction action) {
    switch (action) {
    case GestureAction::Click:
        return {Gesture::Click, false};
    case GestureAction::DblClick:
        return {Gesture::DblClick, false};
    case GestureAction::MouseDown:
        return {Gesture::MouseDown, false};
    case GestureAction::KeyPress:
        return {Gesture::KeyPress, false};
    case GestureAction::Change:
        return {Gesture::Change, true};
    case GestureAction::Check:
        return {Gesture::Click, true};
    case GestureAction::Set:
        return {Gesture::KeyPress, false}; // an entry box takes Enter
    }
    return {Gesture::Click, false};
}

// What a handler of each panel gesture lets an operator type.
const char* offeredFor(Gesture gesture) {
    switch (gesture) {
    case Gesture::Click:
        return "click (check 0|1 on a check box)";
    case Gesture::DblClick:
        return "dblclick";
    case Gesture::MouseDown:
        return "mousedown [N]";
    case Gesture::KeyPress:
        return "set TEXT, keypress N";
    case Gesture::Change:
        return "change N";
    }
    return "";
}

} // namespace

std::vector<EditorBox> numberedBoxes(const std::string& prefix, int count,
                                     const std::function<std::string&(int)>& text) {
    std::vector<EditorBox> boxes;
    boxes.reserve(static_cast<size_t>(count));
    for (int k = 1; k <= count; ++k)
        boxes.push_back(
            {prefix + std::to_string(k), [text, k]() -> std::string& { return text(k); }});
    return boxes;
}

void GestureRegistry::addEditor(EditorGestures editor) {
    for (auto& known : editors_)
        if (known.name == editor.name) {
            known = std::move(editor);
            return;
        }
    editors_.push_back(std::move(editor));
}

EditorGestures* GestureRegistry::editorOf(std::string_view field, std::string_view& item) {
    const auto dot = field.find('.');
    if (dot == std::string_view::npos) return nullptr;
    for (auto& editor : editors_)
        if (field.substr(0, dot) == editor.name) {
            item = field.substr(dot + 1);
            return &editor;
        }
    return nullptr;
}

std::string GestureRegistry::perform(const GestureCommand& command) {
    std::string_view item;
    if (EditorGestures* editor = editorOf(command.field, item))
        return performOnEditor(*editor, item, command);
    return performOnPanel(command);
}

std::string GestureRegistry::performOnPanel(const GestureCommand& command) {
    if (!panel_.exists(command.field)) return "no such field " + command.field;
    const PanelRoute route = routeOf(command.action);
    if (!panel_.hasHandler(command.field, route.gesture)) return noHandler(command);
    if (command.action == GestureAction::Set) {
        panel_.setCaption(command.field, command.text);
        return done(command);
    }
    if (route.setsValue) panel_.setValue(command.field, command.argument);
    panel_.gesture(command.field, route.gesture, command.argument);
    return done(command);
}

std::string GestureRegistry::performOnEditor(EditorGestures& editor, std::string_view item,
                                             const GestureCommand& command) {
    for (auto& box : editor.boxes)
        if (box.name == item) {
            if (command.action != GestureAction::Set) return noHandler(command);
            box.text() = command.text;
            if (editor.changed) editor.changed();
            return done(command);
        }
    for (auto& button : editor.buttons)
        if (button.name == item) {
            if (command.action != GestureAction::Click) return noHandler(command);
            button.click();
            return done(command);
        }
    return "no such field " + command.field;
}

std::string GestureRegistry::performLine(std::string_view line) {
    const GestureParse parse = parseGestureLine(line);
    if (parse.help) {
        std::string text;
        for (const auto& help : helpLines())
            text += (text.empty() ? "" : "\n") + help;
        return text;
    }
    if (!parse.command) return parse.error;
    return perform(*parse.command);
}

std::vector<std::string> GestureRegistry::helpLines() const {
    std::vector<std::string> lines{std::string("gestures: ") + gestureSyntax()};
    std::map<std::string, std::string> offered;
    for (const auto& [field, gesture] : panel_.bindings()) {
        std::string& text = offered[field];
        text += (text.empty() ? "" : ", ") + std::string(offeredFor(gesture));
    }
    for (const auto& [field, text] : offered)
        lines.push_back(field + ": " + text);
    for (const auto& editor : editors_) {
        std::string boxes, buttons;
        for (const auto& box : editor.boxes)
            boxes += ' ' + box.name;
        for (const auto& button : editor.buttons)
            buttons += ' ' + button.name;
        if (!boxes.empty()) lines.push_back(editor.name + ". boxes (set TEXT):" + boxes);
        if (!buttons.empty()) lines.push_back(editor.name + ". buttons (click):" + buttons);
    }
    return lines;
}

} // namespace orv::core
