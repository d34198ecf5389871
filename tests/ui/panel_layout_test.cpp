// The main window's layout: every field shows its longest text whole at the sizes an
// operator meets, and a field that hides or shows moves nothing else.
#include "core/satellite_editor.h"
#include "test_station.h"
#include "ui/main_window.h"
#include "ui/panel_layout.h"
#include "ui/window_geometry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <gtest/gtest.h>

using namespace orv;

namespace {

struct Layout : ::testing::Test {
    void SetUp() override {
        t.station->satelliteDb().save(core::satelliteTemplate(true, "AO-7"));
        window = std::make_unique<ui::MainWindow>(*t.station);
        t.start();
        t.tick();
        t.station->panel().setCaption("txt_entre", "AO-7");
        t.station->panel().gesture("txt_entre", core::Gesture::KeyPress, 13);
        t.tick(3);
        window->show();
        settle();
    }
    void settle() {
        QApplication::processEvents();
        window->centralWidget()->layout()->activate();
        QApplication::processEvents();
    }
    // Every field shows the longest text it carries in operation.
    void showLongestTexts() {
        for (const auto& placement : ui::panelLayout())
            if (*placement.sample) t.station->panel().setCaption(placement.name, placement.sample);
    }
    // Where each field's widget sits, in window coordinates.
    std::map<QWidget*, QRect> places() const {
        std::map<QWidget*, QRect> found;
        for (const auto& placement : ui::panelLayout())
            for (QWidget* widget : window->widgetsFor(placement.name))
                found[widget] = QRect(widget->mapTo(window.get(), QPoint(0, 0)), widget->size());
        return found;
    }
    test::TestStation t;
    std::unique_ptr<ui::MainWindow> window;
};

// What of a widget's text its widget cannot show; empty when it all shows.
std::string clippedText(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QRect room = label->contentsRect();
        if (label->text().isEmpty()) return {};
        if (label->wordWrap()) {
            if (label->heightForWidth(label->width()) <= label->height()) return {};
        } else if (label->fontMetrics().horizontalAdvance(label->text()) <= room.width()) {
            return {};
        }
        return label->text().toStdString();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (button->sizeHint().width() <= button->width()) return {};
        return button->text().toStdString();
    }
    return {};
}

std::vector<std::string> clippedFields(const ui::MainWindow& window) {
    std::vector<std::string> clipped;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) continue;
        const std::string text = clippedText(widget);
        if (!text.empty()) clipped.push_back(widget->objectName().toStdString() + ": " + text);
    }
    return clipped;
}

} // namespace

TEST_F(Layout, TheWindowFitsAScreenOf1366By768) {
    const QSize least = window->minimumSizeHint();
    EXPECT_LE(least.width(), ui::MainWindow::kDefaultSize.width());
    EXPECT_LE(least.height(), ui::MainWindow::kDefaultSize.height());
    EXPECT_LE(ui::MainWindow::kDefaultSize.width(), 1366);
    EXPECT_LE(ui::MainWindow::kDefaultSize.height(), 768 - 60); // title bar and panel
}

TEST_F(Layout, EveryTextShowsWholeAtTheDefaultSizeAnd1366By768) {
    showLongestTexts();
    for (const QSize size : {ui::MainWindow::kDefaultSize, QSize(1366, 768)}) {
        window->resize(size);
        settle();
        EXPECT_EQ(clippedFields(*window), std::vector<std::string>{})
            << "at " << size.width() << " x " << size.height();
    }
}

TEST_F(Layout, AFieldThatHidesOrShowsMovesNoOtherWidget) {
    auto& panel = t.station->panel();
    for (const auto& placement : ui::panelLayout()) {
        const std::string name = placement.name;
        const auto before = places();
        const bool shown = panel.visible(name);
        panel.setVisible(name, !shown);
        settle();
        const auto after = places();
        const auto own = window->widgetsFor(name);
        for (const auto& [widget, place] : before) {
            if (std::find(own.begin(), own.end(), widget) != own.end()) continue;
            EXPECT_EQ(after.at(widget), place)
                << widget->objectName().toStdString() << " moved when " << name
                << (shown ? " hid" : " showed");
        }
        panel.setVisible(name, shown);
        settle();
    }
}

// Offscreen, the screen is 800 x 600: sizes here stay inside it.
TEST(WindowGeometry, TheWindowOpensWhereItWasClosed) {
    core::SettingsStore store(":memory:");
    QWidget closed;
    closed.resize(640, 480);
    closed.move(30, 40);
    ui::saveWindowGeometry(closed, store);
    QWidget reopened;
    ui::restoreWindowGeometry(reopened, store, {400, 300});
    EXPECT_EQ(reopened.size(), QSize(640, 480));
    EXPECT_EQ(reopened.pos(), QPoint(30, 40));
}

TEST(WindowGeometry, AFirstRunOpensAtTheDefaultSizeAndAWindowNeverOutgrowsTheScreen) {
    core::SettingsStore store(":memory:");
    QWidget window;
    ui::restoreWindowGeometry(window, store, {500, 400});
    EXPECT_EQ(window.size(), QSize(500, 400));
    window.resize(5000, 4000);
    window.move(9000, 9000);
    ui::saveWindowGeometry(window, store);
    QWidget reopened;
    ui::restoreWindowGeometry(reopened, store, {500, 400});
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(QRect(reopened.pos(), reopened.size())));
}
