// The element file read into the store: the age handling, the records, the faults.
#include "core/settings_store.h"
#include "orbit/element_file.h"
#include "orbit/element_import.h"
#include "orbit/element_store.h"
#include "sample_sets.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace orv;
using namespace orv::orbit;
using namespace orv::test;

namespace {

struct Import : ::testing::Test {
    QTemporaryDir dir;
    core::SettingsStore settings{":memory:"};
    ElementStore store{settings};
    int warnings = 0;

    std::string write(const std::string& text) {
        const std::string path = dir.path().toStdString() + "/orv_kite.txt";
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    ImportResult import(const std::string& path, double today = 9500) {
        return importElementFile(path, store, today, [this] { ++warnings; });
    }
    std::string line(const std::string& name, int which) {
        std::string l1, l2;
        store.lines(name, l1, l2);
        return which == 1 ? l1 : l2;
    }
};

std::string record(const std::string& name, const char* l1, const char* l2,
                   const char* end = "\r\n") {
    return name + end + l1 + end + l2 + end;
}

} // namespace

TEST_F(Import, FirstStartStampsTodayAndWarnsOfNothing) {
    const auto result =
        import(write(record("ISS (ZARYA)", kIss1, kIss2) + record("AO-7", kAo7_1, kAo7_2)));
    EXPECT_EQ(result.status, ImportStatus::Imported);
    EXPECT_EQ(result.setsWritten, 2);
    EXPECT_EQ(store.ageText(), "9500");
    EXPECT_EQ(warnings, 0);
    EXPECT_EQ(line("ISS (ZARYA)", 1), kIss1);
    EXPECT_EQ(line("iss (zarya)", 2), kIss2); // names compare without regard to case
    EXPECT_EQ(line("AO-7", 2), kAo7_2);
}

TEST_F(Import, TheAgeWarningComesAtThirtyDays) {
    const std::string path = write(record("AO-7", kAo7_1, kAo7_2));
    for (const auto& [age, warned] : {std::pair{9471, true}, {9470, true}, {9472, false}}) {
        warnings = 0;
        store.stampAge(age);
        import(path, 9501);
        EXPECT_EQ(warnings, warned ? 1 : 0) << "stamped " << age;
        EXPECT_EQ(store.ageText(), std::to_string(age)) << "the age is kept, not renewed";
    }
}

TEST_F(Import, ARecordWithoutItsSecondLineKeepsTheSetsBeforeIt) {
    const auto result =
        import(write(record("AO-7", kAo7_1, kAo7_2) + "ISS (ZARYA)\r\n" + kIss1 + "\r\n"));
    EXPECT_EQ(result.status, ImportStatus::FileCorrupt);
    EXPECT_EQ(result.setsWritten, 1);
    EXPECT_NE(result.detail.find("line 4"), std::string::npos) << result.detail;
    EXPECT_EQ(line("AO-7", 1), kAo7_1);
    EXPECT_EQ(line("ISS (ZARYA)", 1), "");
}

TEST_F(Import, ARecordOutOfStepIsAFaultNotAWrongName) {
    // A two-line file (no name lines): the first "name" would be an element line.
    const auto result =
        import(write(std::string(kIss1) + "\n" + kIss2 + "\n" + kAo7_1 + "\n" + kAo7_2 + "\n"));
    EXPECT_EQ(result.status, ImportStatus::FileCorrupt);
    EXPECT_EQ(result.setsWritten, 0);
}

TEST_F(Import, NamesAndLinesAreTrimmedAndLineEndsMayBeEither) {
    import(write(record("  ISS (ZARYA)   ", kIss1, kIss2, "\n") + "AO-7 \t\r\n  " + kAo7_1 +
                 "  \r\n" + kAo7_2 + "\n\n\r\n"));
    EXPECT_EQ(line("ISS (ZARYA)", 1), kIss1);
    EXPECT_EQ(line("AO-7", 1), kAo7_1);
    EXPECT_EQ(line("AO-7", 2), kAo7_2);
    EXPECT_EQ(settings.sections(kElementApplication).size(), 3u); // two sets and AGE
}

TEST_F(Import, EachStartReplacesTheStoredSetsAndTheLastOfATwiceNamedSetWins) {
    import(write(record("AO-7", kAo7_1, kAo7_2) + record("ISS (ZARYA)", kIss1, kIss2)));
    const std::string newer = std::string(kIss2).replace(8, 8, " 51.6000");
    import(
        write(record("ISS (ZARYA)", kIss1, kIss2) + record("ISS (ZARYA)", kIss1, newer.c_str())));
    EXPECT_EQ(line("AO-7", 1), "") << "a set that left the file is gone";
    EXPECT_EQ(line("ISS (ZARYA)", 2), newer);
}

TEST_F(Import, AMissingFileChangesNothing) {
    import(write(record("AO-7", kAo7_1, kAo7_2)));
    store.stampAge(9000);
    const auto result = import(dir.path().toStdString() + "/nowhere/keps.txt");
    EXPECT_EQ(result.status, ImportStatus::FileMissing);
    EXPECT_EQ(line("AO-7", 1), kAo7_1);
    EXPECT_EQ(store.ageText(), "9000");
    EXPECT_EQ(import(dir.path().toStdString()).status, ImportStatus::FileMissing) << "a directory";
    EXPECT_EQ(warnings, 0);
}

TEST_F(Import, ALastLineCutShortIsCorruptAndTheSetsBeforeItAreKept) {
    const std::string cut = std::string(kIss2).substr(0, 40); // the download broke off
    for (const std::string& tail : {cut, cut + "\r\n", std::string(kIss1).substr(0, 30)}) {
        const std::string text = record("AO-7", kAo7_1, kAo7_2) + "ISS (ZARYA)\r\n" +
                                 (tail.size() > 32 ? std::string(kIss1) + "\r\n" : "") + tail;
        const auto result = import(write(text));
        EXPECT_EQ(result.status, ImportStatus::FileCorrupt) << tail;
        EXPECT_EQ(result.setsWritten, 1);
        EXPECT_EQ(line("AO-7", 2), kAo7_2);
        EXPECT_EQ(line("ISS (ZARYA)", 1), "") << "no set the propagator cannot use";
    }
}

TEST_F(Import, AByteOrderMarkAtTheStartIsSkipped) {
    const auto result = import(write("\xEF\xBB\xBF" + record("AO-7", kAo7_1, kAo7_2)));
    EXPECT_EQ(result.status, ImportStatus::Imported);
    EXPECT_EQ(line("AO-7", 1), kAo7_1);
    EXPECT_EQ(settings.sections(kElementApplication).size(), 2u); // AO-7 and AGE, no "\xEF..AO-7"
}

TEST_F(Import, ANamedPipeIsRefusedWithoutWaitingForAWriter) {
    import(write(record("AO-7", kAo7_1, kAo7_2)));
    const std::string fifo = dir.path().toStdString() + "/keps.fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Without the refusal this would block for ever (no writer ever opens the pipe).
    const auto result = import(fifo);
    EXPECT_EQ(result.status, ImportStatus::FileMissing);
    EXPECT_NE(result.detail.find("not a regular file"), std::string::npos) << result.detail;
    EXPECT_EQ(line("AO-7", 1), kAo7_1);
    EXPECT_EQ(import("/dev/zero").status, ImportStatus::FileMissing);
}

TEST(ElementFilePath, RelativePathsAreTakenFromTheProgramDirectory) {
    EXPECT_EQ(elementFilePath("/opt/ORV_KITE4", "keps/Amateur.txt"),
              "/opt/ORV_KITE4/keps/Amateur.txt");
    EXPECT_EQ(elementFilePath("/opt/ORV_KITE4", "/home/op/Keps.TXT"), "/home/op/Keps.TXT");
    EXPECT_EQ(elementFilePath("/opt/ORV_KITE4", ""), "/opt/ORV_KITE4/orv_kite.txt");
}

TEST(ElementNames, TheSelectedNameIsCutBeforeItsFirstUnderscore) {
    EXPECT_EQ(elementNameOf("AO-40_3"), "AO-40");
    EXPECT_EQ(elementNameOf("AO-40"), "AO-40");
    EXPECT_EQ(elementNameOf("A_B_C"), "A");
    EXPECT_EQ(elementNameOf("_2"), "");
}
