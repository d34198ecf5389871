// Selecting a satellite by name and the main loop taking it over; what reaches the
// simulated box's radios and rotators when a selection has no record, no position, or
// its record is deleted.
#include "core/configuration.h"
#include "core/satellite_editor.h"
#include "orbit/element_store.h"
#include "sim/civ_radio.h"
#include "sim/simulated_box.h"
#include "sim/simulated_hardware.h"
#include "test_station.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

using namespace orv;
using orv::test::TestStation;

namespace {

void type(TestStation& t, const std::string& text) {
    t.station->panel().setCaption("txt_entre", text);
    t.station->panel().gesture("txt_entre", core::Gesture::KeyPress, 13);
}

struct Selection : ::testing::Test {
    void SetUp() override {
        t.start();
        t.tick(); // deselects and unlocks the entry
        t.dialogs.shown.clear();
    }
    TestStation t;
};

} // namespace

TEST_F(Selection, ANameTheElementSetLacksGivesMessageThreeAndNoSelection) {
    type(t, "no-such-bird");
    EXPECT_TRUE(t.dialogs.anyContains("does NOT APPEAR in the"));
    EXPECT_EQ(t.station->loop().pendingSelection, core::kNoSatellite);
    EXPECT_EQ(t.station->panel().caption("lbl_sat_name"), core::kNoSatellite);
    EXPECT_EQ(t.station->panel().caption("txt_entre"), "");
    t.tick();
    EXPECT_EQ(t.station->loop().selectedSatellite, core::kNoSatellite);
}

TEST_F(Selection, OnlyEnterSelectsAndOnlyWhileTheEntryIsUnlocked) {
    t.station->panel().setCaption("txt_entre", "ao-7");
    t.station->txt_entre_KeyPress(65);
    EXPECT_EQ(t.station->loop().pendingSelection, core::kNoSatellite);
    t.station->loop().entryLock = 1;
    t.station->txt_entre_KeyPress(13);
    EXPECT_EQ(t.station->loop().pendingSelection, core::kNoSatellite);
}

TEST_F(Selection, ASuffixedNameIsKeptWholeWhileItsElementsComeFromTheBaseName) {
    t.station->satelliteDb().save(core::satelliteTemplate(false, "AO-7_2"));
    type(t, "ao-7_2");
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(t.station->loop().pendingSelection, "AO-7_2");
    EXPECT_EQ(t.station->loop().typedSelection, 1);
    t.tick();
    EXPECT_EQ(t.station->loop().selectedSatellite, "AO-7_2");
    EXPECT_EQ(t.station->panel().caption("lbl_sat_name"), "AO-7_2");
    EXPECT_EQ(t.station->loop().elementsValid, 1);
    EXPECT_EQ(t.station->currentSatellite().name, "AO-7_2");
    EXPECT_EQ(t.station->panel().caption("lbl_UpMode"), "FM");
    EXPECT_EQ(t.station->panel().caption("lbl_tone"), "0");
    EXPECT_TRUE(t.station->panel().visible("Knob1")); // the mask is released
}

TEST_F(Selection, GetSatCfgLoadsOncePerSelection) {
    auto record = core::satelliteTemplate(true, "AO-7");
    t.station->satelliteDb().save(record);
    type(t, "AO-7");
    t.tick();
    EXPECT_EQ(t.station->panel().caption("lbl_DnMode"), "USB");
    // A change stored behind the station's back is not reloaded by the next ticks...
    record[14] = "LSB";
    t.station->satelliteDb().save(record);
    t.tick(3);
    EXPECT_EQ(t.station->panel().caption("lbl_DnMode"), "USB");
    // ...but a click on the satellite's name loads it again.
    t.station->panel().gesture("lbl_sat_name", core::Gesture::Click);
    EXPECT_EQ(t.station->panel().caption("lbl_DnMode"), "LSB");
}

TEST_F(Selection, ANameTheDatabaseLacksSelectsNothingSetsTheMaskAndOpensTheEditor) {
    int editorShown = 0;
    station::ViewHooks hooks;
    hooks.showSatelliteEditor = [&] { ++editorShown; };
    t.station->setViewHooks(hooks);
    type(t, "AO-7");
    t.tick();
    EXPECT_EQ(t.station->loop().pendingSelection, core::kNoSatellite);
    EXPECT_FALSE(t.station->panel().visible("Knob1"));
    EXPECT_EQ(editorShown, 1);
    EXPECT_TRUE(t.station->satelliteEditor().isOpen());
    EXPECT_EQ(t.station->satelliteEditor().text(1), "AO-7");
    // The operator makes a record from a template and saves it: the next tick sets the
    // satellite up with it.
    t.station->satelliteEditor().standard_Click();
    t.station->satelliteEditor().save_Click();
    EXPECT_TRUE(t.station->satelliteDb().exists("AO-7"));
    t.tick();
    EXPECT_EQ(t.station->currentSatellite().name, "AO-7");
    EXPECT_TRUE(t.station->panel().visible("Knob1")); // the mask is released
}

