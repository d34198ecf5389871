// The settings store: names without regard to case, deletes, transactions, the
// file's permissions, refusal of a damaged file, and two processes on one file.
#include "core/settings_store.h"

#include <QProcess>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

using orv::core::SettingsError;
using orv::core::SettingsStore;

TEST(SettingsStore, NamesCompareWithoutRegardToCase) {
    SettingsStore store(":memory:");
    store.save("ORV_CFG4", "Configuration", "1", "-39.5");
    EXPECT_EQ(store.get("orv_cfg4", "configuration", "1"), "-39.5");
    store.save("orv_sat1", "Satlist", "1", "3");
    store.save("ORV_SAT1", "satlist", "1", "4"); // same key: overwritten, not doubled
    EXPECT_EQ(store.get("ORV_SAT1", "SATLIST", "1"), "4");
    EXPECT_EQ(store.keys("ORV_SAT1", "satlist").size(), 1u);
}

TEST(SettingsStore, MissingKeysGiveTheDefault) {
    SettingsStore store(":memory:");
    EXPECT_EQ(store.get("ORVTUNE", "START", "1"), "");
    EXPECT_EQ(store.get("ORVTUNE", "START", "1", "none"), "none");
    store.save("ORVTUNE", "START", "1", "");
    EXPECT_EQ(store.get("ORVTUNE", "START", "1", "none"), ""); // stored empty is not missing
}

TEST(SettingsStore, DeletesAnApplicationOrOneSection) {
    SettingsStore store(":memory:");
    store.save("ORV_SAT2", "scheds", "1", "1");
    store.save("ORV_SAT2", "malist", "1", "Sample Entry");
    store.save("ORV_SAT1", "satlist", "1", "0");
    EXPECT_TRUE(store.remove("orv_sat2", "SCHEDS"));
    EXPECT_EQ(store.get("ORV_SAT2", "scheds", "1"), "");
    EXPECT_EQ(store.get("ORV_SAT2", "malist", "1"), "Sample Entry");
    EXPECT_TRUE(store.remove("Orv_Sat2"));
    EXPECT_EQ(store.get("ORV_SAT2", "malist", "1"), "");
    EXPECT_EQ(store.get("ORV_SAT1", "satlist", "1"), "0");
    EXPECT_FALSE(store.remove("ORV_SAT2")); // nothing left: reported, not thrown
}

TEST(SettingsStore, AnAbandonedTransactionStoresNothing) {
    SettingsStore store(":memory:");
    store.save("ORV_SAT", "AO-7", "1", "old");
    try {
        store.inTransaction([&] {
            store.save("ORV_SAT", "AO-7", "1", "new");
            store.save("ORV_SAT", "AO-7", "2", "half");
            throw std::runtime_error("crash in the middle");
        });
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(store.get("ORV_SAT", "AO-7", "1"), "old");
    EXPECT_EQ(store.get("ORV_SAT", "AO-7", "2"), "");
}

TEST(SettingsStore, AnInnerFailureAbandonsTheOuterTransaction) {
    SettingsStore store(":memory:");
    EXPECT_THROW(store.inTransaction([&] {
        store.save("A", "s", "1", "x");
        try {
            store.inTransaction([&] {
                store.save("A", "s", "2", "y");
                throw std::runtime_error("inner");
            });
        } catch (const std::runtime_error&) {
        }
    }),
                 SettingsError);
    EXPECT_EQ(store.get("A", "s", "1"), "");
}

TEST(SettingsStore, CreatesAPrivateFileInAPrivateDirectory) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/new/orv_kite/settings.sqlite";
    {
        SettingsStore store(path);
        store.save("X", "y", "1", "z");
    }
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    ASSERT_EQ(::stat((dir.path().toStdString() + "/new/orv_kite").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    SettingsStore reopened(path);
    EXPECT_EQ(reopened.get("X", "y", "1"), "z");
}

TEST(SettingsStore, RefusesADamagedFileAndLeavesItAlone) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/settings.sqlite";
    const std::string garbage = "this is the operator's file, not a database\n";
    std::ofstream(path) << garbage;
    try {
        SettingsStore store(path);
        FAIL() << "a damaged store was opened";
    } catch (const SettingsError& error) {
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
    std::ifstream in(path);
    std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(kept, garbage);
}

TEST(SettingsStore, ResolvesThePathFromOptionEnvironmentAndXdg) {
    ::setenv("ORV_KITE_SETTINGS", "/tmp/env.sqlite", 1);
    EXPECT_EQ(SettingsStore::resolvePath("/tmp/cli.sqlite"), "/tmp/cli.sqlite");
    EXPECT_EQ(SettingsStore::resolvePath(""), "/tmp/env.sqlite");
    ::unsetenv("ORV_KITE_SETTINGS");
    ::setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
    EXPECT_EQ(SettingsStore::resolvePath(""), "/tmp/xdg/orv_kite/settings.sqlite");
    ::unsetenv("XDG_CONFIG_HOME");
}

TEST(SettingsStore, AWriteByAnotherProcessIsSeenByTheNextGet) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/shared.sqlite";
    SettingsStore store(path);
    store.save("ORVTUNE", "START", "1", "1");
    EXPECT_EQ(store.get("ORVTUNE", "START", "1"), "1");
    // Another process deletes the flag, as a second copy of the station does.
    const int rc =
        QProcess::execute("sqlite3", {QString::fromStdString(path),
                                      "DELETE FROM settings WHERE application='orvtune';"});
    if (rc < 0) GTEST_SKIP() << "sqlite3 shell not available";
    EXPECT_EQ(store.get("ORVTUNE", "START", "1"), "");
}
