// Settings files that are not ours, and a store another process holds, met through the
// programs only: every command refuses, names the file and leaves it byte for byte.
#include "program_runner.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace orv::test;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A database another program made, in its own journal mode.
bool makeDatabase(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    const bool ok = sqlite3_open(path.toUtf8().constData(), &db) == SQLITE_OK &&
                    sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

struct ForeignFile {
    const char* what;
    const char* sql;
};

const ForeignFile kForeignFiles[] = {
    {"photo catalogue", "CREATE TABLE photos (id INTEGER PRIMARY KEY, file TEXT);"
                        "INSERT INTO photos(file) VALUES('holiday.jpg');"},
    {"our table name, other columns", "PRAGMA journal_mode=WAL;"
                                      "CREATE TABLE settings (name TEXT PRIMARY KEY, value TEXT);"
                                      "INSERT INTO settings VALUES('theme', 'dark');"},
};

} // namespace

TEST(SettingsFile, EveryCommandRefusesAnotherProgramsDatabaseAndLeavesItAsItWas) {
    QTemporaryDir dir;
    const QString exportFile = dir.path() + "/export.txt";
    {
        QFile out(exportFile);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("# Orv_Kite satellite database\n[list]\n");
    }
    const QStringList stationRun = {"--headless", "--simulate", "--for", "1"};
    const std::vector<std::pair<QString, QStringList>> commands = {
        {tool(), {"config", "show"}},
        {tool(), {"config", "get", "1"}},
        {tool(), {"config", "set", "1", "-40"}},
        {tool(), {"config", "defaults"}},
        {tool(), {"sat", "list"}},
        {tool(), {"sat", "new", "AO-7", "--digital"}},
        {tool(), {"sat", "import", exportFile}},
        {tool(), {"frames", "--settings"}}, // the file is appended below
        {station(4), stationRun},
        {station(3), stationRun},
    };
    for (const auto& file : kForeignFiles) {
        const QString path = dir.path() + "/" + QString(file.what).replace(' ', '_') + ".db";
        ASSERT_TRUE(makeDatabase(path, file.sql)) << file.what;
        const QByteArray before = fileBytes(path);
        for (const auto& [program, words] : commands) {
            QStringList arguments = words;
            if (arguments.last() == "--settings") arguments << path;
            SCOPED_TRACE(
                (QString(file.what) + ": " + program.section('/', -1) + " " + arguments.join(' '))
                    .toStdString());
            const ProgramRun run = runProgram(program, arguments, path);
            EXPECT_EQ(run.code, 1) << run.err.toStdString();
            EXPECT_TRUE(run.err.contains(path)) << run.err.toStdString();
            EXPECT_TRUE(run.err.contains("nothing was written")) << run.err.toStdString();
            EXPECT_EQ(fileBytes(path), before);
            EXPECT_FALSE(QFile::exists(path + "-wal"));
        }
    }
}

TEST(SettingsFile, AStoreLockedByAnotherProcessEndsTheStationWithStatusOne) {
    QTemporaryDir dir;
    const QString settings = dir.path() + "/settings.sqlite";
    ASSERT_EQ(runProgram(tool(), {"config", "defaults"}, settings).code, 0);
    // Another process holds the store for writing, longer than the station waits.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(settings.toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    const ProgramRun run =
        runProgram(station(4), {"--headless", "--simulate", "--for", "30"}, settings, 25000);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(run.code, 1) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(settings) || run.err.contains(settings))
        << run.out.toStdString() << run.err.toStdString();
    EXPECT_TRUE((run.out + run.err).contains("locked")) << run.err.toStdString();
}