namespace {

// 2018 January 20 22:20 UTC: the ISS 20 degrees up over the default location.
const QDateTime kIssPass(QDate(2018, 1, 20), QTime(22, 20, 0));

// A record with Icom radios on the simulated box: an IC-271 uplink, an IC-471 downlink.
core::SatelliteRecord icomRecord(const std::string& name) {
    auto record = core::satelliteTemplate(false, name);
    record[2] = "145.990";
    record[3] = "USB";
    record[4] = "10"; // retune steps small enough that every second's Doppler moves them
    record[6] = "10";
    record[7] = "1";
    record[8] = "9600";
    record[13] = "437.800";
    record[14] = "LSB";
    record[15] = "10";
    record[17] = "11";
    record[18] = "2";
    record[19] = "19200";
    return record;
}

// A full-length element line 2 whose mean motion is no number: no position comes of it.
std::string garbledLine2() {
    const std::string whole = test::kTestElementFile;
    const auto start = whole.find("2 25544");
    std::string line = whole.substr(start, whole.find('\r', start) - start);
    return line.replace(52, 11, "xx.5419008x");
}

// The ISS tracked on the simulated serial box for ten seconds.
struct Tracked {
    Tracked() {
        core::Configuration(*doubles.store).makes_cfg(4);
        core::SatelliteDb(*doubles.store).save(icomRecord("ISS (ZARYA)"));
        doubles.clock.set(kIssPass);
        doubles.waits.onWait = [](int) { QCoreApplication::processEvents(); };
        station::StationOptions options;
        options.programDir = doubles.programDir;
        options.simulate = true;
        station = std::make_unique<station::Station>(
            *doubles.store,
            station::StationPlatform{doubles.clock, doubles.waits, doubles.dialogs,
                                     doubles.launcher},
            options);
        station->Form_Load();
        tick(1);
        type("ISS (ZARYA)");
        tick(10);
        doubles.dialogs.shown.clear();
    }
    void type(const std::string& text) {
        station->panel().setCaption("txt_entre", text);
        station->panel().gesture("txt_entre", core::Gesture::KeyPress, 13);
    }
    // One tick a second: the satellite moves and its Doppler with it.
    void tick(int count) {
        for (int i = 0; i < count; ++i) {
            doubles.clock.advanceMs(1000);
            station->loop_timer_Timer();
        }
    }
    const sim::SimulatedBox& box() const { return station->simulatedHardware()->box(); }
    // The dials of the simulated IC-271 (uplink, port 1) and IC-471 (downlink, port 2).
    std::pair<uint64_t, uint64_t> dials() const {
        const auto dial = [this](int port, uint8_t address) {
            auto* family = station->simulatedHardware()->box().radioPort(port).family("CI-V");
            return static_cast<sim::CivRadioFamily*>(family)->radio(address).dial().hz;
        };
        return {dial(1, 0x20), dial(2, 0x22)};
    }
    std::pair<int, int> targets() const {
        return {box().azimuth().target(), box().elevation().target()};
    }
    std::map<std::string, std::string> status() const {
        std::map<std::string, std::string> values;
        std::istringstream words(station->statusLine().render());
        std::string word;
        while (words >> word) {
            const auto equals = word.find('=');
            values[word.substr(0, equals)] = word.substr(equals + 1);
        }
        return values;
    }
    int messageThreeCount() const {
        int count = 0;
        for (const auto& request : doubles.dialogs.shown)
            count += request.text.find("does NOT APPEAR in the") != std::string::npos;
        return count;
    }

    TestStation doubles;
    std::unique_ptr<station::Station> station;
};

} // namespace

TEST(TrackedSelection, TheIssIsTrackedAndTunedBeforeAnythingGoesWrong) {
    Tracked s;
    ASSERT_EQ(s.station->loop().selectedSatellite, "ISS (ZARYA)");
    const auto dials = s.dials();
    const auto targets = s.targets();
    s.tick(30);
    EXPECT_NE(s.dials(), dials) << "the Doppler retunes the radios";
    EXPECT_NE(s.targets(), targets) << "the rotators follow the satellite";
}

