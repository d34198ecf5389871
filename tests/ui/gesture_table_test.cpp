// Every gesture of the operator panel, made on the window's own widget the way the
// operator makes it, reaches the handler the station bound to that field; and the
// gestures that guard the settings or say what is true behave so through the window.
#include "core/satellite_db.h"
#include "test_station.h"
#include "ui/main_window.h"
#include "ui/map_widget.h"

#include <QApplication>
#include <QCheckBox>
#include <QDial>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

using namespace orv;

namespace {

using core::Gesture;

struct Row {
    const char* field;
    Gesture gesture;
};

// The panel's gesture table, row by row, with the hints that hide themselves.
constexpr Row kGestureTable[] = {
    {"txt_entre", Gesture::KeyPress},
    {"lbl_sat_name", Gesture::Click},
    {"cmd_Bye", Gesture::Click},
    {"lbl_help", Gesture::DblClick},
    {"lbl_Up_read", Gesture::DblClick},
    {"lbl_refresh", Gesture::DblClick},
    {"lbl_Uplinlkmain", Gesture::DblClick},
    {"lbl_Downlinkmain", Gesture::Click},
    {"lbl_beacon", Gesture::DblClick},
    {"lbl_beacon", Gesture::Click},
    {"lbl_sched", Gesture::DblClick},
    {"lbl_sched", Gesture::Click},
    {"lbl_bump", Gesture::DblClick},
    {"lbl_phase", Gesture::DblClick},
    {"lbl_phase", Gesture::Click},
    {"lbl_satmode", Gesture::DblClick},
    {"lbl_hoztable", Gesture::DblClick},
    {"lbl_mapping", Gesture::Click},
    {"lbl_map", Gesture::Click},
    {"lbl_nz", Gesture::Click},
    {"lbl_uk", Gesture::Click},
    {"lbl_mapus", Gesture::Click},
    {"lbl_mapon", Gesture::Click},
    {"lbl_mapoff", Gesture::Click},
    {"lbl_sun_on", Gesture::Click},
    {"lbl_sun_off", Gesture::Click},
    {"Picture1", Gesture::MouseDown},
    {"lbl_kepler", Gesture::Click},
    {"lbl_kep_error", Gesture::Click},
    {"lbl_calib", Gesture::Click},
    {"lbl_calib", Gesture::DblClick},
    {"ResetAz", Gesture::Click},
    {"ResetEl", Gesture::Click},
    {"ch_az", Gesture::Click},
    {"ch_el", Gesture::Click},
    {"Lbl_force_park", Gesture::DblClick},
    {"redled", Gesture::DblClick},
    {"redled1", Gesture::DblClick},
    {"hrdw_reset", Gesture::Click},
    {"img_Ecp0Black", Gesture::Click},
    {"img_Ecp0Red", Gesture::Click},
    {"img_Ecp1Black", Gesture::Click},
    {"img_Ecp1Red", Gesture::Click},
    {"lbl_ptt_on", Gesture::Click},
    {"lbl_ptt_off", Gesture::Click},
    {"Lbl_inhibit_rx", Gesture::Click},
    {"Lbl_inhibit_rx", Gesture::DblClick},
    {"lbl_inhibit_tx", Gesture::Click},
    {"lbl_inhibit_tx", Gesture::DblClick},
    {"upblu", Gesture::DblClick},
    {"dnred", Gesture::DblClick},
    {"lbl_down_read", Gesture::DblClick},
    {"lbl_get_dnfreq", Gesture::DblClick},
    {"lbl_fraq", Gesture::MouseDown},
    {"lbl_fraq1", Gesture::Click},
    {"lbl_fine_mult", Gesture::Click},
    {"lbl_fine_div", Gesture::Click},
    {"lbl_linkup", Gesture::DblClick},
    {"lbl_linkdn", Gesture::DblClick},
    {"lbl_transp", Gesture::DblClick},
    {"lbl_convdn", Gesture::DblClick},
    {"lb_upcnvtr", Gesture::DblClick},
    {"lbl_Base", Gesture::DblClick},
    {"lbl_freq_reset", Gesture::Click},
    {"lbl_UpText", Gesture::DblClick},
    {"lbl_UpText", Gesture::Click},
    {"lbl_fdt", Gesture::DblClick},
    {"lbl_fdt2x", Gesture::DblClick},
    {"lbl_track", Gesture::Click},
    {"lbl_Testtrak", Gesture::Click},
    {"lbl_date", Gesture::DblClick},
    {"lbl_UTCbox", Gesture::DblClick},
    {"lbl_time", Gesture::DblClick},
    {"lbl_about", Gesture::Click},
    {"Knob1", Gesture::Change},
    // The receiver's controls (PCR-1000).
    {"Knob2", Gesture::Change},
    {"Knob3", Gesture::Change},
    {"Knob4", Gesture::Change},
    {"lbl_shift", Gesture::Click},
    {"ch_agc", Gesture::Click},
    {"ch_att", Gesture::Click},
    {"ch_nb", Gesture::Click},
    {"Label1", Gesture::Click},
    {"Label4", Gesture::Click},
    {"lbl_finediag", Gesture::Click},
    {"Text1", Gesture::Click},
    {"Text2", Gesture::Click},
    {"lbl_local_msg", Gesture::Click},
};

const char* gestureWord(Gesture gesture) {
    switch (gesture) {
    case Gesture::Click:
        return "click";
    case Gesture::DblClick:
        return "dblclick";
    case Gesture::MouseDown:
        return "mousedown";
    case Gesture::KeyPress:
        return "keypress";
    case Gesture::Change:
        return "change";
    }
    return "";
}

// What a window system delivers for a double-click: press, release, press,
// double-click, release.
void doubleClick(QWidget* widget) {
    const QPoint at = widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mousePress(widget, Qt::LeftButton, {}, at);
    QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(at), widget->mapToGlobal(QPointF(at)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

// The operator's gesture on the widget.
void make(Gesture gesture, QWidget* widget) {
    const QPoint centre = widget->rect().center();
    switch (gesture) {
    case Gesture::Click:
        // A check box takes a click on its box, wherever the grid stretched it to.
        QTest::mouseClick(widget, Qt::LeftButton, {},
                          qobject_cast<QCheckBox*>(widget) ? QPoint(6, centre.y()) : centre);
        break;
    case Gesture::DblClick:
        doubleClick(widget);
        break;
    case Gesture::MouseDown:
        QTest::mousePress(widget, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, centre);
        break;
    case Gesture::KeyPress:
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Return);
        break;
    case Gesture::Change:
        if (auto* dial = qobject_cast<QDial*>(widget)) dial->setValue(dial->value() + 3);
        break;
    }
}

struct WindowGestures : ::testing::Test {
    void SetUp() override {
        // The map is drawn, so a press on it lands on the picture.
        t.station->configuration().makes_cfg(4);
        t.station->configuration().write(4, 27, "YES");
        t.station->satelliteDb().save(core::satelliteTemplate(true, "AO-7"));
        window = std::make_unique<ui::MainWindow>(*t.station);
        t.start();
        t.tick();
        t.station->lbl_sun_on_Click();
        t.tick();
        window->show();
        // No tick between the steps of a row: a tick without a selection masks the
        // tuning controls again, under the gesture about to be made on one of them.
        t.station->loopTimer().stop();
        QApplication::processEvents();
    }
    core::Panel& panel() { return t.station->panel(); }
    test::TestStation t;
    std::unique_ptr<ui::MainWindow> window;
};

} // namespace

// The station's own handler stays bound until the check of its row; then a counter
// takes its place, so the gesture is seen to arrive without ending the run, opening
// editors or parking the antennas.
TEST_F(WindowGestures, EveryRowOfTheGestureTableReachesItsHandlerFromTheWindow) {
    // What reached the counters, by field and gesture (a double-click also clicks).
    std::map<std::pair<std::string, Gesture>, std::vector<int>> arrived;
    for (const auto& row : kGestureTable) {
        const std::string name = row.field;
        const auto key = std::make_pair(name, row.gesture);
        SCOPED_TRACE(name + " " + gestureWord(row.gesture));
        ASSERT_TRUE(panel().hasHandler(name, row.gesture)) << "the station binds no handler";
        QWidget* widget = name == "Picture1" ? window->mapView() : window->widgetFor(name);
        ASSERT_NE(widget, nullptr) << "the window has no widget for the field";
        panel().setVisible(name, true);
        panel().setEnabled(name, true);
        QApplication::processEvents();
        ASSERT_TRUE(widget->isVisible());
        panel().bind(name, row.gesture,
                     [&arrived, key](int argument) { arrived[key].push_back(argument); });
        make(row.gesture, widget);
        ASSERT_EQ(arrived[key].size(), 1u);
        if (row.gesture == Gesture::KeyPress) {
            EXPECT_EQ(arrived[key][0], 13);
        }
    }
}

TEST_F(WindowGestures, TheTimeLabelAloneClearsNothingAndTheWholeSequenceAsks) {
    t.dialogs.shown.clear();
    doubleClick(window->widgetFor("lbl_time"));
    doubleClick(window->widgetFor("lbl_UTCbox"));
    doubleClick(window->widgetFor("lbl_time"));
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(t.store->get("ORV_SAT", "AO-7", "1"), "AO-7");

    t.dialogs.answers.push_back(platform::DialogAnswer::Yes);
    doubleClick(window->widgetFor("lbl_date"));
    doubleClick(window->widgetFor("lbl_UTCbox"));
    doubleClick(window->widgetFor("lbl_time"));
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.store->get("ORV_SAT", "AO-7", "1"), "");
}

TEST_F(WindowGestures, ASatelliteNameTypedIntoTheBoxIsSelected) {
    auto* entry = qobject_cast<QLineEdit*>(window->widgetFor("txt_entre"));
    ASSERT_NE(entry, nullptr);
    entry->setFocus();
    QTest::keyClicks(entry, "ao-7");
    QTest::keyClick(entry, Qt::Key_Return);
    t.tick(2);
    EXPECT_EQ(t.station->loop().selectedSatellite, "AO-7");
    auto* name = qobject_cast<QLabel*>(window->widgetFor("lbl_sat_name"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), "AO-7");
}
