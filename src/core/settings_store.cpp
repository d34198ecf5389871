#include "core/settings_store.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orv::core {

namespace {

constexpr const char* kSchema = "CREATE TABLE IF NOT EXISTS settings ("
                                " application TEXT NOT NULL COLLATE NOCASE,"
                                " section TEXT NOT NULL COLLATE NOCASE,"
                                " key TEXT NOT NULL COLLATE NOCASE,"
                                " value TEXT NOT NULL,"
                                " PRIMARY KEY (application, section, key)) WITHOUT ROWID";

std::string parentOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return {};
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// Creates missing directories of `dir`, the new ones private to the user.
void makeDirectories(const std::string& dir) {
    if (dir.empty()) return;
    struct stat info {};
    if (::stat(dir.c_str(), &info) == 0) return;
    makeDirectories(parentOf(dir));
    if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
        throw SettingsError("cannot create the settings directory " + dir + ": " +
                            std::strerror(errno));
}

// Creates an empty file readable by its owner only, so SQLite inherits the mode. True
// when the file is new or was empty: nobody's data can be in it.
bool createPrivateFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    if (errno != EEXIST)
        throw SettingsError("cannot create the settings store " + path + ": " +
                            std::strerror(errno));
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        throw SettingsError("cannot read the settings store " + path + ": " + std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        throw SettingsError("settings store " + path + ": not a regular file; nothing was written",
                            SettingsError::Kind::Foreign);
    // An empty file whose pages still wait in its write-ahead log is not empty.
    struct stat log {};
    const bool logged = ::stat((path + "-wal").c_str(), &log) == 0 && log.st_size > 0;
    return info.st_size == 0 && !logged;
}

SettingsError::Kind kindOf(int code) {
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return SettingsError::Kind::Locked;
    default:
        return SettingsError::Kind::Failed;
    }
}

struct Reset {
    sqlite3_stmt* statement;
    ~Reset() {
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
    }
};

void bindText(sqlite3_stmt* statement, int index, std::string_view text) {
    sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
}

} // namespace

SettingsStore::SettingsStore(const std::string& path) : path_(path), inMemory_(path == ":memory:") {
    bool fresh = inMemory_;
    if (!inMemory_) {
        makeDirectories(parentOf(path));
        fresh = createPrivateFile(path);
    }
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        const std::string reason = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        db_ = nullptr;
        throw SettingsError("cannot open the settings store " + path + ": " + reason);
    }
    try {
        sqlite3_busy_timeout(db_, 5000);
        // Until the file is known to be ours, only reads reach it.
        if (!fresh) checkOwnership();
        if (!inMemory_ && marked_) execute("PRAGMA journal_mode=WAL");
        execute("PRAGMA synchronous=NORMAL");
        if (fresh)
            createSchema();
        else if (marked_)
            execute(kSchema);
        open();
    } catch (...) {
        for (auto* statement : {getStatement_, saveStatement_, removeAppStatement_,
                                removeSectionStatement_, removeKeyStatement_, getTwoStatement_})
            sqlite3_finalize(statement);
        sqlite3_close(db_);
        db_ = nullptr;
        throw;
    }
}

SettingsStore::~SettingsStore() {
    for (auto* statement : {getStatement_, saveStatement_, removeAppStatement_,
                            removeSectionStatement_, removeKeyStatement_, getTwoStatement_})
        sqlite3_finalize(statement);
    sqlite3_close(db_);
}

void SettingsStore::open() {
    getStatement_ =
        prepare("SELECT value FROM settings WHERE application=?1 AND section=?2 AND key=?3");
    saveStatement_ =
        prepare("INSERT INTO settings(application, section, key, value) VALUES(?1, ?2, ?3, ?4) "
                "ON CONFLICT(application, section, key) DO UPDATE SET value=excluded.value");
    removeAppStatement_ = prepare("DELETE FROM settings WHERE application=?1");
    removeSectionStatement_ = prepare("DELETE FROM settings WHERE application=?1 AND section=?2");
    removeKeyStatement_ =
        prepare("DELETE FROM settings WHERE application=?1 AND section=?2 AND key=?3");
    getTwoStatement_ =
        prepare("SELECT key, value FROM settings WHERE application=?1 AND section=?2");
}