TEST(TrackedSelection, DeletingTheTrackedSatelliteInTheEditorDeselectsIt) {
    Tracked s;
    s.station->panel().gesture("lbl_Up_read", core::Gesture::DblClick);
    auto& editor = s.station->satelliteEditor();
    ASSERT_TRUE(editor.isOpen());
    editor.delete_Click();
    s.tick(1);
    EXPECT_EQ(s.station->loop().selectedSatellite, core::kNoSatellite);
    EXPECT_EQ(s.station->panel().caption("lbl_sat_name"), core::kNoSatellite);
    const auto dials = s.dials();
    s.tick(30);
    EXPECT_EQ(s.dials(), dials) << "nothing is tuned from the deleted record";
}

TEST(TrackedSelection, ANameWithElementsButNoRecordTunesNothingAndHoldsTheRotators) {
    Tracked s;
    s.type("AO-7"); // in the element set, not in the database
    s.tick(1);
    ASSERT_EQ(s.station->loop().selectedSatellite, "AO-7");
    EXPECT_TRUE(s.station->satelliteEditor().isOpen());
    EXPECT_EQ(s.station->currentSatellite().name, "") << "the ISS's record is not AO-7's";
    const auto dials = s.dials();
    const auto targets = s.targets();
    s.tick(30);
    EXPECT_EQ(s.dials(), dials) << "no radio is tuned without a record";
    EXPECT_EQ(s.targets(), targets) << "the rotators are left alone";

    // The operator saves a record: AO-7 is set up and tuned from it.
    auto& editor = s.station->satelliteEditor();
    const auto record = icomRecord("AO-7");
    for (int k = 1; k <= core::kSatelliteFieldCount; ++k)
        editor.text(k) = record[static_cast<size_t>(k - 1)];
    editor.save_Click();
    s.tick(3);
    EXPECT_EQ(s.station->currentSatellite().name, "AO-7");
    EXPECT_NE(s.dials(), dials);
}

TEST(TrackedSelection, APositionThatCannotBeComputedIsNeverTracked) {
    enum class How { ElementsGarbledWhileTracked, SelectedWithoutTyping };
    for (const How how : {How::ElementsGarbledWhileTracked, How::SelectedWithoutTyping}) {
        SCOPED_TRACE(static_cast<int>(how));
        Tracked s;
        auto& settings = *s.doubles.store;
        if (how == How::ElementsGarbledWhileTracked) {
            settings.save(orbit::kElementApplication, "ISS (ZARYA)", "2", garbledLine2());
        } else {
            const std::string whole = test::kTestElementFile;
            settings.save(orbit::kElementApplication, "BROKEN", "1",
                          whole.substr(whole.find("1 25544"), 69));
            settings.save(orbit::kElementApplication, "BROKEN", "2", garbledLine2());
            core::SatelliteDb(settings).save(icomRecord("BROKEN"));
            s.station->loop().pendingSelection = "BROKEN"; // as a map click or auto-track does
        }
        s.tick(1);
        const auto dials = s.dials();
        const auto targets = s.targets();
        s.tick(20);
        EXPECT_EQ(s.dials(), dials) << "the radios are not retuned";
        EXPECT_EQ(s.targets(), targets) << "the rotators hold";
        EXPECT_EQ(s.messageThreeCount(), 1) << "message 3 the first time only";
        EXPECT_TRUE(s.station->panel().visible("lbl_kep_error"));
        const auto status = s.status();
        for (const char* key : {"az", "el", "range", "rr"})
            EXPECT_EQ(status.at(key), "-") << key;
    }
}

TEST(TrackedSelection, ATypedNameWhoseElementsGiveNoPositionIsRefused) {
    Tracked s;
    const std::string whole = test::kTestElementFile;
    s.doubles.store->save(orbit::kElementApplication, "BROKEN", "1",
                          whole.substr(whole.find("1 25544"), 69));
    s.doubles.store->save(orbit::kElementApplication, "BROKEN", "2", garbledLine2());
    s.type("BROKEN");
    EXPECT_EQ(s.messageThreeCount(), 1);
    EXPECT_NE(s.station->loop().pendingSelection, "BROKEN");
    s.tick(1);
    EXPECT_EQ(s.station->loop().selectedSatellite, "ISS (ZARYA)");
}
