// The satellite database and its editor: the list of at most 30, del_sat, the
// templates, the radio-34 check, export and import.
#include "core/number_text.h"
#include "core/satellite_db.h"
#include "core/satellite_editor.h"
#include "core/settings_store.h"
#include "core/station_state.h"

#include <gtest/gtest.h>

using namespace orv::core;

namespace {

SatelliteRecord named(const std::string& name) {
    return satelliteTemplate(false, name);
}

struct EditorFixture {
    SettingsStore store{":memory:"};
    SatelliteDb db{store};
    std::string selected = kNoSatellite;
    bool missing = false, refresh = false, deselect = false;
    std::vector<std::string> messages;
    SatelliteEditor editor{db, SatelliteEditor::Hooks{
                                   [this] { return selected; },
                                   [](const std::string& name) { return name == "AO-7"; },
                                   [this] { missing = true; },
                                   [] {},
                                   [this] { refresh = true; },
                                   [this] { deselect = true; },
                                   [this](const std::string& text) { messages.push_back(text); },
                               }};
    void openOn(const std::string& name) {
        selected = name;
        editor.Form_Load();
    }
};

} // namespace

TEST(SatelliteDb, AThirtyFirstSatelliteChangesNothingButTheThirtyCanBeUpdated) {
    SettingsStore store(":memory:");
    SatelliteDb db(store);
    for (int i = 1; i <= 30; ++i)
        ASSERT_EQ(db.save(named("SAT-" + std::to_string(i))), SatelliteDb::SaveResult::Saved);
    EXPECT_EQ(db.count(), 30);
    EXPECT_EQ(db.save(named("SAT-31")), SatelliteDb::SaveResult::Full);
    EXPECT_EQ(db.count(), 30);
    EXPECT_FALSE(db.exists("SAT-31"));
    EXPECT_EQ(store.get("ORV_SAT1", "satlist", "32"), "");

    auto record = named("SAT-17");
    record[13] = "145.950";
    EXPECT_EQ(db.save(record), SatelliteDb::SaveResult::Saved);
    EXPECT_EQ(db.read("SAT-17")->at(13), "145.950");
    EXPECT_EQ(db.count(), 30);
}

TEST(SatelliteDb, DelSatKeepsOrderComparesAsTheStoreAndEmptiesToZero) {
    SettingsStore store(":memory:");
    SatelliteDb db(store);
    for (const char* name : {"AO-7", "FO-29", "AO-73", "ISS"})
        db.save(named(name));
    db.del_sat("AO-7");
    EXPECT_EQ(db.names(), (std::vector<std::string>{"FO-29", "AO-73", "ISS"}));
    db.del_sat("ao-73"); // the name the store finds the record by
    EXPECT_EQ(db.names(), (std::vector<std::string>{"FO-29", "ISS"}));
    EXPECT_EQ(store.get("ORV_SAT1", "satlist", "4"), ""); // the old last keys are gone
    EXPECT_TRUE(db.exists("AO-7"));                       // del_sat touches the list only

    SettingsStore single(":memory:");
    SatelliteDb one(single);
    one.save(named("AO-7"));
    one.remove("AO-7");
    EXPECT_EQ(single.get("ORV_SAT1", "satlist", "1"), "0");
    EXPECT_FALSE(one.exists("AO-7"));
}

TEST(SatelliteDb, ExportThenImportIntoAnEmptyStoreGivesBackRecordsAndList) {
    SettingsStore store(":memory:");
    SatelliteDb db(store);
    auto pcr = named("AO-7");
    pcr[14] = "SSB,3K";
    pcr[17] = "34";
    pcr[9] = "50,\t"; // a delay with a comma, and an awkward tab
    db.save(pcr);
    db.save(satelliteTemplate(true, "AO-40_3"));
    const std::string text = db.exportText();

    SettingsStore other(":memory:");
    SatelliteDb copy(other);
    ASSERT_EQ(copy.importText(text), std::nullopt);
    EXPECT_EQ(copy.names(), db.names());
    EXPECT_EQ(*copy.read("AO-7"), pcr);
    EXPECT_EQ(*copy.read("AO-40_3"), *db.read("AO-40_3"));
    EXPECT_EQ(copy.exportText(), text);
}