// A new (or empty) file: the table and the mark land together.
void SettingsStore::createSchema() {
    if (!inMemory_) execute("PRAGMA journal_mode=WAL");
    const std::string mark = "PRAGMA application_id=" + std::to_string(kApplicationId) +
                             "; PRAGMA user_version=" + std::to_string(kSchemaVersion) + ";";
    execute("BEGIN IMMEDIATE");
    try {
        execute(kSchema);
        execute(mark.c_str());
        execute("COMMIT");
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    marked_ = true;
}

// Reads the header fields and the schema; writes nothing. Refuses a database that is
// another program's, or a store of a newer schema than this program knows.
void SettingsStore::checkOwnership() {
    const std::int64_t applicationId = pragmaNumber("PRAGMA application_id");
    if (applicationId == kApplicationId) {
        const std::int64_t version = pragmaNumber("PRAGMA user_version");
        if (version > kSchemaVersion)
            refuse("made by a newer version of this program (schema " + std::to_string(version) +
                   ", this program knows " + std::to_string(kSchemaVersion) + ")");
        marked_ = true;
    } else if (applicationId != 0) {
        char id[16];
        std::snprintf(id, sizeof id, "0x%08llX",
                      static_cast<unsigned long long>(applicationId & 0xFFFFFFFF));
        refuse(std::string("the database of another program (application id ") + id + ")");
    } else if (!hasOurTable()) {
        refuse(pragmaNumber("SELECT count(*) FROM sqlite_schema WHERE name='settings'") > 0
                   ? "not a settings store of this program (its settings table has other columns)"
                   : "the database of another program (no settings table of this program)");
    }
    if (!passesQuickCheck()) fail("the file is damaged");
}

// The settings table with exactly our four columns, in order.
bool SettingsStore::hasOurTable() const {
    if (pragmaNumber("SELECT count(*) FROM sqlite_schema WHERE type='table' AND name='settings'") ==
        0)
        return false;
    sqlite3_stmt* columns = prepare("SELECT name FROM pragma_table_info('settings') ORDER BY cid");
    std::vector<std::string> names;
    int rc;
    while ((rc = sqlite3_step(columns)) == SQLITE_ROW)
        names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(columns, 0)));
    sqlite3_finalize(columns);
    if (rc != SQLITE_DONE) fail(std::string("read failed: ") + sqlite3_errmsg(db_), rc);
    return names == std::vector<std::string>{"application", "section", "key", "value"};
}

std::int64_t SettingsStore::pragmaNumber(const char* sql) const {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr) != SQLITE_OK) {
        const int code = sqlite3_extended_errcode(db_);
        const std::string reason = sqlite3_errmsg(db_);
        if ((code & 0xff) == SQLITE_NOTADB || (code & 0xff) == SQLITE_CORRUPT)
            fail("not a settings store or damaged (" + reason + ")");
        fail(reason, code);
    }
    const int rc = sqlite3_step(statement);
    const std::int64_t value = rc == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : 0;
    sqlite3_finalize(statement);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        const std::string reason = sqlite3_errmsg(db_);
        if ((rc & 0xff) == SQLITE_NOTADB || (rc & 0xff) == SQLITE_CORRUPT)
            fail("not a settings store or damaged (" + reason + ")");
        fail(reason, rc);
    }
    return value;
}

