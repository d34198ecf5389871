// The panel model: change notification only on change, gestures and their trap.
#include "core/panel.h"

#include <gtest/gtest.h>

using namespace orv::core;

TEST(Panel, NotifiesOnlyActualChanges) {
    Panel panel;
    std::vector<std::string> changes;
    panel.subscribe([&](const std::string& name, const PanelField&) { changes.push_back(name); });
    panel.setCaption("lbl_UTC", "12:00:00");
    panel.setCaption("lbl_UTC", "12:00:00");
    panel.setVisible("lbl_UTC", true); // already visible
    panel.setBackColor("lbl_UTC", colour::kRed);
    EXPECT_EQ(changes, (std::vector<std::string>{"lbl_UTC", "lbl_UTC"}));
    EXPECT_EQ(panel.field("lbl_UTC").backColor, 0x0000FF);
    EXPECT_EQ(panel.caption("never_written"), "");
}

TEST(Panel, GesturesReachTheirHandlersThroughTheWrapper) {
    Panel panel;
    int wrapped = 0, argument = 0;
    panel.setHandlerWrapper([&](const Panel::Handler& handler, int value) {
        ++wrapped;
        handler(value);
    });
    panel.bind("txt_entre", Gesture::KeyPress, [&](int key) { argument = key; });
    EXPECT_TRUE(panel.gesture("txt_entre", Gesture::KeyPress, 13));
    EXPECT_FALSE(panel.gesture("txt_entre", Gesture::Click));
    EXPECT_EQ(argument, 13);
    EXPECT_EQ(wrapped, 1);
}
