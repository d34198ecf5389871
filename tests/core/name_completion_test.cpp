// Completion of a typed satellite name, and the configuration editor's notes on texts
// the station will not read as typed.
#include "core/config_entry_notes.h"
#include "core/configuration_table.h"
#include "core/name_completion.h"

#include <gtest/gtest.h>

using namespace orv::core;

TEST(NameCompletion, BeginningsFirstThenContainedWithoutRegardToCaseEachOnce) {
    const std::vector<std::string> names = {"AO-7_2", "OSCAR 7 (AO-7)", "ISS (ZARYA)", "AO-7",
                                            "AO-73",  "ao-7",           "NOAA 19",     "AO-7_1"};
    EXPECT_EQ(completeName("ao-7", names),
              (std::vector<std::string>{"AO-7_2", "AO-7", "AO-73", "AO-7_1", "OSCAR 7 (AO-7)"}));
    EXPECT_EQ(completeName("  zar", names), (std::vector<std::string>{"ISS (ZARYA)"}));
    EXPECT_EQ(completeName("ao-7_", names), (std::vector<std::string>{"AO-7_2", "AO-7_1"}));
    EXPECT_TRUE(completeName("", names).empty());
    EXPECT_TRUE(completeName("   ", names).empty());
    EXPECT_TRUE(completeName("XYZ", names).empty());
    EXPECT_EQ(completeName("o", names, 2).size(), 2u);
}

TEST(ConfigEntryNotes, EveryEntryHasWordsAndTheDefaultsAllConvert) {
    for (int variant : {3, 4})
        for (const auto& entry : kConfigEntries) {
            const ConfigEntryNote note = configEntryNote(entry.key, variant);
            EXPECT_EQ(note.key, entry.key);
            EXPECT_STRNE(note.accepted, "") << entry.key;
            EXPECT_EQ(conversionProblem(entry.key, entry.defaultValue, variant), "")
                << entry.key << " " << entry.defaultValue;
        }
}

TEST(ConfigEntryNotes, ATextReadOtherwiseSaysWhatIsRead) {
    struct Case {
        int key;
        const char* text;
        int variant;
        const char* problem; // "" converts as typed
    };
    const Case cases[] = {
        {1, "-39.5", 4, ""},
        {1, "39.5S", 4, "not a number as a whole: read as 39.5"},
        {8, "five", 4, "not a number as a whole: read as 0"},
        {9, "50", 4, "above 45: read as 0"},
        {15, "23", 4, ""},
        {28, "20", 4, "below 50: read as 50"},
        {28, "20000", 4, "above 10000: read as 50"},
        {29, "0", 4, "below 5: read as 5"},
        {31, "90", 4, "not 0, 180 or 270: read as 0"},
        {31, "270", 4, ""},
        {35, "7", 4, "not a format 0 to 6"},
        {7, "yes", 4, ""},
        {7, "Y", 4, "neither YES nor NO: read as NO"},
        {19, "YES ", 4, "neither YES nor NO: read as NO"},
        {17, "maybe", 4, "neither YES nor NO: read as YES"},
        {25, "auto", 4, ""},
        {25, "ON", 4, "not NO, YES or AUTO: read as YES"},
        {32, "Y", 4, "neither YES nor NO: the control shows, the table is not used"},
        {23, "-", 4, ""},
        {23, "minus", 4, "neither + nor -: read as -"},
        {5, "3BC", 3, ""},
        {5, "&H03BC", 3, ""},
        {5, "7", 3, "not a printer port: read as 378 (LPT1)"},
        {5, "2", 4, ""},
        {5, "/dev/serial/by-id/usb-box", 4, ""},
        {5, "COM2", 4, "neither a port number nor a device path"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(conversionProblem(c.key, c.text, c.variant), c.problem)
            << "entry " << c.key << " \"" << c.text << "\"";
}
