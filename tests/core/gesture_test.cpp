// Typed gestures: the line syntax, and the registry reaching panel handlers and
// editor boxes and buttons the way the window does.
#include "core/gesture_registry.h"

#include <gtest/gtest.h>

using namespace orv::core;

namespace {

struct ParseCase {
    const char* line;
    const char* field; // nullptr: refused
    GestureAction action;
    int argument;
    const char* text;
};

TEST(GestureLine, ReadsEachGestureAndRefusesMalformedLines) {
    const ParseCase cases[] = {
        {"!lbl_refresh dblclick", "lbl_refresh", GestureAction::DblClick, 0, ""},
        {"!cmd_Bye click", "cmd_Bye", GestureAction::Click, 0, ""},
        {"  !x click", nullptr, GestureAction::Click, 0, ""}, // the '!' must come first
        {"!Knob1 change -3", "Knob1", GestureAction::Change, -3, ""},
        {"!hs_Azimuth   change\t+12 ", "hs_Azimuth", GestureAction::Change, 12, ""},
        {"!txt_entre keypress 13\r", "txt_entre", GestureAction::KeyPress, 13, ""},
        {"!lbl_calib mousedown", "lbl_calib", GestureAction::MouseDown, 1, ""},
        {"!lbl_calib mousedown 2", "lbl_calib", GestureAction::MouseDown, 2, ""},
        {"!ch_az check 0", "ch_az", GestureAction::Check, 0, ""},
        {"!ch_az check 1", "ch_az", GestureAction::Check, 1, ""},
        {"!Config.Text4 set 7", "Config.Text4", GestureAction::Set, 0, "7"},
        {"!txt_entre set OSCAR 7 (AO-7)\r", "txt_entre", GestureAction::Set, 0, "OSCAR 7 (AO-7)"},
        {"!Satellite.Text3 set", "Satellite.Text3", GestureAction::Set, 0, ""},
        {"!ch_az check 2", nullptr, GestureAction::Check, 0, ""},
        {"!ch_az check", nullptr, GestureAction::Check, 0, ""},
        {"!Knob1 change", nullptr, GestureAction::Change, 0, ""},
        {"!Knob1 change 1.5", nullptr, GestureAction::Change, 0, ""},
        {"!Knob1 change 99999999999", nullptr, GestureAction::Change, 0, ""},
        {"!Knob1 change 3 4", nullptr, GestureAction::Change, 0, ""},
        {"!lbl_refresh click 3", nullptr, GestureAction::Click, 0, ""},
        {"!lbl_refresh", nullptr, GestureAction::Click, 0, ""},
        {"!lbl_refresh wiggle", nullptr, GestureAction::Click, 0, ""},
        {"!", nullptr, GestureAction::Click, 0, ""},
        {"!   ", nullptr, GestureAction::Click, 0, ""},
        {"AO-7", nullptr, GestureAction::Click, 0, ""},
        {"!lbl\x01x click", nullptr, GestureAction::Click, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const GestureParse parse = parseGestureLine(c.line);
        EXPECT_FALSE(parse.help);
        if (!c.field) {
            EXPECT_FALSE(parse.command);
            EXPECT_FALSE(parse.error.empty());
            continue;
        }
        ASSERT_TRUE(parse.command) << parse.error;
        EXPECT_EQ(parse.command->field, c.field);
        EXPECT_EQ(parse.command->action, c.action);
        EXPECT_EQ(parse.command->argument, c.argument);
        EXPECT_EQ(parse.command->text, c.text);
    }
    EXPECT_TRUE(parseGestureLine("!help").help);
    EXPECT_TRUE(parseGestureLine("!help \r").help);
    EXPECT_FALSE(parseGestureLine("!help click").help);
}

// A panel with the kinds of handlers the station binds, recording what they saw.
class GestureRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel.bind("lbl_refresh", Gesture::DblClick, [this](int) { calls.push_back("refresh"); });
        panel.bind("Knob1", Gesture::Change, [this](int steps) {
            calls.push_back("knob " + std::to_string(steps) + " value " +
                            std::to_string(static_cast<int>(panel.value("Knob1"))));
        });
        panel.bind("ch_az", Gesture::Click, [this](int) {
            calls.push_back("ch_az " + std::to_string(static_cast<int>(panel.value("ch_az"))));
        });
        panel.bind("txt_entre", Gesture::KeyPress, [this](int key) {
            calls.push_back("entre " + std::to_string(key) + " " + panel.caption("txt_entre"));
        });
        panel.setCaption("lbl_sat_name", "No Satellite selected"); // a field without handlers
        registry.addEditor({
            .name = "Form3",
            .boxes =
                numberedBoxes("Text", 3, [this](int k) -> std::string& { return boxes[k - 1]; }),
            .buttons = {{"Command1", [this] { calls.push_back("Form3 Command1 " + boxes[1]); }}},
            .changed = [this] { ++changes; },
        });
    }

