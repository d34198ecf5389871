// The editor windows an operator fills in: the configuration editor marks a text the
// station will not read as typed, whether typed in the window or set by a gesture; the
// satellite editor's choice lists store the numbers and texts the record takes and keep
// a stored value they do not offer; deleting asks first, and a No stores nothing.
#include "test_station.h"
#include "ui/config_dialog.h"
#include "ui/satellite_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace orv;

namespace {

QPushButton* buttonNamed(QWidget& window, const QString& caption) {
    for (auto* button : window.findChildren<QPushButton*>())
        if (button->text() == caption) return button;
    return nullptr;
}

struct Editors : ::testing::Test {
    void SetUp() override {
        t.start();
        t.tick();
    }
    test::TestStation t;
    std::vector<QString> asked;
    bool answer = false;
    std::function<bool(const QString&)> recordingConfirm() {
        return [this](const QString& question) {
            asked.push_back(question);
            return answer;
        };
    }
};

} // namespace

TEST_F(Editors, TheConfigurationEditorMarksWhatDoesNotConvert) {
    t.station->lbl_help_DblClick();
    ui::ConfigDialog dialog(t.station->configEditor(), nullptr);
    dialog.refresh();
    for (int k = 1; k <= core::kConfigEntryCount; ++k)
        EXPECT_EQ(dialog.markOf(k), "") << "the defaults convert: entry " << k;

    auto* slewing = dialog.findChild<QLineEdit*>("Text9");
    ASSERT_NE(slewing, nullptr);
    slewing->selectAll();
    QTest::keyClicks(slewing, "50");
    EXPECT_EQ(t.station->configEditor().text(9), "50");
    EXPECT_TRUE(dialog.markOf(9).contains("above 45: read as 0")) << dialog.markOf(9).toStdString();
    slewing->selectAll();
    QTest::keyClicks(slewing, "20");
    EXPECT_EQ(dialog.markOf(9), "");

    // A gesture sets the box as the window does, and the mark follows.
    EXPECT_EQ(t.station->gestures().performLine("!Config.Text1 set 39.5S"), "ok Config.Text1 set");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("Text1")->text(), "39.5S");
    EXPECT_TRUE(dialog.markOf(1).contains("not a number as a whole: read as 39.5"));
}

TEST_F(Editors, UninstallingTheConfigurationAsksFirst) {
    t.station->lbl_help_DblClick();
    ui::ConfigDialog dialog(t.station->configEditor(), nullptr);
    dialog.confirm = recordingConfirm();
    QPushButton* uninstall = buttonNamed(dialog, "Uninstall configuration file.");
    ASSERT_NE(uninstall, nullptr);
    answer = false;
    uninstall->click();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_FALSE(t.station->configuration().read(4, 1).empty()) << "No keeps the configuration";
    EXPECT_FALSE(t.station->ended());
    answer = true;
    uninstall->click();
    EXPECT_TRUE(t.station->configuration().read(4, 1).empty());
    EXPECT_TRUE(t.station->ended());
}

TEST_F(Editors, TheSatelliteEditorsListsStoreWhatTheRecordTakes) {
    auto& editor = t.station->satelliteEditor();
    ASSERT_TRUE(t.station->selectByName("AO-7"));
    t.tick();
    editor.Form_Load();
    editor.standard_Click();
    editor.text(18) = "99"; // a radio number the list does not have
    ui::SatelliteDialog dialog(editor, nullptr);
    dialog.refresh();

    auto* uplinkRadio = qobject_cast<QComboBox*>(dialog.box(7));
    ASSERT_NE(uplinkRadio, nullptr);
    const int icom821 = uplinkRadio->findText("15  IC-821");
    ASSERT_GE(icom821, 0);
    EXPECT_LT(uplinkRadio->findText("34  PCR-1000"), 0) << "a receiver serves no uplink";
    uplinkRadio->setCurrentIndex(icom821);
    emit uplinkRadio->activated(icom821);
    EXPECT_EQ(editor.text(7), "15") << "the box keeps the number";
    auto* uplinkMode = qobject_cast<QComboBox*>(dialog.box(4));
    ASSERT_NE(uplinkMode, nullptr);
    EXPECT_GE(uplinkMode->findText("USB"), 0) << "the Icom family's modes";
    uplinkMode->setEditText("USB");
    EXPECT_EQ(editor.text(4), "USB");

    auto* downlinkRadio = qobject_cast<QComboBox*>(dialog.box(18));
    EXPECT_EQ(downlinkRadio->currentText(), "99  (not in the list)");
    const int pcr = downlinkRadio->findText("34  PCR-1000");
    ASSERT_GE(pcr, 0);
    downlinkRadio->setCurrentIndex(pcr);
    emit downlinkRadio->activated(pcr);
    auto* downlinkMode = qobject_cast<QComboBox*>(dialog.box(15));
    EXPECT_GE(downlinkMode->findText("FM,15KHZ"), 0) << "the receiver takes a mode and a filter";

    auto* baud = qobject_cast<QComboBox*>(dialog.box(9));
    const int fast = baud->findText("19200");
    baud->setCurrentIndex(fast);
    emit baud->activated(fast);
    editor.text(19) = "7"; // a port the list does not offer is kept as it stands
    dialog.refresh();
    buttonNamed(dialog, "Save/Refresh  Entries")->click();
    const auto stored = t.station->satelliteDb().read("AO-7");
    ASSERT_TRUE(stored);
    EXPECT_EQ((*stored)[6], "15");
    EXPECT_EQ((*stored)[3], "USB");
    EXPECT_EQ((*stored)[8], "19200");
    EXPECT_EQ((*stored)[17], "34");
    EXPECT_EQ((*stored)[18], "7");
}

TEST_F(Editors, DeletingASatelliteAsksFirst) {
    t.station->satelliteDb().save(core::satelliteTemplate(false, "AO-7"));
    ASSERT_TRUE(t.station->selectByName("AO-7"));
    t.tick();
    auto& editor = t.station->satelliteEditor();
    editor.Form_Load();
    ui::SatelliteDialog dialog(editor, nullptr);
    dialog.confirm = recordingConfirm();
    dialog.refresh();
    for (const char* caption : {"Delete this Satellite", "Unistall Satellite Data Base"}) {
        answer = false;
        buttonNamed(dialog, caption)->click();
        EXPECT_TRUE(t.station->satelliteDb().exists("AO-7")) << caption;
    }
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_TRUE(asked[0].contains("AO-7"));
    answer = true;
    buttonNamed(dialog, "Delete this Satellite")->click();
    EXPECT_FALSE(t.station->satelliteDb().exists("AO-7"));
}