TEST(SatelliteDb, ABrokenImportChangesNothing) {
    SettingsStore store(":memory:");
    SatelliteDb db(store);
    db.save(named("AO-7"));
    const std::string good = db.exportText();
    for (const std::string& bad :
         {std::string("hello"), good + "\n[satellite]\n99\tx\n",
          good + "\n[satellite]\n2\tDigital\n", good.substr(0, good.size() - 3) + "\\q\n"}) {
        SettingsStore target(":memory:");
        SatelliteDb into(target);
        into.save(named("KEEP-ME"));
        EXPECT_NE(into.importText(bad), std::nullopt) << bad;
        EXPECT_EQ(into.names(), (std::vector<std::string>{"KEEP-ME"}));
    }
}

TEST(SatelliteRecord, TypedValuesOfARecord) {
    auto record = satelliteTemplate(true, "AO-40");
    record[7] = "4";    // uplink port 4: port 2 on the parallel box
    record[9] = "50,";  // uplink delay with its comma
    record[20] = "PTT"; // a delay that is no number
    const auto parallel = typedSatellite(record, 3);
    EXPECT_TRUE(parallel.analog);
    EXPECT_EQ(parallel.uplink.port, 2);
    EXPECT_DOUBLE_EQ(parallel.uplink.delay.ms, 50);
    EXPECT_TRUE(parallel.uplink.delay.comma);
    EXPECT_DOUBLE_EQ(parallel.downlink.delay.ms, 0);
    EXPECT_FALSE(parallel.downlink.delay.comma);
    EXPECT_DOUBLE_EQ(parallel.downlinkMHz, 2401.4);
    EXPECT_DOUBLE_EQ(parallel.transponderMHz, 2836.989);
    EXPECT_EQ(parallel.downlinkMode, "USB");
    EXPECT_EQ(typedSatellite(record, 4).uplink.port, 4);
    EXPECT_EQ(elementName("AO-40_3"), "AO-40");
    EXPECT_EQ(elementName("AO-7"), "AO-7");
}

TEST(SatelliteEditor, OpensOnlyForASelectedSatelliteWithElements) {
    EditorFixture f;
    f.editor.Form_Load();
    EXPECT_FALSE(f.editor.isOpen());
    EXPECT_TRUE(f.missing);

    f.missing = false;
    f.selected = "AO-7";
    f.editor.Form_Load();
    EXPECT_TRUE(f.editor.isOpen());
    EXPECT_FALSE(f.missing);
    EXPECT_EQ(f.editor.text(1), "AO-7");
    EXPECT_EQ(f.editor.saveCaption(), "Save/Refresh  Entries");
}

TEST(SatelliteEditor, TemplatesSaveAndTheRadio34Check) {
    EditorFixture f;
    f.selected = "AO-7";
    f.editor.Form_Load();
    f.editor.ao40_Click();
    EXPECT_FALSE(f.editor.uplinkFrequencyVisible());
    EXPECT_EQ(f.editor.text(14), "2401.400000");
    f.editor.standard_Click();
    EXPECT_TRUE(f.editor.uplinkFrequencyVisible());
    f.editor.text(18) = "34";
    f.editor.text(15) = "USB";
    f.editor.save_Click();
    EXPECT_EQ(f.editor.helpCaption(), "Correct error in DnLink Mode");
    EXPECT_TRUE(f.editor.radioNotesOpen());
    EXPECT_TRUE(f.db.exists("AO-7")); // saving goes on
    EXPECT_TRUE(f.refresh);
    EXPECT_FALSE(f.editor.isOpen());

    f.editor.Form_Load(); // an analog record hides the uplink box when loaded
    EXPECT_EQ(f.editor.text(18), "34");
}