    Panel panel;
    GestureRegistry registry{panel};
    std::vector<std::string> calls;
    std::array<std::string, 3> boxes{};
    int changes = 0;
};

TEST_F(GestureRegistryTest, RunsTheBoundHandlerAsTheWindowDoes) {
    const struct {
        const char* line;
        const char* answer;
        const char* call; // nullptr: no handler runs
    } cases[] = {
        {"!lbl_refresh dblclick", "ok lbl_refresh dblclick", "refresh"},
        {"!Knob1 change -4", "ok Knob1 change", "knob -4 value -4"},
        {"!ch_az check 1", "ok ch_az check", "ch_az 1"},
        {"!ch_az check 0", "ok ch_az check", "ch_az 0"},
        {"!txt_entre set ao-7", "ok txt_entre set", nullptr},
        {"!txt_entre keypress 13", "ok txt_entre keypress", "entre 13 ao-7"},
        {"!lbl_refresh click", "no handler for click on lbl_refresh", nullptr},
        {"!lbl_sat_name dblclick", "no handler for dblclick on lbl_sat_name", nullptr},
        {"!lbl_sat_name set X", "no handler for set on lbl_sat_name", nullptr},
        {"!lbl_nothing click", "no such field lbl_nothing", nullptr},
        {"!Form3.Text2 set 7", "ok Form3.Text2 set", nullptr},
        {"!Form3.Command1 click", "ok Form3.Command1 click", "Form3 Command1 7"},
        {"!Form3.Text2 click", "no handler for click on Form3.Text2", nullptr},
        {"!Form3.Command1 set x", "no handler for set on Form3.Command1", nullptr},
        {"!Form3.Text9 set 1", "no such field Form3.Text9", nullptr},
        {"!Form9.Text1 set 1", "no such field Form9.Text1", nullptr},
        {"!Knob1 wiggle", "unknown gesture \"wiggle\"", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        calls.clear();
        EXPECT_EQ(registry.performLine(c.line), c.answer);
        if (c.call)
            EXPECT_EQ(calls, std::vector<std::string>{c.call});
        else
            EXPECT_TRUE(calls.empty());
    }
    EXPECT_EQ(boxes[1], "7");
    EXPECT_EQ(changes, 1);
    // Asking about a field that does not exist does not make it exist.
    EXPECT_FALSE(panel.exists("lbl_nothing"));
}

TEST_F(GestureRegistryTest, HelpListsTheFieldsWithHandlersAndTheEditors) {
    const std::string help = registry.performLine("!help");
    for (const char* expected :
         {"lbl_refresh: dblclick", "Knob1: change N", "txt_entre: set TEXT, keypress N",
          "Form3. boxes (set TEXT): Text1 Text2 Text3", "Form3. buttons (click): Command1"})
        EXPECT_NE(help.find(expected), std::string::npos) << expected << " in\n" << help;
    EXPECT_EQ(help.find("lbl_sat_name"), std::string::npos);
}

TEST_F(GestureRegistryTest, AnEditorRegisteredAgainReplacesTheFirst) {
    registry.addEditor({.name = "Form3",
                        .boxes = {},
                        .buttons = {{"EXIT", [this] { calls.push_back("exit"); }}},
                        .changed = {}});
    EXPECT_EQ(registry.performLine("!Form3.Command1 click"), "no such field Form3.Command1");
    EXPECT_EQ(registry.performLine("!Form3.EXIT click"), "ok Form3.EXIT click");
    EXPECT_EQ(calls, std::vector<std::string>{"exit"});
}

} // namespace
