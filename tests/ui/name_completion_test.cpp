// The satellite-name box completes from the satellite list and the element sets, in the
// window and as the typed Tab gesture; Enter still selects exactly what the box holds.
#include "test_station.h"
#include "ui/main_window.h"
#include "ui/name_completer.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace orv;

namespace {

struct NameBox : ::testing::Test {
    void SetUp() override {
        t.station->satelliteDb().save(core::satelliteTemplate(false, "ISS (ZARYA)_2"));
        window = std::make_unique<ui::MainWindow>(*t.station);
        t.start();
        t.tick(); // unlocks the entry
        entry = qobject_cast<QLineEdit*>(window->widgetFor("txt_entre"));
        ASSERT_NE(entry, nullptr);
        ASSERT_NE(window->nameCompleter(), nullptr);
    }
    std::string boxText() const { return t.station->panel().caption("txt_entre"); }
    const std::string& pending() const { return t.station->loop().pendingSelection; }

    test::TestStation t;
    std::unique_ptr<ui::MainWindow> window;
    QLineEdit* entry = nullptr;
};

} // namespace

TEST_F(NameBox, TheTypedTabGestureCompletesAndSelectsNothing) {
    auto& gestures = t.station->gestures();
    EXPECT_EQ(gestures.performLine("!txt_entre set zary"), "ok txt_entre set");
    EXPECT_EQ(gestures.performLine("!txt_entre keypress 9"), "ok txt_entre keypress");
    EXPECT_EQ(boxText(), "ISS (ZARYA)_2") << "the listed (suffixed) name comes first";
    EXPECT_EQ(pending(), core::kNoSatellite) << "completion selects nothing";
    gestures.performLine("!txt_entre set ao");
    gestures.performLine("!txt_entre keypress 9");
    EXPECT_EQ(boxText(), "AO-7") << "from the element sets";
    gestures.performLine("!txt_entre set nothing like it");
    gestures.performLine("!txt_entre keypress 9");
    EXPECT_EQ(boxText(), "nothing like it") << "no completion leaves the text";
}

TEST_F(NameBox, TheWindowOffersTheNamesAndTabTakesTheFirst) {
    entry->setFocus();
    QTest::keyClicks(entry, "iss");
    EXPECT_EQ(window->nameCompleter()->offered(), (QStringList{"ISS (ZARYA)_2", "ISS (ZARYA)"}));
    QTest::keyClick(entry, Qt::Key_Tab);
    EXPECT_EQ(entry->text(), "ISS (ZARYA)_2");
    EXPECT_EQ(boxText(), "ISS (ZARYA)_2");
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_EQ(pending(), "ISS (ZARYA)_2");
}

TEST_F(NameBox, ANameMovedOntoInTheListIsWhatEnterSelects) {
    entry->setFocus();
    QTest::keyClicks(entry, "zar");
    QAbstractItemView* popup = window->nameCompleter()->completer().popup();
    ASSERT_TRUE(popup->isVisible());
    QTest::keyClick(popup, Qt::Key_Down);
    EXPECT_EQ(boxText(), "ISS (ZARYA)_2");
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(pending(), "ISS (ZARYA)_2");
}

TEST_F(NameBox, EnterSelectsWhatWasTypedNotACompletion) {
    entry->setFocus();
    QTest::keyClicks(entry, "ao");
    EXPECT_FALSE(window->nameCompleter()->offered().isEmpty());
    EXPECT_TRUE(window->nameCompleter()->completer().popup()->isVisible());
    QTest::keyClick(entry, Qt::Key_Return);
    // "AO" has no element set of its own: nothing is selected, as before completion.
    EXPECT_EQ(pending(), core::kNoSatellite);
    EXPECT_TRUE(t.dialogs.anyContains("does NOT APPEAR in the"));
}