TEST(SatelliteEditor, SaveWithoutModeAndConverterStoresNothing) {
    EditorFixture f;
    f.selected = "AO-7";
    f.editor.Form_Load();
    f.editor.text(2).clear();
    f.editor.text(6).clear();
    f.editor.save_Click();
    EXPECT_EQ(f.editor.text(1), "");
    EXPECT_EQ(f.db.count(), 0);
}

TEST(SatelliteEditor, DeleteAndUninstall) {
    EditorFixture f;
    f.db.save(named("FO-29"));
    f.db.save(named("AO-7"));
    f.selected = "AO-7";
    f.editor.Form_Load();
    f.editor.text(1) = "ao-7";
    f.editor.delete_Click();
    EXPECT_FALSE(f.db.exists("AO-7"));
    EXPECT_EQ(f.db.names(), (std::vector<std::string>{"FO-29"}));
    EXPECT_EQ(f.editor.text(2), "");
    EXPECT_TRUE(f.deselect);

    f.editor.text(1) = "FO-29";
    f.editor.Command1_Click();
    EXPECT_FALSE(f.db.exists("FO-29"));
    EXPECT_EQ(f.db.count(), 1); // the list is left as it is
}

TEST(SatelliteEditor, NeverCorruptsTheList) {
    struct Case {
        const char* what;
        std::string typedName;
        std::vector<std::string> listAfter;
        bool saved;
    };
    const Case cases[] = {
        {"the same name in other letter case updates it", "ao-7", {"FO-29", "AO-7"}, true},
        {"blanks around the name are not part of it", "  AO-7 ", {"FO-29", "AO-7"}, true},
        {"an empty name is refused", "", {"FO-29", "AO-7"}, false},
        {"a blank name is refused", "   ", {"FO-29", "AO-7"}, false},
        {"a new name goes to the end", "AO-73", {"FO-29", "AO-7", "AO-73"}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EditorFixture f;
        f.db.save(named("FO-29"));
        f.db.save(named("AO-7"));
        f.openOn("AO-7");
        f.editor.text(1) = c.typedName;
        f.editor.text(14) = "435.300";
        f.editor.save_Click();
        EXPECT_EQ(f.db.names(), c.listAfter);
        EXPECT_EQ(f.db.count(), static_cast<int>(c.listAfter.size()));
        EXPECT_EQ(f.messages.size(), c.saved ? 0u : 1u);
        EXPECT_EQ(f.editor.isOpen(), !c.saved) << "a refused save keeps what was typed";
        EXPECT_EQ(f.refresh, c.saved);
        if (c.saved) {
            const std::string name = orv::core::upperCased(orv::core::trimmed(c.typedName));
            EXPECT_EQ(f.db.read(name)->at(13), "435.300");
            EXPECT_EQ(f.db.read(name)->at(0), name);
        }
        EXPECT_EQ(f.store.sections("ORV_SAT").size(), c.listAfter.size()) << "no stray record";
    }
}

TEST(SatelliteEditor, ASaveRefusedBecauseTheDatabaseIsFullSaysSo) {
    EditorFixture f;
    for (int i = 1; i <= 30; ++i)
        f.db.save(named("SAT-" + std::to_string(i)));
    f.openOn("AO-7");
    f.editor.standard_Click();
    f.editor.save_Click();
    EXPECT_FALSE(f.db.exists("AO-7"));
    ASSERT_EQ(f.messages.size(), 1u);
    EXPECT_NE(f.messages[0].find("full"), std::string::npos) << f.messages[0];
    EXPECT_NE(f.messages[0].find("AO-7"), std::string::npos) << f.messages[0];
    EXPECT_TRUE(f.editor.isOpen());
    EXPECT_FALSE(f.refresh);
    // One of the thirty is still saved, without a word.
    f.editor.text(1) = "sat-17";
    f.editor.save_Click();
    EXPECT_EQ(f.messages.size(), 1u);
    EXPECT_EQ(f.db.read("SAT-17")->at(1), "Digital");
    EXPECT_EQ(f.db.count(), 30);
}
