// The main window as a view: gestures reach the panel the way the operator makes them.
#include "test_station.h"
#include "ui/main_window.h"
#include "ui/map_widget.h"

#include <QApplication>
#include <QDial>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

using namespace orv;

namespace {

struct Window : ::testing::Test {
    void SetUp() override {
        window = std::make_unique<ui::MainWindow>(*t.station);
        t.start();
        t.tick();
    }
    test::TestStation t;
    std::unique_ptr<ui::MainWindow> window;
};

} // namespace

TEST_F(Window, ADoubleClickReportsOneClickAndOneDoubleClick) {
    std::vector<core::Gesture> seen;
    auto& panel = t.station->panel();
    panel.bind("lbl_UpText", core::Gesture::Click,
               [&](int) { seen.push_back(core::Gesture::Click); });
    panel.bind("lbl_UpText", core::Gesture::DblClick,
               [&](int) { seen.push_back(core::Gesture::DblClick); });
    QWidget* label = window->widgetFor("lbl_UpText");
    ASSERT_NE(label, nullptr);
    // What a window system delivers for a double-click: press, release, press,
    // double-click, release.
    QTest::mouseClick(label, Qt::LeftButton);
    QTest::mousePress(label, Qt::LeftButton);
    const QPointF at(2, 2);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, at, label->mapToGlobal(at), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(label, &doubleClick);
    QTest::mouseRelease(label, Qt::LeftButton);
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen.back(), core::Gesture::DblClick) << "a Click after the double-click undoes it";
    EXPECT_EQ(std::count(seen.begin(), seen.end(), core::Gesture::DblClick), 1);
}

TEST_F(Window, AKnobReportsSignedStepsAcrossItsWrap) {
    std::vector<int> steps;
    t.station->panel().bind("Knob2", core::Gesture::Change, [&](int s) { steps.push_back(s); });
    auto* dial = qobject_cast<QDial*>(window->widgetFor("Knob2"));
    ASSERT_NE(dial, nullptr);
    dial->setValue(3);
    dial->setValue(98); // backwards past the top
    dial->setValue(1);  // forwards past it again
    EXPECT_EQ(steps, (std::vector<int>{3, -5, 3}));
}

TEST_F(Window, FieldsMirrorThePanelModel) {
    auto& panel = t.station->panel();
    panel.setCaption("lbl_sat_name", "AO-7");
    panel.setBackColor("lbl_sat_name", core::colour::kRed);
    auto* label = qobject_cast<QLabel*>(window->widgetFor("lbl_sat_name"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "AO-7");
    EXPECT_TRUE(label->styleSheet().contains("#ff0000"));
    EXPECT_TRUE(window->windowTitle().startsWith("Orv_Kite 2003     4.0.g"));
    EXPECT_EQ(window->widgetFor("lbl_kep_error")->isVisibleTo(window.get()), false);
}

TEST(MapRegion, SaysWhyThereIsNoMapAndShowsTheDrawingOnceThereIsOne) {
    for (const char* feature : {"NO", "YES"}) {
        test::TestStation t;
        t.station->configuration().makes_cfg(4);
        t.station->configuration().write(4, 27, feature);
        ui::MainWindow window(*t.station);
        ui::MapWidget* map = window.mapView();
        ASSERT_NE(map, nullptr);
        t.start();
        t.tick();
        if (std::string(feature) == "NO") {
            EXPECT_TRUE(map->message().contains("\"Mapping Feature\" is \"NO\""))
                << map->message().toStdString();
            EXPECT_FALSE(map->hasDrawing());
            continue;
        }
        EXPECT_TRUE(map->message().contains("next map update")) << map->message().toStdString();
        t.station->lbl_sun_on_Click(); // forces an update at the next tick
        t.tick();
        EXPECT_TRUE(map->message().isEmpty()) << map->message().toStdString();
        EXPECT_TRUE(map->hasDrawing());
        EXPECT_TRUE(window.widgetFor("lbl_nz")->isVisibleTo(&window));
        auto* centre = qobject_cast<QLabel*>(window.widgetFor("lbl_nz"));
        ASSERT_NE(centre, nullptr);
        EXPECT_FALSE(centre->text().isEmpty());
    }
}

TEST_F(Window, AControlLeftWithoutWordsShowsItsOwnCaption) {
    t.station->panel().setCaption("lbl_sched", "");
    auto* label = qobject_cast<QLabel*>(window->widgetFor("lbl_sched"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Auto Track");
}

int main(int argc, char** argv) {
    // The build lists the cases without a display, as the tests themselves run.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