// An adopted store is marked (and put in WAL mode) before the first write lands.
void SettingsStore::markOnFirstWrite() {
    if (marked_ || transactionDepth_ > 0) return;
    if (!inMemory_) execute("PRAGMA journal_mode=WAL");
    const std::string mark =
        "BEGIN IMMEDIATE; PRAGMA application_id=" + std::to_string(kApplicationId) +
        "; PRAGMA user_version=" + std::to_string(kSchemaVersion) + "; COMMIT;";
    try {
        execute(mark.c_str());
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    marked_ = true;
}

void SettingsStore::setBusyTimeout(int milliseconds) {
    sqlite3_busy_timeout(db_, milliseconds);
}

bool SettingsStore::passesQuickCheck() {
    sqlite3_stmt* check = prepare("PRAGMA quick_check(1)");
    const bool ok =
        sqlite3_step(check) == SQLITE_ROW &&
        std::strcmp(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok") == 0;
    sqlite3_finalize(check);
    return ok;
}

std::string SettingsStore::resolvePath(const std::string& commandLinePath) {
    if (!commandLinePath.empty()) return commandLinePath;
    if (const char* env = std::getenv("ORV_KITE_SETTINGS"); env && *env) return env;
    std::string base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = std::string(home) + "/.config";
    } else {
        base = ".";
    }
    return base + "/orv_kite/settings.sqlite";
}

void SettingsStore::fail(const std::string& what, int code) const {
    throw SettingsError("settings store " + path_ + ": " + what, kindOf(code));
}

void SettingsStore::refuse(const std::string& why) const {
    throw SettingsError("settings store " + path_ + ": " + why + "; nothing was written",
                        SettingsError::Kind::Foreign);
}

void SettingsStore::execute(const char* sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string reason = message ? message : sqlite3_errmsg(db_);
        sqlite3_free(message);
        const int code = sqlite3_errcode(db_);
        if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
            fail("not a settings store or damaged (" + reason + ")");
        fail(reason, code);
    }
}

sqlite3_stmt* SettingsStore::prepare(const char* sql) const {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) !=
        SQLITE_OK) {
        const int code = sqlite3_errcode(db_);
        const std::string reason = sqlite3_errmsg(db_);
        if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
            fail("not a settings store or damaged (" + reason + ")");
        fail("not a settings store of this program (" + reason + ")", code);
    }
    return statement;
}

std::string SettingsStore::get(const std::string& application, const std::string& section,
                               const std::string& key, const std::string& defaultValue) const {
    Reset reset{getStatement_};
    bindText(getStatement_, 1, application);
    bindText(getStatement_, 2, section);
    bindText(getStatement_, 3, key);
    const int rc = sqlite3_step(getStatement_);
    if (rc == SQLITE_ROW) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(getStatement_, 0));
        return std::string(text ? text : "",
                           static_cast<size_t>(sqlite3_column_bytes(getStatement_, 0)));
    }
    if (rc != SQLITE_DONE) fail(std::string("read failed: ") + sqlite3_errmsg(db_), rc);
    return defaultValue;
}

void SettingsStore::getTwo(std::string_view application, std::string_view section,
                           std::string_view key1, std::string_view key2, std::string& value1,
                           std::string& value2) const {
    Reset reset{getTwoStatement_};
    bindText(getTwoStatement_, 1, application);
    bindText(getTwoStatement_, 2, section);
    value1.clear();
    value2.clear();
    // Keys compare as the table does: without regard to ASCII case.
    const auto sameKey = [](const char* text, int length, std::string_view key) {
        return static_cast<size_t>(length) == key.size() &&
               sqlite3_strnicmp(text, key.data(), length) == 0;
    };
    int rc;
    while ((rc = sqlite3_step(getTwoStatement_)) == SQLITE_ROW) {
        const auto* key = reinterpret_cast<const char*>(sqlite3_column_text(getTwoStatement_, 0));
        const int keyLength = sqlite3_column_bytes(getTwoStatement_, 0);
        std::string* target = !key                            ? nullptr
                              : sameKey(key, keyLength, key1) ? &value1
                              : sameKey(key, keyLength, key2) ? &value2
                                                              : nullptr;
        if (!target) continue;
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(getTwoStatement_, 1));
        if (text)
            target->assign(text, static_cast<size_t>(sqlite3_column_bytes(getTwoStatement_, 1)));
    }
    if (rc != SQLITE_DONE) fail(std::string("read failed: ") + sqlite3_errmsg(db_), rc);
}

void SettingsStore::save(const std::string& application, const std::string& section,
                         const std::string& key, const std::string& value) {
    markOnFirstWrite();
    Reset reset{saveStatement_};
    bindText(saveStatement_, 1, application);
    bindText(saveStatement_, 2, section);
    bindText(saveStatement_, 3, key);
    bindText(saveStatement_, 4, value);
    if (const int rc = sqlite3_step(saveStatement_); rc != SQLITE_DONE)
        fail(std::string("write failed: ") + sqlite3_errmsg(db_), rc);
}

