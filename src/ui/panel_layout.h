// Where each panel field sits in the main window and what kind of widget shows it.
// Every field has a fixed cell of its block's grid, so a field that hides leaves its
// place empty and nothing else moves. Fields that take turns (a lamp and its other
// colour, a switch and its other state) share one cell. A subsystem adds its fields
// to its block here instead of rearranging the window.
#pragma once

#include <span>

namespace orv::ui {

enum class PanelBlock { Tracking, Frequency, Knobs, Rotator, Box, Map };
enum class FieldKind { Label, Action, Check, Entry, Knob, Slider, Bar, Scale, Button };

// How a widget shows its text: plain, large and bold, a fixed-width readout, a small
// hint that wraps, a lamp (a framed, centred state word), or a caption that looks like
// the captions the window adds even where it answers a gesture.
enum class FieldLook { Plain, Title, Readout, Hint, Lamp, Caption };

// A field's cell in its block's grid.
struct Cell {
    int row;
    int column;
    int columnSpan = 1;
    int rowSpan = 1;
};

struct FieldPlacement {
    const char* name;
    PanelBlock block;
    Cell cell;
    FieldKind kind;
    FieldLook look;
    const char* caption; // initial caption
    const char* hint;    // tooltip
    bool hidden = false; // shown only when a routine shows it
    // The longest text the field shows in operation; the widget is made wide enough.
    const char* sample = "";
    // Lines a wrapping hint keeps room for, so the rows below stay where they are.
    int lines = 1;
};

// Texts the view puts beside the fields: row captions, column heads and units.
enum class TextRole { Legend, Head, Unit };

struct StaticText {
    PanelBlock block;
    int row;
    int column;
    TextRole role;
    const char* text;
};

std::span<const FieldPlacement> panelLayout();
std::span<const StaticText> panelTexts();
const char* blockTitle(PanelBlock block);
// The placement of a field, or null when the window has none.
const FieldPlacement* placementOf(const char* name);

} // namespace orv::ui
