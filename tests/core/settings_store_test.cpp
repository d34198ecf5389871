// The settings store: names without regard to case, deletes, transactions, the
// file's permissions, refusal of damaged and foreign files, the mark, adoption of an
// unmarked store, locks, and two processes on one file.
#include "core/settings_store.h"

#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sqlite3.h>
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

namespace {

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A database made by "another program": plain SQLite, rollback journal.
void makeDatabase(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << error;
    sqlite3_close(db);
}

// A big-endian 32-bit header field of an SQLite file.
std::uint32_t headerField(const std::string& bytes, size_t offset) {
    std::uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(offset + i));
    return value;
}
constexpr size_t kUserVersionOffset = 60;
constexpr size_t kApplicationIdOffset = 68;

const char* kOurTable = "CREATE TABLE settings (application TEXT NOT NULL COLLATE NOCASE,"
                        " section TEXT NOT NULL COLLATE NOCASE, key TEXT NOT NULL COLLATE NOCASE,"
                        " value TEXT NOT NULL, PRIMARY KEY (application, section, key))"
                        " WITHOUT ROWID;";

} // namespace

TEST(SettingsStore, ANewStoreCarriesOurMarkAndSchemaVersion) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/settings.sqlite";
    { SettingsStore store(path); }
    const std::string bytes = fileBytes(path);
    ASSERT_GE(bytes.size(), 100u);
    EXPECT_EQ(bytes.substr(kApplicationIdOffset, 4), "ORVK");
    EXPECT_EQ(headerField(bytes, kUserVersionOffset), 1u);
    // An empty file (touched by the operator) holds nobody's data: it becomes a store.
    const std::string empty = dir.path().toStdString() + "/empty.sqlite";
    std::ofstream(empty).close();
    {
        SettingsStore store(empty);
        store.save("X", "y", "1", "z");
    }
    EXPECT_EQ(fileBytes(empty).substr(kApplicationIdOffset, 4), "ORVK");
}

TEST(SettingsStore, AnotherProgramsDatabaseIsRefusedByteForByteUntouched) {
    struct Case {
        const char* what;
        std::string sql;
        const char* said;
    };
    const Case cases[] = {
        {"a photo catalogue",
         "CREATE TABLE photos (id INTEGER PRIMARY KEY, file TEXT);"
         "INSERT INTO photos(file) VALUES('cat.jpg');",
         "another program"},
        {"our table name with other columns",
         "CREATE TABLE settings (name TEXT PRIMARY KEY, value TEXT);"
         "INSERT INTO settings VALUES('theme', 'dark');",
         "not a settings store of this program"},
        {"our columns under another program's mark",
         std::string(kOurTable) + "PRAGMA application_id=1234;", "application id 0x000004D2"},
        {"an empty database of another program", "PRAGMA user_version=7;", "another program"},
        {"a view named settings",
         "CREATE TABLE t(application, section, key, value);"
         "CREATE VIEW settings AS SELECT * FROM t;",
         "not a settings store of this program"},
        {"a store of a newer version",
         std::string(kOurTable) + "PRAGMA application_id=" +
             std::to_string(SettingsStore::kApplicationId) + "; PRAGMA user_version=2;",
         "newer version"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const std::string path = dir.path().toStdString() + "/other.db";
        makeDatabase(path, c.sql);
        const std::string before = fileBytes(path);
        try {
            SettingsStore store(path);
            FAIL() << "opened";
        } catch (const SettingsError& error) {
            const std::string what = error.what();
            EXPECT_NE(what.find(path), std::string::npos) << what;
            EXPECT_NE(what.find(c.said), std::string::npos) << what;
            EXPECT_NE(what.find("nothing was written"), std::string::npos) << what;
            EXPECT_EQ(error.kind(), SettingsError::Kind::Foreign);
        }
        EXPECT_EQ(fileBytes(path), before);
        EXPECT_FALSE(std::filesystem::exists(path + "-wal"));
        EXPECT_FALSE(std::filesystem::exists(path + "-journal"));
    }
}

TEST(SettingsStore, ASpecialFileIsRefusedWithoutBlocking) {
    QTemporaryDir dir;
    const std::string fifo = dir.path().toStdString() + "/pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(SettingsStore store(fifo), SettingsError);
    EXPECT_THROW(SettingsStore store(dir.path().toStdString()), SettingsError); // a directory
}

TEST(SettingsStore, AnUnmarkedStoreIsReadUntouchedAndMarkedOnItsFirstWrite) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/old.sqlite";
    makeDatabase(path, std::string(kOurTable) +
                           "INSERT INTO settings VALUES('ORV_CFG4', 'configuration', '1', '-39');");
    const std::string before = fileBytes(path);
    {
        SettingsStore store(path);
        EXPECT_FALSE(store.marked());
        EXPECT_EQ(store.get("orv_cfg4", "Configuration", "1"), "-39");
    }
    EXPECT_EQ(fileBytes(path), before); // reading adopts nothing yet
    {
        SettingsStore store(path);
        store.save("ORVTUNE", "START", "1", "1");
        EXPECT_TRUE(store.marked());
    }
    const std::string after = fileBytes(path);
    EXPECT_EQ(after.substr(kApplicationIdOffset, 4), "ORVK");
    EXPECT_EQ(headerField(after, kUserVersionOffset), 1u);
    SettingsStore reopened(path);
    EXPECT_TRUE(reopened.marked());
    EXPECT_EQ(reopened.get("ORV_CFG4", "configuration", "1"), "-39");
    EXPECT_EQ(reopened.get("ORVTUNE", "START", "1"), "1");
}

TEST(SettingsStore, AWriteBlockedByAnotherProcessFailsAsLocked) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/shared.sqlite";
    SettingsStore store(path);
    store.save("A", "s", "1", "x");
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    store.setBusyTimeout(50);
    try {
        store.save("A", "s", "2", "y");
        FAIL() << "wrote through another process's lock";
    } catch (const SettingsError& error) {
        EXPECT_EQ(error.kind(), SettingsError::Kind::Locked) << error.what();
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos);
    }
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    store.save("A", "s", "2", "y");
    EXPECT_EQ(store.get("A", "s", "2"), "y");
}