bool SettingsStore::remove(const std::string& application) {
    markOnFirstWrite();
    Reset reset{removeAppStatement_};
    bindText(removeAppStatement_, 1, application);
    if (const int rc = sqlite3_step(removeAppStatement_); rc != SQLITE_DONE)
        fail(std::string("delete failed: ") + sqlite3_errmsg(db_), rc);
    return sqlite3_changes(db_) > 0;
}

bool SettingsStore::remove(const std::string& application, const std::string& section) {
    markOnFirstWrite();
    Reset reset{removeSectionStatement_};
    bindText(removeSectionStatement_, 1, application);
    bindText(removeSectionStatement_, 2, section);
    if (const int rc = sqlite3_step(removeSectionStatement_); rc != SQLITE_DONE)
        fail(std::string("delete failed: ") + sqlite3_errmsg(db_), rc);
    return sqlite3_changes(db_) > 0;
}

bool SettingsStore::removeKey(const std::string& application, const std::string& section,
                              const std::string& key) {
    markOnFirstWrite();
    Reset reset{removeKeyStatement_};
    bindText(removeKeyStatement_, 1, application);
    bindText(removeKeyStatement_, 2, section);
    bindText(removeKeyStatement_, 3, key);
    if (const int rc = sqlite3_step(removeKeyStatement_); rc != SQLITE_DONE)
        fail(std::string("delete failed: ") + sqlite3_errmsg(db_), rc);
    return sqlite3_changes(db_) > 0;
}

std::vector<std::string> SettingsStore::sections(const std::string& application) const {
    sqlite3_stmt* statement =
        prepare("SELECT DISTINCT section FROM settings WHERE application=?1 ORDER BY section");
    std::vector<std::string> result;
    bindText(statement, 1, application);
    while (sqlite3_step(statement) == SQLITE_ROW)
        result.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    return result;
}

std::vector<std::pair<std::string, std::string>>
SettingsStore::keys(const std::string& application, const std::string& section) const {
    // Keys are mostly numbers: order them as numbers, then as text.
    sqlite3_stmt* statement =
        prepare("SELECT key, value FROM settings WHERE application=?1 AND section=?2 "
                "ORDER BY CAST(key AS INTEGER), key");
    std::vector<std::pair<std::string, std::string>> result;
    bindText(statement, 1, application);
    bindText(statement, 2, section);
    while (sqlite3_step(statement) == SQLITE_ROW)
        result.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)),
                            reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)));
    sqlite3_finalize(statement);
    return result;
}

void SettingsStore::begin() {
    if (transactionDepth_ == 0) markOnFirstWrite();
    if (transactionDepth_++ == 0) {
        rollbackPending_ = false;
        execute("BEGIN IMMEDIATE");
    }
}

void SettingsStore::commitOuter() {
    if (--transactionDepth_ > 0) return;
    if (rollbackPending_) {
        execute("ROLLBACK");
        fail("a grouped write was abandoned; nothing of it was stored");
    }
    execute("COMMIT");
}

void SettingsStore::rollbackOuter() {
    if (--transactionDepth_ > 0) {
        rollbackPending_ = true; // the outer transaction must not commit half of it
        return;
    }
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

SettingsStore::ReadTransaction::ReadTransaction(const SettingsStore& store) : store_(store) {
    if (!sqlite3_get_autocommit(store_.db_)) return; // already inside a transaction
    open_ = sqlite3_exec(store_.db_, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
}

SettingsStore::ReadTransaction::~ReadTransaction() {
    if (open_) sqlite3_exec(store_.db_, "COMMIT", nullptr, nullptr, nullptr);
}

SettingsStore::Transaction::Transaction(SettingsStore& store) : store_(store) {
    store_.begin();
}

SettingsStore::Transaction::~Transaction() {
    if (!done_) store_.rollbackOuter();
}

void SettingsStore::Transaction::commit() {
    done_ = true;
    store_.commitOuter();
}

} // namespace orv::core
