// Where each panel field sits in the main window and what kind of widget shows it.
// Each subsystem adds its fields to its group here instead of rearranging the window.
#pragma once

#include <span>

namespace orv::ui {

enum class PanelGroup { Tracking, Frequency, Rotator, Status, Map };
enum class FieldKind { Label, Action, Check, Entry, Knob, Slider, Button };

struct FieldPlacement {
    const char* name;
    PanelGroup group;
    FieldKind kind;
    const char* caption; // initial caption
    const char* hint;
    bool hidden = false; // shown only when a routine shows it
};

std::span<const FieldPlacement> panelLayout();
const char* groupTitle(PanelGroup group);

} // namespace orv::ui
